// vorlanctl type: the codes a key needs to type a text on a PC of a layout.
#include "cli/Commands.h"
#include "cli/FileArguments.h"
#include "common/TerminalText.h"
#include "keyboards/PcLayouts.h"
#include "keyboards/SystemLayout.h"
#include "keyboards/TextCodes.h"

#include <cstdlib>
#include <iostream>
#include <string>

namespace vorlan::cli {

std::string PcLayoutOfArguments(const cmdline::Parsed& parsed) {
    if (const auto id = parsed.Value("--pc-layout")) {
        return *id;
    }
    // The system's layout, as far as a program without a window can tell.
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') {
            return keyboards::LayoutOfLocale(value).value_or("us");
        }
    }
    return "us";
}

int RunType(Args args) {
    cmdline::Parsed parsed;
    if (const auto status = ReadArguments(args, "type", parsed)) {
        return *status;
    }
    if (parsed.operands.size() != 1) {
        return UsageError("type", "one TEXT is needed", kTypeUsage);
    }
    const std::string& text = parsed.operands[0];
    const std::string layout = PcLayoutOfArguments(parsed);
    const keyboards::TextCodes result =
        keyboards::CodesOfText({text, layout, parsed.Has("--number-pad")});
    // The text's own characters as the terminal shows them: controls
    // escaped, a long name cut.
    std::optional<UiMessage> note = keyboards::TextCodesNote(result, text);
    if (note) {
        for (UiArg& arg : note->args) {
            arg = UiArg(TerminalArgument(arg.Utf8()));
        }
    }
    const std::string message = note ? note->English() : std::string();
    if (result.refusal) {
        std::cerr << "vorlanctl type: " << message << '\n';
        return 1;
    }
    std::string codes;
    std::string names;
    for (const std::string& name : keyboards::CodeNamesIn(layout, result.codes)) {
        names += (names.empty() ? "" : " ") + name;
    }
    for (const std::uint32_t code : result.codes) {
        codes += (codes.empty() ? "" : " ") + std::to_string(code);
    }
    std::cout << codes << '\n' << names << '\n';
    if (result.typesInstead) {
        std::cerr << "vorlanctl type: warning: " << message << '\n';
    }
    return std::cout.flush() ? 0 : 1;
}

} // namespace vorlan::cli
