// What `vorlanctl report` writes. The rows and the CSV are made without Qt;
// the locale's separator and paper and the PDF need Qt and exist only in
// builds with the window program (elsewhere CSV uses ',' and PDF is refused).
#pragma once

#include "common/FileWriter.h"
#include "station/BatchReport.h"

#include <string>

namespace vorlan::cli {

// The list separator of the user's locale.
char ReportListSeparator();

// Writes the report as PDF in the user's language on the locale's paper;
// the exit status.
int WriteReportPdf(const BatchReport& report, const std::string& outPath, const InputFiles& inputs);

// Writes the report as CSV with separator (0: the locale's), its headings
// and words in the user's language as the PDF and the window write them
// (English in builds without Qt); the exit status.
int WriteReportCsv(const BatchReport& report, const std::string& outPath, char separator,
                   const InputFiles& inputs);

} // namespace vorlan::cli
