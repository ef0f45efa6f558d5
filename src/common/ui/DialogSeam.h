// Every question the program puts to its user in a dialog of the system's kind (a message
// box, a file name to open or save) and the help it opens goes through the dialog seam of
// the window it belongs to. A window is given its seam once (the main window owns one);
// the dialogs and parts inside it find it through their parent widgets, so a test answers
// one window's questions from a script without touching any other window.
//
// DialogSeam itself runs the real dialogs; a window without a seam of its own gets those.
#pragma once

#include "common/ui/MessageBox.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QWidget;

namespace vorlan {

// A layout file name with a type list (Save As).
struct SaveDialogRequest {
    QStringList typeNames;   // entries of the type list, in order
    int preselectedType = 1; // counted from 1
    QString defaultSuffix = QStringLiteral("txt");
};

struct SaveDialogAnswer {
    QString path;
    int typeIndex = 1; // the chosen type-list entry, counted from 1
};

// Any other file to write (an export, a report).
struct SaveNameRequest {
    QString caption;
    QString suggested; // the name and folder offered
    QString filters;   // ";;" between them; the first is chosen at first
    // False where the caller adds an extension to the name and asks itself.
    bool askBeforeReplacing = true;
};

struct SaveNameAnswer {
    QString path;
    QString filter; // the filter chosen
};

class DialogSeam {
public:
    DialogSeam() = default;
    DialogSeam(const DialogSeam&) = delete;
    DialogSeam& operator=(const DialogSeam&) = delete;
    virtual ~DialogSeam() = default;

    virtual MessageResult ShowMessage(const MessageRequest& request);

    // Full path of the chosen file, or nothing when the dialog was cancelled.
    // caption: the dialog's title; empty: "Open".
    virtual std::optional<QString> AskOpenPath(QWidget* parent, const QString& caption);
    // Another kind of file to read: filter as a file dialog takes it ("Key lists (*.csv)").
    virtual std::optional<QString> AskOpenFile(QWidget* parent, const QString& caption,
                                               const QString& filter);

    // Full path and type entry; the real dialog confirms before overwriting and
    // appends the default suffix to a name without one.
    virtual std::optional<SaveDialogAnswer> AskSavePath(QWidget* parent,
                                                        const SaveDialogRequest& request);

    virtual std::optional<SaveNameAnswer> AskSaveName(QWidget* parent,
                                                      const SaveNameRequest& request);

    // Opens a help file (at the heading whose id is section, when given): here
    // in the system's viewer; a window with a help viewer of its own shows it there.
    virtual void ShowHelp(QWidget* owner, const QString& path, const QString& section);
};

// The seam of the window that widget belongs to (its own, or that of the
// nearest parent given one); the real dialogs where none was given.
DialogSeam& DialogsFor(const QWidget* widget);

// Gives window its seam, in place of any it had; the window keeps it.
void SetDialogSeam(QWidget* window, std::shared_ptr<DialogSeam> seam);

} // namespace vorlan
