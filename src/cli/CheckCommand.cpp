// vorlanctl check: reads layout files as the editor opens them and reports,
// at their lines, what the reader skipped, cut or filled in and what is legal
// but probably a mistake.
#include "cli/Commands.h"
#include "cli/FileArguments.h"
#include "common/Latin1.h"
#include "common/TerminalText.h"
#include "keyboards/PcLayouts.h"
#include "keyboards/TextCodes.h"
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

// Keys whose codes end where a PC would wait for more: a modifier after
// other keys (a key of a modifier alone is one), or a dead key; and codes
// no key of a PC keyboard makes.
void CheckTexts(const LayoutDocument& doc, const std::string& layoutId, ReadReport& report) {
    const keyboards::PcLayoutInfo* info = keyboards::FindPcLayout(layoutId);
    const std::string layoutName = info == nullptr ? layoutId : std::string(StringText(info->name));
    for (int k = 1; k <= doc.KeysInUse(); ++k) {
        if (doc.IsLaterCellOfJoinedKey(k) || !doc.IsProgrammed(k)) {
            continue;
        }
        std::vector<std::uint32_t> codes;
        for (const std::int32_t code : doc.keys[static_cast<std::size_t>(k)].codes) {
            codes.push_back(static_cast<std::uint32_t>(code));
        }
        const keyboards::CodesText text = keyboards::TextOfCodes(codes, layoutId);
        const std::string key = std::to_string(k);
        const auto add = [&](StringId id, std::vector<std::string> args) {
            report.Add(report.KeyLine(k), NoteLevel::Warning, id, std::move(args), k);
        };
        switch (text.reason) {
        case keyboards::NotTextReason::ModifierAtEnd:
            if (!keyboards::OnlyModifiers(codes)) {
                add(StringId::CheckModifierAtEnd, {key});
            }
            break;
        case keyboards::NotTextReason::DeadKeyAtEnd:
            add(StringId::CheckDeadKeyAtEnd, {key, layoutName});
            break;
        case keyboards::NotTextReason::UnknownCode:
            add(StringId::CheckCodeNoKeyMakes, {key, std::to_string(text.code)});
            break;
        default:
            break;
        }
    }
}

// The English text with its values (Latin-1 bytes of the file) as UTF-8.
// A value can be a field of megabytes: it is converted once, straight into
// the text, never copied on the way.
std::string Utf8Message(const UiMessage& message) {
    const std::string_view text = StringText(message.id);
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool placeholder = text[i] == '%' && i + 1 < text.size() &&
                                 ((text[i + 1] >= '1' && text[i + 1] <= '9') ||
                                  text[i + 1] == 's' || text[i + 1] == 'd');
        if (placeholder && next < message.args.size()) {
            out += Latin1ToUtf8(message.args[next++]);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// For the terminal: each field cut to a readable length, controls escaped.
std::string TerminalNote(const std::string& file, ReadNote note) {
    for (std::string& arg : note.message.args) {
        arg = TerminalField(arg);
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
    WriteJsonString(out, Utf8Message(note.message));
    out << "\n  }";
}

} // namespace

int RunCheck(Args args) {
    return RunCheckIn(args, {});
}

int RunCheckWithPcLayout(Args args) {
    return RunInPcLayout("check", args, kCheckUsage, RunCheckIn);
}

int RunCheckIn(Args args, const std::string& pcLayout) {
    const std::string layoutId = pcLayout.empty() ? std::string("us") : pcLayout;
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
        } else {
            CheckImage(doc, doc.readReport);
            CheckTexts(doc, layoutId, doc.readReport);
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
