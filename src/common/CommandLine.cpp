#include "common/CommandLine.h"

#include "common/TerminalText.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace vorlan::cmdline {
namespace {

constexpr std::size_t kWidth = 79;
constexpr std::size_t kHelpIndent = 26; // where the explanations start in --help

const Option* FindOption(const Command& command, std::string_view name) {
    for (const Option& option : command.options) {
        if (option.name == name || (!option.alias.empty() && option.alias == name)) {
            return &option;
        }
    }
    return nullptr;
}

// Paper names are no less right in lower case.
bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool IsWordOf(std::string_view words, std::string_view word) {
    while (!words.empty()) {
        const std::size_t space = words.find(' ');
        if (words.substr(0, space) == word) {
            return true;
        }
        words = space == std::string_view::npos ? std::string_view() : words.substr(space + 1);
    }
    return false;
}

// The user's words back in a message, safe for the terminal.
std::string Quoted(std::string_view text) {
    return "'" + TerminalArgument(text) + "'";
}

// "convert IN OUT [--variant N]": operands, options, trailing operands.
std::string SynopsisTail(std::string_view operands, std::span<const Option> options,
                         std::string_view trailing) {
    std::string text;
    const auto add = [&text](std::string_view part) {
        if (!part.empty()) {
            text += ' ';
            text += part;
        }
    };
    add(operands);
    for (const Option& option : options) {
        if (option.name != "--help") {
            add(OptionSynopsis(option));
        }
    }
    add(trailing);
    return text;
}

std::string OptionLines(std::span<const Option> options,
                        const std::function<std::string(std::string_view)>& words = {}) {
    std::string text;
    for (const Option& option : options) {
        std::string head = "  " + std::string(option.name);
        if (!option.alias.empty()) {
            head += ", " + std::string(option.alias);
        }
        if (!option.value.empty()) {
            head += ' ' + std::string(option.value);
        }
        head.resize(std::max(head.size() + 1, kHelpIndent), ' ');
        if (head.size() > kHelpIndent) {
            head.back() = '\n';
            head += std::string(kHelpIndent, ' ');
        }
        const std::string help = words ? words(option.help) : std::string(option.help);
        text += head + Wrap(help, kWidth, kHelpIndent, kHelpIndent) + '\n';
    }
    return text;
}

} // namespace

bool Parsed::Has(std::string_view option) const {
    if (command == nullptr || FindOption(*command, option) == nullptr) {
        std::fprintf(stderr, "undeclared option %.*s\n", static_cast<int>(option.size()),
                     option.data());
        std::abort();
    }
    return values.contains(option);
}

std::optional<std::string> Parsed::Value(std::string_view option) const {
    if (!Has(option)) {
        return std::nullopt;
    }
    const auto found = values.find(option);
    if (found == values.end()) {
        return std::nullopt;
    }
    return found->second;
}

long Parsed::Number(std::string_view option, long fallback) const {
    const auto text = Value(option);
    long number = fallback;
    if (text) {
        std::from_chars(text->data(), text->data() + text->size(), number);
    }
    return number;
}

const Command* FindCommand(std::string_view name) {
    for (const Command& command : VorlanctlCommands()) {
        if (command.name == name) {
            return &command;
        }
    }
    return nullptr;
}

std::optional<std::string> CheckValue(const Option& option, std::string_view value) {
    switch (option.kind) {
    case ValueKind::Number: {
        long number = 0;
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), number);
        if (value.empty() || error != std::errc() || end != value.data() + value.size() ||
            number < option.min || number > option.max) {
            return std::string(option.name) + " needs a whole number from " +
                   std::to_string(option.min) + " to " + std::to_string(option.max) + ", not " +
                   Quoted(value);
        }
        return std::nullopt;
    }
    case ValueKind::Words:
        for (std::string_view words = option.words; !words.empty();) {
            const std::size_t space = words.find(' ');
            if (SameIgnoringCase(words.substr(0, space), value)) {
                return std::nullopt;
            }
            words = space == std::string_view::npos ? std::string_view() : words.substr(space + 1);
        }
        return std::string(option.name) + " takes " + std::string(option.value) + ", not " +
               Quoted(value);
    case ValueKind::File:
    case ValueKind::Text:
        if (value.empty()) {
            return std::string(option.name) + " needs " + std::string(option.value);
        }
        return std::nullopt;
    case ValueKind::None:
        break;
    }
    return std::nullopt;
}

