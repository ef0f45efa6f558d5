// Keeps the recovery file of one window up to date and offers, at start,
// what a crashed program left behind.
//
// The window calls Tick often (a one-second timer) and NoteChange on each
// change it hears of (an undo step); the keeper decides when to write: every
// 30 s while the layout has unsaved changes, at most once a second after a
// noted change, and never the same bytes twice. Without unsaved changes the
// file is removed, and Close removes it for good.
#pragma once

#include "common/UiMessage.h"
#include "layout/FileStamp.h"
#include "layout/LayoutDocument.h"
#include "recovery/RecoveryFile.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace vorlan {

inline constexpr std::chrono::seconds kRecoveryInterval{30};
inline constexpr std::chrono::seconds kRecoveryNoteInterval{1};

class RecoveryKeeper {
public:
    using Clock = std::chrono::steady_clock;
    // stamp: what the open file was when read (FileCommands::Stamp).
    using StampSource = std::function<std::optional<FileStamp>()>;

    // folder: the user's data folder; empty keeps nothing.
    RecoveryKeeper(const LayoutDocument& doc, std::string folder, StampSource stamp = {});
    ~RecoveryKeeper() = default;
    RecoveryKeeper(const RecoveryKeeper&) = delete;
    RecoveryKeeper& operator=(const RecoveryKeeper&) = delete;

    void NoteChange();
    // now: the steady clock; wallSeconds: the time written into the file.
    void Tick(Clock::time_point now, std::int64_t wallSeconds);
    // A normal end: the recovery file goes.
    void Close();

    const std::string& Path() const { return path_; }

private:
    void Write(Clock::time_point now, std::int64_t wallSeconds);
    void Remove();

    const LayoutDocument& doc_;
    std::string path_;
    StampSource stamp_;
    std::optional<Clock::time_point> lastWrite_;
    std::optional<Clock::time_point> dirtySince_;
    bool notePending_ = false;
    bool written_ = false;
    std::string lastBytes_;
};

// What the start-up offer needs from the window.
class RecoveryHost {
public:
    virtual ~RecoveryHost() = default;
    virtual bool AskYesNo(const UiMessage& question) = 0;
    virtual void ShowError(const UiMessage& message) = 0;
    virtual void Restore(const RecoveryRecord& record) = 0;
};

// Offers the abandoned recovery files in folder, oldest first, until one is
// restored (the rest are offered at the next start). A restored file, and one
// the user discards after the second question, is removed; one the user keeps
// stays. A file that cannot be read is set aside (renamed) with a message.
// Returns whether a layout was restored.
bool OfferRecovery(const std::string& folder, RecoveryHost& host);

} // namespace vorlan
