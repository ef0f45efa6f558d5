#include "cli/FileArguments.h"

#include <iostream>

namespace vorlan::cli {

int UsageError(std::string_view command, std::string_view problem, std::string_view usage) {
    std::cerr << "vorlanctl " << command << ": " << problem << "\nUsage:\n" << usage;
    return 2;
}

std::optional<int> ReadFileArguments(Args args, std::string_view command, std::string_view usage,
                                     FileArguments& out) {
    for (const char* a : args) {
        const std::string_view arg = a;
        if (arg == "--json") {
            out.asJson = true;
        } else if (arg == "--help" || arg == "-h") {
            std::cout << "Usage:\n" << usage;
            return 0;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return UsageError(command, "unknown option '" + std::string(arg) + "'", usage);
        } else {
            out.files.emplace_back(arg);
        }
    }
    return std::nullopt;
}

} // namespace vorlan::cli
