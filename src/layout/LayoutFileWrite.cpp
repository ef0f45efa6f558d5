// Writing layout files: the four variants share one line format and differ
// in their header and in which keys fill the lines.
#include "layout/DurableFile.h"
#include "layout/LayoutFile.h"
#include "layout/LayoutType.h"

#include <filesystem>
#include <initializer_list>
#include <string>

namespace vorlan {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

void AppendNumber(std::string& out, long long value) {
    out += std::to_string(value);
}

void AppendHeader(std::string& out, std::initializer_list<std::int32_t> fields) {
    bool firstField = true;
    for (std::int32_t field : fields) {
        if (!firstField) {
            out += "; ";
        }
        firstField = false;
        AppendNumber(out, field);
    }
    out += kLineEnd;
}

// A line end inside a name would split its key line and shift every field
// after it; the reader ends a name at a CR anyway, so write only that part.
void AppendName(std::string& out, const KeyName& name) {
    const std::string_view text = name;
    out += text.substr(0, text.find_first_of("\r\n"));
}

void AppendCodes(std::string& out, const KeyCodes& codes, int count) {
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            out += ", ";
        }
        AppendNumber(out, codes[static_cast<std::size_t>(i)]);
    }
}

// A key line: number, codes and flags, then (16scan only) the group number,
// then the name.
void AppendKeyLine(std::string& out, int number, const KeyRecord& key, int codeCount,
                   bool withGroup) {
    AppendNumber(out, number);
    out += "; ";
    AppendCodes(out, key.codes, codeCount);
    out += "; ";
    AppendNumber(out, key.FileFlags());
    out += ';';
    if (withGroup) {
        AppendNumber(out, key.groupNumber);
        out += ';';
    }
    AppendName(out, key.name);
    out += kLineEnd;
}

void AppendSevenThreeKeyLine(std::string& out, int number, const KeyRecord& key, int codeCount) {
    AppendKeyLine(out, number, key, codeCount, false);
}

void AppendSixteenKeyLine(std::string& out, int number, const KeyRecord& key) {
    AppendKeyLine(out, number, key, kCodesPerKey, true);
}

void AppendFillerLine(std::string& out, int number) {
    AppendNumber(out, number);
    out += "; ";
    AppendCodes(out, KeyCodes{}, kCodesPerKey);
    out += "; 0;0;KEY";
    AppendNumber(out, number);
    out += kLineEnd;
}

} // namespace

std::string FormatLayout(const LayoutDocument& doc, KeyboardVariant variant) {
    const KeyboardSettings& s = doc.settings;
    std::string out;
    out.reserve(16 * 1024);

    if (variant == KeyboardVariant::SevenThreeScan) {
        const int codeCount = SevenThreeCodes(s.keyCount);
        AppendHeader(out, {NumberOf(LayoutTypeOf(s.keyCount, ScanFamily::SevenThreeScan)),
                           s.keysType, s.keyBeep, s.keyDelay, s.typematicRate});
        for (int k = 1; k <= kMaxKeys; ++k) {
            AppendSevenThreeKeyLine(out, k, doc.keys[static_cast<std::size_t>(k)], codeCount);
        }
        return out;
    }

    // A single side is written as a 56-key layout.
    const LayoutType type = variant == KeyboardVariant::SixteenScan
                                ? LayoutTypeOf(s.keyCount, ScanFamily::SixteenScan)
                                : LayoutType::Single16;
    const int first = NumberOf(type);
    AppendHeader(out, {first, s.keysType, s.keyBeep, s.keyDelay, s.typematicRate,
                       doc.rfid.FileFlags(), doc.rfid.prefix, doc.rfid.suffix, s.keysPause});

    for (int k = 1; k <= kMaxKeys; ++k) {
        switch (variant) {
        case KeyboardVariant::SingleLeft:
            if (k <= kBlockKeys) {
                AppendSixteenKeyLine(out, k, doc.keys[static_cast<std::size_t>(k)]);
            } else {
                AppendFillerLine(out, k);
            }
            break;
        case KeyboardVariant::SingleRight:
            if (k <= kBlockKeys) {
                AppendSixteenKeyLine(out, k, doc.keys[static_cast<std::size_t>(k + kBlockKeys)]);
            } else {
                AppendFillerLine(out, k);
            }
            break;
        default:
            AppendSixteenKeyLine(out, k, doc.keys[static_cast<std::size_t>(k)]);
            break;
        }
    }
    return out;
}

LayoutWriteResult WriteLayout(LayoutDocument& doc, KeyboardVariant variant) {
    using Status = LayoutWriteResult::Status;
    const std::string text = FormatLayout(doc, variant);
    if (doc.filePath.empty()) {
        return {Status::NotWritten, UiMessage{StringId::CannotOpenFile, {}}};
    }
    if (const FileWriteResult written = ReplaceFile(doc.filePath, text); !written.Ok()) {
        return {Status::NotWritten, WriteFailureMessage(written)};
    }
    doc.variant = variant == KeyboardVariant::SevenThreeScan ? KeyboardVariant::SevenThreeScan
                                                             : KeyboardVariant::SixteenScan;
    doc.dirty = false;
    if (!doc.HasProgrammedKey()) {
        return {Status::WrittenWithoutProgrammedKey, UiMessage{StringId::NoProgrammedKey, {}}};
    }
    return {};
}

void ShowWriteResult(LayoutObserver& screen, const LayoutWriteResult& result) {
    if (!result.message) {
        return;
    }
    // A write failure carries the file writer's words.
    if (result.status == LayoutWriteResult::Status::NotWritten) {
        screen.ShowWriteFailure(*result.message);
    } else {
        screen.ShowError(result.message->id);
    }
}

} // namespace vorlan
