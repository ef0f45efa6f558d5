#include "common/CsvCell.h"

namespace vorlan {
namespace {

bool StartsFormula(char c) {
    return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r';
}

// Apostrophes, then a formula's start: "=1", "'=1", "''+x".
bool NeedsApostrophe(std::string_view text) {
    const std::size_t first = text.find_first_not_of('\'');
    return first != std::string_view::npos && StartsFormula(text[first]);
}

} // namespace

std::string CsvCell(std::string_view text, char separator) {
    std::string cell;
    bool quote = false;
    if (NeedsApostrophe(text)) {
        cell = '\'';
        quote = true;
    }
    cell += text;
    if (cell.find_first_of(std::string{separator, '"', '\n', '\r'}) != std::string::npos) {
        quote = true;
    }
    if (!quote) {
        return cell;
    }
    std::string out = "\"";
    for (const char c : cell) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    return out + "\"";
}

std::string FormulaCellText(std::string_view cell) {
    if (cell.starts_with('\'') && NeedsApostrophe(cell)) {
        cell.remove_prefix(1);
    }
    return std::string(cell);
}

} // namespace vorlan
