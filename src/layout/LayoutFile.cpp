// Reading layout files: one pass over the bytes, every field limited as the
// keyboard takes it, and a report of whatever the reader had to change.
#include "layout/LayoutFile.h"

#include "layout/DurableFile.h"
#include "layout/LayoutFileCap.h"
#include "layout/LayoutLineScanner.h"
#include "layout/LayoutType.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <system_error>
#include <type_traits>
#include <utility>
#include <vector>

namespace vorlan {
namespace {

using layout_detail::LineScanner;

// "Above the limit" is tested on the number taken as unsigned, so negative
// numbers count as above.
std::int32_t Limited(std::int32_t value, std::uint32_t max, std::int32_t substitute) {
    return static_cast<std::uint32_t>(value) > max ? substitute : value;
}

std::uint8_t LowByte(std::int32_t value) {
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFFu);
}

// Records what the reader does beyond reading the file as written. Every
// entry point does nothing without a report, so the plain read pays only a
// test per field.
class ReportRecorder {
public:
    ReportRecorder(ReadReport* report, const LineScanner& scan) : r_(report), scan_(scan) {}

    explicit operator bool() const { return r_ != nullptr; }

    // The texts of a note are made only when the report keeps it: a file
    // of millions of faulty lines must not cost millions of strings.
    template <class... A> void Note(NoteLevel level, StringId id, int key, const A&... args) {
        if (r_ != nullptr && !r_->CountedOnly(scan_.Line(), level, id)) {
            r_->Add(scan_.Line(), level, id, {Text(args)...}, key);
        }
    }
    template <class... A> void Error(StringId id, const A&... args) {
        Note(NoteLevel::Error, id, 0, args...);
    }
    template <class... A> void KeyError(int key, StringId id, const A&... args) {
        Note(NoteLevel::Error, id, key, args...);
    }

    // After a Number() that gave value: a field that is there but is not a
    // plain number.
    void Number(std::int32_t value, int key = 0) {
        if (r_ != nullptr && scan_.LastGiven() && !scan_.LastClean()) {
            KeyError(key, StringId::ReportNotANumber, scan_.LastToken(), value);
        }
    }

    std::int32_t Limit(std::int32_t raw, std::uint32_t max, std::int32_t substitute, StringId id) {
        const std::int32_t value = Limited(raw, max, substitute);
        if (r_ != nullptr) {
            Number(raw);
            if (scan_.LastGiven() && value != raw) {
                Error(id, raw);
            }
        }
        return value;
    }

    std::uint8_t Byte(std::int32_t raw, StringId id) {
        const std::uint8_t value = LowByte(raw);
        if (r_ != nullptr) {
            Number(raw);
            if (scan_.LastGiven() && (raw < 0 || raw > 255)) {
                Error(id, raw, value);
            }
        }
        return value;
    }

    // At the start of a key line: its fields; a line too long for the format.
    int StartKeyLine() {
        const std::size_t length = scan_.LineLength();
        if (length > kMaxLineBytes) {
            Note(NoteLevel::Warning, StringId::ReportLineLong, 0, length);
        }
        return scan_.LineFields();
    }

    // After the key number k: whether the line fills a key of the layout, so
    // that what happens to its fields is worth telling.
    bool KeyNumber(std::int32_t k, int keyCount) {
        if (r_ == nullptr) {
            return false;
        }
        if (scan_.EmptyLine()) {
            Error(StringId::ReportEmptyLine);
            return false;
        }
        if (!scan_.LastClean()) {
            if (k == 0) {
                Error(StringId::ReportNoKeyNumber);
                return false;
            }
            Number(k);
        }
        if (k < 1 || k > kMaxKeys) {
            Error(StringId::ReportKeyNumberOutside, k);
            return false;
        }
        const int line = scan_.Line();
        if (const int earlier = r_->KeyLine(k); earlier != 0) {
            KeyError(k, StringId::ReportKeyRepeated, k, earlier);
        }
        r_->SetKeyLine(k, line);
        if (k > keyCount) {
            KeyError(k, StringId::ReportKeyOutsideGrid, k, keyCount);
        }
        return true;
    }

    void Code(int k, std::int32_t raw) {
        Number(raw, k);
        if (scan_.LastGiven() && (raw < 0 || raw > 255)) {
            KeyError(k, StringId::ReportCodeOutOfRange, k, raw);
        }
    }

