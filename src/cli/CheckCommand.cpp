// vorlanctl check: reads layout files as the editor opens them and reports,
// at their lines, what the reader skipped, cut or filled in and what is legal
// but probably a mistake.
#include "cli/Commands.h"
#include "cli/FileArguments.h"
#include "cli/TerminalText.h"
#include "common/Latin1.h"
#include "layout/LayoutCheck.h"
#include "layout/LayoutFile.h"
#include "programming/DeviceImage.h"

#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace vorlan::cli {

namespace {

using json = nlohmann::ordered_json;

// What the programming run would send: the layout written as the editor
// writes its temporary file, through the strict image builder.
void CheckImage(const LayoutDocument& doc, ReadReport& report) {
    if (!doc.HasProgrammedKey()) {
        report.Add(0, NoteLevel::Warning, StringId::NoProgrammedKey);
        return;
    }
    const KeyboardVariant variant = doc.loadedVariant == KeyboardVariant::SevenThreeScan
                                        ? KeyboardVariant::SevenThreeScan
                                        : KeyboardVariant::SixteenScan;
    std::istringstream in(FormatLayout(doc, variant));
    DeviceImage image;
    if (const int step = BuildDeviceImage(in, image); step != ImageOk) {
        report.Add(0, NoteLevel::Warning, StringId::ReportNoImage, {std::to_string(step)});
    }
}

// Names in the messages are Latin-1 bytes; the output is UTF-8.
ReadNote Utf8Note(ReadNote note) {
    for (std::string& arg : note.message.args) {
        arg = Latin1ToUtf8(arg);
    }
    return note;
}

// For the terminal: each field cut to a readable length, controls escaped.
std::string TerminalNote(const std::string& file, ReadNote note) {
    for (std::string& arg : note.message.args) {
        arg = TerminalField(arg);
    }
    return TerminalLine(FormatNote(file, note));
}

json NoteJson(const std::string& file, const ReadNote& note) {
    json item;
    item["file"] = file;
    item["line"] = note.line;
    item["level"] = note.level == NoteLevel::Error ? "error" : "warning";
    item["key"] = note.key;
    item["id"] = static_cast<int>(note.message.id);
    item["message"] = note.message.English();
    return item;
}

} // namespace

int RunCheck(Args args) {
    FileArguments arguments;
    if (const auto status = ReadFileArguments(args, "check", kCheckUsage, arguments)) {
        return *status;
    }
    const std::vector<std::string>& files = arguments.files;
    const bool asJson = arguments.asJson;
    if (files.empty()) {
        return UsageError("check", "needs at least one layout file", kCheckUsage);
    }

    bool errors = false;
    bool warnings = false;
    json all = json::array();
    for (const std::string& file : files) {
        LayoutDocument doc;
        if (const LayoutReadResult read = CheckLayoutFile(file, doc); !read) {
            doc.readReport.Add(0, NoteLevel::Error, *read.failure);
        } else {
            CheckImage(doc, doc.readReport);
        }
        for (const ReadNote& note : doc.readReport.Notes()) {
            (note.level == NoteLevel::Error ? errors : warnings) = true;
            if (asJson) {
                all.push_back(NoteJson(file, Utf8Note(note)));
            } else {
                std::cout << TerminalNote(file, note) << '\n';
            }
        }
    }
    if (asJson) {
        std::cout << all.dump(2, ' ', false, json::error_handler_t::replace) << '\n';
    }
    if (!std::cout.good() || errors) {
        return 1;
    }
    return warnings ? 3 : 0;
}

} // namespace vorlan::cli
