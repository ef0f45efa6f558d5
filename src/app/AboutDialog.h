// The About box: logo, product line and the program's version; and the Help
// menu that offers it.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

class QMainWindow;

class QLabel;

namespace vorlan {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // With no version the box says "File version error" in its place.
    AboutDialog(std::optional<QString> version, QWidget* parent = nullptr);

    QString VersionText() const;

private:
    QLabel* versionLabel = nullptr;
};

// The Help menu, last in window's menu bar: Content (F1) runs showHelp, About
// shows the box.
void AddHelpMenu(QMainWindow& window, std::function<void()> showHelp);

} // namespace vorlan
