#include "editor/GridPainter.h"

#include <algorithm>

namespace vorlan {
void GridPainter::Draw(int slot, KeyImage image) const {
    if (IsGridSlot(slot)) {
        canvas_.DrawKeyImage(slot, image);
    }
}

void GridPainter::DrawUnselected(int slot) const {
    if (!IsGridSlot(slot)) {
        return;
    }
    const KeySpan& span = doc_.spans[static_cast<std::size_t>(slot)];
    switch (span.kind) {
    case SpanKind::Empty:
        Draw(slot, doc_.PlainImage(slot, KeyImage::Empty));
        break;
    case SpanKind::Single:
        Draw(slot, doc_.PlainImage(slot, KeyImage::Single));
        break;
    case SpanKind::Double: {
        const int anchor = std::min(slot, static_cast<int>(span.partners[0]));
        const bool right = doc_.spans[static_cast<std::size_t>(anchor)].partners[0] == anchor + 1;
        Draw(anchor, right ? KeyImage::DoubleRight : KeyImage::DoubleDown);
        break;
    }
    case SpanKind::Quad: {
        int anchor = slot;
        for (int p : span.partners) {
            anchor = std::min(anchor, p);
        }
        Draw(anchor, KeyImage::Quad);
        break;
    }
    }
}

void GridPainter::DrawAll() const {
    std::array<bool, kMaxKeys + 1> drawn{};
    const int n = doc_.KeysInUse();
    for (int s = 1; s <= n; ++s) {
        if (drawn[static_cast<std::size_t>(s)]) {
            continue;
        }
        const KeySpan& span = doc_.spans[static_cast<std::size_t>(s)];
        switch (span.kind) {
        case SpanKind::Empty:
            Draw(s, KeyImage::Empty);
            break;
        case SpanKind::Single:
            Draw(s, KeyImage::Single);
            break;
        case SpanKind::Double:
        case SpanKind::Quad:
            if (span.kind == SpanKind::Quad) {
                Draw(s, KeyImage::Quad);
            } else {
                Draw(s, span.partners[0] == s + 1 ? KeyImage::DoubleRight : KeyImage::DoubleDown);
            }
            drawn[static_cast<std::size_t>(s)] = true;
            for (int p = 0; p < span.PartnerCount(); ++p) {
                const int partner = span.partners[static_cast<std::size_t>(p)];
                if (IsGridSlot(partner)) {
                    drawn[static_cast<std::size_t>(partner)] = true;
                }
            }
            break;
        }
    }
    if (n == kBlockKeys) {
        for (int s = kBlockKeys + 1; s <= kMaxKeys; ++s) {
            Draw(s, KeyImage::Unavailable);
        }
    }
}

} // namespace vorlan
