// vorlanctl pc-layouts, and the --pc-layout option of show and sheet: code
// names as a PC with that keyboard layout types them.
#include "cli/Commands.h"
#include "cli/FileArguments.h"
#include "common/CommandLine.h"
#include "common/TerminalText.h"
#include "keyboards/PcLayouts.h"

#include <iostream>
#include <string>
#include <vector>

namespace vorlan::cli {

int RunPcLayouts(Args args) {
    for (const char* a : args) {
        const std::string_view arg = a;
        if (arg == "--help" || arg == "-h") {
            std::cout << cmdline::CommandHelp(*cmdline::FindCommand("pc-layouts"));
            return std::cout.flush() ? 0 : 1;
        }
        return UsageError("pc-layouts",
                          arg.starts_with('-') ? "unknown option '" + TerminalArgument(arg) + "'"
                                               : std::string("takes no arguments"),
                          kPcLayoutsUsage);
    }
    for (const keyboards::PcLayoutInfo& layout : keyboards::PcLayouts()) {
        std::cout << layout.id << '\t' << StringText(layout.name) << '\n';
    }
    return std::cout.good() ? 0 : 1;
}

int RunWithPcLayout(std::string_view command, Args args, std::string_view usage,
                    int (*run)(Args, const CodeNaming&)) {
    std::vector<char*> rest;
    std::string id;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--pc-layout") {
            if (i + 1 == args.size()) {
                return UsageError(command,
                                  "--pc-layout needs a layout id (one of " +
                                      keyboards::PcLayoutIdList() + ")",
                                  usage);
            }
            id = args[++i];
        } else if (arg.starts_with("--pc-layout=")) {
            id = arg.substr(arg.find('=') + 1);
        } else {
            rest.push_back(args[i]);
            continue;
        }
        if (keyboards::FindPcLayout(id) == nullptr) {
            return UsageError(command,
                              "unknown PC keyboard layout '" + TerminalArgument(id) + "' (one of " +
                                  keyboards::PcLayoutIdList() + ")",
                              usage);
        }
    }
    return run(Args(rest.data(), rest.size()), keyboards::NamingFor(id));
}

int RunShowWithPcLayout(Args args) {
    return RunWithPcLayout("show", args, kShowUsage, RunShow);
}

int RunSheetWithPcLayout(Args args) {
    return RunWithPcLayout("sheet", args, kSheetUsage, RunSheet);
}

} // namespace vorlan::cli
