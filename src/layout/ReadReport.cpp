#include "layout/ReadReport.h"

#include <algorithm>
#include <set>
#include <utility>

namespace vorlan {

void ReadReport::Clear() {
    notes_.clear();
    keyLines_.fill(0);
    path.clear();
}

void ReadReport::Add(int line, NoteLevel level, StringId id, std::vector<std::string> args,
                     int key) {
    notes_.push_back({line, level, UiMessage{id, std::move(args)}, key});
}

int ReadReport::Count(NoteLevel level) const {
    return static_cast<int>(std::count_if(notes_.begin(), notes_.end(),
                                          [level](const ReadNote& n) { return n.level == level; }));
}

int ReadReport::ErrorLineCount() const {
    std::set<int> lines;
    for (const ReadNote& note : notes_) {
        if (note.level == NoteLevel::Error && note.line > 0) {
            lines.insert(note.line);
        }
    }
    return static_cast<int>(lines.size());
}

void ReadReport::SortByLine() {
    std::stable_sort(notes_.begin(), notes_.end(),
                     [](const ReadNote& a, const ReadNote& b) { return a.line < b.line; });
}

int ReadReport::KeyLine(int k) const {
    return k >= 0 && k < kSlots ? keyLines_[static_cast<std::size_t>(k)] : 0;
}

void ReadReport::SetKeyLine(int k, int line) {
    if (k >= 0 && k < kSlots) {
        keyLines_[static_cast<std::size_t>(k)] = line;
    }
}

std::string FormatNote(const std::string& file, const ReadNote& note) {
    std::string out = file;
    if (note.line > 0) {
        out += ':' + std::to_string(note.line);
    }
    out += ": ";
    out += StringText(note.level == NoteLevel::Error ? StringId::ReportLevelError
                                                     : StringId::ReportLevelWarning);
    out += ": ";
    out += note.message.English();
    return out;
}

} // namespace vorlan
