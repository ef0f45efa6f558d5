// Reading layout files: one pass over the bytes, every field limited as the
// keyboard takes it, and a report of whatever the reader had to change.
#include "layout/LayoutFile.h"

#include "layout/DurableFile.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <system_error>
#include <type_traits>
#include <utility>
#include <vector>

namespace vorlan {
namespace {

constexpr std::size_t kMaxReadBytes = 16u * 1024u * 1024u;

// Takes the file apart line by line and, within a line, token by token, in
// one pass over the bytes. Tokens end at ',' or ';'; past the end of a line
// every token is empty, so missing fields read as empty fields. Lines end at
// CR LF, a bare LF or a bare CR.
class LineScanner {
public:
    explicit LineScanner(std::string_view text) : text_(text) {}

    // Between lines: true once nothing is left to read.
    bool AtEnd() const { return pos_ >= text_.size(); }

    std::string_view Token() {
        if (!inLine_) {
            return {};
        }
        const std::size_t start = pos_;
        const std::size_t size = text_.size();
        while (pos_ < size && !IsStop(text_[pos_])) {
            ++pos_;
        }
        const std::string_view token = text_.substr(start, pos_ - start);
        if (pos_ < size && (text_[pos_] == ',' || text_[pos_] == ';')) {
            ++pos_;
        } else {
            inLine_ = false; // the line end is left for NextLine()
        }
        return token;
    }

    // Decimal conversion of the next token as the C library does it: leading
    // white space, an optional sign, digits up to the first other byte; no
    // digits give 0. Values beyond 32 bits saturate instead of overflowing.
    // Reads the bytes in place rather than through Token(), so each byte is
    // looked at once.
    std::int32_t Number() {
        given_ = inLine_;
        if (!inLine_) {
            clean_ = false;
            token_ = {};
            return 0;
        }
        const std::size_t size = text_.size();
        const std::size_t start = pos_;
        // CR and LF end the token, so only the other white space is skipped:
        // a number missing at the end of a line must not come from the next.
        while (pos_ < size && (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\v' ||
                               text_[pos_] == '\f')) {
            ++pos_;
        }
        bool negative = false;
        if (pos_ < size && (text_[pos_] == '+' || text_[pos_] == '-')) {
            negative = text_[pos_] == '-';
            ++pos_;
        }
        long long value = 0;
        constexpr long long kCap =
            static_cast<long long>(std::numeric_limits<std::int32_t>::max()) + 1;
        const std::size_t digits = pos_;
        for (; pos_ < size && text_[pos_] >= '0' && text_[pos_] <= '9'; ++pos_) {
            value = std::min(value * 10 + (text_[pos_] - '0'), kCap);
        }
        const bool anyDigit = pos_ > digits;
        const std::string_view rest = Token(); // up to its separator
        // Not find_first_not_of: it calls memchr once a byte.
        clean_ = anyDigit && std::all_of(rest.begin(), rest.end(),
                                         [](char c) { return c == ' ' || c == '\t'; });
        const auto restEnd = static_cast<std::size_t>(rest.data() + rest.size() - text_.data());
        token_ = text_.substr(start, restEnd - start);
        if (negative) {
            value = -value;
        }
        return static_cast<std::int32_t>(
            std::clamp<long long>(value, std::numeric_limits<std::int32_t>::min(),
                                  std::numeric_limits<std::int32_t>::max()));
    }

    // Skips what is left of the current line and its line end.
    void NextLine() {
        const std::size_t size = text_.size();
        while (pos_ < size && text_[pos_] != '\r' && text_[pos_] != '\n') {
            ++pos_;
        }
        if (pos_ < size) {
            const bool cr = text_[pos_] == '\r';
            ++pos_;
            if (cr && pos_ < size && text_[pos_] == '\n') {
                ++pos_;
            }
        }
        inLine_ = true;
        ++line_;
        lineStart_ = pos_;
    }

