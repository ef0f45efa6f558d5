#include "fuzz/FuzzHarness.h"
#include "fuzz/LayoutChecks.h"
#include "layout/LayoutFile.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>
#include <vector>

namespace vorlan::hardening {
namespace {

// Lines end at CR LF, a bare LF or a bare CR; no text gives no lines.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
    return lines;
}

// The fields of one line, between ',' and ';'; past the last one every field
// is empty.
class Fields {
public:
    explicit Fields(std::string_view line) {
        for (;;) {
            const std::size_t stop = line.find_first_of(",;");
            fields_.push_back(line.substr(0, stop));
            if (stop == std::string_view::npos) {
                break;
            }
            line.remove_prefix(stop + 1);
        }
    }

    std::string_view Text(std::size_t i) const { return i < fields_.size() ? fields_[i] : ""; }

    // As the C library converts a number, saturating at the 32-bit limits.
    std::int32_t Number(std::size_t i) const {
        std::string_view field = Text(i);
        while (!field.empty() &&
               (field[0] == ' ' || field[0] == '\t' || field[0] == '\v' || field[0] == '\f')) {
            field.remove_prefix(1);
        }
        bool negative = false;
        if (!field.empty() && (field[0] == '+' || field[0] == '-')) {
            negative = field[0] == '-';
            field.remove_prefix(1);
        }
        long long value = 0;
        for (const char c : field) {
            if (c < '0' || c > '9') {
                break;
            }
            value = std::min(value * 10 + (c - '0'), 1LL << 32);
        }
        return static_cast<std::int32_t>(std::clamp<long long>(
            negative ? -value : value, std::numeric_limits<std::int32_t>::min(),
            std::numeric_limits<std::int32_t>::max()));
    }

private:
    std::vector<std::string_view> fields_;
};

std::int32_t Limited(std::int32_t value, std::uint32_t max, std::int32_t substitute) {
    return static_cast<std::uint32_t>(value) > max ? substitute : value;
}

struct ExpectedKey {
    KeyCodes codes{};
    int fileFlags = 0;
    std::int32_t groupNumber = 0;
    KeyName name;
};

// What reading the text into start must give, taken from its lines and
// fields rather than by the reader's one pass over the bytes.
struct ExpectedRead {
    KeyboardSettings settings;
    RfidOptions rfid;
    bool sevenThree = false;
    std::array<ExpectedKey, kKeySlots> keys;

    ExpectedRead(const LayoutDocument& start, std::string_view text)
        : settings(start.settings), rfid(start.rfid) {
        for (int k = 0; k < kKeySlots; ++k) {
            const KeyRecord& key = start.keys[static_cast<std::size_t>(k)];
            keys[static_cast<std::size_t>(k)] = {key.codes, key.FileFlags(), key.groupNumber,
                                                 key.name};
        }
        const std::vector<std::string_view> lines = Lines(text);
        const Fields header(lines.empty() ? std::string_view() : lines[0]);
        const std::int32_t first = header.Number(0);
        sevenThree = first == kMaxKeys || first == kBlockKeys;
        settings.keyCount = first == kMaxKeys || first == kMaxKeys + 1 ? kMaxKeys : kBlockKeys;
        const int codeCount = !sevenThree ? kCodesPerKey : settings.keyCount == kMaxKeys ? 3 : 7;
        settings.keysType = Limited(header.Number(1), 1, 1);
        settings.keyBeep = Limited(header.Number(2), 1, 1);
        settings.keyDelay = Limited(header.Number(3), 3, 2);
        settings.typematicRate = Limited(header.Number(4), 31, 11);
        if (!sevenThree) {
            const int flags = header.Number(5) & 0xFF;
            rfid.digitsCount = static_cast<std::uint8_t>(std::min(flags >> 4, 13));
            rfid.digitsTypeNum = (flags & 0x04) == 0;
            rfid.prefixExtended = (flags & 0x01) != 0;
            rfid.suffixExtended = (flags & 0x02) != 0;
            rfid.prefix = static_cast<std::uint8_t>(header.Number(6) & 0xFF);
            rfid.suffix = static_cast<std::uint8_t>(header.Number(7) & 0xFF);
            const std::int32_t pause = header.Number(8);
            settings.keysPause = pause >= 1 && pause <= 255 ? pause : 2;
        }

        ExpectedKey scratch;
        for (std::size_t l = 1; l < lines.size(); ++l) {
            const Fields line(lines[l]);
            const std::int32_t k = line.Number(0);
            ExpectedKey& key =
                k >= 0 && k < kKeySlots ? keys[static_cast<std::size_t>(k)] : scratch;
            std::size_t field = 1;
            for (int i = 0; i < codeCount; ++i, ++field) {
                const std::int32_t code = line.Number(field);
                key.codes[static_cast<std::size_t>(i)] = code >= 0 && code <= 255 ? code : 0;
            }
            key.fileFlags = line.Number(field++) & KeyRecord::kFileFlagsMask;
            if (!sevenThree) {
                key.groupNumber = line.Number(field++);
            }
            key.name = line.Text(field);
            if (k >= settings.keyCount) {
                break;
            }
        }
    }

