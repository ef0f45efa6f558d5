#include "fuzz/LayoutChecks.h"

#include "layout/LayoutFile.h"

#include <algorithm>
#include <sstream>

namespace vorlan::hardening {
namespace {

const KeyRecord& Key(const LayoutDocument& doc, int k) {
    return doc.keys[static_cast<std::size_t>(k)];
}

const KeySpan& Span(const LayoutDocument& doc, int k) {
    return doc.spans[static_cast<std::size_t>(k)];
}

bool LiveGroupKey(const KeyRecord& key) {
    return key.groupKey() && key.IsProgrammed();
}

std::string KeyProblem(int k, const std::string& what) {
    std::ostringstream out;
    out << "key " << k << ": " << what;
    return out.str();
}

std::string CheckSpans(const LayoutDocument& doc) {
    for (int k = 1; k <= kMaxKeys; ++k) {
        const KeySpan& span = Span(doc, k);
        const KeyRecord& key = Key(doc, k);
        const int count = span.PartnerCount();
        // A rebuild makes every programmed plain key Single, leaves unprogrammed
        // keys Empty and joins only group keys; a group key it cannot join is
        // Single, never an empty cell with codes.
        const bool kindFits = !key.IsProgrammed() ? span.kind == SpanKind::Empty
                              : !key.groupKey()   ? span.kind == SpanKind::Single
                                                  : span.kind != SpanKind::Empty;
        if (!kindFits) {
            return KeyProblem(k, "span kind " + std::to_string(static_cast<int>(span.kind)) +
                                     " does not fit the key");
        }
        if (count == 0) {
            continue;
        }
        if (!LiveGroupKey(key)) {
            return KeyProblem(k, "joined cell that is not a programmed group key");
        }
        for (int p = 0; p < count; ++p) {
            const int other = span.partners[static_cast<std::size_t>(p)];
            if (other < 1 || other > kMaxKeys || other == k) {
                return KeyProblem(k, "partner out of range: " + std::to_string(other));
            }
            if (p > 0 && other <= span.partners[static_cast<std::size_t>(p - 1)]) {
                return KeyProblem(k, "partners not ascending");
            }
            const KeySpan& otherSpan = Span(doc, other);
            if (otherSpan.kind != span.kind) {
                return KeyProblem(k, "partner " + std::to_string(other) + " has another kind");
            }
            const auto begin = otherSpan.partners.begin();
            if (std::find(begin, begin + count, k) == begin + count) {
                return KeyProblem(k, "partner " + std::to_string(other) + " does not name it");
            }
            if (Key(doc, other).codes != key.codes) {
                return KeyProblem(k, "partner " + std::to_string(other) + " has other codes");
            }
            if (Key(doc, other).groupNumber != key.groupNumber) {
                return KeyProblem(k,
                                  "partner " + std::to_string(other) + " has another group number");
            }
        }
        if (span.kind == SpanKind::Double && span.partners[0] - k != 1 &&
            span.partners[0] - k != kBlockColumns && k - span.partners[0] != 1 &&
            k - span.partners[0] != kBlockColumns) {
            return KeyProblem(k, "double key whose cells are not neighbours");
        }
    }
    return {};
}

std::string CheckCatalog(const LayoutDocument& doc) {
    const int count = doc.catalogCount;
    if (count < 0 || count > std::min(doc.settings.keyCount, kMaxCatalogEntries)) {
        return "catalogue count out of range: " + std::to_string(count);
    }
    std::vector<bool> seen(static_cast<std::size_t>(count), false);
    for (int p = 0; p < count; ++p) {
        const int j = doc.catalogOrder[static_cast<std::size_t>(p)];
        if (j < 0 || j >= count || seen[static_cast<std::size_t>(j)]) {
            return "catalogue order is not a permutation";
        }
        seen[static_cast<std::size_t>(j)] = true;
        if (p > 0) {
            const std::string& before =
                doc.keyCatalog[static_cast<std::size_t>(
                                   doc.catalogOrder[static_cast<std::size_t>(p - 1)])]
                    .name.str();
            const std::string& here = doc.keyCatalog[static_cast<std::size_t>(j)].name.str();
            if (before.compare(here) >= 0) {
                return "catalogue names not strictly ascending at row " + std::to_string(p);
            }
        }
    }
    for (int j = 0; j < count; ++j) {
        const KeyDefinition& entry = doc.keyCatalog[static_cast<std::size_t>(j)];
        if (entry.name.size() > kMaxCatalogNameBytes || !entry.inLayout || entry.codes[0] == 0) {
            return "catalogue entry " + std::to_string(j) + " is malformed";
        }
    }
    return {};
}

std::string CompareKey(const KeyRecord& got, const KeyRecord& want, int codeCount,
                       bool withGroupNumber) {
    for (int i = 0; i < kCodesPerKey; ++i) {
        const std::int32_t expected = i < codeCount ? want.codes[static_cast<std::size_t>(i)] : 0;
        if (got.codes[static_cast<std::size_t>(i)] != expected) {
            return "code " + std::to_string(i + 1) + " is " +
                   std::to_string(got.codes[static_cast<std::size_t>(i)]) + ", not " +
                   std::to_string(expected);
        }
    }
    if (got.FileFlags() != want.FileFlags()) {
        return "flags " + std::to_string(got.FileFlags()) + ", not " +
               std::to_string(want.FileFlags());
    }
    const std::int32_t group = withGroupNumber ? want.groupNumber : 0;
    if (got.groupNumber != group) {
        return "group number " + std::to_string(got.groupNumber) + ", not " + std::to_string(group);
    }
    if (!(got.name == want.name)) {
        return "name '" + got.name.str() + "', not '" + want.name.str() + "'";
    }
    return {};
}

bool SameRfid(const RfidOptions& a, const RfidOptions& b) {
    return a.digitsCount == b.digitsCount && a.digitsTypeNum == b.digitsTypeNum &&
           a.prefix == b.prefix && a.prefixExtended == b.prefixExtended && a.suffix == b.suffix &&
           a.suffixExtended == b.suffixExtended;
}

} // namespace

std::string CheckLoadedLayout(const LayoutDocument& doc) {
    const KeyboardSettings& s = doc.settings;
    if (s.keyCount != kBlockKeys && s.keyCount != kMaxKeys) {
        return "key count " + std::to_string(s.keyCount);
    }
    if (s.keysType < 0 || s.keysType > 1 || s.keyBeep < 0 || s.keyBeep > 1 || s.keyDelay < 0 ||
        s.keyDelay > 3 || s.typematicRate < 0 || s.typematicRate > 31 || s.keysPause < 1 ||
        s.keysPause > 255) {
        return "a setting is out of range";
    }
    if (doc.rfid.digitsCount > 13) {
        return "digits count " + std::to_string(doc.rfid.digitsCount);
    }
    if (doc.variant != doc.loadedVariant || (doc.variant != KeyboardVariant::SevenThreeScan &&
                                             doc.variant != KeyboardVariant::SixteenScan)) {
        return "variant after reading is " + std::string(VariantName(doc.variant));
    }
    for (int k = 0; k < kKeySlots; ++k) {
        const KeyRecord& key = Key(doc, k);
        for (std::int32_t code : key.codes) {
            if (code < 0 || code > 255) {
                return KeyProblem(k, "code " + std::to_string(code));
            }
        }
        if (key.name.size() > kMaxKeyNameBytes) {
            return KeyProblem(k, "name of " + std::to_string(key.name.size()) + " bytes");
        }
    }
    for (int k = 1; k <= kMaxKeys; ++k) {
        const KeyRecord& key = Key(doc, k);
        // Group numbers are handed out 1, 2, ... by the rebuild; at most 112 groups.
        if (LiveGroupKey(key) ? (key.groupNumber < 1 || key.groupNumber > kMaxKeys)
                              : key.groupNumber != 0) {
            return KeyProblem(k, "group number " + std::to_string(key.groupNumber));
        }
    }
    if (std::string problem = CheckSpans(doc); !problem.empty()) {
        return problem;
    }
    return CheckCatalog(doc);
}

std::string CheckFileText(const std::string& text) {
    std::size_t pos = 0;
    int lines = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find("\r\n", pos);
        if (end == std::string::npos) {
            return "line " + std::to_string(lines + 1) + " does not end in CR LF";
        }
        const std::string_view line(text.data() + pos, end - pos);
        if (line.size() > 198) {
            return "line " + std::to_string(lines + 1) + " has " + std::to_string(line.size()) +
                   " bytes";
        }
        if (line.find_first_of("\r\n") != std::string_view::npos) {
            return "line " + std::to_string(lines + 1) + " holds a bare CR or LF";
        }
        pos = end + 2;
        ++lines;
    }
    if (lines != kMaxKeys + 1) {
        return std::to_string(lines) + " lines";
    }
    return {};
}