Parsed Parse(const Command& command, std::span<char* const> args) {
    Parsed parsed;
    parsed.command = &command;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        // "-" alone is a file name (standard output), as is anything after "--".
        if (optionsEnded || arg.size() < 2 || arg[0] != '-' ||
            IsWordOf(command.dashOperands, arg)) {
            parsed.operands.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = arg.starts_with("--") ? arg.find('=') : std::string_view::npos;
        const std::string_view name = arg.substr(0, equals);
        const Option* option = FindOption(command, name);
        if (option == nullptr) {
            parsed.error = "unknown option " + Quoted(arg);
            return parsed;
        }
        if (option->name == "--help") {
            parsed.help = true;
            return parsed;
        }
        if (option->kind == ValueKind::None) {
            if (equals != std::string_view::npos) {
                parsed.error = std::string(option->name) + " takes no value";
                return parsed;
            }
            parsed.values[option->name] = {};
            continue;
        }
        std::string_view value;
        if (equals != std::string_view::npos) {
            value = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            parsed.error = std::string(option->name) + " needs " + std::string(option->value);
            return parsed;
        }
        if (auto problem = CheckValue(*option, value)) {
            parsed.error = std::move(*problem);
            return parsed;
        }
        parsed.values[option->name] = std::string(value);
    }
    return parsed;
}

std::string OptionSynopsis(const Option& option) {
    std::string text(option.name);
    if (!option.value.empty()) {
        text += ' ';
        text += option.value;
    }
    return option.required ? text : "[" + text + "]";
}

std::string Synopsis(const Command& command) {
    return "vorlanctl " + std::string(command.name) +
           SynopsisTail(command.operands, command.options, command.trailing);
}

std::string Wrap(std::string_view text, std::size_t width, std::size_t indent, std::size_t start) {
    std::string out;
    std::size_t column = start;
    bool lineEmpty = true;
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        const std::string_view word = text.substr(0, space);
        text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
        if (!lineEmpty && column + 1 + word.size() > width) {
            out += '\n';
            out.append(indent, ' ');
            column = indent;
        } else if (!lineEmpty) {
            out += ' ';
            ++column;
        }
        out += word;
        column += word.size();
        lineEmpty = false;
    }
    return out;
}

std::string CommandUsage(const Command& command) {
    return "  " + Wrap(Synopsis(command), kWidth, 20, 2) + "\n" + std::string(kHelpIndent, ' ') +
           Wrap(command.summary, kWidth, kHelpIndent, kHelpIndent) + "\n";
}

std::string CommandHelp(const Command& command) {
    std::string text = "Usage:\n" + CommandUsage(command) + "\nOptions:\n" +
                       OptionLines(command.options) + "\nExit status:";
    for (const ExitStatus& exit : command.exits) {
        text += ' ' + std::to_string(exit.code) + ' ' + std::string(exit.meaning) + ';';
    }
    text.back() = '.';
    return text + "\n";
}

std::string VorlanctlHelp() {
    std::string text = "Usage: vorlanctl COMMAND [ARGUMENTS...]\n\nCommands:\n";
    for (const Command& command : VorlanctlCommands()) {
        text += CommandUsage(command);
    }
    text += "\n  vorlanctl --help        this text; vorlanctl COMMAND --help: one command\n"
            "  vorlanctl --version     the version\n"
            "\n\"--\" ends the options. Messages the program would show in a window go to\n"
            "standard error as \"Caption: text\". An output \"-\" is standard output\n"
            "(convert, image -o); /dev/stdout, /dev/fd/N and /proc/self/fd/N are written\n"
            "as streams, appended to, never replaced. Standard output that cannot be\n"
            "written fails the command (exit status 1; diff: 2).\n\nExit status:\n";
    for (const ExitStatus& exit : VorlanctlExitStatuses()) {
        text += "  " + std::to_string(exit.code) + "  " + Wrap(exit.meaning, kWidth, 5, 5) + "\n";
    }
    return text;
}

std::string VorlanHelp(const std::function<std::string(std::string_view)>& words) {
    const auto word = [&words](std::string_view text) {
        return words ? words(text) : std::string(text);
    };
    const std::string usage = word("Usage:") + " vorlan";
    return Wrap(usage + SynopsisTail({}, VorlanOptions(), kVorlanOperands), kWidth, usage.size(),
                0) +
           "\n" + "  LAYOUT" + std::string(kHelpIndent - 8, ' ') +
           word("a layout file to open at start") + "\n" + OptionLines(VorlanOptions(), words);
}

} // namespace vorlan::cmdline
