#include "recovery/RecoveryKeeper.h"

#include "common/FilePath.h"
#include "layout/DurableFile.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace vorlan {
namespace fs = std::filesystem;

RecoveryKeeper::RecoveryKeeper(const LayoutDocument& doc, std::string folder, StampSource stamp)
    : doc_(doc), stamp_(std::move(stamp)) {
    if (!folder.empty()) {
        path_ = Utf8FromPath(PathFromUtf8(folder) / TemporaryName(kRecoveryPrefix, ".txt"));
    }
}

void RecoveryKeeper::NoteChange() {
    notePending_ = true;
}

void RecoveryKeeper::Tick(Clock::time_point now, std::int64_t wallSeconds) {
    if (path_.empty()) {
        return;
    }
    if (!doc_.dirty) {
        // Saved, or the changes were dropped: nothing is left to recover.
        dirtySince_.reset();
        notePending_ = false;
        Remove();
        return;
    }
    if (!dirtySince_) {
        dirtySince_ = now;
    }
    const Clock::time_point since = lastWrite_ ? *lastWrite_ : *dirtySince_;
    const bool noteDue =
        notePending_ && (!lastWrite_ || now - *lastWrite_ >= kRecoveryNoteInterval);
    if (noteDue || now - since >= kRecoveryInterval) {
        Write(now, wallSeconds);
    }
}

void RecoveryKeeper::Write(Clock::time_point now, std::int64_t wallSeconds) {
    notePending_ = false;
    lastWrite_ = now;
    const std::optional<FileStamp> stamp = stamp_ ? stamp_() : std::nullopt;
    // The time alone changing is no reason to write again.
    const std::string bytes = FormatRecovery(doc_, 0, stamp);
    if (written_ && bytes == lastBytes_) {
        return;
    }
    std::error_code ec;
    fs::create_directories(PathFromUtf8(path_).parent_path(), ec);
    if (DurableReplace(path_, FormatRecovery(doc_, wallSeconds, stamp))) {
        written_ = true;
        lastBytes_ = bytes;
    }
}

void RecoveryKeeper::Remove() {
    if (written_) {
        std::error_code ec;
        fs::remove(PathFromUtf8(path_), ec);
        written_ = false;
        lastBytes_.clear();
    }
}

void RecoveryKeeper::Close() {
    Remove();
}

bool OfferRecovery(const std::string& folder, RecoveryHost& host) {
    for (const std::string& path : FindAbandonedRecoveries(folder)) {
        std::string bytes;
        const PathCheck read = ReadPlainFile(path, bytes, 16u * 1024u * 1024u);
        const std::optional<RecoveryRecord> record =
            read == PathCheck::Plain ? ParseRecovery(bytes) : std::nullopt;
        std::error_code ec;
        if (!record) {
            // Kept under another name, so nothing is lost and it is not offered again.
            const std::string aside = path + ".unreadable";
            fs::rename(PathFromUtf8(path), PathFromUtf8(aside), ec);
            host.ShowError({StringId::RecoveryUnreadable, {PathText(ec ? path : aside)}});
            continue;
        }
        if (host.AskYesNo(RecoveryQuestion(*record))) {
            host.Restore(*record);
            fs::remove(PathFromUtf8(path), ec);
            return true;
        }
        if (host.AskYesNo({StringId::AskDiscardRecovery, {}})) {
            fs::remove(PathFromUtf8(path), ec);
        }
    }
    return false;
}

} // namespace vorlan