std::string CheckRoundTrip(const LayoutDocument& doc, KeyboardVariant variant,
                           bool compareRebuild) {
    const std::string where = std::string(VariantName(variant)) + ": ";
    const std::string text = FormatLayout(doc, variant);
    if (std::string problem = CheckFileText(text); !problem.empty()) {
        return where + problem;
    }

    LayoutDocument back;
    back.ResetToNew();
    ParseLayout(back, text);

    const bool sevenThree = variant == KeyboardVariant::SevenThreeScan;
    const bool single =
        variant == KeyboardVariant::SingleLeft || variant == KeyboardVariant::SingleRight;
    const int keyCount = single ? kBlockKeys : doc.settings.keyCount;
    const KeyboardSettings& want = doc.settings;
    const KeyboardSettings& got = back.settings;
    if (got.keyCount != keyCount || got.keysType != want.keysType || got.keyBeep != want.keyBeep ||
        got.keyDelay != want.keyDelay || got.typematicRate != want.typematicRate) {
        return where + "settings differ";
    }
    const LayoutDocument fresh;
    if (got.keysPause != (sevenThree ? fresh.settings.keysPause : want.keysPause)) {
        return where + "keys pause " + std::to_string(got.keysPause);
    }
    if (!SameRfid(back.rfid, sevenThree ? fresh.rfid : doc.rfid)) {
        return where + "RFID options differ";
    }
    const KeyboardVariant family =
        sevenThree ? KeyboardVariant::SevenThreeScan : KeyboardVariant::SixteenScan;
    if (back.variant != family || back.loadedVariant != family) {
        return where + "read back as " + std::string(VariantName(back.variant));
    }

    const int codeCount = sevenThree ? (doc.settings.keyCount == kMaxKeys ? 3 : 7) : kCodesPerKey;
    const int offset = variant == KeyboardVariant::SingleRight ? kBlockKeys : 0;
    for (int k = 1; k <= keyCount; ++k) {
        const std::string problem =
            CompareKey(Key(back, k), Key(doc, k + offset), codeCount, !sevenThree);
        if (!problem.empty()) {
            return where + KeyProblem(k, problem);
        }
    }

    if (compareRebuild && variant == KeyboardVariant::SixteenScan && keyCount == kMaxKeys) {
        back.RebuildAfterLoad();
        for (int k = 1; k <= kMaxKeys; ++k) {
            const KeySpan& a = Span(back, k);
            const KeySpan& b = Span(doc, k);
            if (a.kind != b.kind ||
                (a.kind != SpanKind::Empty && a.kind != SpanKind::Single &&
                 a.partners != b.partners) ||
                Key(back, k).groupNumber != Key(doc, k).groupNumber) {
                return where + KeyProblem(k, "rebuilt span or group number differs");
            }
        }
        if (back.CatalogRows() != doc.CatalogRows()) {
            return where + "rebuilt catalogue differs";
        }
    }
    return {};
}

} // namespace vorlan::hardening
