// vorlanctl convert: opens a layout file as the editor does and saves it in a
// chosen variant, with the editor's messages on standard error.
#include "cli/Commands.h"
#include "cli/FileArguments.h"
#include "common/TerminalText.h"
#include "common/Text.h"
#include "layout/DurableFile.h"
#include "layout/LayoutFile.h"
#include "layout/LossList.h"

#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace vorlan::cli {

namespace {

int UsageError(std::string_view problem) {
    return cli::UsageError("convert", problem, kConvertUsage);
}

} // namespace

int RunConvert(Args args) {
    cmdline::Parsed parsed;
    if (const auto status = ReadArguments(args, "convert", parsed)) {
        return *status;
    }
    const std::vector<std::string>& files = parsed.operands;
    // The declaration limits --variant to 1..4 already.
    const std::optional<KeyboardVariant> chosen = KeyboardVariantFromNumber(
        parsed.Number("--variant", static_cast<long>(KeyboardVariant::SixteenScan)));
    if (!chosen) {
        return UsageError("--variant is 1, 2, 3 or 4");
    }
    const KeyboardVariant variant = *chosen;
    const bool strict = parsed.Has("--strict");
    if (files.size() != 2) {
        return UsageError("needs an input file and an output file");
    }
    const bool toStandardOutput = files[1] == kStandardOutput;
    // Refused before anything is read: a pipe, a device, or the input itself.
    if (const FileWriteResult refused = CheckWriteTarget(files[1], {files[0]});
        !toStandardOutput && !refused.Ok()) {
        ShowWriteFailure(refused);
        return 1;
    }

    StderrObserver observer;
    LayoutDocument doc;
    doc.SetObserver(&observer);
    doc.ResetToNew();
    doc.filePath = files[0];
    if (const LayoutReadResult read = ReadLayout(doc); !read) {
        // Nothing was read: writing the blank layout would only mislead. The
        // command names two files, so the message says which one.
        std::cerr << TerminalLine(std::string(StringText(StringId::Error)) + ": " + files[0] +
                                  ": " + std::string(StringText(*read.failure)))
                  << '\n';
        return 1;
    }
    doc.RebuildAfterLoad();
    const std::vector<Difference> losses = LossesOnSave(doc, variant);
    if (!losses.empty()) {
        UiMessage question{StringId::LossQuestion, {std::string(VariantName(variant))}};
        std::cerr << StringText(StringId::LossCaption) << ": " << question.English() << '\n';
        for (Difference loss : losses) {
            // Key names are the file's bytes: shown as check shows them.
            std::cerr << "  " << TerminalMessage(loss.message) << '\n';
        }
        if (strict) {
            return 1;
        }
    }
    if (toStandardOutput) {
        if (!WriteStandardOutput(FormatLayout(doc, variant))) {
            return 1;
        }
        if (!doc.HasProgrammedKey()) {
            observer.ShowError(StringId::NoProgrammedKey);
            return 1;
        }
        return 0;
    }
    doc.filePath = files[1];
    const LayoutWriteResult written = WriteLayout(doc, variant);
    ShowWriteResult(observer, written);
    return written ? 0 : 1;
}

} // namespace vorlan::cli
