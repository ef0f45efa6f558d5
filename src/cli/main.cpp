// vorlanctl: the command line of the keyboard programmer. It works on layout
// files and the keyboard without a window, through the same core as the
// desktop program.
#include "cli/Commands.h"
#include "cli/Utf8Console.h"
#include "common/CommandLine.h"

#include <iostream>
#include <string>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char** narrowArgv) {
    using namespace vorlan::cli;
#ifdef __GLIBC__
    // A file's buffers of megabytes go back to the system once freed; the
    // allocator would otherwise keep them after the first, and every further
    // file of a command would add to the memory held.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
    UseUtf8Console();
    // Every command takes its file names as UTF-8 (bytes on POSIX systems).
    std::vector<std::string> arguments = Utf8Arguments(argc, narrowArgv);
    std::vector<char*> pointers;
    for (std::string& argument : arguments) {
        pointers.push_back(argument.data());
    }
    pointers.push_back(nullptr);
    char** argv = pointers.data();
    if (argc < 2) {
        std::cerr << vorlan::cmdline::VorlanctlHelp();
        return 2;
    }
    const std::string_view command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << vorlan::cmdline::VorlanctlHelp();
        return std::cout.flush() ? 0 : 1;
    }
    if (command == "--version") {
        std::cout << "vorlanctl " << VORLAN_VERSION << '\n';
        return std::cout.flush() ? 0 : 1;
    }
    const Args rest(argv + 2, static_cast<std::size_t>(argc - 2));
    struct Entry {
        std::string_view name;
        int (*run)(Args);
    };
    // Every command the declaration names has its entry here (a test runs each).
    static constexpr Entry kEntries[] = {
        {"convert", RunConvert}, {"show", RunShowWithPcLayout},   {"check", RunCheck},
        {"diff", RunDiff},       {"program", RunProgram},         {"image", RunImage},
        {"legends", RunLegends}, {"sheet", RunSheetWithPcLayout}, {"pc-layouts", RunPcLayouts},
        {"report", RunReport},
    };
    for (const Entry& entry : kEntries) {
        if (entry.name == command) {
            return entry.run(rest);
        }
    }
    std::cerr << "vorlanctl: unknown command '" << command << "'\n\n"
              << vorlan::cmdline::VorlanctlHelp();
    return 2;
}
