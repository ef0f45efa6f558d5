#include "station/BatchReport.h"

#include "common/CsvCell.h"
#include "records/RecordText.h"
#include "verify/TextEscaping.h"

#include <cstdlib>
#include <set>

#ifdef _WIN32
#include "common/FilePath.h"
#else
#include <unistd.h>
#endif

namespace vorlan {
namespace {

void AppendCsvLine(std::string& out, const std::vector<std::string>& fields, char separator) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out += separator;
        }
        out += CsvCell(fields[i], separator);
    }
    out += "\r\n";
}

} // namespace

BatchReport ReportFromLog(const std::vector<ProgrammingRun>& runs, std::string_view order,
                          std::string station) {
    BatchReport report;
    report.station = std::move(station);
    std::string wanted = OneLine(order);
    if (wanted.empty()) {
        for (auto run = runs.rbegin(); run != runs.rend() && wanted.empty(); ++run) {
            if (const auto mark = ParseBatchField(run->batch)) {
                wanted = mark->order;
            }
        }
    }
    report.order = wanted;
    for (const ProgrammingRun& run : runs) {
        const auto mark = ParseBatchField(run.batch);
        if (!mark || mark->order != wanted || (wanted.empty() && run.batch.empty())) {
            continue;
        }
        ReportRow row;
        row.dateTime = run.dateTime;
        row.place = mark->place;
        row.keyboardType = run.keyboardType;
        row.bytes = run.bytesWritten;
        row.durationMs = run.durationMs;
        row.result = run.result;
        row.keyTest = mark->test;
        row.outcome = OutcomeOf(run, *mark);
        row.count = mark->count;
        row.layoutFile = run.layoutFile;
        row.imageSha256 = run.imageSha256;
        row.station = report.station;
        (row.outcome == BatchOutcome::Passed     ? report.passed
         : row.outcome == BatchOutcome::SetAside ? report.setAside
                                                 : report.failed)++;
        if (report.rows.empty()) {
            report.from = run.dateTime;
        }
        report.to = run.dateTime;
        report.count = mark->count;
        report.layoutFile = run.layoutFile;
        report.imageSha256 = run.imageSha256;
        report.rows.push_back(std::move(row));
    }
    // The last line's layout is the batch's in an old log; rows unlike it are marked.
    for (ReportRow& row : report.rows) {
        row.differs = row.imageSha256 != report.imageSha256 || row.layoutFile != report.layoutFile;
    }
    return report;
}

BatchReport ReportFromRecord(RecordStore& store, std::string_view order, RecordResult& result) {
    BatchReport report;
    std::string wanted(order);
    if (wanted.empty()) {
        if (result = store.LastOrder(wanted); !result.Ok()) {
            return report;
        }
    }
    report.order = wanted;
    RunQuery query;
    query.anyOrder = false;
    query.order = wanted;
    std::int64_t batchId = 0;
    std::set<std::string> stations;
    result = store.ReadRuns(query, [&](const RunRecord& run) {
        ReportRow row;
        row.dateTime = run.started;
        row.place = run.place;
        row.count = run.count;
        row.keyboardType = run.keyboardType;
        row.bytes = static_cast<std::size_t>(run.bytesWritten);
        row.durationMs = run.durationMs;
        row.result = run.state == RunState::Running || run.state == RunState::Programmed
                         ? std::string("running")
                         : run.result;
        row.keyTest = run.keyTest;
        row.outcome = run.outcome.value_or(BatchOutcome::Failed);
        row.layoutFile = run.layoutResolved;
        row.fileSha256 = run.fileSha256;
        row.imageSha256 = run.imageSha256;
        row.station = run.process.host;
        (row.outcome == BatchOutcome::Passed     ? report.passed
         : row.outcome == BatchOutcome::SetAside ? report.setAside
                                                 : report.failed)++;
        if (report.rows.empty()) {
            report.from = run.started;
            report.layoutFile = run.layoutResolved;
            report.fileSha256 = run.fileSha256;
            report.imageSha256 = run.imageSha256;
        }
        report.to = run.started;
        report.count = run.count > 0 ? run.count : report.count;
        batchId = run.batchId > 0 ? run.batchId : batchId;
        if (!run.process.host.empty()) {
            stations.insert(run.process.host);
        }
        report.rows.push_back(std::move(row));
        return true;
    });
    if (!result.Ok()) {
        return report;
    }
    BatchRecord batch;
    if (batchId > 0 && store.ReadBatch(batchId, batch).Ok()) {
        report.layoutFile = batch.layoutFile;
        report.fileSha256 = batch.fileSha256;
        report.imageSha256 = batch.imageSha256;
        report.count = batch.count;
    }
    for (ReportRow& row : report.rows) {
        row.differs = row.imageSha256 != report.imageSha256 ||
                      (!report.fileSha256.empty() && row.fileSha256 != report.fileSha256) ||
                      row.layoutFile != report.layoutFile;
    }
    for (const std::string& station : stations) {
        report.station += (report.station.empty() ? "" : ", ") + station;
    }
    return report;
}

