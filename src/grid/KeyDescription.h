// What the grid says about a key beyond its image: the name drawn on its cell
// and the lines of its tooltip. Plain text from the layout, no fonts.
#pragma once

#include "common/UiMessage.h"
#include "layout/LayoutDocument.h"
#include "layout/LayoutObserver.h"
#include "scancodes/ScanCodeTables.h"

#include <string>
#include <vector>

namespace vorlan {

// The display names of a key's codes as the key panel shows them (the PC
// layout's signs, UTF-8), without the empty slots after the last code.
std::vector<std::string> KeyCodeNames(const KeyCodes& codes, const CodeNaming& naming);

// The text drawn on the image put at slot, UTF-8: the key's name, or its code
// names when it has none; empty for images that show no key (empty, unavailable)
// and for keys that are not programmed. A joined image shows the first named
// key of its cells, so a partner named alone still labels the whole key.
std::string GridLabel(const LayoutDocument& doc, int slot, KeyImage image,
                      const CodeNaming& naming);

// True for the images of a double or quad key, selected or not.
bool IsJoinedImage(KeyImage image);

// Where and what the grid draws for an image the editor orders at slot: the
// selection of a cell of a double or quad key becomes the selected image of
// the whole key at its lowest cell, so its frame surrounds the whole key.
// Every other image is drawn as ordered.
struct ShownKeyImage {
    int slot = 0;
    KeyImage image{};
    friend bool operator==(const ShownKeyImage&, const ShownKeyImage&) = default;
};
ShownKeyImage ImageToShow(const LayoutDocument& doc, int slot, KeyImage image);

// The tooltip of slot 1..keyCount, one message per line: number, name, code
// names, span, mode and flags; the values are UTF-8 (the name converted from
// its Latin-1 bytes), as code names may hold any sign. Empty for any other slot.
std::vector<UiMessage> KeyToolTipLines(const LayoutDocument& doc, int slot,
                                       const CodeNaming& naming);

// The lowest cell of the key at slot (the cell its joined image is drawn at);
// slot itself when it is not joined.
int KeyAnchor(const LayoutDocument& doc, int slot);

// Every cell of the key at slot, ascending (one, two or four).
std::vector<int> CellsOfKey(const LayoutDocument& doc, int slot);

} // namespace vorlan
