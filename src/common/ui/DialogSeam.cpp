#include "common/ui/DialogSeam.h"

#include "common/ui/UiText.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace vorlan {
namespace {

const QString kTxtPattern = QStringLiteral("*.txt");

// Holds a window's seam as one of its children, so the seam goes with the window.
class SeamHolder : public QObject {
public:
    SeamHolder(QObject* window, std::shared_ptr<DialogSeam> theSeam)
        : QObject(window), seam(std::move(theSeam)) {
        setObjectName(QStringLiteral("dialogSeam"));
    }
    std::shared_ptr<DialogSeam> seam;
};

SeamHolder* HolderOf(const QWidget* window) {
    return dynamic_cast<SeamHolder*>(
        window->findChild<QObject*>(QStringLiteral("dialogSeam"), Qt::FindDirectChildrenOnly));
}

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageResult DialogSeam::ShowMessage(const MessageRequest& r) {
    QMessageBox box(r.parent);
    box.setIcon(BoxIcon(r.icon));
    box.setWindowTitle(r.caption);
    box.setText(r.text);
    if (r.buttons == MessageButtons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        const int answer = box.exec();
        return answer == QMessageBox::Yes  ? MessageResult::Yes
               : answer == QMessageBox::No ? MessageResult::No
                                           : MessageResult::Cancel;
    }
    if (r.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(r.defaultAnswer == DefaultAnswer::No ? QMessageBox::No
                                                                  : QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? MessageResult::Yes : MessageResult::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageResult::Ok;
}

std::optional<QString> DialogSeam::AskOpenPath(QWidget* parent, const QString& caption) {
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

std::optional<QString> DialogSeam::AskOpenFile(QWidget* parent, const QString& caption,
                                               const QString& filter) {
    QFileDialog dialog(parent, caption);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QDir::toNativeSeparators(dialog.selectedFiles().front());
}

std::optional<SaveDialogAnswer> DialogSeam::AskSavePath(QWidget* parent,
                                                        const SaveDialogRequest& request) {
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

std::optional<SaveNameAnswer> DialogSeam::AskSaveName(QWidget* parent,
                                                      const SaveNameRequest& request) {
    QString filter = request.filters.section(QStringLiteral(";;"), 0, 0);
    const QString path = QFileDialog::getSaveFileName(
        parent, request.caption, request.suggested, request.filters, &filter,
        request.askBeforeReplacing ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return SaveNameAnswer{path, filter};
}

void DialogSeam::ShowHelp(QWidget* /*owner*/, const QString& path, const QString& section) {
    QUrl url = QUrl::fromLocalFile(path);
    if (!section.isEmpty()) {
        url.setFragment(section);
    }
    QDesktopServices::openUrl(url);
}

DialogSeam& DialogsFor(const QWidget* widget) {
    for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (const SeamHolder* holder = HolderOf(w)) {
            return *holder->seam;
        }
    }
    // Holds nothing: every window without a seam of its own may share it.
    static DialogSeam real;
    return real;
}

void SetDialogSeam(QWidget* window, std::shared_ptr<DialogSeam> seam) {
    delete HolderOf(window);
    new SeamHolder(window, std::move(seam));
}

} // namespace vorlan
