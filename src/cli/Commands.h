// The subcommands of vorlanctl. Each takes the arguments after its own name
// and returns the process exit status (0 ok, 1 failure, 2 usage error).
#pragma once

#include <span>
#include <string_view>

namespace vorlan::cli {

using Args = std::span<char* const>;

int RunConvert(Args args);
int RunShow(Args args);
int RunProgram(Args args);
int RunImage(Args args);
int RunCheck(Args args);
int RunDiff(Args args);
int RunLegends(Args args);
int RunSheet(Args args);
int RunPcLayouts(Args args);

// Runs `run` with the other arguments, naming codes as the PC keyboard layout
// of --pc-layout ID types them; an unknown id is a usage error.
int RunWithPcLayout(std::string_view command, Args args, std::string_view usage, int (*run)(Args));

// One or more lines "  vorlanctl NAME ..." with a short explanation each.
extern const std::string_view kConvertUsage;
extern const std::string_view kShowUsage;
extern const std::string_view kProgramUsage;
extern const std::string_view kImageUsage;
extern const std::string_view kCheckUsage;
extern const std::string_view kDiffUsage;
extern const std::string_view kLegendsUsage;
extern const std::string_view kSheetUsage;
extern const std::string_view kPcLayoutsUsage;

} // namespace vorlan::cli