    void Flags(int k, std::int32_t raw) {
        Number(raw, k);
        if (scan_.LastGiven() && (raw < 0 || raw > KeyRecord::kFileFlagsMask)) {
            KeyError(k, StringId::ReportFlagsOutOfRange, k, raw,
                     LowByte(raw) & KeyRecord::kFileFlagsMask);
        }
    }

    void LineEnd(int k, std::string_view name, int fields, int wanted) {
        if (name.size() > kMaxKeyNameBytes) {
            KeyError(k, StringId::ReportNameCut, k, name.size());
        }
        if (fields > wanted) {
            KeyError(k, StringId::ReportLineSurplus, k, fields - wanted);
        } else if (fields < wanted) {
            KeyError(k, StringId::ReportLineShort, k, wanted - fields);
        }
    }

    // The reader stops after the line of key k. The lines a writer puts after
    // the last key of a 56-key layout are expected; anything else is not.
    void Stopped(std::int32_t k, int keyCount) {
        if (r_ == nullptr) {
            return;
        }
        const int after = scan_.LinesAfter();
        const bool expected = k == keyCount && after <= kMaxKeys - keyCount;
        if (after > 0 && !expected) {
            Error(StringId::ReportReadStopped, k, after);
        }
    }

    void MissingKeys(int keyCount) {
        if (r_ == nullptr) {
            return;
        }
        std::string list;
        int count = 0;
        for (int k = 1; k <= keyCount; ++k) {
            if (r_->KeyLine(k) != 0) {
                continue;
            }
            int last = k;
            while (last < keyCount && r_->KeyLine(last + 1) == 0) {
                ++last;
            }
            list += (list.empty() ? "" : ", ") + std::to_string(k);
            if (last > k) {
                list += "-" + std::to_string(last);
            }
            count += last - k + 1;
            k = last;
        }
        if (count > 0) {
            r_->Add(0, NoteLevel::Error,
                    count == 1 ? StringId::ReportKeysMissing : StringId::ReportKeysMissingMany,
                    {list});
        }
    }

private:
    // A number, or a field of the file: Latin-1 bytes.
    template <class T> static UiArg Text(const T& value) {
        if constexpr (std::is_integral_v<T>) {
            return std::to_string(value);
        } else {
            return Latin1Text(value);
        }
    }

    ReadReport* r_;
    const LineScanner& scan_;
};

} // namespace

