// The command line's declaration against what uses it: the parser, the real
// vorlanctl and vorlan, their --help, the generated man pages and completion.
#include "common/CommandLine.h"

#include "testing/CliRunner.h"
#include "testing/TempFolder.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace vorlan::cmdline {
namespace {

namespace fs = std::filesystem;
using test::RunVorlanctl;

Parsed ParseWords(const Command& command, std::vector<std::string> words) {
    std::vector<char*> args;
    for (std::string& word : words) {
        args.push_back(word.data());
    }
    return Parse(command, args);
}

// A value each kind of option takes.
std::string GoodValue(const Option& option) {
    switch (option.kind) {
    case ValueKind::Number:
        return std::to_string(option.min);
    case ValueKind::Words:
        return std::string(option.words.substr(0, option.words.find(' ')));
    case ValueKind::Text:
        return option.words.empty() ? "1" : std::string(option.words.substr(0, 1));
    default:
        return "file.txt";
    }
}

TEST(CommandLineTest, ParserReadsOptionsValuesAndOperandsAsDeclared) {
    struct Case {
        const char* command;
        std::vector<std::string> words;
        std::string error; // a part of the expected error, or "" for none
        std::vector<std::string> operands;
        std::string option; // an option expected with value
        std::string value;
    };
    const Case cases[] = {
        {"convert", {"a", "b", "--variant", "3"}, "", {"a", "b"}, "--variant", "3"},
        {"convert", {"--variant=1", "a", "b"}, "", {"a", "b"}, "--variant", "1"},
        {"convert", {"a", "--variant", "5"}, "from 1 to 4, not '5'", {}, "", ""},
        {"convert", {"a", "--variant", "2x"}, "from 1 to 4", {}, "", ""},
        {"convert", {"a", "--variant"}, "--variant needs N", {}, "", ""},
        {"convert", {"a", "--strict=1"}, "takes no value", {}, "", ""},
        {"convert", {"a", "--bogus"}, "unknown option '--bogus'", {}, "", ""},
        // "--" ends the options: what follows are file names, whatever they look like.
        {"convert", {"--", "-in.txt", "--strict"}, "", {"-in.txt", "--strict"}, "", ""},
        {"image", {"l.txt", "-o", "-"}, "", {"l.txt"}, "-o", "-"},
        {"image", {"-", "-o", "x"}, "", {"-"}, "-o", "x"},
        {"sheet", {"l", "--dpi", "0"}, "--dpi needs a whole number from 50 to 1200", {}, "", ""},
        {"sheet", {"l", "--dpi", "99999"}, "from 50 to 1200, not '99999'", {}, "", ""},
        {"sheet", {"l", "--dpi", "-5"}, "from 50 to 1200", {}, "", ""},
        {"sheet", {"l", "--page", "letter"}, "", {"l"}, "--page", "letter"},
        {"sheet", {"l", "--page", "A5"}, "--page takes A4|Letter, not 'A5'", {}, "", ""},
        {"sheet", {"l", "--pitch", "3"}, "unknown option '--pitch'", {}, "", ""},
        {"program",
         {"--emulate", "2,slow=20", "l.txt", "/2"},
         "",
         {"l.txt", "/2"},
         "--emulate",
         "2,slow=20"},
        {"program", {"--log", ""}, "--log needs FILE", {}, "", ""},
    };
    for (const Case& c : cases) {
        const Parsed parsed = ParseWords(*FindCommand(c.command), c.words);
        const std::string label = std::string(c.command) + " " + ::testing::PrintToString(c.words);
        if (c.error.empty()) {
            EXPECT_EQ(parsed.error, "") << label;
            EXPECT_EQ(parsed.operands, c.operands) << label;
            if (!c.option.empty()) {
                EXPECT_EQ(parsed.Value(c.option), c.value) << label;
            }
        } else {
            EXPECT_NE(parsed.error.find(c.error), std::string::npos)
                << label << ": " << parsed.error;
        }
    }
    // --help ends the reading only when nothing before it was wrong.
    EXPECT_TRUE(ParseWords(*FindCommand("show"), {"a", "-h", "--bogus"}).help);
    EXPECT_FALSE(ParseWords(*FindCommand("show"), {"--bogus", "--help"}).help);
}

// Each declared option is accepted by the real vorlanctl with a good value and
// refused with a bad one, is in the command's --help, in the man page's
// synopsis and section of the command, and is completed.
TEST(CommandLineTest, EveryDeclaredOptionIsAcceptedDocumentedAndCompleted) {
    const test::TempFolder temp;
    const fs::path& folder = temp.Path();
#ifdef VORLAN_GENERATED_DOCS_DIR
    const std::string manPage =
        test::ReadFileBytes(fs::path(VORLAN_GENERATED_DOCS_DIR) / "man" / "vorlanctl.1.scd");
    ASSERT_NE(manPage.find("# COMMANDS"), std::string::npos);
    const std::string synopsis = manPage.substr(0, manPage.find("# DESCRIPTION"));
    const std::string commands = manPage.substr(manPage.find("# COMMANDS"));
    const fs::path completer = folder / "complete.sh";
    std::ofstream(completer)
        << "_init_completion() { words=(\"${COMP_WORDS[@]}\"); cword=$COMP_CWORD;\n"
           "  cur=${COMP_WORDS[COMP_CWORD]}; prev=${COMP_WORDS[COMP_CWORD - 1]:-}; }\n"
           "_filedir() { COMPREPLY+=(\"<files>\"); }\n"
           "source \"" VORLAN_GENERATED_DOCS_DIR "/vorlanctl.bash-completion\"\n"
           "COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); COMPREPLY=(); _vorlanctl\n"
           "echo \"${COMPREPLY[*]}\"\n";
    const auto complete = [&](const std::string& words) {
        const fs::path out = folder / "completed.txt";
        std::system(
            ("bash '" + completer.string() + "' vorlanctl " + words + " > '" + out.string() + "'")
                .c_str());
        return test::ReadFileBytes(out);
    };
    EXPECT_EQ(complete("''"),
              "convert show check diff program image legends sheet report log type import export "
              "pc-layouts --help "
              "--version\n");
#endif
    for (const Command& command : VorlanctlCommands()) {
        const std::string name(command.name);
        const auto help = RunVorlanctl({name, "--help"}, folder);
        EXPECT_EQ(help.status, 0) << name;
        EXPECT_TRUE(help.out.starts_with("Usage:\n  vorlanctl " + name)) << help.out;
#ifdef VORLAN_GENERATED_DOCS_DIR
        const std::string head = "*vorlanctl* *" + name + "*";
        const std::size_t at = commands.find("\n" + head);
        ASSERT_NE(at, std::string::npos) << name << " has no section in the man page";
        const std::string section =
            commands.substr(at, commands.find("\n*vorlanctl*", at + 1) - at);
        EXPECT_NE(synopsis.find(head), std::string::npos) << name;
        std::string completed = complete(name + " -");
        std::replace(completed.begin(), completed.end(), '\n', ' ');
#endif
        for (const Option& option : command.options) {
            const std::string opt(option.name);
            const std::string label = name + " " + opt;
            std::vector<std::string> words{name, opt};
            if (option.kind != ValueKind::None) {
                words.push_back(GoodValue(option));
            }
            words.push_back("--help");
            EXPECT_EQ(RunVorlanctl(words, folder).status, 0) << label;
            EXPECT_NE(help.out.find(opt), std::string::npos) << label << " not in --help";
            if (option.kind == ValueKind::Number) {
                for (const long bad : {option.min - 1, option.max + 1}) {
                    const auto run = RunVorlanctl({name, "x", opt, std::to_string(bad)}, folder);
                    EXPECT_EQ(run.status, 2) << label << " " << bad;
                    EXPECT_NE(run.err.find("from " + std::to_string(option.min)), std::string::npos)
                        << run.err;
                }
            }
#ifdef VORLAN_GENERATED_DOCS_DIR
            EXPECT_NE(section.find("*" + opt + "*"), std::string::npos) << label << " not in man";
            if (opt != "--help") {
                EXPECT_NE(synopsis.find("*" + opt + "*"), std::string::npos) << label;
            }
            EXPECT_NE((" " + completed).find(" " + opt + " "), std::string::npos)
                << label << " not completed: " << completed;
            // Values that can be listed are offered (not a range of a thousand numbers).
            if ((option.kind == ValueKind::Number && option.max - option.min < 10) ||
                option.kind == ValueKind::Words) {
                const std::string value = GoodValue(option);
                EXPECT_NE(complete(name + " " + opt + " ''").find(value), std::string::npos)
                    << label << " does not complete " << value;
            }
            // "--opt=value" as "--opt value" (only long options take "=").
            if (option.kind != ValueKind::None && opt.starts_with("--")) {
                EXPECT_EQ(complete(name + " " + opt + "="), complete(name + " " + opt + " ''"))
                    << label << "=";
            }
#endif
        }
    }
    const auto version = RunVorlanctl({"--version"}, folder);
    EXPECT_EQ(version.out, "vorlanctl " VORLAN_VERSION "\n");
    EXPECT_EQ(version.status, 0);
}

TEST(CommandLineTest, UsageErrorsOfTheRealProgramsExitWithTwo) {
    const test::TempFolder temp;
    const fs::path& folder = temp.Path();
    struct Case {
        std::vector<std::string> words;
        std::string message;
    };
    const Case cases[] = {
        {{"bogus"}, "unknown command 'bogus'"},
        {{"sheet", "l.txt", "-o", "x.png", "--dpi", "0"}, "from 50 to 1200, not '0'"},
        {{"legends", "l.txt", "-o", "x.png", "--dpi=99999"}, "from 50 to 1200"},
        {{"program", "--emulate", "7"}, "must be 0, 1 or 2"},
        {{"image", "l.txt", "--hex", "--", "-o"}, "only one layout file"},
        {{"diff", "a", "--json", "--strict"}, "unknown option '--strict'"},
        // The user's words come back with their dashes, safe for the terminal.
        {{"convert", "a", "--bo\x1b]0;T\x07gus"}, "unknown option '--bo\\x1b]0;T\\x07gus'"},
        {{"bo\x1bgus"}, "unknown command 'bo\\x1bgus'"},
        {{"pc-layouts", "--bogus"}, "unknown option '--bogus'"},
    };
    for (const Case& c : cases) {
        const auto run = RunVorlanctl(c.words, folder);
        EXPECT_EQ(run.status, 2) << ::testing::PrintToString(c.words);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        // Nothing but the program's own words: no library warnings.
        EXPECT_EQ(run.err.find("QString"), std::string::npos) << run.err;
    }
#ifdef VORLAN_APP
    // The desktop program: unknown options refused before any window, the
    // fault options of --emulate taken.
    struct Run {
        int status;
        std::string out;
        std::string err;
    };
    const auto vorlan = [&](const std::string& words) {
        const fs::path out = folder / "vorlan.stdout";
        const fs::path err = folder / "vorlan.stderr";
        const int raw = std::system(("QT_QPA_PLATFORM=offscreen \"" VORLAN_APP "\" " + words +
                                     " >'" + out.string() + "' 2>'" + err.string() + "'")
                                        .c_str());
        return Run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, test::ReadFileBytes(out),
                   test::ReadFileBytes(err)};
    };
    // A second layout is refused by name rather than silently not opened.
    for (const char* bad :
         {"--bogus", "-x", "--emulate", "--emulate 3", "--version=2", "a.txt b.txt"}) {
        const Run run = vorlan(bad);
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_TRUE(run.err.starts_with("vorlan: ")) << bad << ": " << run.err;
    }
    EXPECT_EQ(vorlan("a.txt b.txt").err, "vorlan: only one layout file (also given: b.txt)\n");
    EXPECT_EQ(vorlan("--emulate 2,slow=20 --help").status, 0);
    EXPECT_EQ(vorlan("-platform offscreen --version").status, 0);
    const Run help = vorlan("--help");
    EXPECT_EQ(help.status, 0);
    for (const Option& option : VorlanOptions()) {
        EXPECT_NE(help.out.find(option.name), std::string::npos) << option.name;
    }
#endif
}

} // namespace
} // namespace vorlan::cmdline
