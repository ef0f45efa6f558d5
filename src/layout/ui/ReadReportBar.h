// The bar above the grid that says, after a file was opened, that the reader
// changed or dropped some of it, with the located messages behind "Details...".
// It only shows; the file on disk is not touched.
#pragma once

#include <QFrame>
#include <QStringList>

class QLabel;
class QPushButton;

namespace vorlan {

// From layout/ReadReport.h; declared here so moc need not read the string
// table behind that header.
class ReadReport;

class ReadReportBar : public QFrame {
    Q_OBJECT
public:
    explicit ReadReportBar(QWidget* parent = nullptr);

    // Shows the bar for a report with notes and hides it for an empty one.
    void ShowReport(const ReadReport& report);
    // The summary line and the detail lines as shown.
    QString Summary() const;
    const QStringList& DetailLines() const { return details; }

    // The notes as "file:line: level: message", translated.
    static QStringList NoteLines(const ReadReport& report);

Q_SIGNALS:
    // The bar was shown or hidden; the window adapts its size.
    void VisibilityChanged();

private:
    void ShowDetails();

    QLabel* summary = nullptr;
    QPushButton* detailsButton = nullptr;
    QPushButton* closeButton = nullptr;
    QStringList details;
};

} // namespace vorlan
