// The command lines of vorlanctl and vorlan, declared once: the commands,
// their arguments, options, value ranges and exit statuses. The parser, the
// --help texts, the man pages' synopses and the bash completion are all made
// from these tables, so they cannot disagree.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan::cmdline {

enum class ValueKind {
    None,   // a flag
    Number, // a whole number in [min, max]
    Words,  // one of the words
    File,   // a file name
    Text,   // anything; the command reads it
};

struct Option {
    std::string_view name;  // "--variant", "-o"
    std::string_view alias; // another spelling ("-h"), or empty
    ValueKind kind = ValueKind::None;
    std::string_view value; // the value's placeholder in texts ("N", "FILE")
    long min = 0;           // Number: the allowed range
    long max = 0;
    std::string_view words; // Words, and what completion offers for Text
    std::string_view help;  // one sentence for --help and the man page
    bool required = false;  // shown without brackets in the synopsis
};

struct ExitStatus {
    int code;
    std::string_view meaning;
};

struct Command {
    std::string_view name;
    std::string_view operands; // before the options in the synopsis ("IN OUT")
    std::string_view trailing; // after them ("[LAYOUT [/T]]")
    std::string_view summary;  // what the command does, a paragraph
    std::span<const Option> options;
    std::span<const ExitStatus> exits; // what the codes mean for this command
    std::string_view operandWords;     // completed besides file names ("/0 /1 /2")
    // Words taken as operands although they begin with "-" ("-h" for program).
    std::string_view dashOperands = {};
};

// vorlanctl's commands, in the order --help lists them.
std::span<const Command> VorlanctlCommands();
const Command* FindCommand(std::string_view name);
// What each exit status means for vorlanctl as a whole.
std::span<const ExitStatus> VorlanctlExitStatuses();

// The desktop program's own options and operand.
std::span<const Option> VorlanOptions();
inline constexpr std::string_view kVorlanOperands = "[LAYOUT]";
inline constexpr int kVorlanMaxOperands = 1; // the layout opened at start
std::span<const ExitStatus> VorlanExitStatuses();

// The arguments of one command, read against its declaration.
struct Parsed {
    const Command* command = nullptr;
    std::map<std::string_view, std::string> values; // option name -> its last value
    std::vector<std::string> operands;
    bool help = false; // --help came before anything wrong
    std::string error; // for the user; empty when all is well

    // Asking for an option the command does not declare is a programming
    // error: it aborts, so every run of the command in the tests finds it.
    bool Has(std::string_view option) const;
    std::optional<std::string> Value(std::string_view option) const;
    long Number(std::string_view option, long fallback) const;
};

// Options and operands in any order; "--name=value" and "--name value" alike;
// "--" ends the options. Reading stops at the first error or --help.
Parsed Parse(const Command& command, std::span<char* const> args);
// The error for a value outside what the option takes, or nothing.
std::optional<std::string> CheckValue(const Option& option, std::string_view value);

// "vorlanctl convert IN OUT [--variant N] [--strict]"
std::string Synopsis(const Command& command);
std::string OptionSynopsis(const Option& option);
// The lines of `vorlanctl --help` for one command: synopsis and summary.
std::string CommandUsage(const Command& command);
// `vorlanctl COMMAND --help`: the usage, each option and the exit statuses.
std::string CommandHelp(const Command& command);
// `vorlanctl --help`.
std::string VorlanctlHelp();
// `vorlan --help`, before the lines about the device and the guide; words
// gives a text in the user's language (none: English).
std::string VorlanHelp(const std::function<std::string(std::string_view)>& words = {});

// Text wrapped at width columns; the first line begins at column start, the
// others are indented by indent.
std::string Wrap(std::string_view text, std::size_t width, std::size_t indent, std::size_t start);

} // namespace vorlan::cmdline
