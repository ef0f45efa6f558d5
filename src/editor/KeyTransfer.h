// Keys as units that move: the cells a key covers, its definition apart from
// its cells, the text form the clipboard carries, and the plans for a drop
// (move, swap, copy) or a paste. Plain functions on the LayoutDocument; the
// key editor wraps each in one history step.
#pragma once

#include "layout/LayoutDocument.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

// How a key's cells lie: one cell, two side by side, two one above the
// other, or a square of four.
enum class KeyShape { Single, DoubleRight, DoubleDown, Quad };

// A key's definition without its place: shape, name, codes, the single-key
// flag and the mode.
struct KeyContent {
    KeyShape shape = KeyShape::Single;
    std::string name;
    KeyCodes codes{};
    bool singleKey = true;
    KeyMode mode = KeyMode::Mode1;
    friend bool operator==(const KeyContent&, const KeyContent&) = default;
};

// The cells of the key at slot, its top-left cell first; empty for an empty
// cell or a slot outside 1..112.
std::vector<int> KeyCells(const LayoutDocument& doc, int slot);
std::optional<KeyShape> ShapeAt(const LayoutDocument& doc, int slot);
std::optional<KeyContent> ContentAt(const LayoutDocument& doc, int slot);

// The cells a key of this shape covers with its top-left cell at anchor;
// empty when they leave anchor's block or keyCount.
std::vector<int> CellsFor(KeyShape shape, int anchor, int keyCount);
// slot moved by columns and rows within its block; 0 when that leaves it.
int ShiftSlot(int slot, int columns, int rows);

// Puts content on the free cells for its shape at anchor (a new group for
// joined keys). False, with nothing changed, when any cell is taken.
bool PlaceKey(LayoutDocument& doc, int anchor, const KeyContent& content);
// Gives the key at slot content's name, codes, flag and mode on all its
// cells; its shape stays.
void ReplaceKeyDefinition(LayoutDocument& doc, int slot, const KeyContent& content);

enum class DropKind { Impossible, Move, Swap, Copy };

// What dropping the key grabbed at cell `grabbed` on cell `target` does: the
// grabbed cell lands on the target, so the key keeps its shape around it.
// Move and Copy need free cells (a move may reuse its own); dropping on
// another key of the same shape swaps the two. anchor is the key's new
// top-left cell for Move and Copy.
struct DropPlan {
    DropKind kind = DropKind::Impossible;
    int anchor = 0;
    friend bool operator==(const DropPlan&, const DropPlan&) = default;
};
DropPlan PlanDrop(const LayoutDocument& doc, int grabbed, int target, bool copy);
// Carries the plan out; false when it was impossible (nothing changed). The
// key's top-left cell afterwards goes to *landed when given.
bool ApplyDrop(LayoutDocument& doc, int grabbed, int target, bool copy, int* landed = nullptr);

// The clipboard's text of a key: readable lines, "Vorlan key" first.
std::string FormatKeyClip(const KeyContent& content);
// nullopt for any text that is not a complete, valid key.
std::optional<KeyContent> ParseKeyClip(std::string_view text);
// The key's name and code names on one line, for other programs.
std::string PlainKeyText(const KeyContent& content);

} // namespace vorlan
