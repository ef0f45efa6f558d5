#include "layout/LayoutFile.h"

#include "layout/DurableFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <limits>
#include <system_error>

namespace vorlan {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kMaxReadBytes = 16u * 1024u * 1024u;

// ---- writing ----

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

int SevenThreeCodes(int keyCount) {
    return keyCount == kMaxKeys ? kSevenThreeCodes112 : kSevenThreeCodes56;
}

void AppendCodes(std::string& out, const KeyCodes& codes, int count) {
    for (int i = 0; i < count; ++i) {
        if (i > 0) {
            out += ", ";
        }
        AppendNumber(out, codes[static_cast<std::size_t>(i)]);
    }
}

void AppendSevenThreeKeyLine(std::string& out, int number, const KeyRecord& key, int codeCount) {
    AppendNumber(out, number);
    out += "; ";
    AppendCodes(out, key.codes, codeCount);
    out += "; ";
    AppendNumber(out, key.FileFlags());
    out += ';';
    AppendName(out, key.name);
    out += kLineEnd;
}

void AppendSixteenKeyLine(std::string& out, int number, const KeyRecord& key) {
    AppendNumber(out, number);
    out += "; ";
    AppendCodes(out, key.codes, kCodesPerKey);
    out += "; ";
    AppendNumber(out, key.FileFlags());
    out += ';';
    AppendNumber(out, key.groupNumber);
    out += ';';
    AppendName(out, key.name);
    out += kLineEnd;
}

void AppendFillerLine(std::string& out, int number) {
    AppendNumber(out, number);
    out += "; ";
    AppendCodes(out, KeyCodes{}, kCodesPerKey);
    out += "; 0;0;KEY";
    AppendNumber(out, number);
    out += kLineEnd;
}

// ---- reading ----

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
        if (!inLine_) {
            return 0;
        }
        const std::size_t size = text_.size();
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
        for (; pos_ < size && text_[pos_] >= '0' && text_[pos_] <= '9'; ++pos_) {
            value = std::min(value * 10 + (text_[pos_] - '0'), kCap);
        }
        Token(); // the rest of the token, up to its separator
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
    }

private:
    static bool IsStop(char c) { return c == ',' || c == ';' || c == '\r' || c == '\n'; }

    std::string_view text_;
    std::size_t pos_ = 0;
    bool inLine_ = true;
};

// "Above the limit" is tested on the number taken as unsigned, so negative
// numbers count as above.
std::int32_t Limited(std::int32_t value, std::uint32_t max, std::int32_t substitute) {
    return static_cast<std::uint32_t>(value) > max ? substitute : value;
}

std::uint8_t LowByte(std::int32_t value) {
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 0xFFu);
}

// ---- files ----

} // namespace

std::string FormatLayout(const LayoutDocument& doc, KeyboardVariant variant) {
    const KeyboardSettings& s = doc.settings;
    std::string out;
    out.reserve(16 * 1024);

    if (variant == KeyboardVariant::SevenThreeScan) {
        const int codeCount = SevenThreeCodes(s.keyCount);
        AppendHeader(out, {s.keyCount, s.keysType, s.keyBeep, s.keyDelay, s.typematicRate});
        for (int k = 1; k <= kMaxKeys; ++k) {
            AppendSevenThreeKeyLine(out, k, doc.keys[static_cast<std::size_t>(k)], codeCount);
        }
        return out;
    }

    const int first = variant == KeyboardVariant::SixteenScan ? s.keyCount + 1 : kBlockKeys + 1;
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

void ParseLayout(LayoutDocument& doc, std::string_view text) {
    LineScanner scan(text);

    const std::int32_t first = scan.Number();
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
    }
    doc.variant = sevenThree ? KeyboardVariant::SevenThreeScan : KeyboardVariant::SixteenScan;
    doc.loadedVariant = doc.variant;

    doc.settings.keysType = Limited(scan.Number(), 1, 1);
    doc.settings.keyBeep = Limited(scan.Number(), 1, 1);
    doc.settings.keyDelay = Limited(scan.Number(), 3, 2);
    doc.settings.typematicRate = Limited(scan.Number(), 31, 11);

    if (!sevenThree) {
        const std::uint8_t rfidFlags = LowByte(scan.Number());
        doc.rfid.digitsCount = static_cast<std::uint8_t>(std::min(rfidFlags >> 4, 13));
        doc.rfid.digitsTypeNum = (rfidFlags & 0x04) == 0;
        doc.rfid.prefixExtended = (rfidFlags & 0x01) != 0;
        doc.rfid.suffixExtended = (rfidFlags & 0x02) != 0;
        doc.rfid.prefix = LowByte(scan.Number());
        doc.rfid.suffix = LowByte(scan.Number());
        const std::int32_t pause = scan.Number();
        doc.settings.keysPause =
            (pause == 0 || static_cast<std::uint32_t>(pause) > 255) ? 2 : pause;
        doc.Observer().ControlsChanged();
    }
    scan.NextLine();

    KeyRecord scratch;
    while (!scan.AtEnd()) {
        const std::int32_t k = scan.Number();
        // Lines for numbers outside the slot table are parsed into a scratch
        // record and dropped.
        KeyRecord& key =
            (k >= 0 && k < kKeySlots) ? doc.keys[static_cast<std::size_t>(k)] : scratch;
        for (int i = 0; i < codeCount; ++i) {
            const std::int32_t code = scan.Number();
            key.codes[static_cast<std::size_t>(i)] = (code < 0 || code > 255) ? 0 : code;
        }
        const std::int32_t flags = scan.Number();
        key.flags = static_cast<std::uint8_t>((key.flags & ~KeyRecord::kFileFlagsMask) |
                                              (LowByte(flags) & KeyRecord::kFileFlagsMask));
        if (!sevenThree) {
            key.groupNumber = scan.Number();
        }
        key.name = scan.Token();
        if (k >= doc.settings.keyCount) {
            break;
        }
        scan.NextLine();
    }

    doc.Observer().ControlsChanged();
}

bool WriteLayout(LayoutDocument& doc, KeyboardVariant variant) {
    doc.Observer().CommitControls();
    const std::string text = FormatLayout(doc, variant);
    if (doc.filePath.empty() || !DurableReplace(std::filesystem::path(doc.filePath), text)) {
        doc.Observer().ShowError(StringId::CannotOpenFile);
        return false;
    }
    doc.variant = variant == KeyboardVariant::SevenThreeScan ? KeyboardVariant::SevenThreeScan
                                                             : KeyboardVariant::SixteenScan;
    doc.dirty = false;
    if (!doc.HasProgrammedKey()) {
        doc.Observer().ShowError(StringId::NoProgrammedKey);
        return false;
    }
    return true;
}

bool ReadLayout(LayoutDocument& doc) {
    std::string text;
    // A layout is a few kilobytes; the cap keeps an endless file from
    // freezing the program. Pipes, sockets, devices and folders are refused
    // before anything is read from them.
    const PathCheck check = ReadPlainFile(doc.filePath, text, kMaxReadBytes);
    if (check != PathCheck::Plain) {
        doc.Observer().ShowError(check == PathCheck::NotPlain ? StringId::NotAPlainFile
                                                              : StringId::CannotOpenFile);
        return false;
    }
    ParseLayout(doc, text);
    return true;
}

} // namespace vorlan
