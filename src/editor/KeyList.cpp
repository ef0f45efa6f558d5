#include "editor/KeyList.h"

#include "common/CsvCell.h"
#include "common/Text.h"
#include "editor/KeyOperations.h"
#include "keyboards/TextCodes.h"
#include "layout/LayoutFile.h"

#include <algorithm>
#include <array>
#include <optional>

namespace vorlan {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr int kColumnCount = static_cast<int>(std::size(kKeyListColumns));
enum Column { kKey, kName, kText, kCodes, kShape };

struct Record {
    int row = 0; // as a spreadsheet numbers it
    std::vector<std::string> cells;
};

// RFC 4180: a quoted cell may hold separators, doubled quotes and line ends;
// CR LF, LF and CR end a row. Rows of blank cells only are skipped.
std::vector<Record> ParseCsv(std::string_view text, char separator,
                             std::optional<int>& unclosedRow) {
    std::vector<Record> records;
    Record record{1, {}};
    std::string cell;
    int row = 1;
    bool quoted = false, wasQuoted = false;
    // A cell export kept from running as a formula reads back as its text.
    const auto endCell = [&] {
        record.cells.push_back(FormulaCellText(cell));
        cell.clear();
        wasQuoted = false;
    };
    const auto endRow = [&] {
        endCell();
        const bool blank = std::all_of(record.cells.begin(), record.cells.end(),
                                       [](const std::string& c) { return c.empty(); });
        if (!blank) {
            records.push_back(std::move(record));
        }
        record = Record{row + 1, {}};
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
            continue;
        }
        if (c == '"' && cell.empty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (c == separator) {
            endCell();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            endRow();
            ++row;
        } else {
            cell += c;
        }
    }
    if (quoted) {
        unclosedRow = record.row;
    }
    if (!cell.empty() || !record.cells.empty()) {
        endRow();
    }
    return records;
}

std::string Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

std::string Lower(std::string text) {
    for (char& c : text) {
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
    }
    return text;
}

char HeaderSeparator(std::string_view text, char fallback) {
    const std::string_view line = text.substr(0, text.find_first_of("\r\n"));
    for (const char c : line) {
        if (c == ',' || c == ';' || c == '\t' || c == '|') {
            return c;
        }
    }
    return fallback;
}

std::optional<int> Number(std::string_view text, int max) {
    if (text.empty() || text.size() > 4) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value >= 1 && value <= max ? std::optional<int>(value) : std::nullopt;
}

std::optional<std::vector<std::uint32_t>> ParseCodes(std::string_view text) {
    std::vector<std::uint32_t> codes;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == ' ' || text[i] == '\t') {
            ++i;
            continue;
        }
        const std::size_t end = std::min(text.find_first_of(" \t", i), text.size());
        const std::string_view word = text.substr(i, end - i);
        if (word == "0") {
            codes.push_back(0);
        } else if (const auto code = Number(word, 255)) {
            codes.push_back(static_cast<std::uint32_t>(*code));
        } else {
            return std::nullopt;
        }
        i = end;
    }
    if (codes.size() > kCodesPerKey) {
        return std::nullopt;
    }
    return codes;
}

struct Shape {
    std::string_view name;
    SpanKind kind;
    int step;
};
constexpr Shape kShapes[] = {{"single", SpanKind::Single, 0},
                             {"double-right", SpanKind::Double, 1},
                             {"double-down", SpanKind::Double, kBlockColumns},
                             {"quad", SpanKind::Quad, 0}};

std::string ShapeOf(const LayoutDocument& doc, int k) {
    const KeySpan& span = doc.spans[static_cast<std::size_t>(k)];
    if (span.kind == SpanKind::Quad) {
        return "quad";
    }
    if (span.kind == SpanKind::Double) {
        return span.partners[0] == k + 1 ? "double-right" : "double-down";
    }
    return "single";
}

} // namespace

std::string ProblemPlace(const KeyListProblem& p) {
    if (p.column < 1) {
        return UiMessage{StringId::KeyListRowPlace, {std::to_string(p.row)}}.English();
    }
    const std::string letter(1, static_cast<char>('A' + (p.column - 1) % 26));
    const std::string name =
        p.column <= kColumnCount
            ? std::string(kKeyListColumns[static_cast<std::size_t>(p.column - 1)])
            : std::string();
    return UiMessage{StringId::KeyListPlace, {std::to_string(p.row), letter, name}}.English();
}

