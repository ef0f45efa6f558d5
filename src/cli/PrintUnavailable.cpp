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
