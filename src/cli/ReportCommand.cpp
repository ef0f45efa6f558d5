// vorlanctl report: a batch's report from the record (or an old text log), as PDF or CSV.
#include "cli/Commands.h"
#include "cli/FileArguments.h"
#include "cli/RecordArguments.h"
#include "cli/ReportJob.h"
#include "common/StringTable.h"
#include "common/TerminalText.h"
#include "records/RecordText.h"
#include "verify/ProgrammingLog.h"

#include <iostream>

namespace vorlan::cli {

namespace {

bool EndsWith(std::string_view text, std::string_view end) {
    if (text.size() < end.size()) {
        return false;
    }
    for (std::size_t i = 0; i < end.size(); ++i) {
        const char c = text[text.size() - end.size() + i];
        if ((c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) != end[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

int RunReport(Args args) {
    cmdline::Parsed parsed;
    if (const auto status = ReadArguments(args, "report", parsed)) {
        return *status;
    }
    if (parsed.operands.size() > 1) {
        return UsageError("report", "takes at most one old programming log", kReportUsage);
    }
    const std::string out = parsed.Value("-o").value_or(std::string());
    const bool csv = EndsWith(out, ".csv");
    if (!csv && !EndsWith(out, ".pdf")) {
        return UsageError("report", "-o OUT must end in .pdf or .csv", kReportUsage);
    }
    char separator = 0;
    if (const auto given = parsed.Value("--separator")) {
        if (*given == "tab" || *given == "\\t") {
            separator = '\t';
        } else if (given->size() == 1 && (*given)[0] != '"' && (*given)[0] != '\r' &&
                   (*given)[0] != '\n') {
            separator = (*given)[0];
        } else {
            return UsageError("report", "--separator takes one character (not a quote) or tab",
                              kReportUsage);
        }
    }
    const std::string order = parsed.Value("--order").value_or("");
    BatchReport report;
    InputFiles inputs;
    if (parsed.operands.size() == 1) {
        // An old text log, read as it stands (the record reads no text).
        const std::string& logPath = parsed.operands[0];
        std::string text;
        if (const PathCheck read = ReadPlainFile(logPath, text, kMaxLogBytes);
            read != PathCheck::Plain) {
            std::cerr << StringText(StringId::Error) << ": " << TerminalArgument(logPath) << ": "
                      << StringText(ReadFailureId(read)) << '\n';
            return 1;
        }
        report = ReportFromLog(ParseLog(text), order, StationName());
        inputs.push_back(logPath);
    } else {
        if (IsRecordFile(out, RecordPathOf(parsed))) {
            std::cerr << "vorlanctl report: "
                      << TerminalLine(UiMessage{StringId::RecordIsOutput, {out}}.English()) << '\n';
            return 1;
        }
        const std::unique_ptr<RecordStore> store = OpenRecordOf(parsed, "report");
        if (!store) {
            return 1;
        }
        RecordResult read;
        report = ReportFromRecord(*store, order, read);
        if (!read.Ok()) {
            ShowRecordFailure("report", read);
            return 1;
        }
    }
    if (report.rows.empty()) {
        std::cerr << "vorlanctl report: " << (parsed.operands.empty() ? "the record" : "the log")
                  << " holds no keyboard of "
                  << (report.order.empty() ? std::string("any order")
                                           : "the order '" + TerminalArgument(report.order) + "'")
                  << '\n';
        return 1;
    }
    if (!csv) {
        return WriteReportPdf(report, out, inputs);
    }
    const FileWriteResult written = ReplaceFile(
        out, ReportCsv(report, separator != 0 ? separator : ReportListSeparator()), inputs);
    if (!written.Ok()) {
        ShowWriteFailure(written);
        return 1;
    }
    return 0;
}

} // namespace vorlan::cli
