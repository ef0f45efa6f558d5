#include "fuzz/FuzzHarness.h"
#include "fuzz/ImageChecks.h"
#include "layout/LayoutFile.h"
#include "programming/DeviceImage.h"

#include <algorithm>
#include <array>
#include <optional>
#include <sstream>
#include <string_view>
#include <vector>

namespace vorlan::hardening {
namespace {

constexpr std::string_view kBlanks = " \r\t";

struct ExpectedImage {
    int typeNumber = 0;
    std::vector<std::uint8_t> bytes;
};

std::vector<std::string_view> Split(std::string_view text, std::string_view stops) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t stop = text.find_first_of(stops);
        parts.push_back(text.substr(0, stop));
        if (stop == std::string_view::npos) {
            return parts;
        }
        text.remove_prefix(stop + 1);
    }
}

// A number field of the strict format: digits with blanks around them and a
// value that fits a byte; nothing otherwise.
std::optional<std::uint8_t> ByteField(std::string_view field) {
    const std::size_t first = field.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    field = field.substr(first, field.find_last_not_of(kBlanks) - first + 1);
    int value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = std::min(value * 10 + (c - '0'), 256);
    }
    if (value > 255) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

// The image a text must give, read by splitting it into lines (at LF) and
// fields (at ',' and ';') rather than by the builder's tokens; nothing when
// the builder must refuse the text. Later lines for a key replace earlier
// ones, lines for keys beyond the layout are skipped, and whatever follows
// the last value of a line is free text.
std::optional<ExpectedImage> ReadByFields(std::string_view text) {
    const std::vector<std::string_view> lines = Split(text, "\n");
    if (lines.size() < 2) {
        return std::nullopt; // the header must end in a line end
    }
    const std::vector<std::string_view> header = Split(lines[0], ",;");
    const std::optional<std::uint8_t> type = ByteField(header[0]);
    if (!type) {
        return std::nullopt;
    }
    const ImageShape shape = ImageShapeOf(*type);
    const bool sixteen = shape.leadBytes == 2;
    if (shape.keyCount == 0 || header.size() != (sixteen ? 9u : 5u)) {
        return std::nullopt;
    }
    std::array<std::uint8_t, 9> h{};
    for (std::size_t i = 1; i < header.size(); ++i) {
        const std::optional<std::uint8_t> value = ByteField(header[i]);
        if (!value) {
            return std::nullopt;
        }
        h[i] = *value;
    }
    // keys type, beep, delay, rate
    if (h[1] > 1 || h[2] > 1 || h[3] > 3 || h[4] > 31) {
        return std::nullopt;
    }
    ExpectedImage expected{*type, std::vector<std::uint8_t>(static_cast<std::size_t>(shape.size))};
    std::vector<std::uint8_t>& bytes = expected.bytes;
    const std::size_t settings = static_cast<std::size_t>(shape.keyCount * shape.recordSize);
    bytes[settings] = static_cast<std::uint8_t>(h[4] | (h[3] << 5));
    bytes[settings + 1] = static_cast<std::uint8_t>(h[2] | (h[1] << 1));
    if (sixteen) {
        std::copy(h.begin() + 5, h.end(),
                  bytes.begin() + static_cast<std::ptrdiff_t>(settings + 2));
    }

    const std::size_t values = static_cast<std::size_t>(shape.codes + shape.leadBytes);
    for (std::size_t l = 1; l < lines.size(); ++l) {
        // Blanks alone after the last line end are the end of the file.
        if (l + 1 == lines.size() &&
            lines[l].find_first_not_of(kBlanks) == std::string_view::npos) {
            break;
        }
        const std::vector<std::string_view> fields = Split(lines[l], ",;");
        const std::optional<std::uint8_t> key = ByteField(fields[0]);
        if (!key || *key == 0 || fields.size() < 2) {
            return std::nullopt;
        }
        if (*key > shape.keyCount) {
            continue;
        }
        // Each value, the last one too, is followed by a separator.
        if (fields.size() < values + 2) {
            return std::nullopt;
        }
        const std::size_t record = static_cast<std::size_t>((*key - 1) * shape.recordSize);
        for (std::size_t i = 0; i < values; ++i) {
            const std::optional<std::uint8_t> value = ByteField(fields[1 + i]);
            if (!value) {
                return std::nullopt;
            }
            // On the line: codes, flags, group number; in the record: flags,
            // group number, codes.
            const std::size_t codes = static_cast<std::size_t>(shape.codes);
            bytes[record +
                  (i < codes ? static_cast<std::size_t>(shape.leadBytes) + i : i - codes)] = *value;
        }
    }
    return expected;
}

} // namespace

std::string RunImageBuilder(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    // Any text: a step code, or the image an independent reading of the
    // fields gives, exactly when that reading finds the text well-formed.
    std::istringstream stream{std::string(text)};
    DeviceImage image;
    const int result = BuildDeviceImage(stream, image);
    if (result > 0 || result < -30) {
        return "step code " + std::to_string(result);
    }
    const std::optional<ExpectedImage> expected = ReadByFields(text);
    if (result != 0 && expected) {
        return "refused a well-formed file with step code " + std::to_string(result);
    }
    if (result == 0 && !expected) {
        return "accepted a file that breaks the format";
    }
    if (result == 0) {
        const int imageNumber = image.type ? NumberOf(*image.type) : 0;
        if (imageNumber != expected->typeNumber) {
            return "type number " + std::to_string(imageNumber) + ", not " +
                   std::to_string(expected->typeNumber);
        }
        if (image.bytes.size() != expected->bytes.size()) {
            return "built an image of " + std::to_string(image.bytes.size()) + " bytes, not " +
                   std::to_string(expected->bytes.size());
        }
        const auto differ =
            std::mismatch(image.bytes.begin(), image.bytes.end(), expected->bytes.begin());
        if (differ.first != image.bytes.end()) {
            return "byte " + std::to_string(differ.first - image.bytes.begin()) + " is " +
                   std::to_string(*differ.first) + ", not " + std::to_string(*differ.second);
        }
    }

    // Whatever the editor makes of the same text, once rebuilt, must come back
    // from the writer in a form the builder accepts and turns into its image.
    LayoutDocument doc;
    doc.ResetToNew();
    ParseLayout(doc, text);
    doc.RebuildAfterLoad();
    static constexpr KeyboardVariant kVariants[] = {
        KeyboardVariant::SevenThreeScan, KeyboardVariant::SixteenScan, KeyboardVariant::SingleLeft,
        KeyboardVariant::SingleRight};
    const KeyboardVariant variant = kVariants[size % 4];
    if (std::string problem = CheckImageOfLayout(doc, variant); !problem.empty()) {
        return problem;
    }
    return {};
}

} // namespace vorlan::hardening