    // Whether the current line has a field left to read.
    bool InLine() const { return inLine_; }
    // Whether the last Number() had digits and nothing else, and its text.
    bool LastClean() const { return clean_; }
    // Whether the line still had a field for the last Number().
    bool LastGiven() const { return given_; }
    std::string_view LastToken() const { return token_; }
    // The current line's number (from 1) and its length without its line end.
    int Line() const { return line_; }
    std::size_t LineLength() const {
        MeasureLine();
        return lineLength_;
    }
    // The current line's fields (one more than its separators).
    int LineFields() const {
        MeasureLine();
        return lineFields_;
    }
    // Whether the current line is empty (no byte before its line end).
    bool EmptyLine() const { return LineLength() == 0; }
    // Lines after the current one that hold at least one byte.
    int LinesAfter() const {
        int lines = 0;
        bool inText = false;
        std::size_t p = lineStart_ + LineLength();
        for (; p < text_.size(); ++p) {
            const bool end = text_[p] == '\r' || text_[p] == '\n';
            if (!end && !inText) {
                ++lines;
            }
            inText = !end;
        }
        return lines;
    }

private:
    static bool IsStop(char c) { return c == ',' || c == ';' || c == '\r' || c == '\n'; }

    std::string_view text_;
    std::size_t pos_ = 0;
    bool inLine_ = true;
    bool clean_ = false;
    bool given_ = false;
    std::string_view token_;
    int line_ = 1;
    std::size_t lineStart_ = 0;
    // The current line's length and fields, found in one pass when first
    // asked: the report asks several times a line, and each pass over the
    // line cost as much as parsing it.
    mutable int measuredLine_ = 0;
    mutable std::size_t lineLength_ = 0;
    mutable int lineFields_ = 0;

    void MeasureLine() const {
        if (measuredLine_ == line_) {
            return;
        }
        measuredLine_ = line_;
        lineLength_ = 0;
        lineFields_ = 1;
        const std::size_t start = std::min(lineStart_, text_.size());
        if (start == text_.size()) {
            return; // nothing left to measure
        }
        // One pass to the first CR or LF: searching for each of them to the
        // end of the text would cost the rest of the file on every line of a
        // file without that byte.
        const char* from = text_.data() + start;
        const char* const last = text_.data() + text_.size();
        const char* end = from;
        int fields = 1;
        for (; end != last && *end != '\r' && *end != '\n'; ++end) {
            fields += static_cast<int>(*end == ',') + static_cast<int>(*end == ';');
        }
        lineLength_ = static_cast<std::size_t>(end - from);
        lineFields_ = fields;
    }
};

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
    template <class T> static std::string Text(const T& value) {
        if constexpr (std::is_integral_v<T>) {
            return std::to_string(value);
        } else {
            return std::string(value);
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
    bool sevenThree = false;
    int codeCount = kCodesPerKey;
    if (first == kMaxKeys) {
        doc.settings.keyCount = kMaxKeys;
        sevenThree = true;
        codeCount = kSevenThreeCodes112;
    } else if (first == kBlockKeys) {
        doc.settings.keyCount = kBlockKeys;
        sevenThree = true;
        codeCount = kSevenThreeCodes56;
    } else if (first == kMaxKeys + 1) {
        doc.settings.keyCount = kMaxKeys;
    } else {
        doc.settings.keyCount = kBlockKeys;
        if (!text.empty() && first != kBlockKeys + 1) {
            note.Error(StringId::ReportUnknownFirstNumber, first);
        }
    }
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
        doc.Observer().ControlsChanged();
    }
    scan.NextLine();

    const int fieldsPerLine = 1 + codeCount + 1 + (sevenThree ? 0 : 1) + 1;
    KeyRecord scratch;
    while (!scan.AtEnd()) {
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

    doc.Observer().ControlsChanged();
}

bool ReadLayout(LayoutDocument& doc) {
    std::string text;
    // A layout is a few kilobytes; the cap keeps an endless file from
    // freezing the program. Pipes, sockets, devices and folders are refused
    // before anything is read from them. One byte past the cap tells a file
    // that was cut.
    const PathCheck check = ReadPlainFile(doc.filePath, text, kMaxReadBytes + 1);
    if (check != PathCheck::Plain) {
        doc.Observer().ShowError(check == PathCheck::NotPlain ? StringId::NotAPlainFile
                                                              : StringId::CannotOpenFile);
        return false;
    }
    const bool capped = text.size() > kMaxReadBytes;
    if (capped) {
        text.resize(kMaxReadBytes);
    }
    doc.readReport.Clear();
    doc.readReport.path = doc.filePath;
    if (capped) {
        doc.readReport.Add(0, NoteLevel::Error, StringId::ReportFileCapped,
                           {std::to_string(text.size())});
    }
    ParseLayout(doc, text, &doc.readReport);
    return true;
}

} // namespace vorlan
