// The list of differences between the layout in the window and another file,
// beside the main window. Choosing a line asks for its key to be selected;
// closing the list ends the compare.
#pragma once

#include <QDialog>
#include <QStringList>
#include <vector>

class QLabel;
class QListWidget;

namespace vorlan {

// From layout/LayoutDiff.h; declared here so moc need not read the string
// table behind that header.
struct Difference;

class CompareWindow : public QDialog {
    Q_OBJECT
public:
    explicit CompareWindow(QWidget* parent = nullptr);

    // Fills the list; otherName is the compared file as shown in the caption.
    // aboutFile: what is wrong with that file (no layout, read in part), listed first.
    void SetDifferences(const QString& otherName, const std::vector<Difference>& differences,
                        const QStringList& aboutFile = {});
    // The cells the differences are about (a moved key at both places; a key
    // only in the other file at its place there), ascending, once each.
    std::vector<int> MarkedKeys() const;
    QListWidget* List() const { return list; }
    // Shows the list beside window, on its screen.
    void ShowBeside(const QWidget* window);

Q_SIGNALS:
    void KeyChosen(int key);
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QListWidget* list = nullptr;
    std::vector<int> keys; // the key each row selects; 0 for settings
    std::vector<int> marks;
};

} // namespace vorlan
