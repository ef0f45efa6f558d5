// The screen as the key editor sees it. The main window implements this;
// tests implement it with a recorder. The editor tells the view what to show
// and never asks it what is on screen: the grid picture, the list rows and
// the selection are the editor's to decide. Values typed into the panel come
// back only through PanelValuesFromControls, when the editor takes them.
#pragma once

#include "common/UiMessage.h"
#include "editor/CatalogList.h"
#include "editor/FileCommands.h"
#include "editor/GridPainter.h"
#include "editor/KeyOperations.h"
#include "editor/KeyPanel.h"
#include "editor/StatusPanes.h"
#include "layout/LayoutDocument.h"
#include "layout/LayoutObserver.h"
#include "programming/KeyboardSettingsValues.h"
#include "scancodes/CaptureResult.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vorlan {

// The grid (KeyCanvas), the key panel (PanelControls), the "Programmed keys:"
// list (CatalogListView) and the status bar (StatusView) are the narrow parts
// the editor's pieces each talk to; the rest is the window's own.
class EditorView : public KeyCanvas,
                   public PanelControls,
                   public CatalogListView,
                   public StatusView {
public:
    // Window title: the title text with shownPath, or with "untitled" when empty.
    virtual void SetTitle(const std::string& shownPath) = 0;
    // What the reader changed in the open file (empty: nothing, or no file read).
    virtual void ShowReadReport(const ReadReport& /*report*/) {}

    // Message boxes: an error (caption "Error", stop icon) and a Yes/No
    // question (caption "Warning", exclamation icon); true for Yes.
    virtual void ShowError(const UiMessage& message) = 0;
    virtual bool AskYesNo(const UiMessage& question) = 0;
    // A Yes/No/Cancel question; Escape and the close box answer Cancel.
    virtual SaveAnswer AskYesNoCancel(const UiMessage& question) = 0;

    // The capture dialog, modal, started with a key's codes and code texts;
    // new codes get the names of `naming`.
    virtual CaptureResult RunCaptureDialog(const KeyCodes& codes,
                                           const std::array<std::string, kCodesPerKey>& names,
                                           const CodeNaming& naming) = 0;
    // The keyboard settings dialog, modal; nullopt when cancelled.
    virtual std::optional<KeyboardSettingsValues>
    RunKeyboardSettingsDialog(const KeyboardSettingsValues& values) = 0;

    // File dialogs and the recent-file block of the File menu (see FileCommandsHost).
    virtual std::optional<std::string> RunOpenDialog() = 0;
    virtual std::optional<SaveAsChoice> RunSaveAsDialog(const std::vector<std::string>& typeNames,
                                                        int preselected) = 0;
    virtual void ShowRecentFiles(const std::vector<RecentFileEntry>& entries) = 0;
    // The question before a save that loses part of the layout (see
    // FileCommandsHost); a view without a list of its own asks Yes/No.
    virtual bool AskToSaveLosing(KeyboardVariant /*variant*/,
                                 const std::vector<Difference>& /*losses*/, bool /*showsSaved*/) {
        return AskYesNo({StringId::LossAsk, {}});
    }

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
