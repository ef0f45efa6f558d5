#include "app/MainWindowView.h"

#include "accessibility/ui/KeyGridAccessible.h"
#include "app/FileActions.h"
#include "app/KeyPanelControls.h"
#include "app/MainDialog.h"
#include "app/MainWindowHooks.h"
#include "app/StatusPaneRow.h"
#include "common/ui/DialogSeam.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"
#include "editor/KeyEditor.h"
#include "editor/ui/KeyClipboard.h"
#include "grid/KeyDescription.h"
#include "grid/ui/KeyGridWidget.h"
#include "grid/ui/KeyTexts.h"
#include "layout/ui/LossQuestion.h"
#include "layout/ui/ReadReportBar.h"

#include <QCoreApplication>

namespace vorlan {

MainWindowView::MainWindowView(MainDialog& window, Parts theParts) : w(window), parts(theParts) {}

void MainWindowView::DrawKeyImage(int slot, KeyImage image) {
    // The name goes with every image, so the grid can show or hide names
    // without a redraw from the editor.
    // A selected double or quad key is framed whole.
    const ShownKeyImage shown =
        editor ? ImageToShow(editor->Document(), slot, image) : ShownKeyImage{slot, image};
    parts.grid.DrawKeyImage(
        shown.slot, shown.image,
        editor ? KeyNameText(editor->Document(), shown.slot, shown.image, editor->Naming())
               : QString());
    NotifyGridCellChanged(&parts.grid, slot);
}

void MainWindowView::ShowPanelValues(const PanelValues& values) {
    parts.panel.Show(values);
}

PanelValues MainWindowView::PanelValuesFromControls() {
    return parts.panel.Read();
}

void MainWindowView::RefuseRfidText(RfidField field, const UiMessage& message) {
    ShowMessage({&w, MessageIcon::Exclamation, QCoreApplication::applicationName(),
                 UiMessageText(message), MessageButtons::Ok});
    parts.panel.FocusRfidField(field);
}

void MainWindowView::FillCatalogList(const std::vector<std::string>& rows) {
    parts.panel.FillCatalog(rows);
}

void MainWindowView::SelectCatalogRow(int row) {
    parts.panel.SelectCatalogRow(row);
}

void MainWindowView::SetStatusPane(StatusPane pane, const UiMessage& text) {
    parts.panes.SetText(pane, UiMessageText(text));
}

void MainWindowView::SetTitle(const std::string& shownPath) {
    // The programming window names the layout by it.
    w.setWindowFilePath(FromPath(shownPath));
    QString shown = shownPath.empty() ? UiText(StringId::TitleUntitled) : FromPath(shownPath);
    // "[*]" marks unsaved changes; a "[*]" of the path itself is doubled
    // so that the title shows it as it is.
    shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    w.setWindowTitle(
        FillPlaceholders(UiText(StringId::TitleWithFile), {shown + QStringLiteral("[*]")}));
    w.UpdateModifiedMark();
}

void MainWindowView::ShowReadReport(const ReadReport& report) {
    parts.reportBar.ShowReport(report);
}

void MainWindowView::ShowError(const UiMessage& message) {
    vorlan::ShowError(&w, UiMessageText(message));
}

bool MainWindowView::AskYesNo(const UiMessage& question) {
    return vorlan::AskYesNo(&w, question);
}

SaveAnswer MainWindowView::AskYesNoCancel(const UiMessage& question) {
    switch (vorlan::AskYesNoCancel(&w, UiMessageText(question))) {
    case MessageResult::Yes:
        return SaveAnswer::Yes;
    case MessageResult::No:
        return SaveAnswer::No;
    default:
        return SaveAnswer::Cancel;
    }
}

CaptureResult MainWindowView::RunCaptureDialog(const KeyCodes& codes,
                                               const std::array<std::string, kCodesPerKey>& names,
                                               const CodeNaming& naming) {
    if (!w.Hooks().runCaptureDialog) {
        return {};
    }
    return w.Hooks().runCaptureDialog(&w, codes, names, naming);
}

std::optional<KeyboardSettingsValues>
MainWindowView::RunKeyboardSettingsDialog(const KeyboardSettingsValues& values) {
    if (!w.Hooks().runSettingsDialog) {
        return std::nullopt;
    }
    return w.Hooks().runSettingsDialog(&w, values);
}

std::optional<std::string> MainWindowView::RunOpenDialog() {
    if (const std::optional<QString> path = DialogsFor(&w).AskOpenPath(&w, {})) {
        return ToPath(*path);
    }
    return std::nullopt;
}

std::optional<SaveAsChoice>
MainWindowView::RunSaveAsDialog(const std::vector<std::string>& typeNames, int preselected) {
    SaveDialogRequest request;
    for (const std::string& name : typeNames) {
        request.typeNames << FromUtf8Text(name);
    }
    request.preselectedType = preselected;
    request.defaultSuffix = QString::fromLatin1(kLayoutExtension);
    if (const std::optional<SaveDialogAnswer> answer = DialogsFor(&w).AskSavePath(&w, request)) {
        return SaveAsChoice{ToPath(answer->path), answer->typeIndex};
    }
    return std::nullopt;
}

bool MainWindowView::AskToSaveLosing(KeyboardVariant variant, const std::vector<Difference>& losses,
                                     bool showsSaved) {
    return vorlan::AskToSaveLosing(&w, variant, losses, showsSaved);
}

void MainWindowView::ShowRecentFiles(const std::vector<RecentFileEntry>& entries) {
    parts.files.ShowRecentFiles(entries);
}

void MainWindowView::SetClipboardKey(const std::string& keyText, const std::string& plainText) {
    PutKeyOnClipboard(keyText, plainText);
}

std::string MainWindowView::ClipboardKeyText() {
    return KeyTextFromClipboard();
}

void MainWindowView::StartProgrammingRun(const std::string& layoutPath) {
    if (w.Hooks().startProgrammingRun) {
        w.Hooks().startProgrammingRun(&w, layoutPath);
    }
}

} // namespace vorlan
