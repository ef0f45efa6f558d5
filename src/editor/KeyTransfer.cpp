#include "editor/KeyTransfer.h"

#include "editor/KeyOperations.h"
#include "grid/GridGeometry.h"
#include "scancodes/CodeNames.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <sstream>

namespace vorlan {
namespace {

bool InUse(int slot, int keyCount) {
    return slot >= 1 && slot <= keyCount;
}

const KeySpan& SpanOf(const LayoutDocument& doc, int slot) {
    return doc.spans[static_cast<std::size_t>(slot)];
}

SpanKind KindOf(KeyShape shape) {
    switch (shape) {
    case KeyShape::Single:
        return SpanKind::Single;
    case KeyShape::DoubleRight:
    case KeyShape::DoubleDown:
        return SpanKind::Double;
    case KeyShape::Quad:
        return SpanKind::Quad;
    }
    return SpanKind::Single;
}

// Screen column (0..15, both blocks side by side) and row of a slot.
struct ScreenCell {
    int column = 0;
    int row = 0;
};

ScreenCell ScreenOf(int slot) {
    return {SlotColumn(slot), SlotRow(slot)};
}

// Writes records onto cells as one key of the given kind (partners: the
// other cells, ascending, as the rest of the program keeps them).
void SetCells(LayoutDocument& doc, const std::vector<int>& cells, SpanKind kind,
              const std::vector<KeyRecord>& records) {
    JoinSpans(doc, cells, kind);
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const int c = cells[i];
        KeyRecord& key = doc.keys[static_cast<std::size_t>(c)];
        key = records[i];
        key.position = c;
    }
}

std::vector<KeyRecord> RecordsOf(const LayoutDocument& doc, const std::vector<int>& cells) {
    std::vector<KeyRecord> records;
    for (int c : cells) {
        records.push_back(doc.keys[static_cast<std::size_t>(c)]);
    }
    return records;
}

bool AllFree(const LayoutDocument& doc, const std::vector<int>& cells,
             const std::vector<int>& ownCells = {}) {
    return !cells.empty() && std::all_of(cells.begin(), cells.end(), [&](int c) {
        return SpanOf(doc, c).kind == SpanKind::Empty ||
               std::find(ownCells.begin(), ownCells.end(), c) != ownCells.end();
    });
}

const char* ShapeWord(KeyShape shape) {
    switch (shape) {
    case KeyShape::Single:
        return "single";
    case KeyShape::DoubleRight:
        return "double right";
    case KeyShape::DoubleDown:
        return "double down";
    case KeyShape::Quad:
        return "quad";
    }
    return "single";
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) {
        s.remove_prefix(1);
    }
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

constexpr std::string_view kClipFirstLine = "Vorlan key";

} // namespace

std::vector<int> KeyCells(const LayoutDocument& doc, int slot) {
    if (slot < 1 || slot > kMaxKeys) {
        return {};
    }
    const KeySpan& span = SpanOf(doc, slot);
    if (span.kind == SpanKind::Empty) {
        return {};
    }
    std::vector<int> cells{slot};
    for (int p = 0; p < span.PartnerCount(); ++p) {
        cells.push_back(span.partners[static_cast<std::size_t>(p)]);
    }
    std::sort(cells.begin(), cells.end());
    return cells;
}

std::optional<KeyShape> ShapeAt(const LayoutDocument& doc, int slot) {
    const std::vector<int> cells = KeyCells(doc, slot);
    switch (cells.size()) {
    case 1:
        return KeyShape::Single;
    case 2:
        return cells[1] == cells[0] + 1 ? KeyShape::DoubleRight : KeyShape::DoubleDown;
    case 4:
        return KeyShape::Quad;
    default:
        return std::nullopt;
    }
}

std::optional<KeyContent> ContentAt(const LayoutDocument& doc, int slot) {
    const std::optional<KeyShape> shape = ShapeAt(doc, slot);
    if (!shape) {
        return std::nullopt;
    }
    const KeyRecord& key = doc.keys[static_cast<std::size_t>(KeyCells(doc, slot).front())];
    return KeyContent{*shape, key.name.str(), key.codes, key.singleKey(), key.mode()};
}

int ShiftSlot(int slot, int columns, int rows) {
    if (slot < 1 || slot > kMaxKeys) {
        return 0;
    }
    const ScreenCell cell = ScreenOf(slot);
    return SlotOfCell(cell.column + columns, cell.row + rows);
}

