// Random layouts for the property tests: every setting and RFID option in its
// range, codes, flags (bits 4-7 too), group numbers and names of any byte a
// file can carry, with lengths clustered at the limit, and joined keys.
#pragma once

#include "layout/LayoutDocument.h"

#include <random>
#include <string>
#include <vector>

namespace vorlan::hardening {

inline constexpr KeyboardVariant kAllVariants[] = {
    KeyboardVariant::SevenThreeScan, KeyboardVariant::SixteenScan, KeyboardVariant::SingleLeft,
    KeyboardVariant::SingleRight};

class RandomLayout {
public:
    explicit RandomLayout(unsigned seed) : rng_(seed) {}

    LayoutDocument Make() {
        LayoutDocument doc;
        doc.settings.keyCount = Pick(0, 1) == 0 ? kBlockKeys : kMaxKeys;
        doc.settings.keysType = Pick(0, 1);
        doc.settings.keyBeep = Pick(0, 1);
        doc.settings.keyDelay = Pick(0, 3);
        doc.settings.typematicRate = Pick(0, 31);
        doc.settings.keysPause = Pick(1, 255);
        doc.rfid.digitsCount = static_cast<std::uint8_t>(Pick(0, 13));
        doc.rfid.digitsTypeNum = Pick(0, 1) == 1;
        doc.rfid.prefix = static_cast<std::uint8_t>(Pick(0, 255));
        doc.rfid.prefixExtended = Pick(0, 1) == 1;
        doc.rfid.suffix = static_cast<std::uint8_t>(Pick(0, 255));
        doc.rfid.suffixExtended = Pick(0, 1) == 1;

        for (int k = 1; k <= kMaxKeys; ++k) {
            KeyRecord& key = doc.keys[static_cast<std::size_t>(k)];
            if (Pick(0, 3) == 0) {
                continue; // stays as New left it
            }
            key.codes = Codes();
            key.flags = static_cast<std::uint8_t>(Pick(0, 255)); // bits 4-7 never travel
            key.groupNumber = Pick(0, 255);
            key.name = Name();
        }
        // Joined keys: group keys with equal codes side by side, below each
        // other or as a square, plus the odd pair that is too far apart.
        for (int joins = Pick(0, 8); joins > 0; --joins) {
            const int anchor = Pick(1, kMaxKeys - kBlockColumns - 1);
            const KeyCodes codes = Codes();
            std::vector<int> cells;
            switch (Pick(0, 3)) {
            case 0:
                cells = {anchor, anchor + 1};
                break;
            case 1:
                cells = {anchor, anchor + kBlockColumns};
                break;
            case 2:
                cells = {anchor, anchor + 1, anchor + kBlockColumns, anchor + kBlockColumns + 1};
                break;
            default:
                cells = {anchor, Pick(1, kMaxKeys)};
                break;
            }
            for (int c : cells) {
                KeyRecord& key = doc.keys[static_cast<std::size_t>(c)];
                key.codes = codes;
                key.SetGroupKey(true);
            }
        }
        return doc;
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

    KeyCodes Codes() {
        KeyCodes codes{};
        const int count = Pick(1, kCodesPerKey);
        for (int i = 0; i < count; ++i) {
            codes[static_cast<std::size_t>(i)] = Pick(i == 0 ? 1 : 0, 255);
        }
        return codes;
    }

    // Any byte a name can carry in a file: everything but the separators and
    // line ends. Lengths cluster at the limit.
    std::string Name() {
        const int length = Pick(0, 3) == 0 ? static_cast<int>(kMaxKeyNameBytes) : Pick(0, 110);
        std::string name;
        while (static_cast<int>(name.size()) < length) {
            const char c = static_cast<char>(Pick(0, 255));
            if (c != ';' && c != ',' && c != '\r' && c != '\n') {
                name += c;
            }
        }
        return name;
    }

    std::mt19937 rng_;
};

} // namespace vorlan::hardening
