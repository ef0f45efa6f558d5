// Builds without Qt: the legends and sheet commands read their arguments but
// cannot draw.
#include "cli/PrintJob.h"

namespace vorlan::cli {

bool PrintingAvailable() {
    return false;
}

int WritePrintJob(const LayoutDocument&, const PrintJob&) {
    return 1;
}

} // namespace vorlan::cli

#include "cli/FileArguments.h"
#include "cli/ReportJob.h"

#include <iostream>

namespace vorlan::cli {

char ReportListSeparator() {
    return ',';
}

int WriteReportCsv(const BatchReport& report, const std::string& outPath, char separator,
                   const InputFiles& inputs) {
    const FileWriteResult written =
        ReplaceFile(outPath, ReportCsv(report, separator != 0 ? separator : ','), inputs);
    if (!written.Ok()) {
        ShowWriteFailure(written);
        return 1;
    }
    return 0;
}

int WriteReportPdf(const BatchReport&, const std::string&, const InputFiles&) {
    std::cerr << "vorlanctl: a PDF report is not available in this build (it needs Qt)\n";
    return 1;
}

} // namespace vorlan::cli
