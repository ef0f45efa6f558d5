#include "printing/SheetPlan.h"

#include "common/Text.h"
#include "grid/GridGeometry.h"
#include "hyphenation/HyphenationChoice.h"
#include "keyboards/PcLayouts.h"
#include "keyboards/TextCodes.h"
#include "layout/LayoutDocument.h"
#include "printing/LegendPlan.h"
#include "printing/PrintPages.h"
#include "scancodes/CodeNames.h"

#include <algorithm>
#include <optional>
#include <span>

namespace vorlan {
namespace {

constexpr double kMaxCellMm = 12;
constexpr double kCellNamePt = 6;
constexpr double kLineMm = 4.2;
constexpr double kRowPadMm = 0.6; // inside a grid cell

TextArg Lit(std::string s) {
    return {std::move(s), {}, false};
}
TextArg Num(int n) {
    return Lit(std::to_string(n));
}
TextArg Id(StringId id) {
    return {{}, id, true};
}

bool Listed(const LayoutDocument& doc, int k) {
    const auto i = static_cast<std::size_t>(k);
    return doc.spans[i].kind != SpanKind::Empty &&
           (doc.keys[i].IsProgrammed() || !doc.keys[i].name.empty());
}

} // namespace

std::string CodeNamesText(const LayoutDocument& doc, int slot, const CodeNaming& naming) {
    const KeyCodes& codes = doc.keys[static_cast<std::size_t>(slot)].codes;
    std::size_t used = codes.size();
    while (used > 0 && codes[used - 1] == 0) {
        --used;
    }
    std::vector<std::string> names = CodeNames(std::span(codes.data(), used), naming);
    std::string text;
    for (std::size_t i = 0; i < used; ++i) {
        std::string& name = names[i];
        if (name.empty()) {
            name = std::to_string(codes[i]);
        }
        text += (text.empty() ? "" : " ") + name;
    }
    return text;
}

SheetPlan PlanSheet(const LayoutDocument& doc, const PageSetup& page, std::string fileName,
                    const TextMeasurer& m, const WordsOf& words, const CodeNaming& naming,
                    std::string_view hyphenation) {
    const std::shared_ptr<const Hyphenator> hyphenator = HyphenatorFor(hyphenation);
    SheetPlan plan;
    plan.page = page;
    plan.fileName = std::move(fileName);
    const MmRect p = page.Printable();
    if (!CheckPageFit(page).fits) {
        plan.error = StringId::LegendPageTooSmall;
        return plan;
    }
    const auto newPage = [&] {
        SheetPage sheet;
        sheet.header = {p.x, p.y, p.width, kHeaderMm};
        plan.pages.push_back(std::move(sheet));
        return p.y + kHeaderMm + 2;
    };
    double y = newPage();
    SheetPage& first = plan.pages.back();

    // The grid: the blocks the layout has, as the editor shows them (a 56-key
    // layout has no right block to print).
    const int keyCount = doc.settings.keyCount;
    const int lastSlot = keyCount > kBlockKeys ? kMaxKeys : kBlockKeys;
    const int columns = lastSlot == kMaxKeys ? kGridColumns : kBlockColumns;
    const double cell = std::min(kMaxCellMm, p.width / kGridColumns);
    const double gridX = p.x + (p.width - columns * cell) / 2;
    first.gridFrame = {gridX, y, columns * cell, kGridRows * cell};
    std::vector<bool> done(kKeySlots, false);
    std::vector<SetEntry> names;
    std::vector<std::size_t> namedCells;
    for (int s = 1; s <= lastSlot; ++s) {
        if (done[static_cast<std::size_t>(s)]) {
            continue;
        }
        const GridPoint o = CellOrigin(s);
        SheetCell c;
        c.slot = s;
        c.box = {gridX + (o.x - kGridLeft) * cell / kCellPitch,
                 y + (o.y - kGridTop) * cell / kCellPitch, cell, cell};
        const KeySpan& span = doc.spans[static_cast<std::size_t>(s)];
        if (s > keyCount) {
            c.kind = SheetCellKind::Unavailable;
        } else if (span.kind != SpanKind::Empty) {
            c.kind = SheetCellKind::Key;
            // Joined keys are drawn once, over their cells, as the grid draws
            // them: a partner right of, below or diagonal to the key's cell.
            int spanColumns = 1;
            int spanRows = 1;
            for (int i = 0; i < span.PartnerCount(); ++i) {
                const int q = span.partners[static_cast<std::size_t>(i)];
                const int right = SlotColumn(q) - SlotColumn(s);
                const int down = SlotRow(q) - SlotRow(s);
                if (IsGridSlot(q) && SlotBlock(q) == SlotBlock(s) && right >= 0 && right <= 1 &&
                    down >= 0 && down <= 1 && q != s) {
                    spanColumns = std::max(spanColumns, right + 1);
                    spanRows = std::max(spanRows, down + 1);
                    done[static_cast<std::size_t>(q)] = true;
                }
            }
            c.box.width = spanColumns * cell;
            c.box.height = spanRows * cell;
            names.push_back({Latin1ToUtf8(doc.keys[static_cast<std::size_t>(s)].name.str()),
                             c.box.width - 2 * kRowPadMm, c.box.height - 2 * kRowPadMm});
            namedCells.push_back(first.grid.size());
        }
        first.grid.push_back(std::move(c));
    }
    // The grid's names share one size, as the legends do.
    const double cellPt = SetSize(names, m, kCellNamePt);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const SetEntry& n = names[i];
        first.grid[namedCells[i]].name =
            FitInSet(n.text, n.widthMm, n.heightMm, cellPt, m, hyphenator.get());
    }
    y = first.gridFrame.Bottom() + 4;

