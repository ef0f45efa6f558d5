// vorlanctl import and export: a layout from a key list (CSV) and back.
#include "cli/Commands.h"
#include "cli/FileArguments.h"
#include "cli/ReportJob.h"
#include "common/FileWriter.h"
#include "common/TerminalText.h"
#include "editor/KeyList.h"
#include "layout/LayoutFile.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <string>

namespace vorlan::cli {

namespace {

// A key list is a spreadsheet's export: far below this.
constexpr std::size_t kMaxKeyListBytes = 4 * 1024 * 1024;

std::optional<int> ReadSeparator(const cmdline::Parsed& parsed, std::string_view command,
                                 std::string_view usage, char& separator) {
    const auto given = parsed.Value("--separator");
    if (!given) {
        return std::nullopt;
    }
    if (*given == "tab" || *given == "\\t") {
        separator = '\t';
    } else if (given->size() == 1 && (*given)[0] != '"' && (*given)[0] != '\r' &&
               (*given)[0] != '\n' && (*given)[0] != ' ') {
        separator = (*given)[0];
    } else {
        return UsageError(command, "--separator takes one character (not a quote or blank) or tab",
                          usage);
    }
    return std::nullopt;
}

// The list's own cells in a message, as the terminal shows them: controls
// escaped and a long cell cut.
std::string ShownMessage(UiMessage message) {
    for (UiArg& arg : message.args) {
        arg = UiArg(TerminalArgument(arg.Utf8()));
    }
    return message.English();
}

bool ReadInput(const std::string& path, std::string& text) {
    // One byte past the cap tells a list cut there from one that ends there.
    if (const PathCheck read = ReadPlainFile(path, text, kMaxKeyListBytes + 1);
        read != PathCheck::Plain) {
        std::cerr << StringText(StringId::Error) << ": " << TerminalArgument(path) << ": "
                  << StringText(ReadFailureId(read)) << '\n';
        return false;
    }
    if (text.size() > kMaxKeyListBytes) {
        std::cerr << "vorlanctl import: " << TerminalArgument(path) << " is larger than "
                  << kMaxKeyListBytes / (1024 * 1024) << " MiB, which no key list is\n";
        return false;
    }
    return true;
}

} // namespace

int RunImport(Args args) {
    cmdline::Parsed parsed;
    if (const auto status = ReadArguments(args, "import", parsed)) {
        return *status;
    }
    if (parsed.operands.size() != 1) {
        return UsageError("import", "one key list is needed", kImportUsage);
    }
    KeyListOptions options;
    if (const auto status = ReadSeparator(parsed, "import", kImportUsage, options.separator)) {
        return *status;
    }
    const std::string& listPath = parsed.operands[0];
    const std::string out = parsed.Value("-o").value_or(std::string());
    if (const FileWriteResult refused = CheckWriteTarget(out, {listPath}); !refused.Ok()) {
        ShowWriteFailure(refused);
        return 1;
    }
    std::string text;
    if (!ReadInput(listPath, text)) {
        return 1;
    }
    const std::string layout = PcLayoutOfArguments(parsed);
    options.layoutId = layout;
    options.numberPad = parsed.Has("--number-pad");
    options.keyCount = static_cast<int>(parsed.Number("--keys", 0));
    options.fallbackSeparator = ReportListSeparator();
    // The document is large: kept off the stack.
    const auto imported = std::make_unique<KeyListImport>(ImportKeyList(text, options));
    const bool skipBad = parsed.Has("--skip-bad");
    std::string leftOut;
    int lastRow = 0;
    for (const KeyListProblem& p : imported->problems) {
        std::cerr << TerminalArgument(listPath) << ": " << ProblemPlace(p) << ": "
                  << StringText(StringId::Error) << ": " << ShownMessage(p.message) << '\n';
        if (p.row > 1 && p.row != lastRow) {
            leftOut += (leftOut.empty() ? "" : ", ") + std::to_string(p.row);
            lastRow = p.row;
        }
    }
    for (const KeyListProblem& p : imported->warnings) {
        std::cerr << TerminalArgument(listPath) << ": " << ProblemPlace(p)
                  << ": warning: " << ShownMessage(p.message) << '\n';
    }
    // The header and the list as a whole are never skipped.
    const bool wholeListWrong = std::any_of(imported->problems.begin(), imported->problems.end(),
                                            [](const KeyListProblem& p) { return p.row == 1; });
    if (wholeListWrong || (!imported->problems.empty() && !skipBad)) {
        std::cerr << "vorlanctl import: nothing written\n";
        return 1;
    }
    if (!leftOut.empty()) {
        std::cerr << UiMessage{StringId::KeyListRowsLeftOut, {leftOut}}.English() << '\n';
    }
    StderrObserver observer;
    LayoutDocument& doc = imported->doc;
    doc.SetObserver(&observer);
    doc.filePath = out;
    const LayoutWriteResult written = WriteLayout(doc, KeyboardVariant::SixteenScan);
    ShowWriteResult(observer, written);
    return written.FileWritten() ? 0 : 1;
}

int RunExport(Args args) {
    cmdline::Parsed parsed;
    if (const auto status = ReadArguments(args, "export", parsed)) {
        return *status;
    }
    if (parsed.operands.size() != 1) {
        return UsageError("export", "one layout file is needed", kExportUsage);
    }
    KeyListOptions options;
    if (const auto status = ReadSeparator(parsed, "export", kExportUsage, options.separator)) {
        return *status;
    }
    const std::string& layoutPath = parsed.operands[0];
    const std::string out = parsed.Value("-o").value_or(std::string());
    const bool toStandardOutput = out == kStandardOutput;
    if (const FileWriteResult refused = CheckWriteTarget(out, {layoutPath});
        !toStandardOutput && !refused.Ok()) {
        ShowWriteFailure(refused);
        return 1;
    }
    StderrObserver observer;
    const auto doc = std::make_unique<LayoutDocument>();
    doc->SetObserver(&observer);
    doc->ResetToNew();
    doc->filePath = layoutPath;
    if (const LayoutReadResult read = ReadLayout(*doc); !read) {
        std::cerr << TerminalLine(std::string(StringText(StringId::Error)) + ": " + layoutPath +
                                  ": " + std::string(StringText(*read.failure)))
                  << '\n';
        return 1;
    }
    doc->RebuildAfterLoad();
    const std::string layout = PcLayoutOfArguments(parsed);
    options.layoutId = layout;
    options.numberPad = parsed.Has("--number-pad");
    options.fallbackSeparator = ReportListSeparator();
    const std::string list = ExportKeyList(*doc, options);
    // Say so when importing the list would not give this file back.
    // As a plain import reads it: a double keyboard whose keys are all in
    // its first half needs --keys 112 there.
    const KeyListOptions again = options;
    const auto imported = std::make_unique<KeyListImport>(ImportKeyList(list, again));
    if (!imported->problems.empty() || FormatLayout(imported->doc, KeyboardVariant::SixteenScan) !=
                                           FormatLayout(*doc, KeyboardVariant::SixteenScan)) {
        std::cerr << "vorlanctl export: warning: " << StringText(StringId::KeyListNotCarried)
                  << '\n';
    }
    if (toStandardOutput) {
        return WriteStandardOutput(list) ? 0 : 1;
    }
    const FileWriteResult written = ReplaceFile(out, list, {layoutPath});
    if (!written.Ok()) {
        ShowWriteFailure(written);
        return 1;
    }
    return 0;
}

} // namespace vorlan::cli
