// The guide in a window of the program's own, so help needs no web browser:
// a contents list of the guide's headings, the page with its links between
// sections, back and forward, and a search within the page.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSplitter;
class QTextBrowser;

namespace vorlan {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the guide at path, at the heading with the id section when given;
    // false when the file cannot be read.
    bool Open(const QString& path, const QString& section = {});
    // Selects the next (or previous) match of the find field's text, wrapping
    // round at the end of the page; false when the page holds none.
    bool Find(bool backward = false);

    QTextBrowser* Browser() const { return browser; }
    QListWidget* Contents() const { return contents; }
    QLineEdit* FindField() const { return findField; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FillContents();

    QTextBrowser* browser = nullptr;
    QListWidget* contents = nullptr;
    QSplitter* split = nullptr;
    QLineEdit* findField = nullptr;
    QLabel* findResult = nullptr;
    QPushButton* back = nullptr;
    QPushButton* forward = nullptr;
    QString shownPath;
};

// The help window of owner's main window, made on first use and kept; shown,
// raised and opened at path and section. Null when the file cannot be read.
HelpWindow* ShowHelpWindow(QWidget* owner, const QString& path, const QString& section = {});

} // namespace vorlan
