// vorlanctl: the command line of the keyboard programmer. It works on layout
// files and the keyboard without a window, through the same core as the
// desktop program.
#include "cli/Commands.h"

#include <cstdio>
#include <cstring>
#include <iostream>

namespace {

void PrintUsage(std::ostream& out) {
    using namespace vorlan::cli;
    out << "Usage: vorlanctl COMMAND [ARGUMENTS...]\n\n"
        << "Commands:\n"
        << kConvertUsage << kShowUsage << kCheckUsage << kDiffUsage << kProgramUsage << kImageUsage
        << kLegendsUsage << kSheetUsage << kPcLayoutsUsage
        << "\n  vorlanctl --help        this text\n"
        << "\nMessages the program would show in a window go to standard error as\n"
           "\"Caption: text\". Exit status: 0 success, 1 failure, 2 usage error\n"
           "(check: 3 when there are only warnings; diff: 1 when the layouts differ).\n";
}

} // namespace

int main(int argc, char** argv) {
    using namespace vorlan::cli;
    if (argc < 2) {
        PrintUsage(std::cerr);
        return 2;
    }
    const std::string_view command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        PrintUsage(std::cout);
        return 0;
    }
    const Args rest(argv + 2, static_cast<std::size_t>(argc - 2));
    if (command == "convert") {
        return RunConvert(rest);
    }
    if (command == "show") {
        return RunWithPcLayout(command, rest, kShowUsage, RunShow);
    }
    if (command == "check") {
        return RunCheck(rest);
    }
    if (command == "diff") {
        return RunDiff(rest);
    }
    if (command == "program") {
        return RunProgram(rest);
    }
    if (command == "image") {
        return RunImage(rest);
    }
    if (command == "legends") {
        return RunLegends(rest);
    }
    if (command == "sheet") {
        return RunWithPcLayout(command, rest, kSheetUsage, RunSheet);
    }
    if (command == "pc-layouts") {
        return RunPcLayouts(rest);
    }
    std::cerr << "vorlanctl: unknown command '" << command << "'\n\n";
    PrintUsage(std::cerr);
    return 2;
}
