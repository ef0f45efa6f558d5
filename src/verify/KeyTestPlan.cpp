#include "verify/KeyTestPlan.h"

#include "layout/LayoutFile.h"
#include "programming/DeviceImage.h"
#include "scancodes/CodeNames.h"

#include <algorithm>
#include <numeric>

namespace vorlan {

bool KeyTestPlan::IsAmbiguous(int i) const {
    return std::any_of(ambiguities.begin(), ambiguities.end(),
                       [i](const Ambiguity& a) { return a.shorter == i || a.longer == i; });
}

int KeyTestPlan::KeyAt(int slot, const LayoutDocument& doc) const {
    if (slot < 1 || slot > kMaxKeys) {
        return -1;
    }
    int anchor = slot;
    const KeySpan& span = doc.spans[slot];
    for (int p = 0; p < span.PartnerCount(); ++p) {
        if (span.partners[p] >= 1) {
            anchor = std::min(anchor, static_cast<int>(span.partners[p]));
        }
    }
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i].slot == anchor) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

CodeSequence RfidAffix(std::uint8_t code, bool extended) {
    if (code == 0) {
        return {};
    }
    return extended ? CodeSequence{static_cast<std::uint8_t>(ExtendedPrefix), code}
                    : CodeSequence{code};
}

int StoredCodesPerKey(const LayoutDocument& doc) {
    if (doc.loadedVariant != KeyboardVariant::SevenThreeScan) {
        return kCodesPerKey;
    }
    return SevenThreeCodes(doc.settings.keyCount);
}

LayoutType ImageLayoutType(const LayoutDocument& doc) {
    return LayoutTypeOf(doc.settings.keyCount, doc.loadedVariant == KeyboardVariant::SevenThreeScan
                                                   ? ScanFamily::SevenThreeScan
                                                   : ScanFamily::SixteenScan);
}

bool StoredSequences(const std::vector<std::uint8_t>& received, LayoutType type,
                     std::vector<CodeSequence>& bySlot) {
    const ImageLayout layout = ImageLayoutOf(type);
    const auto size = static_cast<std::size_t>(layout.imageSize);
    DecodedImage decoded;
    if (received.size() < size ||
        !DecodeDeviceImage(std::span(received).last(size), type, IsDouble(type), decoded)) {
        return false;
    }
    bySlot.assign(kMaxKeys + 1, {});
    for (const DecodedKey& key : decoded.keys) {
        CodeSequence& codes = bySlot[static_cast<std::size_t>(key.number)];
        for (const std::uint8_t code : key.codes) {
            if (code == 0) {
                break;
            }
            codes.push_back(code);
        }
    }
    return true;
}

KeyTestPlan MakeKeyTestPlan(const LayoutDocument& doc, const CodeNaming& naming) {
    KeyTestPlan plan;
    plan.naming = naming;
    plan.keyDelayMs = KeyDelayMilliseconds(doc.settings.keyDelay);
    plan.rfid = doc.rfid;
    plan.rfidEnabled =
        doc.loadedVariant != KeyboardVariant::SevenThreeScan && doc.rfid.digitsCount > 0;
    const int perKey = StoredCodesPerKey(doc);
    const int keyCount = doc.KeysInUse();
    for (int k = 1; k <= keyCount; ++k) {
        // The other cells of a joined key send the first cell's codes.
        if (!doc.IsProgrammed(k) || doc.IsLaterCellOfJoinedKey(k)) {
            continue;
        }
        TestKey key;
        key.slot = k;
        key.name = std::string(doc.keys[k].name.str());
        // The keyboard stops at the first empty slot.
        for (int c = 0; c < perKey && doc.keys[k].codes[c] != 0; ++c) {
            key.codes.push_back(static_cast<std::uint8_t>(doc.keys[k].codes[c] & 0xFF));
        }
        plan.keys.push_back(std::move(key));
    }
    plan.ambiguities = FindAmbiguities(plan.keys);
    const CodeSequence prefix = RfidAffix(doc.rfid.prefix, doc.rfid.prefixExtended);
    for (std::size_t i = 0; plan.rfidEnabled && !prefix.empty() && i < plan.keys.size(); ++i) {
        const CodeSequence& codes = plan.keys[i].codes;
        const std::size_t common = std::min(codes.size(), prefix.size());
        if (std::equal(codes.begin(), codes.begin() + static_cast<std::ptrdiff_t>(common),
                       prefix.begin())) {
            plan.cardClashes.push_back(static_cast<int>(i));
        }
    }
    for (std::size_t i = 0; i < plan.keys.size(); ++i) {
        std::vector<KeyDownEvent> presses;
        if (!KeyPressesOf(plan.keys[i].codes, presses)) {
            plan.untypable.push_back(static_cast<int>(i));
        }
    }
    return plan;
}

