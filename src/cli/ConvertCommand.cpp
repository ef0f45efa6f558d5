// vorlanctl convert: opens a layout file as the editor does and saves it in a
// chosen variant, with the editor's messages on standard error.
#include "cli/Commands.h"
#include "cli/FileArguments.h"
#include "cli/Latin1.h"
#include "layout/DurableFile.h"
#include "layout/LayoutFile.h"
#include "layout/LossList.h"

#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace vorlan::cli {

const std::string_view kConvertUsage =
    "  vorlanctl convert IN OUT [--variant N] [--strict]\n"
    "                          read the layout file IN as the editor opens it and write it\n"
    "                          to OUT as the editor saves it; N is the file variant:\n"
    "                          1 7/3scan, 2 16scan (default), 3 single 16scan left side,\n"
    "                          4 single 16scan right side; what OUT cannot hold is listed\n"
    "                          on standard error, and --strict then writes nothing\n";

namespace {

// The editor's message boxes, as "Caption: text" lines.
class StderrObserver : public LayoutObserver {
public:
    void ShowError(StringId text) override {
        std::cerr << StringText(StringId::Error) << ": " << StringText(text) << '\n';
    }
    void ShowWriteFailure(const UiMessage& message) override {
        std::cerr << StringText(StringId::Error) << ": " << message.English() << '\n';
    }
};

std::optional<KeyboardVariant> ParseVariant(std::string_view text) {
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '4') {
        return static_cast<KeyboardVariant>(text[0] - '0');
    }
    return std::nullopt;
}

int UsageError(std::string_view problem) {
    return cli::UsageError("convert", problem, kConvertUsage);
}

} // namespace

int RunConvert(Args args) {
    std::vector<std::string_view> files;
    KeyboardVariant variant = KeyboardVariant::SixteenScan;
    bool strict = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        std::optional<std::string_view> value;
        if (arg == "--variant") {
            if (i + 1 >= args.size()) {
                return UsageError("--variant needs a number from 1 to 4");
            }
            value = args[++i];
        } else if (arg.starts_with("--variant=")) {
            value = arg.substr(std::string_view("--variant=").size());
        } else if (arg == "--strict") {
            strict = true;
            continue;
        } else if (arg == "--help" || arg == "-h") {
            std::cout << "Usage:\n" << kConvertUsage;
            return 0;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return UsageError("unknown option '" + std::string(arg) + "'");
        } else {
            files.push_back(arg);
            continue;
        }
        const auto parsed = ParseVariant(*value);
        if (!parsed) {
            return UsageError("--variant needs a number from 1 to 4, not '" + std::string(*value) +
                              "'");
        }
        variant = *parsed;
    }
    if (files.size() != 2) {
        return UsageError("needs an input file and an output file");
    }
    // Refused before anything is read: a pipe, a device, or the input itself.
    if (const FileWriteResult refused =
            CheckWriteTarget(std::string(files[1]), {std::string(files[0])});
        !refused.Ok()) {
        std::cerr << StringText(StringId::Error) << ": " << WriteFailureText(refused) << '\n';
        return 1;
    }

    StderrObserver observer;
    LayoutDocument doc;
    doc.SetObserver(&observer);
    doc.ResetToNew();
    doc.filePath = std::string(files[0]);
    if (!ReadLayout(doc)) {
        // Nothing was read: writing the blank layout would only mislead.
        return 1;
    }
    doc.RebuildAfterLoad();
    const std::vector<Difference> losses = LossesOnSave(doc, variant);
    if (!losses.empty()) {
        UiMessage question{StringId::LossQuestion, {std::string(VariantName(variant))}};
        std::cerr << StringText(StringId::LossCaption) << ": " << question.English() << '\n';
        for (Difference loss : losses) {
            for (std::string& arg : loss.message.args) {
                arg = Latin1ToUtf8(arg);
            }
            std::cerr << "  " << loss.message.English() << '\n';
        }
        if (strict) {
            return 1;
        }
    }
    doc.filePath = std::string(files[1]);
    return WriteLayout(doc, variant) ? 0 : 1;
}

} // namespace vorlan::cli
