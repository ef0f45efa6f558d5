// The layout text file: one header line with the keyboard-wide settings and
// 112 key lines, in four variants. The writer is byte-exact; the reader is
// lenient and replaces out-of-range values instead of rejecting a file.
#pragma once

#include "layout/LayoutDocument.h"
#include "layout/LayoutObserver.h"
#include "layout/ReadReport.h"

#include <optional>
#include <string>
#include <string_view>

namespace vorlan {

// Codes per key line of a 7/3scan file: 7 for 56 keys, 3 for 112 keys (what
// the keyboard's image of a 112-key 7/3scan layout holds per key).
constexpr int SevenThreeCodes(int keyCount) {
    return keyCount == kMaxKeys ? 3 : 7;
}

// The longest line (without its line end) the format is meant to carry.
inline constexpr std::size_t kMaxLineBytes = 198;

// The file text of doc in the given variant. Changes nothing.
std::string FormatLayout(const LayoutDocument& doc, KeyboardVariant variant);

// Fills a freshly reset doc from file text: keyCount, variant, loadedVariant,
// the settings, for 16scan files the RFID options, and the slots named by the
// key lines. Accepts CR LF, LF or CR line ends and lines of any length.
// With a report, also records at its line everything it skips, cuts, limits
// or fills in (report.path is left alone).
void ParseLayout(LayoutDocument& doc, std::string_view text, ReadReport* report = nullptr);

// What reading a layout file came to. The reader only reads: the caller
// shows the failure (every front end says the same, see ShowReadResult).
struct LayoutReadResult {
    // Why the file could not be read ("Cannot open file!", or that it is not
    // a plain file); empty when it was read.
    std::optional<StringId> failure;
    explicit operator bool() const { return !failure; }
};

// What writing a layout file came to.
struct LayoutWriteResult {
    enum class Status {
        Written,
        // Written, but no key among 1..keyCount is programmed.
        WrittenWithoutProgrammedKey,
        NotWritten,
    };
    Status status = Status::Written;
    // What to tell the user, for every status but Written.
    std::optional<UiMessage> message;
    bool FileWritten() const { return status != Status::NotWritten; }
    explicit operator bool() const { return status == Status::Written; }
};

// Writes doc to doc.filePath through a temporary file beside it, so the old
// file survives any failure. A failure ("Cannot open file!" without a path,
// otherwise the file writer's words) leaves dirty as it was. A written file
// without any programmed key among keys 1..keyCount says "The file contains
// no programmed key" and converts to false, the file written and dirty
// cleared all the same. The caller takes the window's values into doc first.
LayoutWriteResult WriteLayout(LayoutDocument& doc, KeyboardVariant variant);

// Reads doc.filePath into doc (see ParseLayout), recording into
// doc.readReport. The caller resets doc before and runs RebuildAfterLoad
// after. When the file cannot be read doc is unchanged.
LayoutReadResult ReadLayout(LayoutDocument& doc);

// What the window and the command line show for a result: nothing when it
// succeeded, otherwise its message through the observer.
void ShowReadResult(LayoutObserver& screen, const LayoutReadResult& result);
void ShowWriteResult(LayoutObserver& screen, const LayoutWriteResult& result);

} // namespace vorlan
