#include "editor/FileCommands.h"

#include "common/FilePath.h"
#include "layout/LayoutFile.h"
#include "layout/LayoutType.h"
#include "layout/LossList.h"

#include <filesystem>

namespace vorlan {
namespace {

std::string RecentEntryName(int i) {
    return "File" + std::to_string(i + 1);
}

std::string FileNameOf(const std::string& path) {
    return Utf8FromPath(PathFromUtf8(path).filename());
}

// A file reached through a symlink or "dir/.." is still one file: the recent
// list names each by its resolved path. A path that cannot be resolved stays as given.
std::string CanonicalPath(const std::string& path) {
    if (path.empty()) {
        return path;
    }
    std::error_code ec;
    const std::filesystem::path resolved =
        std::filesystem::weakly_canonical(PathFromUtf8(path), ec);
    return ec || resolved.empty() ? path : Utf8FromPath(resolved);
}

} // namespace

std::string SaveAsTypeName(KeyboardVariant variant) {
    const std::string sixteen(FamilyName(ScanFamily::SixteenScan));
    switch (variant) {
    case KeyboardVariant::SevenThreeScan:
        return "Vorlan " + std::string(FamilyName(ScanFamily::SevenThreeScan));
    case KeyboardVariant::SixteenScan:
        break;
    case KeyboardVariant::SingleLeft:
        return "Vorlan Single " + sixteen + " - left side";
    case KeyboardVariant::SingleRight:
        return "Vorlan Single " + sixteen + " - right side";
    }
    return "Vorlan " + sixteen;
}

std::vector<std::string> SaveAsTypeList(const LayoutDocument& doc) {
    const bool twoTypes =
        doc.variant == KeyboardVariant::SixteenScan && doc.settings.keyCount == kBlockKeys;
    std::vector<std::string> types{SaveAsTypeName(KeyboardVariant::SevenThreeScan),
                                   SaveAsTypeName(KeyboardVariant::SixteenScan)};
    if (!twoTypes) {
        types.push_back(SaveAsTypeName(KeyboardVariant::SingleLeft));
        types.push_back(SaveAsTypeName(KeyboardVariant::SingleRight));
    }
    return types;
}

int SaveAsPreselection(const LayoutDocument& doc) {
    return doc.variant == KeyboardVariant::SevenThreeScan ? 1 : 2;
}

FileCommands::FileCommands(LayoutDocument& doc, FileCommandsHost& host, ProfileStore& store)
    : doc_(doc), host_(host), store_(store) {}

bool FileCommands::NewLayout() {
    if (doc_.dirty) {
        const SaveAnswer answer = host_.AskYesNoCancel({StringId::AskSaveCurrentFile, {}});
        if (answer == SaveAnswer::Cancel) {
            return false;
        }
        // The user asked to keep the layout and has just been told it could
        // not be written (or cancelled its Save As): dropping it now would
        // lose it.
        if (answer == SaveAnswer::Yes && SaveLayout() != SaveOutcome::Written) {
            return false;
        }
    }
    doc_.ResetToNew();
    stamp_.reset();
    earlier_.reset();
    declined_.reset();
    host_.ReadReportChanged();
    return true;
}

void FileCommands::OpenLayout() {
    const std::optional<std::string> path = host_.RunOpenDialog();
    if (!path) {
        return;
    }
    if (!NewLayout()) {
        return;
    }
    doc_.filePath = *path;
    OpenPath();
}

void FileCommands::OpenGivenPath(const std::string& path) {
    if (path.empty() || !NewLayout()) {
        return;
    }
    doc_.filePath = path;
    OpenPath();
}

void FileCommands::OpenRecent(int index) {
    if (index < 0 || index >= kRecentFileCount) {
        return;
    }
    // Taken before New: saving there may run Save As, which reorders the list.
    const std::string path = doc_.recentFiles[static_cast<std::size_t>(index)];
    if (path.empty()) {
        return;
    }
    if (!NewLayout()) {
        return;
    }
    doc_.filePath = path;
    OpenPath();
}

void FileCommands::OpenPath() {
    host_.SetTitle(doc_.filePath);
    PushRecent(doc_.filePath);
    RebuildRecentMenu();
    host_.RefreshControls();
    // A file that cannot be read leaves the reset layout; rebuilding it still
    // redraws the grid and the list from that state.
    if (const LayoutReadResult read = ReadLayout(doc_)) {
        doc_.Observer().ControlsChanged();
        TakeStamp();
    } else {
        ShowReadResult(doc_.Observer(), read);
    }
    declined_.reset();
    doc_.RebuildAfterLoad();
    host_.ShowFirstKey();
    host_.ReadReportChanged();
}

void FileCommands::RestoreText(const std::string& path, std::string_view text,
                               KeyboardVariant loadedVariant,
                               const std::optional<FileStamp>& stamp) {
    doc_.ResetToNew();
    doc_.filePath = path;
    host_.SetTitle(path);
    host_.RefreshControls();
    ParseLayout(doc_, text);
    doc_.Observer().ControlsChanged();
    doc_.loadedVariant = loadedVariant;
    doc_.variant = loadedVariant;
    doc_.RebuildAfterLoad();
    host_.ShowFirstKey();
    doc_.dirty = true;
    stamp_ = path.empty() ? std::nullopt : stamp;
    stampPath_ = path;
    declined_.reset();
    host_.ReadReportChanged();
}

void FileCommands::Reload() {
    const std::string path = doc_.filePath;
    doc_.dirty = false; // the user chose to drop the changes
    doc_.ResetToNew();
    doc_.filePath = path;
    OpenPath();
}

void FileCommands::TakeStamp() {
    stamp_ = StampOf(doc_.filePath);
    stampPath_ = doc_.filePath;
}

std::optional<FileStamp> FileCommands::ShownStamp() const {
    if (stamp_ && stampPath_ == doc_.filePath) {
        return stamp_;
    }
    if (earlier_ && earlier_->first == doc_.filePath) {
        return earlier_->second;
    }
    return std::nullopt;
}

SaveOutcome FileCommands::ConfirmOverwrite() {
    const std::optional<FileStamp> stamp = ShownStamp();
    if (!stamp) {
        return SaveOutcome::Written;
    }
    const FileStamp now = StampOf(doc_.filePath);
    if (now == *stamp) {
        return SaveOutcome::Written;
    }
    const std::string shown = FileNameOf(doc_.filePath);
    if (!now.exists) {
        return host_.AskYesNo({StringId::AskOverwriteRemoved, {PathText(shown)}})
                   ? SaveOutcome::Written
                   : SaveOutcome::NotWritten;
    }
    if (host_.AskYesNo({StringId::AskOverwriteChanged, {PathText(shown)}})) {
        return SaveOutcome::Written;
    }
    if (host_.AskYesNo({StringId::AskReloadLosingChanges, {PathText(shown)}})) {
        Reload();
        return SaveOutcome::Cancelled;
    }
    return SaveOutcome::NotWritten;
}

void FileCommands::CheckDiskChange() {
    const std::optional<FileStamp> stamp = ShownStamp();
    if (!stamp || doc_.filePath.empty()) {
        return;
    }
    const FileStamp now = StampOf(doc_.filePath);
    // A removed file has nothing to reload; Save asks before writing it again.
    if (now == *stamp || !now.exists || (declined_ && now == *declined_)) {
        return;
    }
    declined_ = now;
    const std::string shown = FileNameOf(doc_.filePath);
    if (host_.AskYesNo({doc_.dirty ? StringId::AskReloadLosingChanges : StringId::AskReloadChanged,
                        {PathText(shown)}})) {
        Reload();
    }
}

SaveOutcome FileCommands::Write(KeyboardVariant variant) {
    doc_.Observer().CommitControls();
    const LayoutWriteResult written = WriteLayout(doc_, variant);
    ShowWriteResult(doc_.Observer(), written);
    if (!written.FileWritten()) {
        return SaveOutcome::NotWritten;
    }
    TakeStamp();
    declined_.reset();
    return SaveOutcome::Written;
}

bool FileCommands::MayLose(KeyboardVariant variant, bool showsSaved) {
    const std::vector<Difference> losses = LossesOnSave(doc_, variant);
    return losses.empty() || host_.AskToSaveLosing(variant, losses, showsSaved);
}

SaveOutcome FileCommands::SaveLayout() {
    if (doc_.filePath.empty()) {
        return SaveLayoutAs();
    }
    if (const SaveOutcome go = ConfirmOverwrite(); go != SaveOutcome::Written) {
        return go;
    }
    return Write(KeyboardVariant::SixteenScan);
}

SaveOutcome FileCommands::SaveLayoutAs() {
    host_.TakeControls();
    const std::vector<std::string> types = SaveAsTypeList(doc_);
    const std::optional<SaveAsChoice> choice =
        host_.RunSaveAsDialog(types, SaveAsPreselection(doc_));
    if (!choice || choice->typeIndex > static_cast<int>(types.size()) || choice->path.empty()) {
        return SaveOutcome::Cancelled;
    }
    const std::optional<KeyboardVariant> variant = KeyboardVariantFromNumber(choice->typeIndex);
    if (!variant) {
        return SaveOutcome::Cancelled;
    }
    if (!MayLose(*variant, true)) {
        return SaveOutcome::Cancelled;
    }
    host_.RefreshControls();
    const std::string previousPath = doc_.filePath;
    const std::optional<FileStamp> previousStamp = ShownStamp();
    doc_.filePath = choice->path;
    host_.SetTitle(FileNameOf(choice->path));

    if (Write(*variant) == SaveOutcome::NotWritten) {
        // Nothing was written: keep the layout as it is rather than reset it
        // and bind it to a file that does not exist.
        doc_.filePath = previousPath;
        host_.SetTitle(previousPath);
        return SaveOutcome::NotWritten;
    }

    savedAs_ = *variant;
    PushRecent(doc_.filePath);
    RebuildRecentMenu();
    NewLayout(); // the file was written, so dirty is clear and nothing is asked
    doc_.filePath = choice->path;
    OpenPath();
    if (previousStamp) {
        earlier_.emplace(previousPath, *previousStamp);
    }
    return SaveOutcome::Written;
}

void FileCommands::PushRecent(const std::string& given) {
    auto& recent = doc_.recentFiles;
    const std::string path = CanonicalPath(given);
    int i = 0;
    // Entries stored before they were resolved still count as the same file.
    while (i < kRecentFileCount && CanonicalPath(recent[static_cast<std::size_t>(i)]) != path) {
        ++i;
    }
    const int last = i < kRecentFileCount ? i : kRecentFileCount - 1;
    for (int j = last; j > 0; --j) {
        recent[static_cast<std::size_t>(j)] = recent[static_cast<std::size_t>(j - 1)];
    }
    recent[0] = path;
    for (int j = 0; j < kRecentFileCount; ++j) {
        store_.WriteString(kRecentFileSection, RecentEntryName(j),
                           recent[static_cast<std::size_t>(j)]);
    }
}

void FileCommands::RebuildRecentMenu() {
    for (int j = 0; j < kRecentFileCount; ++j) {
        doc_.recentFiles[static_cast<std::size_t>(j)] =
            store_.ReadString(kRecentFileSection, RecentEntryName(j));
    }
    host_.ShowRecentFiles(RecentEntriesToShow());
}

std::vector<RecentFileEntry> FileCommands::RecentEntriesToShow() const {
    std::vector<RecentFileEntry> shown;
    if (doc_.recentFiles[0].empty()) {
        return shown;
    }
    for (int j = 0; j < kRecentFileCount; ++j) {
        const std::string& path = doc_.recentFiles[static_cast<std::size_t>(j)];
        if (!path.empty()) {
            shown.push_back({j, path});
        }
    }
    return shown;
}

} // namespace vorlan