KeyListImport ImportKeyList(std::string_view csv, const KeyListOptions& options) {
    KeyListImport result;
    if (csv.starts_with(kBom)) {
        csv.remove_prefix(kBom.size());
    }
    const char separator = options.separator != 0 ? options.separator
                                                  : HeaderSeparator(csv, options.fallbackSeparator);
    std::optional<int> unclosed;
    const std::vector<Record> records = ParseCsv(csv, separator, unclosed);
    const auto problem = [&result](int row, int column, UiMessage message) {
        result.problems.push_back({row, column, std::move(message)});
    };
    if (unclosed) {
        problem(*unclosed, 0, {StringId::KeyListUnclosedQuote, {}});
        return result;
    }
    if (records.empty() || records.front().row != 1) {
        problem(1, 0, {StringId::KeyListNoHeader, {}});
        return result;
    }
    // Which list column each cell of a row is.
    std::vector<int> columnOf;
    for (std::size_t i = 0; i < records.front().cells.size(); ++i) {
        const std::string name = Lower(Trimmed(records.front().cells[i]));
        const auto* it = std::find(std::begin(kKeyListColumns), std::end(kKeyListColumns), name);
        if (it == std::end(kKeyListColumns)) {
            if (!name.empty()) {
                problem(1, static_cast<int>(i) + 1,
                        {StringId::KeyListUnknownColumn, {records.front().cells[i]}});
            }
            columnOf.push_back(-1);
        } else {
            columnOf.push_back(static_cast<int>(it - std::begin(kKeyListColumns)));
        }
    }
    if (std::find(columnOf.begin(), columnOf.end(), kKey) == columnOf.end()) {
        problem(1, 0, {StringId::KeyListNoKeyColumn, {}});
    }
    if (!result.problems.empty()) {
        return result;
    }
    // The key count first: it bounds the key numbers.
    int keyCount = options.keyCount;
    if (keyCount == 0) {
        keyCount = kBlockKeys;
        for (std::size_t r = 1; r < records.size(); ++r) {
            for (std::size_t i = 0; i < records[r].cells.size() && i < columnOf.size(); ++i) {
                if (columnOf[i] == kKey &&
                    Number(Trimmed(records[r].cells[i]), kMaxKeys).value_or(0) > kBlockKeys) {
                    keyCount = kMaxKeys;
                }
            }
        }
    }
    LayoutDocument& doc = result.doc;
    doc.settings.keyCount = keyCount;
    doc.ResetToNew();
    for (std::size_t r = 1; r < records.size(); ++r) {
        const Record& record = records[r];
        std::array<std::string, kColumnCount> cell;
        std::array<int, kColumnCount> at{};
        const std::size_t before = result.problems.size();
        for (std::size_t i = 0; i < record.cells.size(); ++i) {
            if (i >= columnOf.size()) {
                if (!Trimmed(record.cells[i]).empty()) {
                    problem(record.row, static_cast<int>(i) + 1, {StringId::KeyListExtraCells, {}});
                }
            } else if (columnOf[i] >= 0) {
                cell[static_cast<std::size_t>(columnOf[i])] = record.cells[i];
                at[static_cast<std::size_t>(columnOf[i])] = static_cast<int>(i) + 1;
            }
        }
        const auto bad = [&](Column c, UiMessage m) { problem(record.row, at[c], std::move(m)); };
        const std::string keyText = Trimmed(cell[kKey]);
        const std::optional<int> key = Number(keyText, keyCount);
        if (!key) {
            bad(kKey, {StringId::KeyListBadKey, {keyText, std::to_string(keyCount)}});
        }
        const std::string shapeText = Lower(Trimmed(cell[kShape]));
        const auto* shape =
            std::find_if(std::begin(kShapes), std::end(kShapes), [&](const Shape& s) {
                return s.name == (shapeText.empty() ? "single" : shapeText);
            });
        if (shape == std::end(kShapes)) {
            bad(kShape, {StringId::KeyListBadShape, {cell[kShape]}});
        }
        const std::optional<std::string> name = Utf8ToLatin1(cell[kName]);
        if (!name) {
            bad(kName, {StringId::KeyListNameNotLatin1, {cell[kName]}});
        } else if (name->find_first_of(";,\r\n") != std::string::npos) {
            bad(kName, {StringId::KeyListNameBadSign, {}});
        } else if (name->size() > kMaxKeyNameBytes) {
            bad(kName, {StringId::KeyListNameTooLong, {std::to_string(name->size())}});
        }
        std::vector<std::uint32_t> codes;
        const std::string codesText = Trimmed(cell[kCodes]);
        const auto listed = ParseCodes(codesText);
        if (!listed) {
            bad(kCodes, {StringId::KeyListBadCodes, {codesText}});
        } else {
            codes = *listed;
        }
        if (!cell[kText].empty()) {
            const keyboards::TextCodes typed =
                keyboards::CodesOfText({cell[kText], options.layoutId, options.numberPad});
            if (typed.refusal) {
                bad(kText, {*typed.refusal, typed.args});
            } else if (listed && !listed->empty() && *listed != typed.codes) {
                bad(kCodes, {StringId::KeyListTextAndCodes, {}});
            } else {
                codes = typed.codes;
                if (typed.typesInstead) {
                    result.warnings.push_back(
                        {record.row,
                         at[kText],
                         {typed.typesInstead->empty() ? StringId::TextHeldNotText
                                                      : StringId::TextHeldTypesOther,
                          typed.typesInstead->empty()
                              ? std::vector<std::string>{cell[kText]}
                              : std::vector<std::string>{
                                    keyboards::DisplayText(*typed.typesInstead), cell[kText]}}});
                }
            }
        }
        std::vector<int> cells;
        if (key && shape != std::end(kShapes)) {
            const SpanKind taken = doc.spans[static_cast<std::size_t>(*key)].kind;
            if (taken != SpanKind::Empty) {
                bad(kKey, {StringId::KeyListCellTaken, {std::to_string(*key)}});
            } else if (shape->kind == SpanKind::Single) {
                cells = {*key};
            } else {
                doc.MakeSlotSingle(*key);
                cells = JoinCells(doc, *key, shape->kind, shape->step);
                doc.ClearSlot(*key);
                if (cells.empty()) {
                    bad(kShape, {StringId::KeyListShapeNoRoom, {shapeText, std::to_string(*key)}});
                }
            }
        }
        if (result.problems.size() != before) {
            continue;
        }
        KeyRecord& k = doc.keys[static_cast<std::size_t>(*key)];
        doc.MakeSlotSingle(*key);
        k.name = name->empty() ? "KEY" + std::to_string(*key) : *name;
        k.codes.fill(0);
        std::copy(codes.begin(), codes.end(), k.codes.begin());
        if (cells.size() > 1) {
            Join(doc, cells, shape->kind);
        }
        result.rowsTaken.push_back(record.row);
    }
    if (records.size() == 1) {
        problem(1, 0, {StringId::KeyListNoRows, {}});
    }
    doc.RebuildCatalog();
    return result;
}

