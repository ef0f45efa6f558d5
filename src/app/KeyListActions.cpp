#include "app/KeyListActions.h"

#include "common/FileWriter.h"
#include "common/ui/DialogSeam.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"
#include "editor/KeyEditor.h"
#include "editor/KeyList.h"
#include "layout/LayoutFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <memory>

namespace vorlan {

namespace {

// A list of one shop fills a screen at most; the rest is counted.
constexpr std::size_t kProblemsShown = 20;
// A key list is a spreadsheet's export of a few hundred rows: far below this.
constexpr std::size_t kMaxListBytes = 4 * 1024 * 1024;

char LocaleSeparator() {
    return QLocale().decimalPoint() == QStringLiteral(",") ? ';' : ',';
}

QString ProblemText(const KeyListProblem& p) {
    const std::size_t column = static_cast<std::size_t>(p.column);
    const QString place =
        p.column < 1 ? UiMessageText({StringId::KeyListRowPlace, {std::to_string(p.row)}})
                     : UiMessageText({StringId::KeyListPlace,
                                      {std::to_string(p.row),
                                       std::string(1, static_cast<char>('A' + (column - 1) % 26)),
                                       column <= std::size(kKeyListColumns)
                                           ? std::string(kKeyListColumns[column - 1])
                                           : std::string()}});
    return place + QStringLiteral(": ") + UiMessageText(p.message);
}

QString ProblemList(const std::vector<KeyListProblem>& problems) {
    QStringList lines;
    for (std::size_t i = 0; i < problems.size() && i < kProblemsShown; ++i) {
        lines << ProblemText(problems[i]);
    }
    if (problems.size() > kProblemsShown) {
        lines << QStringLiteral("...");
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

void ImportKeyList(QWidget& window, KeyEditor& editor, const std::string& layoutId) {
    DialogSeam& dialogs = DialogsFor(&window);
    const std::optional<QString> listPath = dialogs.AskOpenFile(
        &window, UiText(StringId::KeyListImportCaption), UiText(StringId::KeyListFilter));
    if (!listPath) {
        return;
    }
    std::string bytes;
    if (const PathCheck read = ReadPlainFile(ToPath(*listPath), bytes, kMaxListBytes + 1);
        read != PathCheck::Plain) {
        ShowError(&window, UiText(ReadFailureId(read)));
        return;
    }
    if (bytes.size() > kMaxListBytes) {
        ShowError(&window, UiText(StringId::InvalidFileFormat));
        return;
    }
    KeyListOptions options;
    options.layoutId = layoutId;
    options.fallbackSeparator = LocaleSeparator();
    options.numberPad =
        dialogs.ShowMessage({&window, MessageIcon::Question, UiText(StringId::KeyListImportCaption),
                             UiText(StringId::KeyListNumberPadQuestion), MessageButtons::YesNo,
                             DefaultAnswer::Yes}) == MessageResult::Yes;
    const auto imported = std::make_unique<KeyListImport>(vorlan::ImportKeyList(bytes, options));
    if (!imported->problems.empty()) {
        ShowError(&window, UiText(StringId::KeyListWrongRows).arg(ProblemList(imported->problems)));
        return;
    }
    const QFileInfo list(*listPath);
    const std::optional<SaveNameAnswer> target = dialogs.AskSaveName(
        &window, {UiText(StringId::KeyListLayoutCaption),
                  list.dir().filePath(list.completeBaseName() + QStringLiteral(".txt")),
                  UiText(StringId::KeyListLayoutFilter)});
    if (!target) {
        return;
    }
    LayoutDocument& doc = imported->doc;
    doc.filePath = ToPath(target->path);
    const LayoutWriteResult written = WriteLayout(doc, KeyboardVariant::SixteenScan);
    if (!written.FileWritten()) {
        ShowError(&window, written.message ? UiMessageText(*written.message)
                                           : UiText(StringId::CannotOpenFile));
        return;
    }
    if (!imported->warnings.empty()) {
        dialogs.ShowMessage({&window, MessageIcon::Information,
                             UiText(StringId::KeyListImportCaption),
                             ProblemList(imported->warnings), MessageButtons::Ok});
    }
    editor.OnOpenGivenFile(doc.filePath);
}

void ExportKeyList(QWidget& window, KeyEditor& editor, const std::string& layoutId) {
    editor.TakePanelValues();
    const LayoutDocument& doc = editor.Document();
    const QString layoutPath = FromPath(doc.filePath);
    const QString suggested =
        layoutPath.isEmpty()
            ? QStringLiteral("keys.csv")
            : QFileInfo(layoutPath)
                  .dir()
                  .filePath(QFileInfo(layoutPath).completeBaseName() + QStringLiteral(".csv"));
    const std::optional<SaveNameAnswer> target =
        DialogsFor(&window).AskSaveName(&window, {UiText(StringId::KeyListExportCaption), suggested,
                                                  UiText(StringId::KeyListFilter)});
    if (!target) {
        return;
    }
    KeyListOptions options;
    options.layoutId = layoutId;
    options.separator = LocaleSeparator();
    const FileWriteResult written =
        ReplaceFile(ToPath(target->path), vorlan::ExportKeyList(doc, options));
    if (!written.Ok()) {
        ShowError(&window, WriteFailureUiText(written));
    }
}

} // namespace vorlan
