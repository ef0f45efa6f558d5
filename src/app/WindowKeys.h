// How the main window takes keys, whatever control has the focus: arrows,
// Enter and Escape drive the grid (Alt+arrow moves the key), undo and redo
// reach the layout from a text field, typing into a code field says where
// codes are entered, and F1 in one of the program's dialogs opens its
// section of the guide. After every key and click the title's mark of
// unsaved changes follows the layout.
#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace vorlan {

class EditActions;
class KeyEditor;
class KeyPanelControls;
class MainDialog;

// Filters the application's events (a key goes to the focused control, which
// may be any of the window's); no Q_OBJECT, it has no signals.
class WindowKeys : public QObject {
public:
    WindowKeys(MainDialog& window, KeyEditor& editor, const KeyPanelControls& panel,
               EditActions& edits, QString programPath);
    ~WindowKeys() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ShowDialogHelp(QWidget* widget, QEvent* event);
    void ForwardWindowKey(int key);

    MainDialog& window;
    KeyEditor& editor;
    const KeyPanelControls& panel;
    EditActions& edits;
    QString programPath;
};

} // namespace vorlan