std::vector<int> CellsFor(KeyShape shape, int anchor, int keyCount) {
    if (!InUse(anchor, keyCount)) {
        return {};
    }
    const bool right = shape == KeyShape::DoubleRight || shape == KeyShape::Quad;
    const bool down = shape == KeyShape::DoubleDown || shape == KeyShape::Quad;
    if ((right && !HasRightNeighbour(anchor)) || (down && !HasLowerNeighbour(anchor))) {
        return {};
    }
    std::vector<int> cells{anchor};
    if (right) {
        cells.push_back(anchor + 1);
    }
    if (down) {
        cells.push_back(anchor + kBlockColumns);
    }
    if (shape == KeyShape::Quad) {
        cells.push_back(anchor + kBlockColumns + 1);
    }
    const bool inUse =
        std::all_of(cells.begin(), cells.end(), [keyCount](int c) { return InUse(c, keyCount); });
    return inUse ? cells : std::vector<int>{};
}

bool PlaceKey(LayoutDocument& doc, int anchor, const KeyContent& content) {
    const std::vector<int> cells = CellsFor(content.shape, anchor, doc.KeysInUse());
    if (!AllFree(doc, cells)) {
        return false;
    }
    KeyRecord record;
    record.name = content.name;
    record.codes = content.codes;
    record.SetSingleKey(content.singleKey);
    record.SetMode(content.mode);
    const bool joined = cells.size() > 1;
    record.SetGroupKey(joined);
    record.groupNumber = joined ? doc.nextGroupNumber++ : 0;
    SetCells(doc, cells, KindOf(content.shape), std::vector<KeyRecord>(cells.size(), record));
    return true;
}

void ReplaceKeyDefinition(LayoutDocument& doc, int slot, const KeyContent& content) {
    for (int c : KeyCells(doc, slot)) {
        KeyRecord& key = doc.keys[static_cast<std::size_t>(c)];
        key.name = content.name;
        key.codes = content.codes;
        key.SetSingleKey(content.singleKey);
        key.SetMode(content.mode);
    }
}

DropPlan PlanDrop(const LayoutDocument& doc, int grabbed, int target, bool copy) {
    const int keyCount = doc.KeysInUse();
    const std::vector<int> own = KeyCells(doc, grabbed);
    const std::optional<KeyShape> shape = ShapeAt(doc, grabbed);
    if (own.empty() || !shape || !InUse(target, keyCount) || !InUse(grabbed, keyCount)) {
        return {};
    }
    const std::vector<int> under = KeyCells(doc, target);
    const bool onOwnCell = std::find(own.begin(), own.end(), target) != own.end();
    if (!under.empty() && !onOwnCell) {
        // On another key: a swap when both have the same shape.
        if (copy || ShapeAt(doc, target) != shape) {
            return {};
        }
        return {DropKind::Swap, under.front()};
    }
    const ScreenCell from = ScreenOf(grabbed);
    const ScreenCell corner = ScreenOf(own.front());
    const int anchor = ShiftSlot(target, corner.column - from.column, corner.row - from.row);
    const std::vector<int> cells = CellsFor(*shape, anchor, keyCount);
    if (copy) {
        return AllFree(doc, cells) ? DropPlan{DropKind::Copy, anchor} : DropPlan{};
    }
    if (anchor == own.front() || !AllFree(doc, cells, own)) {
        return {};
    }
    return {DropKind::Move, anchor};
}

bool ApplyDrop(LayoutDocument& doc, int grabbed, int target, bool copy, int* landed) {
    const DropPlan plan = PlanDrop(doc, grabbed, target, copy);
    const std::vector<int> own = KeyCells(doc, grabbed);
    switch (plan.kind) {
    case DropKind::Impossible:
        return false;
    case DropKind::Copy:
        PlaceKey(doc, plan.anchor, *ContentAt(doc, grabbed));
        break;
    case DropKind::Move: {
        const SpanKind kind = SpanOf(doc, grabbed).kind;
        const KeyShape shape = *ShapeAt(doc, grabbed);
        const std::vector<KeyRecord> records = RecordsOf(doc, own);
        for (int c : own) {
            doc.ClearSlot(c);
        }
        SetCells(doc, CellsFor(shape, plan.anchor, kMaxKeys), kind, records);
        break;
    }
    case DropKind::Swap: {
        const std::vector<int> other = KeyCells(doc, target);
        const SpanKind kind = SpanOf(doc, grabbed).kind;
        const std::vector<KeyRecord> mine = RecordsOf(doc, own);
        const std::vector<KeyRecord> theirs = RecordsOf(doc, other);
        SetCells(doc, other, kind, mine);
        SetCells(doc, own, kind, theirs);
        break;
    }
    }
    if (landed != nullptr) {
        *landed = plan.anchor;
    }
    return true;
}