    // Settings and RFID options.
    const KeyboardSettings& s = doc.settings;
    const RfidOptions& r = doc.rfid;
    const auto line = [&](StringId format, std::vector<TextArg> args, bool bold = false) {
        plan.pages.back().texts.push_back(
            {format, std::move(args), {p.x, y, p.width, kLineMm}, 9, bold});
        y += kLineMm;
    };
    line(StringId::SheetSettingsTitle, {}, true);
    line(StringId::SheetKeys, {Num(s.keyCount), Lit(std::string(VariantName(doc.variant)))});
    line(StringId::SheetKeysType,
         {Id(s.keysType == 0 ? StringId::SettingsMakeBreak : StringId::SettingsTypematic)});
    line(StringId::SheetBeepDelay, {Id(s.keyBeep ? StringId::SettingsOn : StringId::SettingsOff),
                                    Num(s.keyDelay), Num(s.typematicRate), Num(s.keysPause)});
    y += 1.5;
    line(StringId::SheetRfidTitle, {}, true);
    line(StringId::SheetRfidDigits,
         {Num(r.digitsCount), Id(r.digitsTypeNum ? StringId::SheetYes : StringId::SheetNo)});
    line(StringId::SheetRfidAffixes,
         {Num(r.prefix), Id(r.prefixExtended ? StringId::SheetYes : StringId::SheetNo),
          Num(r.suffix), Id(r.suffixExtended ? StringId::SheetYes : StringId::SheetNo)});
    y += 1.5;
    line(StringId::SheetTableTitle, {}, true);
    line(StringId::SheetFlagsNote, {});

