#include "editor/KeyOperations.h"

namespace vorlan {
namespace {

SpanKind KindAt(const LayoutDocument& doc, int slot) {
    return doc.spans[static_cast<std::size_t>(slot)].kind;
}

} // namespace

std::vector<int> JoinCells(const LayoutDocument& doc, int s, SpanKind kind, int step) {
    const bool quad = kind == SpanKind::Quad;
    const bool down = quad || step == kBlockColumns;
    const bool right = quad || step == 1;
    bool possible = IsGridSlot(s) && s <= doc.KeysInUse() && KindAt(doc, s) == SpanKind::Single;
    if (possible && down) {
        possible = HasLowerNeighbour(s) && KindAt(doc, s + kBlockColumns) == SpanKind::Empty;
    }
    if (possible && right) {
        possible = HasRightNeighbour(s) && KindAt(doc, s + 1) == SpanKind::Empty;
    }
    if (possible && quad) {
        possible = KindAt(doc, s + kBlockColumns + 1) == SpanKind::Empty;
    }
    if (!possible) {
        return {};
    }
    if (quad) {
        return {s, s + 1, s + kBlockColumns, s + kBlockColumns + 1};
    }
    return {s, s + step};
}

void JoinSpans(LayoutDocument& doc, const std::vector<int>& cells, SpanKind kind) {
    for (int c : cells) {
        KeySpan& span = doc.spans[static_cast<std::size_t>(c)];
        span.kind = kind;
        span.partners.fill(0);
        std::size_t p = 0;
        for (int other : cells) {
            if (other != c) {
                span.partners[p++] = other;
            }
        }
    }
}

void Join(LayoutDocument& doc, const std::vector<int>& cells, SpanKind kind) {
    JoinSpans(doc, cells, kind);
    KeyRecord& key = doc.keys[static_cast<std::size_t>(cells.front())];
    key.SetGroupKey(true);
    key.groupNumber = doc.nextGroupNumber++;
    for (std::size_t i = 1; i < cells.size(); ++i) {
        CopyKeyContent(doc, cells.front(), cells[i]);
    }
}

PopupMenuItems PopupItemsAt(const LayoutDocument& doc, int s, bool copyKey) {
    PopupMenuItems items;
    items.copyKey = copyKey;
    switch (KindAt(doc, s)) {
    case SpanKind::Empty:
        break;
    case SpanKind::Single:
        items.toDown = !JoinCells(doc, s, SpanKind::Double, kBlockColumns).empty();
        items.toRight = !JoinCells(doc, s, SpanKind::Double, 1).empty();
        items.quad = !JoinCells(doc, s, SpanKind::Quad, 0).empty();
        items.clearKey = true;
        break;
    case SpanKind::Double:
    case SpanKind::Quad:
        items.single = true;
        items.clearKey = true;
        break;
    }
    items.clearAll = doc.HasProgrammedKey();
    return items;
}

void ResetSpan(LayoutDocument& doc, int s, bool clear) {
    const KeySpan span = doc.spans[static_cast<std::size_t>(s)]; // resetting changes the partners
    auto apply = [&doc, clear](int k) {
        if (clear) {
            doc.ClearSlot(k);
        } else {
            doc.MakeSlotSingle(k);
        }
    };
    if (span.kind != SpanKind::Empty) {
        for (int p = 0; p < span.PartnerCount(); ++p) {
            apply(span.partners[static_cast<std::size_t>(p)]);
        }
        apply(s);
    }
}

void CopyKeyContent(LayoutDocument& doc, int source, int target) {
    const KeyRecord& from = doc.keys[static_cast<std::size_t>(source)];
    KeyRecord& to = doc.keys[static_cast<std::size_t>(target)];
    if (from.groupKey() != to.groupKey() || from.singleKey() != to.singleKey() ||
        from.groupNumber != to.groupNumber || from.name != to.name || from.codes != to.codes) {
        doc.MarkDirty();
    }
    to.SetGroupKey(from.groupKey());
    to.SetSingleKey(from.singleKey());
    to.groupNumber = from.groupNumber;
    to.name = from.name;
    to.codes = from.codes;
}

void PropagateToSpan(LayoutDocument& doc, int slot) {
    if (!IsGridSlot(slot)) {
        return; // the scratch record belongs to no cell
    }
    const KeySpan span = doc.spans[static_cast<std::size_t>(slot)];
    if (span.kind == SpanKind::Empty) {
        doc.spans[static_cast<std::size_t>(slot)].kind = SpanKind::Single;
        return;
    }
    for (int p = 0; p < span.PartnerCount(); ++p) {
        CopyKeyContent(doc, slot, span.partners[static_cast<std::size_t>(p)]);
    }
}

} // namespace vorlan
