// What check, diff and show share on their command line: layout files and
// --json, --help, and one way to say that the command was called wrongly.
#pragma once

#include "cli/Commands.h"
#include "layout/LayoutObserver.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan::cli {

// The problem and the command's usage on the error output; returns status 2.
int UsageError(std::string_view command, std::string_view problem, std::string_view usage);

// Why the reader could not open a file, as it tells the window, so that every
// command says the same for the same file.
class ReadFailure : public LayoutObserver {
public:
    void ShowError(StringId text) override { message = text; }
    StringId message = StringId::CannotOpenFile;
};

struct FileArguments {
    std::vector<std::string> files;
    bool asJson = false;
};

// Reads files and --json into out. Returns the exit status when the command
// ends here: 0 after printing the usage for --help, 2 for an unknown option.
std::optional<int> ReadFileArguments(Args args, std::string_view command, std::string_view usage,
                                     FileArguments& out);

} // namespace vorlan::cli
