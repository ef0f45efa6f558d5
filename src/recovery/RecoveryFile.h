// The recovery file: the unsaved layout of a running window, kept in the
// user's data folder so a crash or a power cut loses at most the last few
// seconds of work. One file per running program (its name carries the
// process id), so the files of a dead program are told from a live one's.
#pragma once

#include "common/UiMessage.h"
#include "layout/FileStamp.h"
#include "layout/LayoutDocument.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

inline constexpr std::string_view kRecoveryPrefix = "recovery-";

struct RecoveryRecord {
    std::string originalPath; // empty for an untitled layout
    std::int64_t savedAt = 0; // seconds since the epoch
    KeyboardVariant loadedVariant = KeyboardVariant::SixteenScan;
    std::optional<FileStamp> stamp; // the original file as it was read
    std::string layoutText;         // the layout in the 16scan file form
};

// The file's bytes; the layout in the 16scan variant, which holds every key
// of every variant.
std::string FormatRecovery(const LayoutDocument& doc, std::int64_t savedAt,
                           const std::optional<FileStamp>& stamp);
// nullopt for anything that is not a whole recovery file (cut short, edited, foreign).
std::optional<RecoveryRecord> ParseRecovery(std::string_view bytes);

// The recovery files in folder whose program is no longer running, oldest first.
std::vector<std::string> FindAbandonedRecoveries(const std::string& folder);

// "Recover unsaved changes to <file> from <time>?" with what would be restored.
UiMessage RecoveryQuestion(const RecoveryRecord& record);

// Local time "YYYY-MM-DD HH:MM:SS".
std::string FormatLocalTime(std::int64_t secondsSinceEpoch);

} // namespace vorlan
