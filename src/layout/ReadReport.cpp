#include "layout/ReadReport.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace vorlan {

void ReadReport::Clear() {
    notes_.clear();
    summariesStale_ = false;
    kinds_.clear();
    counts_.fill(0);
    errorLines_ = 0;
    lastErrorLine_ = 0;
    keyLines_.fill(0);
    path.clear();
}

ReadReport::Kind& ReadReport::KindOf(StringId id) {
    // A file brings a handful of kinds, so a short list beats a map.
    for (Kind& kind : kinds_) {
        if (kind.id == id) {
            return kind;
        }
    }
    return kinds_.emplace_back(Kind{id});
}

void ReadReport::CountErrorLine(int line, NoteLevel level) {
    if (level != NoteLevel::Error || line <= 0) {
        return;
    }
    // The reader goes forward, so a new line is one past the last; a note
    // added later for an earlier line is new unless a kept note has it.
    if (line > lastErrorLine_) {
        lastErrorLine_ = line;
        ++errorLines_;
    } else if (line < lastErrorLine_ &&
               std::none_of(notes_.begin(), notes_.end(), [line](const ReadNote& n) {
                   return n.line == line && n.level == NoteLevel::Error;
               })) {
        ++errorLines_;
    }
}

bool ReadReport::CountedOnly(int line, NoteLevel level, StringId id) {
    Kind& kind = KindOf(id);
    if (kind.kept < kMaxPerKind) {
        return false;
    }
    CountErrorLine(line, level);
    ++counts_[static_cast<std::size_t>(level)];
    if (kind.more++ == 0) {
        kind.summary = notes_.size();
        notes_.push_back({line, level, UiMessage{StringId::ReportMoreOfKind, {}}, 0});
    }
    summariesStale_ = true;
    return true;
}

void ReadReport::Add(int line, NoteLevel level, StringId id, UiArgs args, int key) {
    if (CountedOnly(line, level, id)) {
        return;
    }
    CountErrorLine(line, level);
    ++counts_[static_cast<std::size_t>(level)];
    ++KindOf(id).kept;
    notes_.push_back({line, level, UiMessage{id, std::move(args)}, key});
}

const std::vector<ReadNote>& ReadReport::Notes() const {
    if (summariesStale_) {
        for (const Kind& kind : kinds_) {
            if (kind.more > 0) {
                notes_[kind.summary].message.args = {std::to_string(kind.more)};
            }
        }
        summariesStale_ = false;
    }
    return notes_;
}

int ReadReport::Count(NoteLevel level) const {
    return counts_[static_cast<std::size_t>(level)];
}

void ReadReport::SortByLine() {
    Notes();
    std::vector<std::size_t> order(notes_.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return notes_[a].line < notes_[b].line;
    });
    std::vector<std::size_t> newIndex(notes_.size());
    std::vector<ReadNote> sorted;
    sorted.reserve(notes_.size());
    for (const std::size_t i : order) {
        newIndex[i] = sorted.size();
        sorted.push_back(std::move(notes_[i]));
    }
    notes_ = std::move(sorted);
    for (Kind& kind : kinds_) {
        if (kind.more > 0) {
            kind.summary = newIndex[kind.summary];
        }
    }
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
