// The report handed over with a batch, made from the programming log alone:
// the order, the layout and its digest, the station, from and to, one row
// per keyboard and the counts. Written as CSV here; the PDF is drawn in ui/.
#pragma once

#include "common/StringTable.h"
#include "records/RecordStore.h"
#include "station/Batch.h"
#include "verify/ProgrammingLog.h"

#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

struct ReportRow {
    std::string dateTime;
    int place = 0;
    int keyboardType = -1;
    std::size_t bytes = 0;
    std::int64_t durationMs = 0;
    std::string result; // the log's result text
    KeyTestOutcome keyTest = KeyTestOutcome::NotRun;
    BatchOutcome outcome = BatchOutcome::Failed;
    // What this keyboard got and where, each row its own.
    int count = 0;
    std::string layoutFile;
    std::string fileSha256;
    std::string imageSha256;
    std::string station;
    bool differs = false; // its layout is not the batch's
};

struct BatchReport {
    std::string order;
    int count = 0; // as the last line says; 0 when no line told it
    std::string layoutFile;
    std::string imageSha256;
    std::string fileSha256;
    std::string station; // the stations of the rows, each once
    std::string from;    // the first and last line's time
    std::string to;
    std::vector<ReportRow> rows;
    int passed = 0;
    int failed = 0;
    int setAside = 0;
};

// The lines of order (the last batch in the log when order is empty); a
// report without rows when the log holds none of it.
BatchReport ReportFromLog(const std::vector<ProgrammingRun>& runs, std::string_view order,
                          std::string station);

// The report of order from the record (the last order there when empty): the
// batch's layout from its batch row (or the first keyboard's without one),
// every row with its own. Read as it streams, so a long record costs the
// order's rows only.
BatchReport ReportFromRecord(RecordStore& store, std::string_view order, RecordResult& result);

// The host's name, for the report's station.
std::string StationName();

// The list separator spreadsheets of a locale expect: ';' where the decimal
// sign is a comma, ',' elsewhere.
char ListSeparatorFor(char decimalPoint);

// The words of the CSV, given by the caller so the window can translate them.
struct CsvWords {
    std::vector<std::string> columns; // 15 headings
    std::string passed = "passed";
    std::string failed = "failed";
    std::string setAside = "set aside";
    std::string notRun = "not tested";
    std::string notChosen = "no test";
    std::string differs = "differs";
    // The log's results in the report's language; none: as the log writes them.
    WordsOf results;
};
CsvWords EnglishCsvWords();

// RFC 4180: a byte-order mark (UTF-8), CRLF line ends, fields with the
// separator, a quote or a line end quoted with their quotes doubled, and
// cells a spreadsheet would run as a formula neutralised (common/CsvCell.h). One heading line
// and one line a keyboard, each with its order, place and count (apart, so
// "1/5" never becomes a date), layout, digests and station.
std::string ReportCsv(const BatchReport& report, char separator,
                      const CsvWords& words = EnglishCsvWords());

// A logged result in words' language, read back by the table the log
// window reads it with; a result this program does not write, as it stands.
std::string ResultInWords(std::string_view result, const WordsOf& words);

std::string_view KeyTestWord(KeyTestOutcome outcome, const CsvWords& words);
std::string_view OutcomeWord(BatchOutcome outcome, const CsvWords& words);

} // namespace vorlan
