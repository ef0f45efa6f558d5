#include "cli/FileArguments.h"

#include "common/TerminalText.h"
#include "layout/LayoutFileCap.h"
#include "layout/ReadReport.h"

#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace vorlan::cli {

void StderrObserver::ShowError(StringId text) {
    std::cerr << StringText(StringId::Error) << ": " << StringText(text) << '\n';
}

void StderrObserver::ShowWriteFailure(const UiMessage& message) {
    std::cerr << StringText(StringId::Error) << ": " << TerminalMessage(message) << '\n';
}

bool WriteStandardOutput(std::string_view bytes) {
#ifdef _WIN32
    std::cout.flush();
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return std::cout.flush().good();
}

void ShowWriteFailure(const FileWriteResult& failure) {
    FileWriteResult shown = failure;
    shown.path = TerminalArgument(failure.path);
    std::cerr << StringText(StringId::Error) << ": " << WriteFailureText(shown) << '\n';
}

namespace {

std::string UsageOf(std::string_view name) {
    const cmdline::Command* command = cmdline::FindCommand(name);
    return command != nullptr ? cmdline::CommandUsage(*command) : std::string();
}

} // namespace

const std::string kConvertUsage = UsageOf("convert");
const std::string kShowUsage = UsageOf("show");
const std::string kProgramUsage = UsageOf("program");
const std::string kReportUsage = UsageOf("report");
const std::string kLogUsage = UsageOf("log");
const std::string kImageUsage = UsageOf("image");
const std::string kCheckUsage = UsageOf("check");
const std::string kDiffUsage = UsageOf("diff");
const std::string kLegendsUsage = UsageOf("legends");
const std::string kSheetUsage = UsageOf("sheet");
const std::string kPcLayoutsUsage = UsageOf("pc-layouts");

std::string CappedFileNote(const std::string& file) {
    const ReadNote note{
        0, NoteLevel::Error,
        UiMessage{StringId::ReportFileCapped, {std::to_string(kMaxLayoutFileBytes)}}, 0};
    return TerminalLine(FormatNote(file, note));
}

int UsageError(std::string_view command, std::string_view problem, std::string_view usage) {
    std::cerr << "vorlanctl " << command << ": " << TerminalLine(problem) << "\nUsage:\n" << usage;
    return 2;
}

std::optional<int> ReadArguments(Args args, std::string_view command, cmdline::Parsed& out) {
    const cmdline::Command* declared = cmdline::FindCommand(command);
    if (declared == nullptr) {
        std::cerr << "vorlanctl: unknown command '" << TerminalArgument(command) << "'\n";
        return 2;
    }
    out = cmdline::Parse(*declared, args);
    if (!out.error.empty()) {
        return UsageError(command, out.error, cmdline::CommandUsage(*declared));
    }
    if (out.help) {
        std::cout << cmdline::CommandHelp(*declared);
        return std::cout.flush() ? 0 : 1;
    }
    return std::nullopt;
}

std::optional<int> ReadFileArguments(Args args, std::string_view command, std::string_view,
                                     FileArguments& out) {
    cmdline::Parsed parsed;
    if (const auto status = ReadArguments(args, command, parsed)) {
        return status;
    }
    out.files = std::move(parsed.operands);
    out.asJson = parsed.Has("--json");
    return std::nullopt;
}

} // namespace vorlan::cli
