// The key editor: everything the main window does that needs no window. It
// is the one entry the window calls (each user action reaches the On... entry
// point of the same name) and runs every command of the grid, the key panel,
// the popup menu and the Edit and File menus.
//
// How the pieces meet:
//  - LayoutDocument (layout/) is the data. The editor owns it and is its
//    LayoutObserver, so what the model's own operations show (reset, cleared
//    cells, a loaded file) reaches the screen through the editor.
//  - The editor keeps the selection (currentKey, panelKey) and the history
//    steps; its parts each own one piece of the screen, through their own
//    narrow part of EditorView: KeyPanel (the panel's values and refusals),
//    CatalogList (the "Programmed keys:" list), GridPainter (the cells),
//    StatusPanes (the status bar). KeyOperations and KeyTransfer change the
//    document without a screen.
//  - FileCommands holds the File menu's logic; it talks to the editor through
//    FileCommandsHost.
//  - LayoutHistory (history/) records each command that changes the layout
//    as one step (StepScope around it), for the Edit menu's Undo and Redo.
#pragma once

#include "editor/CatalogList.h"
#include "editor/EditorView.h"
#include "editor/FileCommands.h"
#include "editor/GridPainter.h"
#include "editor/KeyPanel.h"
#include "editor/KeyTransfer.h"
#include "editor/StatusPanes.h"
#include "history/LayoutHistory.h"
#include "layout/LayoutDocument.h"
#include "layout/LayoutObserver.h"
#include "layout/ProfileStore.h"
#include "scancodes/ScanCodeTables.h"

#include <optional>
#include <string>
#include <vector>

namespace vorlan {

class KeyEditor : private LayoutObserver, private FileCommandsHost {
public:
    KeyEditor(EditorView& view, ProfileStore& store);
    ~KeyEditor() override;
    KeyEditor(const KeyEditor&) = delete;
    KeyEditor& operator=(const KeyEditor&) = delete;

    // The main window's initialisation: an untitled 56-key layout with key 1
    // shown, and the recent-file block read from the profile store.
    void Start();

    LayoutDocument& Document() { return doc_; }
    FileCommands& Files() { return files_; }
    const LayoutDocument& Document() const { return doc_; }
    LayoutHistory& History() { return history_; }
    const LayoutHistory& History() const { return history_; }
    int CurrentKey() const { return currentKey_; }
    int PanelKey() const { return panelKey_; }
    bool KeyEditActive() const { return keyEditActive_; }
    const PanelValues& Panel() const { return panel_.Values(); }
    // How codes are named in the panel, the capture and the find (the
    // window's PC layout); the standard names until the window sets it.
    void SetCodeNaming(CodeNaming naming) { naming_ = naming; }
    const CodeNaming& Naming() const { return naming_; }

    // --- Grid: pointer (client coordinates of the main window) and keys ---
    void OnPointerMove(int x, int y);
    void OnPointerPress(int x, int y);
    // A key chosen elsewhere (find, compare, an assistive tool) is selected
    // as a press on its cell selects it: the panel's values taken first.
    void OnSelectKey(int slot);
    void OnPointerDoubleClick(int x, int y);
    // A context-menu request at a grid point; the menu to show (at the request's
    // screen point), or nullopt outside the grid, where no menu is shown.
    std::optional<PopupMenuItems> OnContextMenu(int x, int y);
    void OnArrowRight();
    void OnArrowLeft();
    void OnArrowUp();
    void OnArrowDown();
    void OnEnter();
    void OnNextButton();     // ">>"
    void OnPreviousButton(); // "<<"
    // A paint request while the window is not minimised, after the window has
    // drawn its own background and controls.
    void OnPaintRequest();

    // --- Popup menu ---
    void OnInsertKey();
    void OnCopyKey();
    void OnSingle();
    void OnDoubleRight();
    void OnDoubleDown();
    void OnQuad();
    void OnClearKey();
    void OnClearAll();

    // --- Key panel (called for the user's changes only) ---
    void OnKeyNameChanged();
    void OnSingleKeyClicked();
    void OnModeClicked(KeyMode mode); // one of kOfferedModes
    void OnSetModeForAll();
    void OnSetFlagForAll();
    void OnRfidFieldEdited();
    void OnCatalogPick(int row);