std::string ExportKeyList(const LayoutDocument& doc, const KeyListOptions& options) {
    const char sep = options.separator != 0 ? options.separator : options.fallbackSeparator;
    std::string out(kBom);
    for (int c = 0; c < kColumnCount; ++c) {
        out += (c == 0 ? "" : std::string(1, sep)) + std::string(kKeyListColumns[c]);
    }
    out += "\r\n";
    for (int k = 1; k <= doc.KeysInUse(); ++k) {
        const KeyRecord& key = doc.keys[static_cast<std::size_t>(k)];
        const KeySpan& span = doc.spans[static_cast<std::size_t>(k)];
        const std::string defaultName = "KEY" + std::to_string(k);
        if (span.kind == SpanKind::Empty || doc.IsLaterCellOfJoinedKey(k) ||
            (span.kind == SpanKind::Single && !key.IsProgrammed() &&
             std::string_view(key.name) == defaultName)) {
            continue;
        }
        std::vector<std::uint32_t> codes;
        for (const std::int32_t code : key.codes) {
            codes.push_back(static_cast<std::uint32_t>(code));
        }
        while (!codes.empty() && codes.back() == 0) {
            codes.pop_back();
        }
        std::string text;
        if (!codes.empty() && std::find(codes.begin(), codes.end(), 0u) == codes.end()) {
            const keyboards::CodesText typed = keyboards::TextOfCodes(codes, options.layoutId);
            // Only a text that gives these codes back, so import restores them.
            if (typed.text &&
                keyboards::CodesOfText({*typed.text, options.layoutId, options.numberPad}).codes ==
                    codes) {
                text = *typed.text;
            }
        }
        std::string codeText;
        if (text.empty()) {
            for (const std::uint32_t code : codes) {
                codeText += (codeText.empty() ? "" : " ") + std::to_string(code);
            }
        }
        const std::string name = std::string_view(key.name) == defaultName
                                     ? std::string()
                                     : Latin1ToUtf8(std::string_view(key.name));
        out += std::to_string(k) + sep + CsvCell(name, sep) + sep + CsvCell(text, sep) + sep +
               CsvCell(codeText, sep) + sep + ShapeOf(doc, k) + "\r\n";
    }
    return out;
}

} // namespace vorlan
