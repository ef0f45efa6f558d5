#include "layout/ui/FileDialogs.h"

#include "common/ui/UiText.h"

#include <QDir>
#include <QFileDialog>

namespace vorlan {
namespace {

OpenDialogHandler& OpenHandler() {
    static OpenDialogHandler handler;
    return handler;
}

SaveDialogHandler& SaveHandler() {
    static SaveDialogHandler handler;
    return handler;
}

const QString kTxtPattern = QStringLiteral("*.txt");

} // namespace

std::optional<QString> AskOpenPath(QWidget* parent, const QString& caption) {
    if (OpenHandler()) {
        return OpenHandler()(parent);
    }
    // No type list: the initial name "*.txt" narrows the view to layout files,
    // and the user may type any other name.
    QFileDialog dialog(parent, caption.isEmpty() ? UiText(StringId::OpenCaption) : caption);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(kTxtPattern);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    // Qt answers with "/" everywhere; the title and the recent-file list show
    // paths as the system writes them.
    return QDir::toNativeSeparators(dialog.selectedFiles().front());
}

std::optional<SaveDialogAnswer> AskSavePath(QWidget* parent, const SaveDialogRequest& request) {
    if (SaveHandler()) {
        return SaveHandler()(parent, request);
    }
    QStringList filters;
    for (const QString& name : request.typeNames) {
        filters << QStringLiteral("%1 (%2)").arg(name, kTxtPattern);
    }
    QFileDialog dialog(parent, UiText(StringId::SaveAsCaption));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    if (request.preselectedType >= 1 && request.preselectedType <= filters.size()) {
        dialog.selectNameFilter(filters.at(request.preselectedType - 1));
    }
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const int chosen = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
    return SaveDialogAnswer{QDir::toNativeSeparators(dialog.selectedFiles().front()),
                            chosen < 0 ? 1 : chosen + 1};
}

void SetFileDialogHandlers(OpenDialogHandler open, SaveDialogHandler save) {
    OpenHandler() = std::move(open);
    SaveHandler() = std::move(save);
}

} // namespace vorlan
