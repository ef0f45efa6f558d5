// Writes the parts of the man pages and the bash completion that come from
// the command line's declaration, so they say what the parser takes.
//   vorlan_cmdline_docs man vorlanctl|vorlan TEMPLATE.scd OUT.scd
//   vorlan_cmdline_docs completion OUT
//   vorlan_cmdline_docs markdown OUT        the reference in docs/
//   vorlan_cmdline_docs markdown-check FILE  1 when FILE is not what markdown writes
// In a man page template, a line @SYNOPSIS@, @COMMANDS@, @OPTIONS@ or
// @EXIT_STATUS@ is replaced by the generated text; everything else is prose
// kept by hand.
#include "common/CommandLine.h"

#include <cctype>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

using namespace vorlan::cmdline;

namespace {

// scdoc's emphasis characters stand for themselves in prose.
std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '*' || c == '_' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out;
}

// Placeholders (words with a capital) underlined, the rest as written:
// "[LAYOUT [/T]]" -> "[_LAYOUT_ [/_T_]]", "WxH" -> "_WxH_".
std::string Placeholders(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t end = i;
        bool capital = false;
        while (end < text.size() && std::isalnum(static_cast<unsigned char>(text[end]))) {
            capital = capital || std::isupper(static_cast<unsigned char>(text[end]));
            ++end;
        }
        if (end > i) {
            const std::string word(text.substr(i, end - i));
            out += capital ? "_" + word + "_" : word;
            i = end;
        } else {
            out += Escaped(text.substr(i, 1));
            ++i;
        }
    }
    return out;
}

std::string OptionMarkup(const Option& option, bool withAlias) {
    std::string text = "*" + std::string(option.name) + "*";
    if (withAlias && !option.alias.empty()) {
        text += ", *" + std::string(option.alias) + "*";
    }
    if (option.kind == ValueKind::Words) {
        std::string words(option.words);
        for (std::size_t space; (space = words.find(' ')) != std::string::npos;) {
            words.replace(space, 1, "*|*");
        }
        text += " *" + words + "*";
    } else if (!option.value.empty()) {
        text += " " + Placeholders(option.value);
    }
    return text;
}

std::string SynopsisMarkup(std::string_view program, std::string_view command,
                           std::string_view operands, std::span<const Option> options,
                           std::string_view trailing) {
    std::string text = "*" + std::string(program) + "*";
    if (!command.empty()) {
        text += " *" + std::string(command) + "*";
    }
    if (!operands.empty()) {
        text += " " + Placeholders(operands);
    }
    for (const Option& option : options) {
        if (option.name == "--help") {
            continue;
        }
        const std::string markup = OptionMarkup(option, false);
        text += " " + (option.required ? markup : "[" + markup + "]");
    }
    if (!trailing.empty()) {
        text += " " + Placeholders(trailing);
    }
    return text;
}

std::string ExitMarkup(std::span<const ExitStatus> exits) {
    std::string text;
    for (const ExitStatus& exit : exits) {
        std::string meaning = Escaped(exit.meaning);
        meaning[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(meaning[0])));
        text += "*" + std::to_string(exit.code) + "*\n\t" + meaning + ".\n\n";
    }
    return text;
}

std::string OptionsMarkup(std::span<const Option> options, std::string_view indent) {
    std::string text;
    for (const Option& option : options) {
        text += std::string(indent) + OptionMarkup(option, true) + "\n" + std::string(indent) +
                "\t" + Escaped(option.help) + "\n\n";
    }
    return text;
}

std::string VorlanctlPart(const std::string& marker) {
    std::string text;
    if (marker == "@SYNOPSIS@") {
        for (const Command& c : VorlanctlCommands()) {
            text += SynopsisMarkup("vorlanctl", c.name, c.operands, c.options, c.trailing) + "\n\n";
        }
        return text + "*vorlanctl* *--help*\n\n*vorlanctl* *--version*\n";
    }
    if (marker == "@COMMANDS@") {
        for (const Command& c : VorlanctlCommands()) {
            text += SynopsisMarkup("vorlanctl", c.name, c.operands, c.options, c.trailing) +
                    "\n\t" + Escaped(c.summary) + "\n\n" + OptionsMarkup(c.options, "\t") +
                    "\tExit status:";
            for (const ExitStatus& exit : c.exits) {
                text += " " + std::to_string(exit.code) + " " + Escaped(exit.meaning) + ";";
            }
            text.back() = '.';
            text += "\n\n";
        }
        return text +
               "*vorlanctl* *--help*, *-h*, *help*\n\tPrint the list of commands and exit.\n\n"
               "*vorlanctl* *--version*\n\tPrint the version (\"vorlanctl 1.0.0\") and exit.\n";
    }
    if (marker == "@EXIT_STATUS@") {
        return ExitMarkup(VorlanctlExitStatuses());
    }
    return {};
}

