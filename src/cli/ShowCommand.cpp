#include "cli/Commands.h"

#include <iostream>

namespace vorlan::cli {

const std::string_view kShowUsage = "  vorlanctl show ...       (not built yet)\n";

int RunShow(Args) {
    std::cerr << "vorlanctl: 'show' is not built yet\n";
    return 2;
}

} // namespace vorlan::cli
