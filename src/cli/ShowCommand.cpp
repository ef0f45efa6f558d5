// vorlanctl show: opens a layout file as the editor does and prints what it
// holds, as a table for people or as one JSON object for programs.
#include "cli/Commands.h"
#include "cli/FileArguments.h"
#include "common/TerminalText.h"
#include "common/Text.h"
#include "keyboards/PcLayouts.h"
#include "keyboards/TextCodes.h"
#include "layout/LayoutFile.h"
#include "scancodes/CodeNames.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

namespace vorlan::cli {

namespace {

// Keys keep the order they are written in, so the output reads top-down.
using json = nlohmann::ordered_json;

std::string_view KindName(SpanKind kind) {
    switch (kind) {
    case SpanKind::Single:
        return "Single";
    case SpanKind::Double:
        return "Double";
    case SpanKind::Quad:
        return "Quad";
    case SpanKind::Empty:
        break;
    }
    return "Empty";
}

std::vector<int> Partners(const KeySpan& span) {
    return std::vector<int>(span.partners.begin(), span.partners.begin() + span.PartnerCount());
}

json KeyJson(const LayoutDocument& doc, int k, const CodeNaming& naming) {
    const KeyRecord& key = doc.keys[static_cast<std::size_t>(k)];
    const KeySpan& span = doc.spans[static_cast<std::size_t>(k)];
    return {
        {"number", k},
        {"kind", KindName(span.kind)},
        {"partners", Partners(span)},
        {"groupNumber", key.groupNumber},
        {"groupKey", key.groupKey()},
        {"singleKey", key.singleKey()},
        {"mode", ModeBits(key.mode())},
        {"name", Latin1ToUtf8(key.name.str())},
        {"codes", key.codes},
        {"codeNames", CodeNames(key.codes, naming)},
        {"types", keyboards::KeyTypes(key.codes, naming).value_or(std::string())},
    };
}

json LayoutJson(const LayoutDocument& doc, const CodeNaming& naming) {
    const KeyboardSettings& s = doc.settings;
    const RfidOptions& r = doc.rfid;
    json keys = json::array();
    for (int k = 1; k <= kMaxKeys; ++k) {
        keys.push_back(KeyJson(doc, k, naming));
    }
    json catalog = json::array();
    for (int p = 0; p < std::clamp(doc.catalogCount, 0, kMaxCatalogEntries); ++p) {
        const KeyDefinition& entry =
            doc.keyCatalog[static_cast<std::size_t>(doc.catalogOrder[static_cast<std::size_t>(p)])];
        catalog.push_back({{"name", Latin1ToUtf8(entry.name.str())},
                           {"codes", entry.codes},
                           {"inLayout", entry.inLayout}});
    }
    return {
        {"keyCount", s.keyCount},
        {"variant", static_cast<int>(doc.variant)},
        {"loadedVariant", static_cast<int>(doc.loadedVariant)},
        {"settings",
         {{"keysType", s.keysType},
          {"keyBeep", s.keyBeep},
          {"keyDelay", s.keyDelay},
          {"typematicRate", s.typematicRate},
          {"keysPause", s.keysPause}}},
        {"rfid",
         {{"digitsCount", r.digitsCount},
          {"digitsTypeNum", r.digitsTypeNum},
          {"prefix", r.prefix},
          {"prefixExtended", r.prefixExtended},
          {"suffix", r.suffix},
          {"suffixExtended", r.suffixExtended}}},
        {"keys", std::move(keys)},
        {"catalog", std::move(catalog)},
    };
}

// A key worth a row: anything that differs from the same key of a new layout.
bool DiffersFromNew(const LayoutDocument& doc, const LayoutDocument& fresh, int k) {
    const auto i = static_cast<std::size_t>(k);
    const KeyRecord& key = doc.keys[i];
    const KeyRecord& blank = fresh.keys[i];
    return doc.spans[i].kind != SpanKind::Empty || key.codes != blank.codes ||
           key.flags != blank.flags || key.name != blank.name ||
           key.groupNumber != blank.groupNumber;
}

std::string CodesText(const KeyCodes& codes, const CodeNaming& naming) {
    const std::vector<std::string> names = CodeNames(codes, naming);
    std::size_t used = codes.size();
    while (used > 0 && codes[used - 1] == 0) {
        --used;
    }
    std::string text;
    for (std::size_t i = 0; i < used; ++i) {
        if (!text.empty()) {
            text += ' ';
        }
        text += std::to_string(codes[i]);
        if (!names[i].empty()) {
            text += '=' + names[i];
        }
    }
    return text;
}

void PrintTable(const LayoutDocument& doc, const CodeNaming& naming, std::ostream& out) {
    const KeyboardSettings& s = doc.settings;
    const RfidOptions& r = doc.rfid;
    out << "Keys: " << s.keyCount << "   variant: " << static_cast<int>(doc.variant) << " ("
        << VariantName(doc.variant) << ")   loaded as: " << static_cast<int>(doc.loadedVariant)
        << " (" << VariantName(doc.loadedVariant) << ")\n";
    out << "Settings: keys type " << s.keysType
        << (s.keysType == 0 ? " (make-break)" : " (typematic)") << ", key beep " << s.keyBeep
        << ", key delay " << s.keyDelay << ", typematic rate " << s.typematicRate << ", keys pause "
        << s.keysPause << '\n';
    out << "RFID: " << static_cast<int>(r.digitsCount) << " digits"
        << (r.digitsTypeNum ? " (numeric)" : "") << ", prefix " << static_cast<int>(r.prefix)
        << (r.prefixExtended ? " (extended)" : "") << ", suffix " << static_cast<int>(r.suffix)
        << (r.suffixExtended ? " (extended)" : "") << '\n';

    LayoutDocument fresh;
    fresh.settings.keyCount = s.keyCount;
    fresh.ResetToNew();
    out << "\nKey Kind   Partners  Group G S M Name / codes\n";
    int shown = 0;
    for (int k = 1; k <= kMaxKeys; ++k) {
        if (!DiffersFromNew(doc, fresh, k)) {
            continue;
        }
        const KeyRecord& key = doc.keys[static_cast<std::size_t>(k)];
        std::string partners;
        for (const int p : Partners(doc.spans[static_cast<std::size_t>(k)])) {
            if (!partners.empty()) {
                partners += ',';
            }
            partners += std::to_string(p);
        }
        char row[64];
        std::snprintf(row, sizeof row, "%3d %-6s %-9s %5d %d %d %d ", k,
                      std::string(KindName(doc.spans[static_cast<std::size_t>(k)].kind)).c_str(),
                      partners.c_str(), key.groupNumber, key.groupKey() ? 1 : 0,
                      key.singleKey() ? 1 : 0, ModeBits(key.mode()));
        out << row << TerminalLine(TerminalField(key.name.str())) << '\n';
        const std::string codes = CodesText(key.codes, naming);
        if (!codes.empty()) {
            out << std::string(35, ' ') << codes << '\n';
            if (const auto types = keyboards::KeyTypes(key.codes, naming)) {
                out << std::string(35, ' ')
                    << TerminalLine(FormatString(StringText(StringId::KeyTypesText),
                                                 {keyboards::DisplayText(*types)}))
                    << '\n';
            }
        }
        ++shown;
    }
    if (shown == 0) {
        out << "(every key as in a new layout)\n";
    }

    out << "\nProgrammed keys:\n";
    for (const std::string& row : doc.CatalogRows()) {
        out << "  " << TerminalLine(TerminalField(row)) << '\n';
    }
}

} // namespace

int RunShow(Args args, const CodeNaming& naming) {
    FileArguments arguments;
    if (const auto status = ReadFileArguments(args, "show", kShowUsage, arguments)) {
        return *status;
    }
    if (arguments.files.size() > 1) {
        return UsageError("show", "takes one layout file", kShowUsage);
    }
    if (arguments.files.empty()) {
        return UsageError("show", "needs a layout file", kShowUsage);
    }
    const std::optional<std::string_view> file = arguments.files.front();
    const bool asJson = arguments.asJson;

    StderrObserver observer;
    LayoutDocument doc;
    doc.SetObserver(&observer);
    doc.ResetToNew();
    doc.filePath = std::string(*file);
    if (const LayoutReadResult read = ReadLayout(doc); !read) {
        ShowReadResult(observer, read);
        return 1;
    }
    doc.RebuildAfterLoad();
    if (asJson) {
        // Names were made valid UTF-8 above, so nothing needs replacing; the
        // replace mode only keeps dump from ever throwing.
        std::cout << LayoutJson(doc, naming).dump(2, ' ', false, json::error_handler_t::replace)
                  << '\n';
    } else {
        PrintTable(doc, naming, std::cout);
    }
    return std::cout.good() ? 0 : 1;
}

} // namespace vorlan::cli
