// The legend sizes and print choices the user set last, kept in the user's
// settings so they are offered again.
#pragma once

#include "printing/LegendPlan.h"
#include "printing/ui/PrintRenderer.h"
#include "scancodes/ScanCodeTables.h"

namespace vorlan {

struct PrintChoices {
    LegendOptions legends;
    bool paperFromPrinter = true; // printing only; exports use legends.page
    int pngDpi = 300;
    // The layout sheet outlined to save ink: on paper and in PDF by default,
    // while SVG and PNG images keep the editor's colours unless asked.
    bool sheetInkSavingPaper = true;
    bool sheetInkSavingImage = false;
    // Not stored: how the window names codes now (its PC layout).
    CodeNaming naming;
};

PrintChoices LoadPrintChoices();
// The sheet's ink for paper and PDF (image false) or SVG and PNG (image true).
SheetInk SheetInkOf(const PrintChoices& choices, bool image);
void SavePrintChoices(const PrintChoices& choices);

} // namespace vorlan
