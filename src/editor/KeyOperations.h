// The popup menu's key operations on the document, without a screen: what
// can be joined where, joining cells into a double or quad key, splitting or
// clearing a joined key, and copying a key's content to the cells it spans.
#pragma once

#include "layout/LayoutDocument.h"

#include <vector>

namespace vorlan {

// The items of the grid's popup menu and whether each is enabled.
struct PopupMenuItems {
    bool insertKey = true;
    bool copyKey = false;
    bool single = false;
    bool toRight = false;
    bool toDown = false;
    bool quad = false;
    bool clearKey = false;
    bool clearAll = false;
    friend bool operator==(const PopupMenuItems&, const PopupMenuItems&) = default;
};

// The popup menu at the key in slot (a cell of the grid in use); copyKey
// when the list has an entry selected to copy.
PopupMenuItems PopupItemsAt(const LayoutDocument& doc, int slot, bool copyKey);

// The cells joining the single key at slot would make one key of: a double
// key (step 1 to the right, kBlockColumns down) or a quad key (step ignored),
// slot first. Empty when a cell is missing or taken, or slot is no single key.
std::vector<int> JoinCells(const LayoutDocument& doc, int slot, SpanKind kind, int step);
// Makes cells the spans of one key of kind (each cell's partners: the other
// cells, ascending when cells are); the keys' content stays as it is.
void JoinSpans(LayoutDocument& doc, const std::vector<int>& cells, SpanKind kind);
// Joins cells (from JoinCells) into one key of kind; the first cell's content
// goes to the others.
void Join(LayoutDocument& doc, const std::vector<int>& cells, SpanKind kind);

// The key at slot and the cells it spans become single keys (clear: empty cells).
void ResetSpan(LayoutDocument& doc, int slot, bool clear);
// The content of key source (name, codes, group and single-key flags) on
// target; dirty when that changes target.
void CopyKeyContent(LayoutDocument& doc, int source, int target);
// After the key at slot got new content: an empty cell becomes a single key,
// a joined one passes the content on to its other cells.
void PropagateToSpan(LayoutDocument& doc, int slot);

} // namespace vorlan
