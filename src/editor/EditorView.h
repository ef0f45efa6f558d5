// The screen as the key editor sees it. The main window implements this;
// tests implement it with a recorder. The editor tells the view what to show
// and never asks it what is on screen: the grid picture, the list rows and
// the selection are the editor's to decide. Values typed into the panel come
// back only through PanelValuesFromControls, when the editor takes them.
#pragma once

#include "common/UiMessage.h"
#include "editor/FileCommands.h"
#include "layout/LayoutDocument.h"
#include "layout/LayoutObserver.h"
#include "programming/KeyboardSettingsValues.h"
#include "scancodes/CaptureResult.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vorlan {

// The longest key name the panel accepts (the catalogue's name size); the
// key-name field should refuse more, and the editor cuts anything longer.
inline constexpr std::size_t kMaxPanelNameBytes = kMaxCatalogNameBytes;

inline constexpr int kStatusPaneCount = 7;

// The key panel's controls as plain values. Prefix and suffix are the texts of
// their fields, so the editor can refuse what is not a number 0..255.
struct PanelValues {
    int keyNumber = 0;
    std::string name;
    std::array<std::string, kCodesPerKey> codeTexts;
    bool groupKey = false;
    bool singleKey = false;
    int mode = 0; // 0..2 select "Mode 1".."Mode 3"; 3 (only from files) selects none

    int digitsCount = 9;
    bool digitsTypeNum = true;
    std::string prefixText = "0";
    bool prefixExtended = false;
    std::string suffixText = "0";
    bool suffixExtended = false;

    friend bool operator==(const PanelValues&, const PanelValues&) = default;
};

enum class RfidField { Prefix, Suffix };

// The items of the grid's popup menu and whether each is enabled.
struct PopupMenuItems {
    bool insertKey = true;
    bool copyKey = false;
    bool single = false;
    bool toRight = false;
    bool toDown = false;
    bool quad = false;
    bool clearKey = false;
    bool clearAll = false;
    friend bool operator==(const PopupMenuItems&, const PopupMenuItems&) = default;
};

class EditorView {
public:
    virtual ~EditorView() = default;

    // Grid: draw one key image at the cell of slot, at once.
    virtual void DrawKeyImage(int slot, KeyImage image) = 0;

    // Key panel: put the values into the controls without any change
    // notification reaching the editor / read the controls back.
    virtual void ShowPanelValues(const PanelValues& values) = 0;
    virtual PanelValues PanelValuesFromControls() = 0;
    // Tell the user that a prefix or suffix text was refused (the view may
    // also put the focus on the field).
    virtual void RefuseRfidText(RfidField field, const UiMessage& message) = 0;

    // "Programmed keys:" list: replace all rows (no row selected afterwards) /
    // select a row, -1 for none. Neither notifies the editor.
    virtual void FillCatalogList(const std::vector<std::string>& rows) = 0;
    virtual void SelectCatalogRow(int row) = 0;

    // Status bar pane 0..6.
    virtual void SetStatusPane(int pane, const UiMessage& text) = 0;
    // Window title: the title text with shownPath, or with "untitled" when empty.
    virtual void SetTitle(const std::string& shownPath) = 0;

    // Message boxes: an error (caption "Error", stop icon) and a Yes/No
    // question (caption "Warning", exclamation icon); true for Yes.
    virtual void ShowError(const UiMessage& message) = 0;
    virtual bool AskYesNo(const UiMessage& question) = 0;
    // A Yes/No/Cancel question; Escape and the close box answer Cancel.
    virtual SaveAnswer AskYesNoCancel(const UiMessage& question) = 0;

    // The capture dialog, modal, started with a key's codes and code texts.
    virtual CaptureResult RunCaptureDialog(const KeyCodes& codes,
                                           const std::array<std::string, kCodesPerKey>& names) = 0;
    // The keyboard settings dialog, modal; nullopt when cancelled.
    virtual std::optional<KeyboardSettingsValues>
    RunKeyboardSettingsDialog(const KeyboardSettingsValues& values) = 0;

    // File dialogs and the recent-file block of the File menu (see FileCommandsHost).
    virtual std::optional<std::string> RunOpenDialog() = 0;
    virtual std::optional<SaveAsChoice> RunSaveAsDialog(const std::vector<std::string>& typeNames,
                                                        int preselected) = 0;
    virtual void ShowRecentFiles(const std::vector<RecentFileEntry>& entries) = 0;

    // The system clipboard: put a key there (the program's text and a plain
    // line for other programs) / the text on it, empty when there is none.
    virtual void SetClipboardKey(const std::string& /*keyText*/, const std::string& /*plainText*/) {
    }
    virtual std::string ClipboardKeyText() { return {}; }

    // The layout has been written to layoutPath for programming: disable the
    // window, show the progress dialog and start the run on that file.
    virtual void StartProgrammingRun(const std::string& layoutPath) = 0;
};

} // namespace vorlan