std::string FormatKeyClip(const KeyContent& content) {
    std::ostringstream out;
    out << kClipFirstLine << "\n";
    out << "Shape: " << ShapeWord(content.shape) << "\n";
    out << "Name: " << content.name << "\n";
    out << "Codes:";
    for (std::int32_t code : content.codes) {
        char hex[16];
        std::snprintf(hex, sizeof hex, " %X", static_cast<unsigned>(code));
        out << hex;
    }
    out << "\n";
    out << "Single key: " << (content.singleKey ? "yes" : "no") << "\n";
    out << "Mode: " << ModeNumber(content.mode) << "\n";
    out << "Keys: " << PlainKeyText(content) << "\n";
    return out.str();
}

std::optional<KeyContent> ParseKeyClip(std::string_view text) {
    KeyContent content;
    bool first = true;
    bool haveShape = false;
    bool haveName = false;
    bool haveCodes = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (first) {
            if (Trim(line) != kClipFirstLine) {
                return std::nullopt;
            }
            first = false;
            continue;
        }
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) {
            continue;
        }
        const std::string_view field = Trim(line.substr(0, colon));
        // The name keeps its blanks; other values are trimmed.
        std::string_view raw = line.substr(colon + 1);
        if (!raw.empty() && raw.front() == ' ') {
            raw.remove_prefix(1);
        }
        const std::string_view value = Trim(raw);
        if (field == "Shape") {
            static constexpr KeyShape kShapes[] = {KeyShape::Single, KeyShape::DoubleRight,
                                                   KeyShape::DoubleDown, KeyShape::Quad};
            haveShape = false;
            for (KeyShape s : kShapes) {
                if (value == ShapeWord(s)) {
                    content.shape = s;
                    haveShape = true;
                }
            }
            if (!haveShape) {
                return std::nullopt;
            }
        } else if (field == "Name") {
            if (raw.size() > kMaxCatalogNameBytes) {
                return std::nullopt;
            }
            content.name = std::string(raw);
            haveName = true;
        } else if (field == "Codes") {
            std::size_t i = 0;
            std::string_view rest = value;
            while (!rest.empty()) {
                const std::size_t space = rest.find(' ');
                const std::string_view word = rest.substr(0, space);
                rest = space == std::string_view::npos ? std::string_view()
                                                       : Trim(rest.substr(space + 1));
                unsigned code = 0;
                const auto [ptr, ec] =
                    std::from_chars(word.data(), word.data() + word.size(), code, 16);
                if (ec != std::errc{} || ptr != word.data() + word.size() ||
                    i >= content.codes.size() || code > 0xFF) {
                    return std::nullopt;
                }
                content.codes[i++] = static_cast<std::int32_t>(code);
            }
            if (i != content.codes.size() || content.codes[0] == 0) {
                return std::nullopt;
            }
            haveCodes = true;
        } else if (field == "Single key") {
            if (value != "yes" && value != "no") {
                return std::nullopt;
            }
            content.singleKey = value == "yes";
        } else if (field == "Mode") {
            const std::optional<KeyMode> mode =
                value.size() == 1 ? KeyModeFromNumber(value[0] - '1') : std::nullopt;
            if (!mode) {
                return std::nullopt;
            }
            content.mode = *mode;
        }
    }
    if (first || !haveShape || !haveName || !haveCodes) {
        return std::nullopt;
    }
    return content;
}

std::string PlainKeyText(const KeyContent& content) {
    std::string text = content.name + ":";
    // Clip data others may read: the standard names, whatever names the window shows.
    const std::vector<std::string> names = CodeNames(content.codes, CodeNaming{});
    for (std::size_t i = 0; i < names.size() && content.codes[i] != 0; ++i) {
        text += " " + names[i];
    }
    return text;
}

} // namespace vorlan
