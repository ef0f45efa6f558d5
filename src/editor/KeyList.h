// A layout from a key list (a product list as a spreadsheet writes it) and
// back: one row a key with its number, name, the text it types or its codes,
// and its shape. CSV in UTF-8 with or without a byte-order mark, RFC 4180
// quoting, cells no spreadsheet runs as a formula (common/CsvCell.h).
#pragma once

#include "common/UiMessage.h"
#include "layout/LayoutDocument.h"

#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

struct KeyListOptions {
    std::string_view layoutId; // the PC layout the texts are typed in
    bool numberPad = false;    // digits from the number pad
    int keyCount = 0;          // 56 or 112; 0: 112 when a key is above 56
    char separator = 0;        // 0: the header's, else fallbackSeparator
    char fallbackSeparator = ',';
};

// A wrong row: its number as a spreadsheet counts rows (the header is row 1)
// and its column (1 = A; 0 for the whole row).
struct KeyListProblem {
    int row = 0;
    int column = 0;
    UiMessage message;
};

struct KeyListImport {
    LayoutDocument doc; // the keys of the rows taken, as a new layout
    std::vector<KeyListProblem> problems;
    // Rows taken whose text the keyboard types otherwise (a held Shift).
    std::vector<KeyListProblem> warnings;
    std::vector<int> rowsTaken;
};

// Reads a key list. With problems nothing of the wrong rows is in doc; the
// caller writes doc only when there are none or the user chose to skip them.
KeyListImport ImportKeyList(std::string_view csv, const KeyListOptions& options);

// "row 5, column C (text)" as messages locate a problem, in English.
std::string ProblemPlace(const KeyListProblem& problem);

// The list of doc's keys (empty cells and unnamed, unprogrammed keys left
// out) with a header, in UTF-8 with a byte-order mark: the text a key types
// where importing it gives the same codes, its codes otherwise.
std::string ExportKeyList(const LayoutDocument& doc, const KeyListOptions& options);

// The column names, in the order export writes them.
inline constexpr std::string_view kKeyListColumns[] = {"key", "name", "text", "codes", "shape"};

} // namespace vorlan
