#include "layout/LayoutDiff.h"

#include <algorithm>
#include <string>

namespace vorlan {
namespace {

std::string Num(long long n) {
    return std::to_string(n);
}

std::string CodesText(const KeyCodes& codes) {
    const auto last =
        std::find_if(codes.rbegin(), codes.rend(), [](std::int32_t c) { return c != 0; }).base();
    if (last == codes.begin()) {
        return "-";
    }
    std::string text;
    for (auto it = codes.begin(); it != last; ++it) {
        text += (text.empty() ? "" : ", ") + Num(*it);
    }
    return text;
}

// The cells a key is joined with, itself included, shifted by -base so that
// two keys at different places compare by shape.
std::vector<int> Cells(const LayoutDocument& doc, int k, int base) {
    const KeySpan& span = doc.spans[static_cast<std::size_t>(k)];
    std::vector<int> cells{k - base};
    for (int p = 0; p < span.PartnerCount(); ++p) {
        cells.push_back(span.partners[static_cast<std::size_t>(p)] - base);
    }
    std::sort(cells.begin(), cells.end());
    return cells;
}

std::string CellsText(const std::vector<int>& cells, int base) {
    std::string text;
    for (int c : cells) {
        text += (text.empty() ? "" : "+") + Num(c + base);
    }
    return text;
}

bool Present(const LayoutDocument& doc, int k) {
    return k <= doc.settings.keyCount && doc.IsProgrammed(k);
}

void Add(std::vector<Difference>& out, DiffKind kind, int key, int otherKey, StringId id,
         UiArgs args) {
    out.push_back({kind, key, otherKey, UiMessage{id, std::move(args)}});
}

} // namespace

Latin1Text KeyLabel(const LayoutDocument& doc, int k) {
    return Latin1Text(Num(k) + " \"" + doc.keys[static_cast<std::size_t>(k)].name.str() + "\"");
}

void CompareKey(const LayoutDocument& a, int ka, const LayoutDocument& b, int kb,
                std::vector<Difference>& out) {
    const KeyRecord& x = a.keys[static_cast<std::size_t>(ka)];
    const KeyRecord& y = b.keys[static_cast<std::size_t>(kb)];
    const Latin1Text label = KeyLabel(a, ka);
    if (x.name != y.name) {
        Add(out, DiffKind::Name, ka, kb, StringId::DiffName,
            {label, Latin1Text(x.name), Latin1Text(y.name)});
    }
    if (x.codes != y.codes) {
        Add(out, DiffKind::Codes, ka, kb, StringId::DiffCodes,
            {label, CodesText(x.codes), CodesText(y.codes)});
    }
    constexpr int kJoinBits = KeyRecord::kGroupKeyBit | KeyRecord::kSingleKeyBit;
    if ((x.flags & kJoinBits) != (y.flags & kJoinBits)) {
        Add(out, DiffKind::Flags, ka, kb, StringId::DiffFlags,
            {label, Num(x.flags & kJoinBits), Num(y.flags & kJoinBits)});
    }
    if (x.mode() != y.mode()) {
        Add(out, DiffKind::Mode, ka, kb, StringId::DiffMode,
            {label, Num(ModeNumber(x.mode())), Num(ModeNumber(y.mode()))});
    }
    const std::vector<int> cellsA = Cells(a, ka, ka);
    const std::vector<int> cellsB = Cells(b, kb, kb);
    if (cellsA != cellsB) {
        Add(out, DiffKind::Span, ka, kb, StringId::DiffSpan,
            {label, CellsText(cellsA, ka), CellsText(cellsB, ka)});
    }
}

void CompareSettings(const LayoutDocument& a, const LayoutDocument& b,
                     std::vector<Difference>& out) {
    const auto setting = [&](DiffKind kind, StringId id, long long x, long long y) {
        if (x != y) {
            Add(out, kind, 0, 0, id, {Num(x), Num(y)});
        }
    };
    const KeyboardSettings& s = a.settings;
    const KeyboardSettings& t = b.settings;
    setting(DiffKind::KeyCount, StringId::DiffKeyCount, s.keyCount, t.keyCount);
    setting(DiffKind::Setting, StringId::DiffKeysType, s.keysType, t.keysType);
    setting(DiffKind::Setting, StringId::DiffKeyBeep, s.keyBeep, t.keyBeep);
    setting(DiffKind::Setting, StringId::DiffKeyDelay, s.keyDelay, t.keyDelay);
    setting(DiffKind::Setting, StringId::DiffTypematicRate, s.typematicRate, t.typematicRate);
    setting(DiffKind::Setting, StringId::DiffKeysPause, s.keysPause, t.keysPause);
    const RfidOptions& r = a.rfid;
    const RfidOptions& q = b.rfid;
    setting(DiffKind::Rfid, StringId::DiffDigitsCount, r.digitsCount, q.digitsCount);
    setting(DiffKind::Rfid, StringId::DiffDigitsTypeNum, r.digitsTypeNum, q.digitsTypeNum);
    setting(DiffKind::Rfid, StringId::DiffPrefix, r.prefix, q.prefix);
    setting(DiffKind::Rfid, StringId::DiffPrefixExtended, r.prefixExtended, q.prefixExtended);
    setting(DiffKind::Rfid, StringId::DiffSuffix, r.suffix, q.suffix);
    setting(DiffKind::Rfid, StringId::DiffSuffixExtended, r.suffixExtended, q.suffixExtended);
}

std::vector<Difference> DiffLayouts(const LayoutDocument& a, const LayoutDocument& b) {
    std::vector<Difference> out;
    CompareSettings(a, b, out);
    std::vector<int> onlyA;
    std::vector<int> onlyB;
    for (int k = 1; k <= kMaxKeys; ++k) {
        const bool inA = Present(a, k);
        const bool inB = Present(b, k);
        if (inA && inB) {
            CompareKey(a, k, b, k, out);
        } else if (inA) {
            onlyA.push_back(k);
        } else if (inB) {
            onlyB.push_back(k);
        } else if (k <= a.settings.keyCount && k <= b.settings.keyCount) {
            // Programmed in neither, yet the file keeps a name, flags and
            // mode for it: a renamed key waiting for its codes is a change.
            CompareKey(a, k, b, k, out);
        }
    }
    std::vector<bool> taken(onlyB.size(), false);
    for (int k : onlyA) {
        const KeyRecord& key = a.keys[static_cast<std::size_t>(k)];
        // Same codes elsewhere: moved; among several, the one with the same name.
        std::size_t match = onlyB.size();
        for (std::size_t j = 0; j < onlyB.size(); ++j) {
            const KeyRecord& other = b.keys[static_cast<std::size_t>(onlyB[j])];
            if (taken[j] || other.codes != key.codes) {
                continue;
            }
            if (match == onlyB.size() || other.name == key.name) {
                match = j;
            }
        }
        if (match == onlyB.size()) {
            Add(out, DiffKind::KeyRemoved, k, 0, StringId::DiffKeyRemoved, {KeyLabel(a, k)});
            continue;
        }
        taken[match] = true;
        Add(out, DiffKind::KeyMoved, k, onlyB[match], StringId::DiffKeyMoved,
            {KeyLabel(a, k), Num(onlyB[match])});
        CompareKey(a, k, b, onlyB[match], out);
    }
    for (std::size_t j = 0; j < onlyB.size(); ++j) {
        if (!taken[j]) {
            Add(out, DiffKind::KeyAdded, 0, onlyB[j], StringId::DiffKeyAdded,
                {KeyLabel(b, onlyB[j])});
        }
    }
    std::stable_sort(out.begin(), out.end(), [](const Difference& x, const Difference& y) {
        const int kx = x.key != 0 ? x.key : x.otherKey;
        const int ky = y.key != 0 ? y.key : y.otherKey;
        return kx < ky;
    });
    return out;
}

} // namespace vorlan