    // --- Edit menu, moves and drops (KeyEditorEdit.cpp) ---
    void OnUndo();
    void OnRedo();
    void OnCut();
    void OnCopy();
    void OnPaste();
    void OnDelete();
    // Alt+arrow: the selected key one cell over, when its cells there are free.
    void OnMoveKey(int columns, int rows);
    // The slot under a client point (0 outside the grid in use).
    int SlotAtPoint(int x, int y) const;
    // What dropping the key grabbed at one slot on another would do, and the
    // cells it would then cover (none when impossible).
    struct DropPreview {
        DropKind kind = DropKind::Impossible;
        std::vector<int> cells;
    };
    DropPreview PreviewDrop(int grabbed, int target, bool copy) const;
    // Carries the drop out as one step; false (nothing changed) when impossible.
    bool OnDrop(int grabbed, int target, bool copy);

    // --- File menu ---
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnRecentFile(int index);                  // 0..3
    void OnOpenGivenFile(const std::string& path); // named on the command line
    void OnFileProgramming();
    void OnFileSettings();
    // Exit, the close box and Escape: offers to save a dirty layout and resets
    // it; the window closes afterwards, unless the user chose to save and the
    // file could not be written (false: the window stays, with the layout).
    bool OnClose();

    // --- Operations the commands are made of ---
    void ShowKey(int slot);
    void DrawKeyNormal(int slot);
    // Also the model's request to redraw the grid (LayoutObserver).
    void DrawGrid() override;
    void FillStatusBar();
    void EditKeyCodes();
    void StoreInCatalog();
    void SelectCatalogEntryByName();
    // Takes the controls' values into the panel and the RFID options; false
    // when a prefix or suffix text was refused (the rest is taken all the same).
    bool TakePanelValues();
    void PushPanelValues();

private:
    // One history step around a command; scopes inside it join the outer one.
    class StepScope {
    public:
        StepScope(KeyEditor& editor, StringId name, MergeKey merge = {});
        ~StepScope();
        StepScope(const StepScope&) = delete;
        StepScope& operator=(const StepScope&) = delete;

    private:
        KeyEditor& editor_;
        StringId name_;
        MergeKey merge_;
        bool outer_;
    };
    HistorySelection Selection() const { return {currentKey_, panelKey_}; }
    void ShowHistoryState(const HistorySelection& selection);
    void MarkInCatalog(const std::string& name);
    void StoreRfid(const RfidOptions& rfid);

    // LayoutObserver
    void DrawKeyImage(int slot, KeyImage image) override;
    void TitleChanged() override;
    void ShowError(StringId text) override;
    void ShowWriteFailure(const UiMessage& message) override;
    void RfidChanged() override;
    void ControlsChanged() override;
    void CommitControls() override;
    void CatalogListFilled(const std::vector<std::string>& rows, int selectedRow) override;
    void DocumentReset() override;
    void SelectKey(int key) override;

    // FileCommandsHost
    void SetTitle(const std::string& shownPath) override;
    void ReadReportChanged() override;
    bool AskYesNo(const UiMessage& question) override;
    SaveAnswer AskYesNoCancel(const UiMessage& question) override;
    std::optional<std::string> RunOpenDialog() override;
    bool AskToSaveLosing(KeyboardVariant variant, const std::vector<Difference>& losses,
                         bool showsSaved) override;
    std::optional<SaveAsChoice> RunSaveAsDialog(const std::vector<std::string>& typeNames,
                                                int preselected) override;
    void ShowRecentFiles(const std::vector<RecentFileEntry>& entries) override;
    void TakeControls() override;
    void RefreshControls() override;
    void ShowFirstKey() override;

    void SelectSlot(int slot);
    void Navigate(int target);
    void PushPanel(bool runNameHandling);
    void KeyNameHandling();
    void JoinKey(SpanKind kind, int step);
    void ResetCurrentSpan(bool clear);
    void ClearKeyAfterYes(int slot);
    KeyRecord& Key(int slot);
    const KeySpan& Span(int slot) const;
    int KeyCount() const { return doc_.KeysInUse(); }

    EditorView& view_;
    LayoutDocument doc_;
    FileCommands files_;
    LayoutHistory history_;
    KeyPanel panel_;
    CatalogList list_;
    GridPainter painter_;
    StatusPanes status_;
    int stepDepth_ = 0;
    // Save As reads its file back; the history survives that reading.
    bool keepHistory_ = false;

    CodeNaming naming_;
    int currentKey_ = 1;
    int panelKey_ = 1;
    bool keyEditActive_ = false;
};

} // namespace vorlan
