// The key editor's view of the main window (its EditorView): it shows what
// the editor tells it in the window's parts (the grid, the key panel, the
// status panes, the title, the File menu's recent files, the reader's report
// bar) and asks its questions through the window's dialog seam and hooks. It
// never calls back into the editor.
#pragma once

#include "editor/EditorView.h"

namespace vorlan {

class FileActions;
class KeyEditor;
class KeyGridWidget;
class KeyPanelControls;
class MainDialog;
class ReadReportBar;
class StatusPaneRow;

class MainWindowView : public EditorView {
public:
    struct Parts {
        KeyGridWidget& grid;
        KeyPanelControls& panel;
        StatusPaneRow& panes;
        FileActions& files;
        ReadReportBar& reportBar;
    };
    MainWindowView(MainDialog& window, Parts parts);
    // The editor whose layout the cells show, once it exists.
    void ShowLayoutOf(const KeyEditor& shown) { editor = &shown; }

    void DrawKeyImage(int slot, KeyImage image) override;
    void ShowPanelValues(const PanelValues& values) override;
    PanelValues PanelValuesFromControls() override;
    void RefuseRfidText(RfidField field, const UiMessage& message) override;
    void FillCatalogList(const std::vector<std::string>& rows) override;
    void SelectCatalogRow(int row) override;
    void SetStatusPane(StatusPane pane, const UiMessage& text) override;
    void SetTitle(const std::string& shownPath) override;
    void ShowReadReport(const ReadReport& report) override;
    void ShowError(const UiMessage& message) override;
    bool AskYesNo(const UiMessage& question) override;
    SaveAnswer AskYesNoCancel(const UiMessage& question) override;
    CaptureResult RunCaptureDialog(const KeyCodes& codes,
                                   const std::array<std::string, kCodesPerKey>& names,
                                   const CodeNaming& naming) override;
    std::optional<KeyboardSettingsValues>
    RunKeyboardSettingsDialog(const KeyboardSettingsValues& values) override;
    std::optional<std::string> RunOpenDialog() override;
    std::optional<SaveAsChoice> RunSaveAsDialog(const std::vector<std::string>& typeNames,
                                                int preselected) override;
    bool AskToSaveLosing(KeyboardVariant variant, const std::vector<Difference>& losses,
                         bool showsSaved) override;
    void ShowRecentFiles(const std::vector<RecentFileEntry>& entries) override;
    void SetClipboardKey(const std::string& keyText, const std::string& plainText) override;
    std::string ClipboardKeyText() override;
    void StartProgrammingRun(const std::string& layoutPath) override;

private:
    MainDialog& w;
    Parts parts;
    const KeyEditor* editor = nullptr;
};

} // namespace vorlan