std::vector<Ambiguity> FindAmbiguities(const std::vector<TestKey>& keys) {
    // In lexicographic order every sequence that starts with another follows
    // it directly, so each key needs to look only at the run after it.
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&keys](int a, int b) {
        return keys[a].codes != keys[b].codes ? keys[a].codes < keys[b].codes : a < b;
    });
    std::vector<Ambiguity> found;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const CodeSequence& first = keys[order[i]].codes;
        for (std::size_t j = i + 1; j < order.size(); ++j) {
            const CodeSequence& second = keys[order[j]].codes;
            if (second.size() < first.size() ||
                !std::equal(first.begin(), first.end(), second.begin())) {
                break;
            }
            const bool equal = second.size() == first.size();
            // Equal sequences are listed once, lower key first.
            const int a = equal ? std::min(order[i], order[j]) : order[i];
            const int b = equal ? std::max(order[i], order[j]) : order[j];
            found.push_back({a, b, equal});
        }
    }
    std::sort(found.begin(), found.end(), [](const Ambiguity& x, const Ambiguity& y) {
        return x.shorter != y.shorter ? x.shorter < y.shorter : x.longer < y.longer;
    });
    return found;
}

std::optional<KeyDownEvent> KeyDownForCode(std::uint8_t code, bool extended) {
    if (code == 0) {
        return std::nullopt;
    }
    for (std::uint32_t s = 0; s < ScanCodeTable.size(); ++s) {
        if (ScanCodeTable[s] != code) {
            continue;
        }
        KeyDownEvent event;
        event.scanCode = s;
        event.extended = extended;
        if (s == 0x45) {
            event.key = KeyIdentity::NumLock;
        }
        // Only what the capture itself makes of the press counts (its codes:
        // names play no part).
        const std::vector<CodeAndName> codes = CodesOfKeyDown(event, CodeNaming{});
        const std::size_t expected = extended ? 2 : 1;
        if (codes.size() == expected && codes.back().code == code) {
            return event;
        }
    }
    return std::nullopt;
}

bool KeyPressesOf(const CodeSequence& codes, std::vector<KeyDownEvent>& presses) {
    presses.clear();
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const bool extended = codes[i] == ExtendedPrefix;
        if (extended && ++i == codes.size()) {
            return false;
        }
        const std::optional<KeyDownEvent> press = KeyDownForCode(codes[i], extended);
        if (!press) {
            return false;
        }
        presses.push_back(*press);
    }
    return true;
}

std::string CodeSequenceText(const CodeSequence& codes, const CodeNaming& naming) {
    const std::vector<std::string> names = CodeNames(codes, naming);
    std::string text;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        // The prefix is implied by the extended key's own name.
        if (codes[i] != ExtendedPrefix) {
            if (!text.empty()) {
                text += ' ';
            }
            text += names[i].empty() ? "key_" + std::to_string(codes[i]) : names[i];
        }
    }
    if (!codes.empty() && codes.back() == ExtendedPrefix) {
        text += text.empty() ? "" : " ";
        text += ExtendedName;
    }
    return text;
}

} // namespace vorlan
