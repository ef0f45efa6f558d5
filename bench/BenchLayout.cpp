#include "BenchLayout.h"

#include "layout/LayoutFile.h"

#include <initializer_list>
#include <string>

namespace vorlan::bench {
namespace {

// Codes of one key: 1..16 codes, an extended pair now and then, all different
// from every other key's, so only the cells joined on purpose form groups.
KeyCodes CodesFor(int key) {
    KeyCodes codes{};
    const int count = 1 + key % kCodesPerKey;
    codes[0] = key + 1; // 2..113: unique first code per key
    for (int i = 1; i < count; ++i) {
        codes[static_cast<std::size_t>(i)] = (i % 5 == 0) ? 0xE0 : 1 + (key * 7 + i * 13) % 250;
    }
    return codes;
}

void Join(LayoutDocument& doc, std::initializer_list<int> cells) {
    const KeyCodes codes = doc.keys[static_cast<std::size_t>(*cells.begin())].codes;
    for (int k : cells) {
        KeyRecord& key = doc.keys[static_cast<std::size_t>(k)];
        key.codes = codes;
        key.SetGroupKey(true);
        key.SetSingleKey(false);
    }
}

} // namespace

void FillBenchLayout(LayoutDocument& doc, int keyCount) {
    doc.settings.keyCount = keyCount;
    doc.settings.keysType = 1;
    doc.settings.keyBeep = 1;
    for (int k = 1; k <= keyCount; ++k) {
        KeyRecord& key = doc.keys[static_cast<std::size_t>(k)];
        key.codes = CodesFor(k);
        key.SetMode(kOfferedModes[static_cast<std::size_t>(k % 3)]);
        key.name = "Key " + std::to_string(k) + " of the benchmark layout";
    }
    // Per block of 8 x 7: two double keys to the right in the top row, a quad
    // key and a double key downwards below them.
    for (int base = 0; base < keyCount; base += kBlockKeys) {
        Join(doc, {base + 1, base + 2});
        Join(doc, {base + 3, base + 4});
        Join(doc, {base + 9, base + 10, base + 17, base + 18});
        Join(doc, {base + 11, base + 19});
    }
}

std::string BenchLayoutText(int keyCount, KeyboardVariant variant) {
    LayoutDocument doc;
    FillBenchLayout(doc, keyCount);
    return FormatLayout(doc, variant);
}

} // namespace vorlan::bench