void ParseLayout(LayoutDocument& doc, std::string_view text, ReadReport* report) {
    LineScanner scan(text);
    ReportRecorder note(report, scan);

    if (text.empty()) {
        note.Error(StringId::ReportFileEmpty);
    }
    const int headerFields = note ? scan.LineFields() : 0;
    const std::int32_t first = scan.Number();
    note.Number(first);
    // A number of no type reads as a 56-key 16scan layout, reported.
    const std::optional<LayoutType> named = LayoutTypeFromNumber(first);
    if (!text.empty() && !named) {
        note.Error(StringId::ReportUnknownFirstNumber, first);
    }
    const LayoutType type = named.value_or(LayoutType::Single16);
    doc.settings.keyCount = KeyCountOf(type);
    const bool sevenThree = FamilyOf(type) == ScanFamily::SevenThreeScan;
    const int codeCount = sevenThree ? SevenThreeCodes(doc.settings.keyCount) : kCodesPerKey;
    doc.variant = sevenThree ? KeyboardVariant::SevenThreeScan : KeyboardVariant::SixteenScan;
    doc.loadedVariant = doc.variant;
    if (note && !text.empty()) {
        const int wanted = sevenThree ? 5 : 9;
        if (headerFields < wanted) {
            note.Error(StringId::ReportHeaderShort, headerFields, wanted);
        } else if (headerFields > wanted) {
            note.Error(StringId::ReportHeaderSurplus, headerFields - wanted,
                       VariantName(doc.variant));
        }
    }

    doc.settings.keysType = note.Limit(scan.Number(), 1, 1, StringId::ReportKeysTypeLimited);
    doc.settings.keyBeep = note.Limit(scan.Number(), 1, 1, StringId::ReportKeyBeepLimited);
    doc.settings.keyDelay = note.Limit(scan.Number(), 3, 2, StringId::ReportKeyDelayLimited);
    doc.settings.typematicRate = note.Limit(scan.Number(), 31, 11, StringId::ReportRateLimited);

    if (!sevenThree) {
        const std::int32_t rawFlags = scan.Number();
        const std::uint8_t rfidFlags = note.Byte(rawFlags, StringId::ReportRfidFlagsCut);
        if ((rfidFlags >> 4) > 13) {
            note.Error(StringId::ReportDigitsLimited, static_cast<int>(rfidFlags), rfidFlags >> 4);
        }
        doc.rfid.digitsCount = static_cast<std::uint8_t>(std::min(rfidFlags >> 4, 13));
        doc.rfid.digitsTypeNum = (rfidFlags & 0x04) == 0;
        doc.rfid.prefixExtended = (rfidFlags & 0x01) != 0;
        doc.rfid.suffixExtended = (rfidFlags & 0x02) != 0;
        doc.rfid.prefix = note.Byte(scan.Number(), StringId::ReportPrefixCut);
        doc.rfid.suffix = note.Byte(scan.Number(), StringId::ReportSuffixCut);
        const bool pauseGiven = scan.InLine();
        const std::int32_t pause = scan.Number();
        note.Number(pause);
        doc.settings.keysPause =
            (pause == 0 || static_cast<std::uint32_t>(pause) > 255) ? 2 : pause;
        if (pauseGiven && doc.settings.keysPause != pause) {
            note.Error(StringId::ReportKeysPauseLimited, pause);
        }
    }
    scan.NextLine();

    const int fieldsPerLine = 1 + codeCount + 1 + (sevenThree ? 0 : 1) + 1;
    KeyRecord scratch;
    while (!scan.AtEnd()) {
        // A run of empty lines (a file of nothing but line ends) costs a note
        // each, not a key line each: only the last of the run is read as a
        // key line, which leaves slot 0 as every empty line would.
        if (scan.EmptyLineFollowed()) {
            note.Error(StringId::ReportEmptyLine);
            scan.NextLine();
            continue;
        }
        const int fields = note ? note.StartKeyLine() : 0;
        const std::int32_t k = scan.Number();
        const bool stored = note.KeyNumber(k, doc.settings.keyCount);
        // Lines for numbers outside the slot table are parsed into a scratch
        // record and dropped.
        KeyRecord& key =
            (k >= 0 && k < kKeySlots) ? doc.keys[static_cast<std::size_t>(k)] : scratch;
        for (int i = 0; i < codeCount; ++i) {
            const std::int32_t code = scan.Number();
            key.codes[static_cast<std::size_t>(i)] = (code < 0 || code > 255) ? 0 : code;
            if (stored) {
                note.Code(k, code);
            }
        }
        const std::int32_t flags = scan.Number();
        key.flags = static_cast<std::uint8_t>((key.flags & ~KeyRecord::kFileFlagsMask) |
                                              (LowByte(flags) & KeyRecord::kFileFlagsMask));
        if (stored) {
            note.Flags(k, flags);
        }
        if (!sevenThree) {
            key.groupNumber = scan.Number();
        }
        const std::string_view name = scan.Token();
        key.name = name;
        if (stored) {
            note.LineEnd(k, name, fields, fieldsPerLine);
        }
        if (k >= doc.settings.keyCount) {
            note.Stopped(k, doc.settings.keyCount);
            break;
        }
        scan.NextLine();
    }
    note.MissingKeys(doc.settings.keyCount);
}

LayoutReadResult ReadLayout(LayoutDocument& doc) {
    std::string text;
    // Pipes, sockets, devices and folders are refused before anything is
    // read from them. One byte past the cap tells a file that was cut.
    const PathCheck check = ReadPlainFile(doc.filePath, text, kMaxLayoutFileBytes + 1);
    if (check != PathCheck::Plain) {
        return {ReadFailureId(check)};
    }
    const bool capped = text.size() > kMaxLayoutFileBytes;
    if (capped) {
        text.resize(kMaxLayoutFileBytes);
    }
    doc.readReport.Clear();
    doc.readReport.path = doc.filePath;
    if (capped) {
        doc.readReport.Add(0, NoteLevel::Error, StringId::ReportFileCapped,
                           {std::to_string(text.size())});
    }
    ParseLayout(doc, text, &doc.readReport);
    return {};
}

void ShowReadResult(LayoutObserver& screen, const LayoutReadResult& result) {
    if (result.failure) {
        screen.ShowError(*result.failure);
    }
}

} // namespace vorlan
