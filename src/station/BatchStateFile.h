// What the log cannot say about a batch that stopped: its number, its test,
// its layout and the keyboard that was between programming and its verdict.
// Kept beside the log in a small file of KEY=VALUE lines while a batch runs
// and removed when it ends, so the next start can offer to resume.
#pragma once

#include "common/FileWriter.h"
#include "station/Batch.h"

#include <optional>
#include <string>

namespace vorlan {

struct BatchStateFile {
    BatchSettings settings;
    // The log line of a keyboard that was programmed but not yet judged
    // (its test had not ended); logged as failed when the batch resumes.
    std::string pendingLine;

    friend bool operator==(const BatchStateFile&, const BatchStateFile&) = default;
};

inline constexpr std::string_view kBatchStateFileName = "batch.state";

// The state file beside a log.
std::string BatchStatePathFor(const std::string& logPath);

std::string FormatBatchState(const BatchStateFile& state);
std::optional<BatchStateFile> ParseBatchState(std::string_view text);

// Written whole or not at all (the durable file writer).
FileWriteResult SaveBatchState(const std::string& path, const BatchStateFile& state);
std::optional<BatchStateFile> LoadBatchState(const std::string& path);
void RemoveBatchState(const std::string& path);

} // namespace vorlan
