// Layout compare: the differences of two layouts as the editor holds them
// (after reading and rebuilding), key by key and in the keyboard-wide
// settings. The loss list of a save is the same comparison between the
// layout and what the saved file will read back as.
#pragma once

#include "common/UiMessage.h"
#include "layout/LayoutDocument.h"

#include <vector>

namespace vorlan {

enum class DiffKind {
    KeyAdded,
    KeyRemoved,
    KeyMoved,
    Name,
    Codes,
    Flags,
    Mode,
    Span,
    KeyCount,
    Setting,
    Rfid,
};

// key is the key's number in the first layout, otherKey in the second; 0
// where the difference has no key there.
struct Difference {
    DiffKind kind = DiffKind::Setting;
    int key = 0;
    int otherKey = 0;
    UiMessage message;
};

// How a key is named in messages: its number and its name, as 5 "Enter".
Latin1Text KeyLabel(const LayoutDocument& doc, int k);

// Differences of key ka of a and key kb of b in name, codes, flags, mode and
// the cells they are joined with (taken relative to the key).
void CompareKey(const LayoutDocument& a, int ka, const LayoutDocument& b, int kb,
                std::vector<Difference>& out);
// Key count, settings and RFID options.
void CompareSettings(const LayoutDocument& a, const LayoutDocument& b,
                     std::vector<Difference>& out);

// Every difference from a to b: settings first, then keys in key order. A
// programmed key of a that b lacks at its place but has elsewhere with the
// same codes is reported as moved.
std::vector<Difference> DiffLayouts(const LayoutDocument& a, const LayoutDocument& b);

} // namespace vorlan
