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

// A file of millions of faulty lines must not cost a note each: the report
// keeps the first kMaxPerKind notes of each message and then one summary
// note ("... and N more") at the line of the first one left out; the counts
// still cover every note.
class ReadReport {
public:
    // Slots a line can address; the size of the layout's slot table.
    static constexpr int kSlots = 120;
    static constexpr int kMaxPerKind = 100;

    void Clear();
    void Add(int line, NoteLevel level, StringId id, UiArgs args = {}, int key = 0);
    // Counts the note when its kind is full and returns true; the caller
    // then need not build its texts. Otherwise false, and the caller adds it.
    bool CountedOnly(int line, NoteLevel level, StringId id);

    const std::vector<ReadNote>& Notes() const;
    bool Empty() const { return notes_.empty(); }
    // Every note of the level, those left out included.
    int Count(NoteLevel level) const;
    // Distinct lines with an error: the lines not read exactly as written
    // (notes about the file as a whole not counted).
    int ErrorLineCount() const { return errorLines_; }
    // Orders the notes by line, keeping the order of notes on one line.
    void SortByLine();

    // The line that last filled slot k (0 when no line did).
    int KeyLine(int k) const;
    void SetKeyLine(int k, int line);

    std::string path;

private:
    struct Kind {
        StringId id;
        int kept = 0;
        int more = 0;
        std::size_t summary = 0; // index of its summary note once more > 0
    };
    Kind& KindOf(StringId id);
    void CountErrorLine(int line, NoteLevel level);

    // The summaries' counts are written when the notes are asked for, not on
    // each note left out.
    mutable std::vector<ReadNote> notes_;
    mutable bool summariesStale_ = false;
    std::vector<Kind> kinds_;
    std::array<int, 2> counts_{};
    int errorLines_ = 0;
    int lastErrorLine_ = 0;
    std::array<int, kSlots> keyLines_{};
};

// "file:line: level: message", the form compilers use (without ":line" for
// notes about the whole file); English text, for the command line.
std::string FormatNote(const std::string& file, const ReadNote& note);

} // namespace vorlan
