// The legend sizes and print choices the user set last, kept in the user's
// settings so they are offered again.
#pragma once

#include "printing/LegendPlan.h"

namespace vorlan {

struct PrintChoices {
    LegendOptions legends;
    bool paperFromPrinter = true; // printing only; exports use legends.page
    int pngDpi = 300;
};

PrintChoices LoadPrintChoices();
void SavePrintChoices(const PrintChoices& choices);

} // namespace vorlan
