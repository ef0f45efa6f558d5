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

#include "cli/ReportJob.h"

#include <iostream>

namespace vorlan::cli {

char ReportListSeparator() {
    return ',';
}

int WriteReportPdf(const BatchReport&, const std::string&, const InputFiles&) {
    std::cerr << "vorlanctl: a PDF report is not available in this build (it needs Qt)\n";
    return 1;
}

} // namespace vorlan::cli
