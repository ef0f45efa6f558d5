// File > Compare with...: reads another layout file, lists how the layout in
// the window differs from it beside the window and marks those keys on the
// grid. The list follows the layout: every change of the editor's history
// (an edit, undo, New or Open) and every other file in the window (its title)
// brings it up to date once the command has run; another file ends it.
#pragma once

#include <QObject>
#include <memory>

class QMainWindow;

namespace vorlan {

class CompareWindow;
class KeyEditor;
class KeyGridWidget;

// No signals of its own, so no Q_OBJECT (moc cannot read the string table).
class CompareController : public QObject {
public:
    CompareController(QMainWindow& window, KeyEditor& editor, KeyGridWidget& grid);
    ~CompareController() override;

    // Asks for the file and shows the differences; a file that cannot be read
    // is said so.
    void CompareWithFile();
    // Null until the first compare.
    CompareWindow* Window() const { return compareWindow; }

private:
    struct ComparedFile;
    void Follow();
    void Refresh();

    QMainWindow& window;
    KeyEditor& editor;
    KeyGridWidget& grid;
    CompareWindow* compareWindow = nullptr;
    std::shared_ptr<ComparedFile> compared; // what the open compare is against
    bool followPending = false;
};

} // namespace vorlan
