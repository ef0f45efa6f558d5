// vorlanctl report: a batch's report from the programming log, as PDF or CSV.
#include "cli/Commands.h"
#include "cli/FileArguments.h"
#include "cli/ReportJob.h"
#include "common/StringTable.h"
#include "common/TerminalText.h"
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
    if (parsed.operands.size() != 1) {
        return UsageError("report", "takes one programming log", kReportUsage);
    }
    const std::string& logPath = parsed.operands[0];
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
    std::string text;
    if (const PathCheck read = ReadPlainFile(logPath, text, kMaxLogBytes);
        read != PathCheck::Plain) {
        std::cerr << StringText(StringId::Error) << ": " << TerminalArgument(logPath) << ": "
                  << StringText(ReadFailureId(read)) << '\n';
        return 1;
    }
    const BatchReport report =
        ReportFromLog(ParseLog(text), parsed.Value("--order").value_or(""), StationName());
    if (report.rows.empty()) {
        std::cerr << "vorlanctl report: the log holds no keyboard of "
                  << (report.order.empty() ? std::string("any batch")
                                           : "the order '" + TerminalArgument(report.order) + "'")
                  << '\n';
        return 1;
    }
    const InputFiles inputs{logPath};
    if (!csv) {
        return WriteReportPdf(report, out, inputs);
    }
    return WriteReportCsv(report, out, separator, inputs);
}

} // namespace vorlan::cli