std::string VorlanPart(const std::string& marker) {
    if (marker == "@SYNOPSIS@") {
        return SynopsisMarkup("vorlan", {}, {}, VorlanOptions(), kVorlanOperands) + "\n";
    }
    if (marker == "@OPTIONS@") {
        return OptionsMarkup(VorlanOptions(), "");
    }
    if (marker == "@EXIT_STATUS@") {
        return ExitMarkup(VorlanExitStatuses());
    }
    return {};
}

std::string Words(const Command& c) {
    std::string words;
    for (const Option& option : c.options) {
        words += (words.empty() ? "" : " ") + std::string(option.name);
        if (!option.alias.empty()) {
            words += " " + std::string(option.alias);
        }
    }
    return words;
}

// What completes the value of option: its words, a small range, or files.
std::string ValueCompletion(const Option& option) {
    switch (option.kind) {
    case ValueKind::File:
        return "_filedir";
    case ValueKind::Number:
        if (option.max - option.min <= 9) {
            std::string range;
            for (long n = option.min; n <= option.max; ++n) {
                range += (range.empty() ? "" : " ") + std::to_string(n);
            }
            return "COMPREPLY=($(compgen -W \"" + range + "\" -- \"$cur\"))";
        }
        return ":";
    default:
        return option.words.empty()
                   ? std::string(":")
                   : "COMPREPLY=($(compgen -W \"" + std::string(option.words) + "\" -- \"$cur\"))";
    }
}

std::string Completion() {
    std::ostringstream out;
    out << "# bash completion for vorlanctl, generated from its command line's declaration:\n"
           "# commands, their options, the values options take, and file names.\n\n"
           "_vorlanctl() {\n"
           "    local cur prev words cword\n"
           "    _init_completion -n = || return\n"
           "    # \"--opt=value\" completes as \"--opt value\" does.\n"
           "    local split=false\n"
           "    if [[ $cur == --?*=* ]]; then\n"
           "        prev=${cur%%=*}\n"
           "        cur=${cur#*=}\n"
           "        split=true\n"
           "    fi\n\n"
           "    if [[ $cword -eq 1 ]]; then\n"
           "        COMPREPLY=($(compgen -W \"";
    for (const Command& c : VorlanctlCommands()) {
        out << c.name << ' ';
    }
    out << "--help --version\" -- \"$cur\"))\n"
           "        return\n"
           "    fi\n\n"
           "    local options operands=\n"
           "    case ${words[1]} in\n";
    for (const Command& c : VorlanctlCommands()) {
        out << "    " << c.name << ")\n        case $prev in\n";
        for (const Option& option : c.options) {
            if (option.kind != ValueKind::None) {
                out << "        " << option.name << ")\n            " << ValueCompletion(option)
                    << "\n            return\n            ;;\n";
            }
        }
        out << "        esac\n        $split && return\n        options=\"" << Words(c) << "\"\n";
        if (!c.operandWords.empty()) {
            out << "        operands=\"" << c.operandWords << "\"\n";
        }
        out << "        ;;\n";
    }
    out << "    *) return ;;\n"
           "    esac\n\n"
           "    # After \"--\" every word is a file.\n"
           "    local i\n"
           "    for ((i = 2; i < cword; i++)); do\n"
           "        if [[ ${words[i]} == -- ]]; then\n"
           "            _filedir\n"
           "            return\n"
           "        fi\n"
           "    done\n"
           "    if [[ $cur == -* ]]; then\n"
           "        COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
           "        return\n"
           "    fi\n"
           "    # Words such as program's keyboard type /T start like an absolute file\n"
           "    # name, so both are offered once the word is begun.\n"
           "    if [[ -n $operands && -n $cur ]]; then\n"
           "        COMPREPLY=($(compgen -W \"$operands\" -- \"$cur\"))\n"
           "    fi\n"
           "    _filedir\n"
           "}\n"
           "complete -F _vorlanctl vorlanctl\n";
    return out.str();
}

// Markdown's code spans hold the synopses as they are typed.
std::string MarkdownSynopsis(std::string_view program, const Command& c) {
    std::string text = std::string(program) + " " + std::string(c.name);
    if (!c.operands.empty()) {
        text += " " + std::string(c.operands);
    }
    for (const Option& option : c.options) {
        if (option.name == "--help") {
            continue;
        }
        std::string word(option.name);
        if (option.kind == ValueKind::Words) {
            std::string words(option.words);
            for (std::size_t space; (space = words.find(' ')) != std::string::npos;) {
                words.replace(space, 1, "|");
            }
            word += " " + words;
        } else if (!option.value.empty()) {
            word += " " + std::string(option.value);
        }
        text += " " + (option.required ? word : "[" + word + "]");
    }
    if (!c.trailing.empty()) {
        text += " " + std::string(c.trailing);
    }
    return text;
}

