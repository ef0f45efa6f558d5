// vorlanctl log: the record of programming runs as text, CSV or JSON,
// `log import FILE` for an old text log, and `log export --to` / `log import
// --from` between two records.
#include "cli/Commands.h"
#include "cli/FileArguments.h"
#include "cli/RecordArguments.h"
#include "common/CsvCell.h"
#include "common/StringTable.h"
#include "common/TerminalText.h"
#include "records/RecordCopy.h"
#include "records/RecordText.h"

#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace vorlan::cli {
namespace {

bool StandardOutputIsTerminal() {
#ifdef _WIN32
    return _isatty(_fileno(stdout)) != 0;
#else
    return isatty(STDOUT_FILENO) != 0;
#endif
}

constexpr std::string_view kCsvColumns[] = {
    "Run",           "Station",       "User",          "Process",       "Started",  "Layout given",
    "Layout file",   "File SHA-256",  "Image SHA-256", "Keyboard type", "Emulated", "Bytes planned",
    "Bytes written", "Duration (ms)", "State",         "Result",        "Key test", "Order",
    "Place",         "Count",         "Outcome"};

// A text line's fields each made safe for the terminal, its tabs kept.
std::string TerminalFields(std::string_view line) {
    std::string out;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        out += TerminalLine(line.substr(start, tab - start));
        if (tab == std::string_view::npos) {
            return out;
        }
        out += '\t';
        start = tab + 1;
    }
}

std::string TypeText(int type) {
    return type < 0 ? std::string("-") : std::to_string(type);
}

std::string CsvLine(const RunRecord& r) {
    const std::string fields[] = {std::to_string(r.id),
                                  r.process.host,
                                  r.user,
                                  r.process.pid > 0 ? std::to_string(r.process.pid) : "",
                                  r.started,
                                  r.layoutGiven,
                                  r.layoutResolved,
                                  r.fileSha256,
                                  r.imageSha256,
                                  TypeText(r.keyboardType),
                                  r.emulated ? "yes" : "no",
                                  std::to_string(r.bytesPlanned),
                                  std::to_string(r.bytesWritten),
                                  std::to_string(r.durationMs),
                                  std::string(RunStateName(r.state)),
                                  r.result,
                                  std::string(KeyTestName(r.keyTest)),
                                  r.order,
                                  r.place > 0 ? std::to_string(r.place) : "",
                                  r.count > 0 ? std::to_string(r.count) : "",
                                  r.outcome ? std::string(OutcomeName(*r.outcome)) : ""};
    std::string line;
    for (const std::string& f : fields) {
        line += (line.empty() ? "" : ",") + CsvCell(f, ',');
    }
    return line;
}

nlohmann::json JsonOf(const RunRecord& r) {
    nlohmann::json j;
    j["run"] = r.id;
    j["station"] = r.process.host;
    j["user"] = r.user;
    j["process"] = r.process.pid;
    j["started"] = r.started;
    j["layoutGiven"] = r.layoutGiven;
    j["layoutFile"] = r.layoutResolved;
    j["fileSha256"] = r.fileSha256;
    j["imageSha256"] = r.imageSha256;
    j["keyboardType"] = r.keyboardType < 0 ? nlohmann::json() : nlohmann::json(r.keyboardType);
    j["emulated"] = r.emulated;
    j["bytesPlanned"] = r.bytesPlanned;
    j["bytesWritten"] = r.bytesWritten;
    j["durationMs"] = r.durationMs;
    j["state"] = RunStateName(r.state);
    j["result"] = r.result;
    j["keyTest"] = KeyTestName(r.keyTest);
    j["order"] = r.order.empty() ? nlohmann::json() : nlohmann::json(r.order);
    j["place"] = r.place > 0 ? nlohmann::json(r.place) : nlohmann::json();
    j["count"] = r.count > 0 ? nlohmann::json(r.count) : nlohmann::json();
    j["outcome"] = r.outcome ? nlohmann::json(OutcomeName(*r.outcome)) : nlohmann::json();
    return j;
}

int RunImport(RecordStore& store, const std::string& file) {
    TextLogImport imported;
    if (const RecordResult result = ImportTextLog(store, file, imported); !result.Ok()) {
        ShowRecordFailure("log import", result);
        return 1;
    }
    for (const auto& [number, text] : imported.unreadable) {
        std::cerr << TerminalArgument(file) << ':' << number
                  << ": not a line of a programming log, not imported: "
                  << TerminalLine(Latin1ToUtf8(text)) << '\n';
    }
    std::cout << imported.added << " runs imported, " << imported.known << " already in the record "
              << TerminalLine(store.Name()) << ".\n";
    return imported.unreadable.empty() ? 0 : 1;
}

