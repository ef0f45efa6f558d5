#include "app/ProgramDialogs.h"

#include "app/HelpWindow.h"

namespace vorlan {

void ProgramDialogs::ShowHelp(QWidget* owner, const QString& path, const QString& section) {
    if (path.endsWith(QStringLiteral(".chm"), Qt::CaseInsensitive)) {
        DialogSeam::ShowHelp(owner, path, {});
        return;
    }
    ShowHelpWindow(owner, path, section);
}

} // namespace vorlan
