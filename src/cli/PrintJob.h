// What `vorlanctl legends` and `vorlanctl sheet` were asked to write. The
// arguments are read without Qt; the drawing needs Qt Gui and exists only in
// builds with the window program (elsewhere the commands say so).
#pragma once

#include "layout/LayoutDocument.h"
#include "printing/LegendPlan.h"
#include "scancodes/ScanCodeTables.h"

#include <string>

namespace vorlan::cli {

struct PrintJob {
    bool sheet = false;
    LegendOptions legends;
    std::string layoutPath;
    std::string outPath;
    int dpi = 300;        // PNG only
    bool saveInk = false; // sheet only: outlined instead of the editor's colours
    CodeNaming naming;    // sheet only: the names of the codes (--pc-layout)
};

// Whether this build can draw legends and sheets.
bool PrintingAvailable();

// Writes the job's files and reports them on standard output; the exit status.
int WritePrintJob(const LayoutDocument& doc, const PrintJob& job);

} // namespace vorlan::cli
