// Layouts and a fixed-width font for the printing tests.
#pragma once

#include "layout/LayoutDocument.h"
#include "printing/TextFit.h"

#include <algorithm>
#include <string>

namespace vorlan::test {

// Every character 0.06 mm per point wide, lines 0.4 mm per point apart.
class FixedMeasurer : public TextMeasurer {
public:
    double WidthMm(std::string_view text, double pt) const override {
        const auto characters = std::count_if(text.begin(), text.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) != 0x80; // UTF-8 lead bytes
        });
        return static_cast<double>(characters) * 0.06 * pt;
    }
    double LineHeightMm(double pt) const override { return 0.4 * pt; }
};

// Joined cells are group keys with the same codes, as a file carries them.
inline void Join(LayoutDocument& doc, std::initializer_list<int> cells) {
    const SpanKind kind = cells.size() == 2 ? SpanKind::Double : SpanKind::Quad;
    const KeyCodes codes = doc.keys[static_cast<std::size_t>(*cells.begin())].codes;
    for (const int c : cells) {
        doc.keys[static_cast<std::size_t>(c)].codes = codes;
        doc.keys[static_cast<std::size_t>(c)].SetGroupKey(true);
        KeySpan& span = doc.spans[static_cast<std::size_t>(c)];
        span.kind = kind;
        int i = 0;
        for (const int other : cells) {
            if (other != c) {
                span.partners[static_cast<std::size_t>(i++)] = other;
            }
        }
    }
}

// 112 programmed single keys named "Key N" but for a double right on 3+4, a double down
// on 20+28, a quad on 60+61+68+69, and key 7 without a name.
inline LayoutDocument FullLayout(int keyCount = 112) {
    LayoutDocument doc;
    doc.settings.keyCount = keyCount;
    doc.ResetToNew();
    for (int k = 1; k <= keyCount; ++k) {
        doc.spans[static_cast<std::size_t>(k)].kind = SpanKind::Single;
        doc.keys[static_cast<std::size_t>(k)].name = "Key " + std::to_string(k);
        doc.keys[static_cast<std::size_t>(k)].codes[0] = k + 1;
    }
    doc.keys[7].name = "";
    Join(doc, {3, 4});
    Join(doc, {20, 28});
    if (keyCount == 112) {
        Join(doc, {60, 61, 68, 69});
    }
    return doc;
}

} // namespace vorlan::test