std::string MarkdownOptions(std::span<const Option> options) {
    std::string text;
    for (const Option& option : options) {
        std::string word = "`" + std::string(option.name);
        if (!option.alias.empty()) {
            word += "`, `" + std::string(option.alias);
        }
        if (option.kind == ValueKind::Words) {
            std::string words(option.words);
            for (std::size_t space; (space = words.find(' ')) != std::string::npos;) {
                words.replace(space, 1, "|");
            }
            word += " " + words;
        } else if (!option.value.empty()) {
            word += " " + std::string(option.value);
        }
        text += "- " + word + "`: " + std::string(option.help) + "\n";
    }
    return text;
}

std::string MarkdownExits(std::span<const ExitStatus> exits) {
    std::string text;
    for (const ExitStatus& exit : exits) {
        text += (text.empty() ? "" : "; ") + std::to_string(exit.code) + " " +
                std::string(exit.meaning);
    }
    return text + ".";
}

std::string Markdown() {
    std::string text =
        "# Command line reference\n\n"
        "Made by `vorlan_cmdline_docs markdown` from the declaration the parser, `--help`, the "
        "man pages and the bash completion are made from (`src/common/CommandLine.h`); the "
        "test `CommandLineDocs.ReferenceIsCurrent` fails when this file differs from it. "
        "How outputs, messages and signals behave in every command is in "
        "`docs/command-line.md`.\n\n## vorlanctl\n\n";
    for (const Command& c : VorlanctlCommands()) {
        text += "### " + std::string(c.name) + "\n\n    " + MarkdownSynopsis("vorlanctl", c) +
                "\n\n" + std::string(c.summary) + "\n\n" + MarkdownOptions(c.options) +
                "\nExit status: " + MarkdownExits(c.exits) + "\n\n";
    }
    text += "`vorlanctl --help` (`-h`, `help`) lists the commands, `vorlanctl --version` prints "
            "the version.\n\nExit statuses of `vorlanctl`: " +
            MarkdownExits(VorlanctlExitStatuses()) + "\n\n## vorlan\n\n    vorlan";
    for (const Option& option : VorlanOptions()) {
        std::string word(option.name);
        if (!option.value.empty()) {
            word += " " + std::string(option.value);
        }
        text += " [" + word + "]";
    }
    text += " " + std::string(kVorlanOperands) + "\n\n" + MarkdownOptions(VorlanOptions()) +
            "\nExit status: " + MarkdownExits(VorlanExitStatuses()) + "\n";
    return text;
}

int WriteFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::cerr << "cannot write " << path << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string what = argc > 1 ? argv[1] : "";
    if (what == "completion" && argc == 3) {
        return WriteFile(argv[2], Completion());
    }
    if (what == "markdown" && argc == 3) {
        return WriteFile(argv[2], Markdown());
    }
    if (what == "markdown-check" && argc == 3) {
        std::ifstream in(argv[2], std::ios::binary);
        std::ostringstream kept;
        kept << in.rdbuf();
        if (kept.str() != Markdown()) {
            std::cerr << argv[2]
                      << " differs from the command line's declaration; write it again with\n"
                         "  vorlan_cmdline_docs markdown "
                      << argv[2] << '\n';
            return 1;
        }
        return 0;
    }
    if (what != "man" || argc != 5) {
        std::cerr << "usage: vorlan_cmdline_docs man vorlanctl|vorlan TEMPLATE OUT\n"
                     "       vorlan_cmdline_docs completion OUT\n"
                     "       vorlan_cmdline_docs markdown OUT\n"
                     "       vorlan_cmdline_docs markdown-check FILE\n";
        return 2;
    }
    const std::string page = argv[2];
    std::ifstream in(argv[3]);
    if (!in) {
        std::cerr << "cannot read " << argv[3] << '\n';
        return 1;
    }
    std::string text;
    for (std::string line; std::getline(in, line);) {
        if (line.size() > 2 && line.front() == '@' && line.back() == '@') {
            const std::string part = page == "vorlan" ? VorlanPart(line) : VorlanctlPart(line);
            if (part.empty()) {
                std::cerr << argv[3] << ": unknown part " << line << '\n';
                return 1;
            }
            text += part;
        } else {
            text += line + '\n';
        }
    }
    return WriteFile(argv[4], text);
}
