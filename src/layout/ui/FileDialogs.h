// The one seam through which the File commands ask for a file name. Tests
// install handlers that answer at once, so no test ever waits for a dialog.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace vorlan {

struct SaveDialogRequest {
    QStringList typeNames;   // entries of the type list, in order
    int preselectedType = 1; // counted from 1
    QString defaultSuffix = QStringLiteral("txt");
};

struct SaveDialogAnswer {
    QString path;
    int typeIndex = 1; // the chosen type-list entry, counted from 1
};

using OpenDialogHandler = std::function<std::optional<QString>(QWidget* parent)>;
using SaveDialogHandler =
    std::function<std::optional<SaveDialogAnswer>(QWidget* parent, const SaveDialogRequest&)>;

// Full path of the chosen file, or nothing when the dialog was cancelled.
// caption: the dialog's title; empty: "Open".
std::optional<QString> AskOpenPath(QWidget* parent, const QString& caption = QString());

// Full path and type entry; the real dialog confirms before overwriting and
// appends the default suffix to a name without one.
std::optional<SaveDialogAnswer> AskSavePath(QWidget* parent, const SaveDialogRequest& request);

// Replace the dialogs (empty handlers restore the real ones).
void SetFileDialogHandlers(OpenDialogHandler open, SaveDialogHandler save);

} // namespace vorlan
