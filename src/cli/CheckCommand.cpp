// vorlanctl check: reads layout files as the editor opens them and reports,
// at their lines, what the reader skipped, cut or filled in, what is legal
// but probably a mistake, and where the image builder stops on the file.
#include "cli/Commands.h"
#include "cli/FileArguments.h"
#include "common/TerminalText.h"
#include "common/Text.h"
#include "layout/LayoutCheck.h"
#include "layout/LayoutFile.h"
#include "programming/DeviceImage.h"
#include "programming/LayoutImageFile.h"

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

// What image and program do with the file's own bytes: the builder's stop,
// at its line, is an error whatever the editor's reader made of the file.
void CheckFileImage(const std::string& file, ReadReport& report) {
    DeviceImage image;
    const LayoutImageRead read = ReadLayoutImage(file, image);
    if (read.check == PathCheck::Plain && read.step != ImageOk) {
        report.Add(read.line, NoteLevel::Error, StringId::ImageRefusedAtLine,
                   {std::to_string(read.step)});
    }
}

// For the terminal: each field cut to a readable length, controls escaped.
std::string TerminalNote(const std::string& file, ReadNote note) {
    for (UiArg& arg : note.message.args) {
        arg = TerminalValue(arg);
    }
    return TerminalLine(FormatNote(file, note));
}

// A JSON string of UTF-8 text, escaped as the JSON library escapes it (the
// short escapes, \u00XX for the other control bytes, everything else as it
// is) but written in blocks: the library formats each control byte on its
// own, and a field of 16 MiB of NUL bytes took seconds.
void WriteJsonString(std::ostream& out, std::string_view utf8) {
    static constexpr char kHex[] = "0123456789abcdef";
    static constexpr std::size_t kBlock = 64 * 1024;
    std::string block;
    block.reserve(kBlock + 8);
    block += '"';
    for (const char c : utf8) {
        switch (c) {
        case '"':
            block += "\\\"";
            break;
        case '\\':
            block += "\\\\";
            break;
        case '\b':
            block += "\\b";
            break;
        case '\f':
            block += "\\f";
            break;
        case '\n':
            block += "\\n";
            break;
        case '\r':
            block += "\\r";
            break;
        case '\t':
            block += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                block += "\\u00";
                block += kHex[(static_cast<unsigned char>(c) >> 4) & 0xF];
                block += kHex[static_cast<unsigned char>(c) & 0xF];
            } else {
                block += c;
            }
        }
        if (block.size() >= kBlock) {
            out.write(block.data(), static_cast<std::streamsize>(block.size()));
            block.clear();
        }
    }
    block += '"';
    out.write(block.data(), static_cast<std::streamsize>(block.size()));
}

// One element of the array, laid out as the library lays out the whole
// array, written as it goes: however many files, only one note's text is
// held at a time. The message is valid UTF-8 (file bytes read as Latin-1);
// the file name may not be, and goes through the library's replacement.
void WriteArrayItem(std::ostream& out, const std::string& file, const ReadNote& note, bool first) {
    out << (first ? "[\n" : ",\n")
        << "  {\n    \"file\": " << json(file).dump(-1, ' ', false, json::error_handler_t::replace)
        << ",\n    \"line\": " << note.line << ",\n    \"level\": \""
        << (note.level == NoteLevel::Error ? "error" : "warning")
        << "\",\n    \"key\": " << note.key
        << ",\n    \"id\": " << static_cast<int>(note.message.id) << ",\n    \"message\": ";
    WriteJsonString(out, note.message.English());
    out << "\n  }";
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
    bool first = true;
    for (const std::string& file : files) {
        LayoutDocument doc;
        if (const LayoutReadResult read = CheckLayoutFile(file, doc); !read) {
            doc.readReport.Add(0, NoteLevel::Error, *read.failure);
            CheckFileImage(file, doc.readReport);
        } else {
            CheckFileImage(file, doc.readReport);
            CheckImage(doc, doc.readReport);
        }
        for (const ReadNote& note : doc.readReport.Notes()) {
            (note.level == NoteLevel::Error ? errors : warnings) = true;
            if (asJson) {
                WriteArrayItem(std::cout, file, note, first);
                first = false;
            } else {
                std::cout << TerminalNote(file, note) << '\n';
            }
        }
    }
    if (asJson) {
        std::cout << (first ? "[]\n" : "\n]\n");
    }
    if (!std::cout.good() || errors) {
        return 1;
    }
    return warnings ? 3 : 0;
}

} // namespace vorlan::cli