std::string StationName() {
#ifdef _WIN32
    return EnvironmentText("COMPUTERNAME");
#else
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) {
        return {};
    }
    return name;
#endif
}

char ListSeparatorFor(char decimalPoint) {
    return decimalPoint == ',' ? ';' : ',';
}

CsvWords EnglishCsvWords() {
    CsvWords words;
    words.columns = {
        "Order",       "Place",         "Count",         "Date and time", "Keyboard type",
        "Bytes",       "Duration (ms)", "Result",        "Key test",      "Outcome",
        "Layout file", "File SHA-256",  "Image SHA-256", "Station",       "Differs from the batch"};
    return words;
}

std::string ResultInWords(std::string_view result, const WordsOf& words) {
    std::string text;
    for (const UiMessage& m : RunResultMessages(result)) {
        const std::string pattern = words(m.id, -1);
        std::string filled;
        std::size_t next = 0;
        // As FormatString fills them: in order of appearance.
        for (std::size_t i = 0; i < pattern.size(); ++i) {
            const char after = i + 1 < pattern.size() ? pattern[i + 1] : 0;
            if (pattern[i] == '%' &&
                (after == 's' || after == 'd' || (after >= '1' && after <= '9')) &&
                next < m.args.size()) {
                m.args[next++].AppendUtf8(filled);
                ++i;
            } else {
                filled += pattern[i];
            }
        }
        text += (text.empty() ? "" : " ") + filled;
    }
    return text.empty() ? std::string(result) : text;
}

std::string_view KeyTestWord(KeyTestOutcome outcome, const CsvWords& words) {
    switch (outcome) {
    case KeyTestOutcome::Passed:
        return words.passed;
    case KeyTestOutcome::Failed:
        return words.failed;
    case KeyTestOutcome::NotChosen:
        return words.notChosen;
    case KeyTestOutcome::NotRun:
        break;
    }
    return words.notRun;
}

std::string_view OutcomeWord(BatchOutcome outcome, const CsvWords& words) {
    switch (outcome) {
    case BatchOutcome::Passed:
        return words.passed;
    case BatchOutcome::SetAside:
        return words.setAside;
    case BatchOutcome::Failed:
        break;
    }
    return words.failed;
}

std::string ReportCsv(const BatchReport& report, char separator, const CsvWords& words) {
    std::string out = "\xEF\xBB\xBF";
    AppendCsvLine(out, words.columns, separator);
    for (const ReportRow& row : report.rows) {
        const int count = row.count > 0 ? row.count : report.count;
        AppendCsvLine(out,
                      {report.order, std::to_string(row.place),
                       count > 0 ? std::to_string(count) : std::string(), row.dateTime,
                       row.keyboardType < 0 ? std::string() : std::to_string(row.keyboardType),
                       std::to_string(row.bytes), std::to_string(row.durationMs),
                       words.results ? ResultInWords(row.result, words.results) : row.result,
                       std::string(KeyTestWord(row.keyTest, words)),
                       std::string(OutcomeWord(row.outcome, words)), row.layoutFile, row.fileSha256,
                       row.imageSha256, row.station, row.differs ? words.differs : std::string()},
                      separator);
    }
    return out;
}

} // namespace vorlan
