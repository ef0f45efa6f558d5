// The File menu's commands as logic: New with its save question, Open, the
// recent files, Save and Save As with the variant type list. They drive the
// document's reset and rebuild and the layout reader and writer; everything a
// user sees (title, questions, file dialogs, the recent-file menu, the key
// panel) goes through FileCommandsHost, which the key editor implements.
#pragma once

#include "common/UiMessage.h"
#include "layout/FileStamp.h"
#include "layout/LayoutDiff.h"
#include "layout/LayoutDocument.h"
#include "layout/ProfileStore.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace vorlan {

inline constexpr const char* kRecentFileSection = "Recent File List";
// As many as the document keeps.
inline constexpr int kRecentFileCount =
    static_cast<int>(std::tuple_size_v<decltype(LayoutDocument::recentFiles)>);

// The Save As type list's entry of a variant; entry i (from 1) of the list is
// the KeyboardVariant numbered i.
std::string SaveAsTypeName(KeyboardVariant variant);
inline constexpr const char* kSaveAsPattern = "*.txt";
inline constexpr const char* kLayoutExtension = "txt";

// What the user chose in the Save As dialog: the full path and the position
// of the chosen type, counted from 1 (the KeyboardVariant number).
struct SaveAsChoice {
    std::string path;
    int typeIndex = 2;
};

// One entry of the File menu's recent-file block: its place in the recent
// list (0..3, the command OpenRecent takes) and its full path.
struct RecentFileEntry {
    int index = 0;
    std::string path;
    friend bool operator==(const RecentFileEntry&, const RecentFileEntry&) = default;
};

// The answer to "save the current file?": Cancel keeps the layout as it is
// and abandons the command that asked.
enum class SaveAnswer { Yes, No, Cancel };

class FileCommandsHost {
public:
    virtual ~FileCommandsHost() = default;
    // The window title: the title text with shownPath, or with "untitled" when empty.
    virtual void SetTitle(const std::string& shownPath) = 0;
    // The reader's report of the open file may have changed: a file was read
    // (complete now), or the layout is new.
    virtual void ReadReportChanged() = 0;
    // A Yes/No question (caption "Warning"); true for Yes.
    virtual bool AskYesNo(const UiMessage& question) = 0;
    // A Yes/No/Cancel question (caption "Warning").
    virtual SaveAnswer AskYesNoCancel(const UiMessage& question) = 0;
    // The file-open dialog (initial name "*.txt"); nullopt when cancelled.
    virtual std::optional<std::string> RunOpenDialog() = 0;
    // The file-save dialog with the type names, the 1-based preselected type,
    // default extension "txt" and a confirmation before overwriting.
    virtual std::optional<SaveAsChoice> RunSaveAsDialog(const std::vector<std::string>& typeNames,
                                                        int preselected) = 0;
    // Before a save into a variant that cannot hold the layout: what would be
    // lost, key by key; true to save all the same. showsSaved: the written
    // file is then read back (Save As), which the question says.
    virtual bool AskToSaveLosing(KeyboardVariant variant, const std::vector<Difference>& losses,
                                 bool showsSaved) = 0;
    // The recent-file block of the File menu: these entries in order; none
    // (and no separator) when empty.
    virtual void ShowRecentFiles(const std::vector<RecentFileEntry>& entries) = 0;
    // Take the window's control values into the document / refresh the
    // controls from it.
    virtual void TakeControls() = 0;
    virtual void RefreshControls() = 0;
    // After a file was read: the key panel shows key 1, the status bar is refilled.
    virtual void ShowFirstKey() = 0;
};

// The type names the Save As dialog offers for doc: the first two only for a
// 56-key layout in the 16scan variant, else all four.
std::vector<std::string> SaveAsTypeList(const LayoutDocument& doc);
// The type preselected in the Save As dialog: 1 for 7/3scan, 2 otherwise.
int SaveAsPreselection(const LayoutDocument& doc);

// What became of a save: the file was written (even when the writer then
// reported that no key is programmed), the Save As dialog was cancelled, or
// the file could not be written ("Cannot open file!" has been shown) or the
// user chose not to overwrite a file another program changed.
enum class SaveOutcome { Written, Cancelled, NotWritten };

class FileCommands {
public:
    FileCommands(LayoutDocument& doc, FileCommandsHost& host, ProfileStore& store);

    // Offers to save a dirty layout, then resets it. Returns false, with the
    // layout kept, when the user cancelled the question or chose to save and
    // the file could not be written: the commands that would drop the layout
    // stop there.
    bool NewLayout();
    void OpenLayout();
    void OpenRecent(int index); // 0..3; an empty or missing entry does nothing
    // Opens path as Open does after its dialog (a file named on the command line).
    void OpenGivenPath(const std::string& path);
    SaveOutcome SaveLayout();
    // True when variant holds the layout as it is, or the user chose to save
    // all the same (asked through the host; Save As asks it itself).
    bool MayLose(KeyboardVariant variant, bool showsSaved);
    SaveOutcome SaveLayoutAs();

    // Opens the file named by doc.filePath (title, recent list, read, rebuild).
    void OpenPath();
    // Takes a layout kept for path (file text, e.g. of a recovery file) as
    // unsaved changes to that file; stamp is what the file was when the
    // changes began, so Save still notices a change made since.
    void RestoreText(const std::string& path, std::string_view text, KeyboardVariant loadedVariant,
                     const std::optional<FileStamp>& stamp);
    // The window came to the front: when the open file was changed or
    // removed by another program, offers to reload it (once per change).
    void CheckDiskChange();
    // The form the last Save As wrote.
    KeyboardVariant SavedAsVariant() const { return savedAs_; }
    // What the open file was when it was last read or written.
    const std::optional<FileStamp>& Stamp() const { return stamp_; }
    // Moves path to the front of the recent list and stores all four entries.
    void PushRecent(const std::string& path);
    // Reads the recent list from the store and shows it in the File menu.
    void RebuildRecentMenu();
    // The paths the recent-file block shows: none when the first entry is
    // empty, otherwise the first and every later non-empty entry.
    std::vector<RecentFileEntry> RecentEntriesToShow() const;

private:
    // Writes the layout to filePath; tells a file that could not be written
    // from one written without a programmed key.
    SaveOutcome Write(KeyboardVariant variant);
    // Before Save overwrites a file another program changed: Written when it
    // may go ahead, NotWritten when the user kept the layout unsaved,
    // Cancelled when the user reloaded the file instead.
    SaveOutcome ConfirmOverwrite();
    void Reload();

    LayoutDocument& doc_;
    FileCommandsHost& host_;
    ProfileStore& store_;
    std::optional<FileStamp> stamp_;
    // The file stamp_ belongs to, and the one before a Save As with its
    // stamp: Undo may give the layout back its earlier file.
    std::string stampPath_;
    std::optional<std::pair<std::string, FileStamp>> earlier_;
    // The stamp of the file the layout now belongs to, when one was taken.
    std::optional<FileStamp> ShownStamp() const;
    void TakeStamp();
    KeyboardVariant savedAs_ = KeyboardVariant::SixteenScan;
    // The change on disk the user last declined to reload, so it is not asked again.
    std::optional<FileStamp> declined_;
};

} // namespace vorlan
