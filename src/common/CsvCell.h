// CSV cells as spreadsheets read them: RFC 4180 quoting, and no cell a
// spreadsheet would run as a formula. Every CSV the program writes (the
// station's report, the key list) takes its cells from here.
#pragma once

#include <string>
#include <string_view>

namespace vorlan {

// A CSV cell: quoted where it must be (the separator, a quote, a line end),
// and a text a spreadsheet would run as a formula (=, +, -, @, TAB or CR at
// its start) prefixed with an apostrophe and quoted. A text already made of
// apostrophes and such a start gets one apostrophe more, so that
// FormulaCellText gives every text back as it was.
std::string CsvCell(std::string_view text, char separator);

// The text of a cell as CsvCell neutralised it (after its quotes are
// undone): one leading apostrophe less where the apostrophes are followed by
// a formula's start; any other cell as it stands. A spreadsheet keeps the
// apostrophe of a cell it shows as text, so a list edited there reads back too.
std::string FormulaCellText(std::string_view cell);

} // namespace vorlan
