// POSIX systems: arguments are bytes and a terminal takes bytes, so nothing
// is converted.
#include "cli/Utf8Console.h"

namespace vorlan::cli {

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

void UseUtf8Console() {}

} // namespace vorlan::cli
