// What the lenient layout reader did to a file beyond reading it as written:
// lines it skipped, values it limited, names it cut, keys it filled in, each
// at its line. The reader records into it as it goes; the layout check adds
// what is legal but doubtful after the rebuild. Plain data, no window.
#pragma once

#include "common/UiMessage.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vorlan {

enum class NoteLevel { Error, Warning };

// One located message. line counts from 1; 0 means the file as a whole.
// key is the key number the message is about, 0 for none.
struct ReadNote {
    int line = 0;
    NoteLevel level = NoteLevel::Error;
    UiMessage message;
    int key = 0;
    friend bool operator==(const ReadNote&, const ReadNote&) = default;
};

class ReadReport {
public:
    // Slots a line can address; the size of the layout's slot table.
    static constexpr int kSlots = 120;

    void Clear();
    void Add(int line, NoteLevel level, StringId id, std::vector<std::string> args = {},
             int key = 0);

    const std::vector<ReadNote>& Notes() const { return notes_; }
    bool Empty() const { return notes_.empty(); }
    int Count(NoteLevel level) const;
    // Distinct lines with an error: the lines not read exactly as written
    // (notes about the file as a whole not counted).
    int ErrorLineCount() const;
    // Orders the notes by line, keeping the order of notes on one line.
    void SortByLine();

    // The line that last filled slot k (0 when no line did).
    int KeyLine(int k) const;
    void SetKeyLine(int k, int line);

    std::string path;

private:
    std::vector<ReadNote> notes_;
    std::array<int, kSlots> keyLines_{};
};

// "file:line: level: message", the form compilers use (without ":line" for
// notes about the whole file); English text, for the command line.
std::string FormatNote(const std::string& file, const ReadNote& note);

} // namespace vorlan