    std::string Compare(const LayoutDocument& doc) const {
        const KeyboardSettings& s = doc.settings;
        if (s.keyCount != settings.keyCount || s.keysType != settings.keysType ||
            s.keyBeep != settings.keyBeep || s.keyDelay != settings.keyDelay ||
            s.typematicRate != settings.typematicRate || s.keysPause != settings.keysPause) {
            return "the reader's settings differ from the file's header";
        }
        if (doc.rfid.FileFlags() != rfid.FileFlags() || doc.rfid.prefix != rfid.prefix ||
            doc.rfid.suffix != rfid.suffix) {
            return "the reader's RFID options differ from the file's header";
        }
        if ((doc.variant == KeyboardVariant::SevenThreeScan) != sevenThree) {
            return "read in the wrong variant";
        }
        for (int k = 0; k < kKeySlots; ++k) {
            const KeyRecord& got = doc.keys[static_cast<std::size_t>(k)];
            const ExpectedKey& want = keys[static_cast<std::size_t>(k)];
            if (got.codes != want.codes || got.FileFlags() != want.fileFlags ||
                got.groupNumber != want.groupNumber || !(got.name == want.name)) {
                return "slot " + std::to_string(k) + " differs from its line in the file";
            }
        }
        return {};
    }
};

} // namespace

std::string RunLayoutReader(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    LayoutDocument doc;
    doc.ResetToNew();
    const ExpectedRead expected(doc, text);
    ParseLayout(doc, text);
    if (std::string problem = expected.Compare(doc); !problem.empty()) {
        return problem;
    }
    {
        // The report only records: reading with it reads the same layout.
        LayoutDocument reported;
        ReadReport report;
        ParseLayout(reported, text, &report);
        if (FormatLayout(reported, KeyboardVariant::SixteenScan) !=
            FormatLayout(doc, KeyboardVariant::SixteenScan)) {
            return "reading with a report read another layout";
        }
    }
    doc.RebuildAfterLoad();
    const std::vector<std::string> rows = doc.CatalogRows();
    doc.RebuildCatalog();
    if (doc.CatalogRows() != rows) {
        return "a second catalogue rebuild changed the catalogue";
    }
    if (std::string problem = CheckLoadedLayout(doc); !problem.empty()) {
        return problem;
    }
    // One variant per input, picked by its length, keeps each run cheap; the
    // corpus holds inputs of every length, so every variant is exercised.
    static constexpr KeyboardVariant kVariants[] = {
        KeyboardVariant::SevenThreeScan, KeyboardVariant::SixteenScan, KeyboardVariant::SingleLeft,
        KeyboardVariant::SingleRight};
    return CheckRoundTrip(doc, kVariants[size % 4], true);
}

} // namespace vorlan::hardening
