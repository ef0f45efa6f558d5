// Finding keys of the layout by name or code name, and stepping through the
// keys found. A joined key is found once, at its lowest cell.
#pragma once

#include "layout/LayoutDocument.h"
#include "scancodes/ScanCodeTables.h"

#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

// Whether a programmed key's name (Latin-1 bytes) or one of its code names
// (UTF-8) contains query, UTF-8, ignoring the case of Latin letters, accented
// ones included. An empty query matches nothing.
bool KeyMatches(const KeyRecord& key, std::string_view query, const CodeNaming& naming);

class KeyFind {
public:
    // Finds the keys of doc (1..keyCount) that match query. Stepping goes on
    // where it was when the query and the keys found are the same as before
    // (a search again after the layout may have changed); else it starts over.
    void Search(const LayoutDocument& doc, std::string_view query, const CodeNaming& naming);

    // The keys found, by their lowest cell, ascending.
    const std::vector<int>& Found() const { return found_; }
    // Every cell of the keys found, ascending, for marking them on the grid.
    const std::vector<int>& FoundCells() const { return cells_; }

    // The key to select for "next" / "previous" from the key selected now
    // (0 for none), wrapping at either end; 0 when nothing was found. Right
    // after a search, "next" takes a key found at the selection itself.
    int Next(const LayoutDocument& doc, int selected);
    int Previous(const LayoutDocument& doc, int selected);

    // 1-based place of the key last stepped to among those found; 0 before
    // the first step.
    int Position() const { return position_; }

private:
    int StepTo(int index);

    std::string query_;
    std::vector<int> found_;
    std::vector<int> cells_;
    bool stepped_ = false;
    int position_ = 0;
};

} // namespace vorlan