    // The table: number, name, code names, mode, flags.
    const std::vector<std::string> headerTexts = {
        words(StringId::SheetColNumber, -1), words(StringId::SheetColName, -1),
        words(StringId::SheetColCodes, -1), words(StringId::SheetColMode, -1),
        words(StringId::SheetColFlags, -1)};
    const auto room = [&](std::size_t column, double least) {
        return std::max(least, m.WidthMm(headerTexts[column], kSheetTablePt) + 2 * kRowPadMm + 1);
    };
    double widths[] = {room(0, 10), 42, 0, room(3, 12), room(4, 10)};
    widths[2] = p.width - widths[0] - widths[1] - widths[3] - widths[4];
    const auto fit = [&](std::string_view text, std::size_t column, double pt) {
        return FitText(text, widths[column] - 2 * kRowPadMm, 1e6, m, pt, hyphenator.get());
    };
    // The codes column says under the code names what they type, at one size.
    const auto codesCell = [&](const std::string& codes, const std::string& types) {
        FittedText t = fit(codes, 2, kSheetTablePt);
        FittedText typed = fit(types, 2, kSheetTablePt);
        if (typed.lines.empty() || t.lines.empty()) {
            return typed.lines.empty() ? t : typed;
        }
        if (typed.fontPt != t.fontPt) {
            const double pt = std::min(t.fontPt, typed.fontPt);
            t = fit(codes, 2, pt);
            typed = fit(types, 2, pt);
        }
        t.lines.insert(t.lines.end(), typed.lines.begin(), typed.lines.end());
        t.widthMm = std::max(t.widthMm, typed.widthMm);
        t.heightMm += typed.heightMm;
        return t;
    };
    const auto makeRow = [&](const std::vector<std::string>& texts, bool header,
                             const std::string& types = {}) {
        SheetRow row;
        row.header = header;
        double x = p.x;
        double h = 0;
        for (std::size_t i = 0; i < texts.size(); ++i) {
            MmRect box{x, 0, widths[i], 0};
            FittedText t =
                i == 2 && !header ? codesCell(texts[i], types) : fit(texts[i], i, kSheetTablePt);
            h = std::max(h, t.heightMm);
            row.cells.emplace_back(box, std::move(t));
            x += widths[i];
        }
        row.box = {p.x, 0, p.width,
                   std::max(h, m.LineHeightMm(kSheetTablePt)) + 2 * kSheetCellPadMm};
        return row;
    };
    const auto put = [&](SheetRow row) {
        row.box.y = y;
        for (auto& [box, text] : row.cells) {
            box.y = y;
            box.height = row.box.height;
        }
        y += row.box.height;
        plan.pages.back().rows.push_back(std::move(row));
    };
    put(makeRow(headerTexts, true));
    const std::string layoutId = keyboards::LayoutOfNaming(naming);
    std::string outOfRange;
    for (int k = 1; k <= std::clamp(keyCount, 0, kMaxKeys); ++k) {
        // A double or quad key is one row, under its first cell's number.
        if (!Listed(doc, k) || doc.IsLaterCellOfJoinedKey(k)) {
            continue;
        }
        const KeyRecord& key = doc.keys[static_cast<std::size_t>(k)];
        std::string flags;
        if (key.groupKey()) {
            flags += "G";
        }
        if (key.singleKey()) {
            flags += flags.empty() ? "S" : " S";
        }
        // A mode no key can be given here is marked, not passed off as a fourth mode.
        std::string mode = std::to_string(ModeNumber(key.mode()));
        if (!key.modeInRange()) {
            mode += " (!)";
            outOfRange += (outOfRange.empty() ? "" : ", ") + std::to_string(k);
        }
        const std::optional<std::string> types = keyboards::KeyTypesShown(key.codes, layoutId);
        SheetRow row = makeRow({std::to_string(k), Latin1ToUtf8(key.name.str()),
                                CodeNamesText(doc, k, naming), mode, flags},
                               false,
                               types ? FormatString(words(StringId::KeyTypesText, -1), {*types})
                                     : std::string());
        if (y + row.box.height > p.Bottom()) {
            y = newPage();
            put(makeRow(headerTexts, true));
        }
        put(std::move(row));
    }
    if (!outOfRange.empty()) {
        if (y + kLineMm > p.Bottom()) {
            y = newPage();
        }
        y += 1.5;
        line(StringId::SheetModeOutOfRange, {Lit(outOfRange)});
    }
    return plan;
}

} // namespace vorlan
