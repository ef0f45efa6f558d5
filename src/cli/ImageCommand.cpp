#include "cli/Commands.h"

#include <iostream>

namespace vorlan::cli {

const std::string_view kImageUsage = "  vorlanctl image ...       (not built yet)\n";

int RunImage(Args) {
    std::cerr << "vorlanctl: 'image' is not built yet\n";
    return 2;
}

} // namespace vorlan::cli
