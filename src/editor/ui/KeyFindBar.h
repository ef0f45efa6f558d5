// The find bar over the grid: a field for a key's name or code name, where
// the keys found stand, buttons to step through them and to close the bar.
// The bar only reports what the user asks; the window does the finding.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

namespace vorlan {

class KeyFindBar : public QWidget {
    Q_OBJECT
public:
    // Set on a control that takes Enter, Escape and the arrows itself, so the
    // main window does not claim them as it does for every other control.
    static constexpr const char* kOwnsWindowKeys = "vorlanOwnsWindowKeys";

    explicit KeyFindBar(QWidget* parent = nullptr);

    QLineEdit* Field() const { return field; }
    QString ResultText() const;

    // Puts the focus in the field with its text selected.
    void FocusField();
    // count keys found; position 1..count of the one stepped to, 0 for none.
    void ShowResult(int position, int count);

Q_SIGNALS:
    void QueryChanged(const QString& text);
    void NextRequested();
    void PreviousRequested();
    void CloseRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* field = nullptr;
    QLabel* result = nullptr;
};

} // namespace vorlan
