// Tells when a window has been shown and painted once: it prints the steady
// clock's reading at that moment and the window's size to standard output,
// then quits the application. The start-up benchmark subtracts the moment it
// launched the process. Qt only, so the benchmark's bare window uses it too.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <cstdio>

namespace vorlan {

class FirstPaintProbe : public QObject {
    Q_OBJECT
public:
    // Watches every paint of window and its children; out is where the line goes.
    explicit FirstPaintProbe(QWidget* window, std::FILE* out = stdout);
    ~FirstPaintProbe() override;

    // "first-paint <steady-clock ns> <width>x<height>"; empty before it happened.
    const QByteArray& Report() const { return report; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Finish();

    QPointer<QWidget> window;
    std::FILE* out;
    bool painted = false;
    QByteArray report;
};

} // namespace vorlan
