#include "cli/Commands.h"

#include <iostream>

namespace vorlan::cli {

const std::string_view kProgramUsage = "  vorlanctl program ...       (not built yet)\n";

int RunProgram(Args) {
    std::cerr << "vorlanctl: 'program' is not built yet\n";
    return 2;
}

} // namespace vorlan::cli
