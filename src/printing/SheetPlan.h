// The layout sheet as plain data: a picture of the key grid with names, the
// keyboard settings, the RFID options and the table of programmed keys,
// spread over as many pages as the table needs (one or two for most layouts).
#pragma once

#include "common/StringTable.h"
#include "printing/PageGeometry.h"
#include "printing/TextFit.h"
#include "scancodes/ScanCodeTables.h"

#include <string>
#include <vector>

namespace vorlan {

class LayoutDocument;

enum class SheetCellKind { Empty, Key, Unavailable };

struct SheetCell {
    int slot = 0;
    SheetCellKind kind = SheetCellKind::Empty;
    MmRect box;
    FittedText name;
};

// One argument of a text: taken as it is, or looked up in the string table.
struct TextArg {
    std::string literal;
    StringId id{};
    bool fromTable = false;
};

struct SheetText {
    StringId format{};
    std::vector<TextArg> args;
    MmRect box;
    double fontPt = 9;
    bool bold = false;
};

// A row of the programmed-keys table; texts are UTF-8 (names converted from
// their Latin-1 bytes, code names as the PC layout gives them).
struct SheetRow {
    bool header = false;
    MmRect box;
    std::vector<std::pair<MmRect, FittedText>> cells;
};

struct SheetPage {
    MmRect header;
    std::vector<SheetCell> grid;
    MmRect gridFrame;
    std::vector<SheetText> texts;
    std::vector<SheetRow> rows;
};

struct SheetPlan {
    PageSetup page;
    std::string fileName;
    std::vector<SheetPage> pages;
    std::optional<StringId> error;
};

inline constexpr double kSheetTablePt = 7;
// Space between a table row's edge and its text.
inline constexpr double kSheetCellPadMm = 0.35;

// The table's header is made of words (the window's language), and its
// narrow columns widen to hold them. Codes are named as `naming` names them
// (the window's PC layout); the grid's names are hyphenated as the choice says
// (see LegendOptions::hyphenation).
SheetPlan PlanSheet(const LayoutDocument& doc, const PageSetup& page, std::string fileName,
                    const TextMeasurer& measurer, const WordsOf& words = EnglishWords,
                    const CodeNaming& naming = {}, std::string_view hyphenation = {});

// The codes of a key as the key panel names them, the unnamed ones as numbers.
std::string CodeNamesText(const LayoutDocument& doc, int slot, const CodeNaming& naming);

} // namespace vorlan