// The finished runs of the command's record copied to other (export) or
// from other into it (import).
int RunCopy(const cmdline::Parsed& parsed, bool exporting, const std::string& other) {
    const std::string command = exporting ? "log export" : "log import";
    // A source that is not there is a mistyped name, not a new empty record.
    std::error_code error;
    if (!exporting && !IsServerRecord(other) && !std::filesystem::exists(other, error)) {
        ShowRecordFailure(command, {RecordFailure::CannotOpen, other, "there is no such file"});
        return 1;
    }
    const std::unique_ptr<RecordStore> mine = OpenRecordOf(parsed, command);
    if (!mine) {
        return 1;
    }
    RecordResult opened;
    const std::unique_ptr<RecordStore> theirs = OpenRecord(other, {}, opened);
    if (!theirs) {
        ShowRecordFailure(command, opened);
        return 1;
    }
    RecordStore& from = exporting ? *mine : *theirs;
    RecordStore& to = exporting ? *theirs : *mine;
    CopyCounts counts;
    if (const RecordResult copied = CopyRuns(from, to, counts); !copied.Ok()) {
        ShowRecordFailure(command, copied);
        if (counts.added > 0) {
            std::cerr << counts.added << " runs were added before that; copying again adds the "
                      << "rest.\n";
        }
        return 1;
    }
    std::cout << counts.added << " runs added to " << TerminalLine(to.Name()) << ", "
              << counts.known << " already there.\n";
    if (counts.inProgress > 0) {
        std::cout << counts.inProgress << " runs still in progress were left out; copy again "
                  << "when they have ended.\n";
    }
    return 0;
}

} // namespace

int RunLog(Args args) {
    cmdline::Parsed parsed;
    if (const auto status = ReadArguments(args, "log", parsed)) {
        return *status;
    }
    const std::string verb = parsed.operands.empty() ? "" : parsed.operands[0];
    const auto to = parsed.Value("--to");
    const auto from = parsed.Value("--from");
    const bool copy = (verb == "export" && to && !from) || (verb == "import" && from && !to);
    if (copy && parsed.operands.size() == 1) {
        if (parsed.Has("--order") || parsed.Has("--format") || parsed.Has("-o")) {
            return UsageError("log", "--order, --format and -o do not go with " + verb, kLogUsage);
        }
        // "-" would be a record file of that name, never the terminal.
        if ((to ? *to : *from) == kStandardOutput) {
            return UsageError("log",
                              verb + " copies between records: name a file or postgresql://...",
                              kLogUsage);
        }
        return RunCopy(parsed, verb == "export", to ? *to : *from);
    }
    const bool import = verb == "import" && !to && !from;
    if ((import && parsed.operands.size() != 2) || (!import && !parsed.operands.empty()) ||
        (!import && (to || from))) {
        return UsageError(
            "log", "takes no operand, import FILE, export --to LOCATION or import --from LOCATION",
            kLogUsage);
    }
    const std::string format = parsed.Value("--format").value_or("text");
    const std::string out = parsed.Value("-o").value_or(std::string(kStandardOutput));
    const bool toFile = out != kStandardOutput;
    if (toFile && IsRecordFile(out, RecordPathOf(parsed))) {
        std::cerr << "vorlanctl log: "
                  << TerminalLine(UiMessage{StringId::RecordIsOutput, {out}}.English()) << '\n';
        return 1;
    }
    const std::unique_ptr<RecordStore> store = OpenRecordOf(parsed, import ? "log import" : "log");
    if (!store) {
        return 1;
    }
    if (import) {
        return RunImport(*store, parsed.operands[1]);
    }
    RunQuery query;
    if (const auto order = parsed.Value("--order")) {
        query.anyOrder = false;
        query.order = *order;
    }
    // A terminal is shown every field safely; a file or a pipe gets the bytes.
    const bool terminal = !toFile && StandardOutputIsTerminal();
    std::string text = format == "csv" ? "\xEF\xBB\xBF" : "";
    if (format == "csv") {
        for (const std::string_view column : kCsvColumns) {
            text += std::string(text.size() > 3 ? "," : "") + std::string(column);
        }
        text += "\r\n";
    }
    nlohmann::json array = nlohmann::json::array();
    bool written = true;
    const RecordResult read = store->ReadRuns(query, [&](const RunRecord& run) {
        if (format == "json") {
            array.push_back(JsonOf(run));
        } else {
            if (format == "csv") {
                text += (terminal ? TerminalLine(CsvLine(run)) : CsvLine(run)) + "\r\n";
            } else {
                text += (terminal ? TerminalFields(LogLineOf(run)) : LogLineOf(run)) + "\n";
            }
        }
        // Standard output takes the text as it comes, so memory stays bounded.
        if (!toFile && text.size() > (1u << 20)) {
            written = written && WriteStandardOutput(text);
            text.clear();
        }
        return true;
    });
    if (!read.Ok()) {
        ShowRecordFailure("log", read);
        return 1;
    }
    if (format == "json") {
        // A terminal gets every character beyond ASCII escaped, C1 controls too.
        text = array.dump(2, ' ', terminal, nlohmann::json::error_handler_t::replace) + "\n";
    }
    if (toFile) {
        if (const FileWriteResult saved = ReplaceFile(out, text); !saved.Ok()) {
            ShowWriteFailure(saved);
            return 1;
        }
        return 0;
    }
    if (!(written && WriteStandardOutput(text))) {
        std::cerr << "vorlanctl log: cannot write to standard output\n";
        return 1;
    }
    return 0;
}

} // namespace vorlan::cli
