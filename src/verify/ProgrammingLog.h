// The programming log: one line per run, appended to a file in the user's
// data folder, so what each keyboard was given is known afterwards. A line
// holds tab-separated fields; none of them can hold a tab or a line end.
#pragma once

#include "common/FileWriter.h"
#include "common/UiMessage.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

struct ProgrammingRun {
    std::string dateTime;    // "YYYY-MM-DD HH:MM:SS", local time
    std::string layoutFile;  // as the user knows it, not the temporary copy
    std::string imageSha256; // empty when the file gives no image
    int keyboardType = -1;   // -1: not known
    std::size_t bytesWritten = 0;
    std::int64_t durationMs = 0;
    std::string result; // "done", the error message, "cancelled after N bytes"
    // A batch's own field, written last so readers of seven fields go on
    // reading; empty outside a batch.
    std::string batch;
};

inline constexpr std::string_view kLogFileName = "programming.log";

// The result of a run as messages ("done", a driver's message and "(after
// N bytes)") and as the log writes it, their English joined by a blank. Only
// a run that sent its whole image is "done".
std::vector<UiMessage> RunResultMessages(int engineResult, bool hadLayout, std::size_t bytesWritten,
                                         std::size_t imageSize);
std::string RunResultText(int engineResult, bool hadLayout, std::size_t bytesWritten,
                          std::size_t imageSize);
// A logged result or layout field read back, for the log window to show in
// the user's language; empty for a text this program does not write (a
// plain file name, another version's words), which is shown as it stands.
std::vector<UiMessage> RunResultMessages(std::string_view result);
std::optional<UiMessage> RunLayoutMessage(std::string_view layout);

// What a run programmed, as the log names it: the file, "FILE (unsaved
// changes)" when the window's layout differs from it (the image sent is then
// no file's), or "unsaved layout" when it was never saved.
std::string RunLayoutName(const std::string& filePath, bool unsavedChanges);

std::string FormatLogLine(const ProgrammingRun& run);
// Empty for a line that is not one of ours.
std::optional<ProgrammingRun> ParseLogLine(std::string_view line);
std::vector<ProgrammingRun> ParseLog(std::string_view text);

// A log is read as a plain file (never blocking on a pipe) up to this size.
inline constexpr std::size_t kMaxLogBytes = std::size_t{256} * 1024 * 1024;
// The runs of the log at path; none when it is missing or cannot be read.
std::vector<ProgrammingRun> ReadLogFile(const std::string& path);

// The log the desktop program keeps in its data folder, found without Qt the
// way Qt finds it: <data>/Kelvane/vorlan/programming.log, <data> being
// XDG_DATA_HOME or ~/.local/share, %APPDATA% on Windows. Empty when no home is known.
std::string DefaultLogPath();

// Appends one line, making the folders on the way, never to one of inputs.
FileWriteResult AppendToLog(const std::string& path, const ProgrammingRun& run,
                            const InputFiles& inputs = {});

std::string LocalDateTime(std::chrono::system_clock::time_point when);

// The device image of a layout as the keyboard would get it, and its digest;
// false when the text gives no image.
bool ImageOfLayoutText(std::string_view text, std::vector<std::uint8_t>& image);
std::string ImageSha256OfLayoutFile(const std::string& path, std::size_t* imageSize = nullptr);

} // namespace vorlan
