// How the commands read their command line: against the declaration in
// common/CommandLine.h, with one way to say that a command was called wrongly.
#pragma once

#include "cli/Commands.h"
#include "common/CommandLine.h"
#include "common/FileWriter.h"
#include "layout/LayoutObserver.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan::cli {

// "-" as an output names standard output, in every command that names one.
inline constexpr std::string_view kStandardOutput = "-";

// Bytes to standard output as they are (on Windows without line ends
// translated); false when they could not all be written.
bool WriteStandardOutput(std::string_view bytes);

// A failed write as every command says it on the error output, the path
// shown as TerminalArgument shows it.
void ShowWriteFailure(const FileWriteResult& failure);

// The problem and the command's usage on the error output; returns status 2.
int UsageError(std::string_view command, std::string_view problem, std::string_view usage);

// The editor's message boxes, as "Caption: text" lines on the error output.
class StderrObserver : public LayoutObserver {
public:
    void ShowError(StringId text) override;
    void ShowWriteFailure(const UiMessage& message) override;
};

// Reads args against the declaration of command. Returns the exit status when
// the command ends here: 0 after printing its help for --help, 2 after a
// usage error (unknown option, missing value, value out of range).
std::optional<int> ReadArguments(Args args, std::string_view command, cmdline::Parsed& out);

// The line `check` gives a file beyond the layout readers' cap, for the
// commands that read only that much of it too (image, program).
std::string CappedFileNote(const std::string& file);

struct FileArguments {
    std::vector<std::string> files;
    bool asJson = false;
};

// Files and --json, for check, diff and show.
std::optional<int> ReadFileArguments(Args args, std::string_view command, std::string_view usage,
                                     FileArguments& out);

} // namespace vorlan::cli
