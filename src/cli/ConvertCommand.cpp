#include "cli/Commands.h"

#include <iostream>

namespace vorlan::cli {

const std::string_view kConvertUsage = "  vorlanctl convert ...       (not built yet)\n";

int RunConvert(Args) {
    std::cerr << "vorlanctl: 'convert' is not built yet\n";
    return 2;
}

} // namespace vorlan::cli
