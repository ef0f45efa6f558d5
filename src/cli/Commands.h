// The subcommands of vorlanctl. Each takes the arguments after its own name
// and returns the process exit status (0 ok, 1 failure, 2 usage error).
#pragma once

#include "scancodes/ScanCodeTables.h"

#include <span>
#include <string>
#include <string_view>

namespace vorlan::cli {

using Args = std::span<char* const>;

int RunConvert(Args args);
int RunShow(Args args, const CodeNaming& naming);
int RunProgram(Args args);
int RunImage(Args args);
int RunCheck(Args args);
int RunDiff(Args args);
int RunLegends(Args args);
int RunSheet(Args args, const CodeNaming& naming);
int RunPcLayouts(Args args);
int RunReport(Args args);
int RunLog(Args args);

// Runs `run` with the other arguments, naming codes as the PC keyboard layout
// of --pc-layout ID types them; an unknown id is a usage error.
int RunWithPcLayout(std::string_view command, Args args, std::string_view usage,
                    int (*run)(Args, const CodeNaming&));
int RunShowWithPcLayout(Args args);
int RunSheetWithPcLayout(Args args);

// Each command's usage, "  vorlanctl NAME ..." with a short explanation, made
// from the command line's declaration (common/CommandLine.h).
extern const std::string kConvertUsage;
extern const std::string kShowUsage;
extern const std::string kProgramUsage;
extern const std::string kImageUsage;
extern const std::string kCheckUsage;
extern const std::string kDiffUsage;
extern const std::string kLegendsUsage;
extern const std::string kSheetUsage;
extern const std::string kPcLayoutsUsage;
extern const std::string kReportUsage;
extern const std::string kLogUsage;

} // namespace vorlan::cli
