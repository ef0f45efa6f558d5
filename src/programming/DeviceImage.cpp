#include "programming/DeviceImage.h"

#include "common/FilePath.h"
#include "layout/DurableFile.h"

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <system_error>
#include <utility>

namespace vorlan {

ImageLayout ImageLayoutOf(LayoutType type) {
    switch (type) {
    case LayoutType::Single73:
        return {kBlockKeys, 7, 1, 8, 2, 450};
    case LayoutType::Double73:
        return {kMaxKeys, 3, 1, 4, 2, 450};
    case LayoutType::Single16:
        return {kBlockKeys, 16, 2, 18, 6, 1014};
    case LayoutType::Double16:
        return {kMaxKeys, 16, 2, 18, 6, 2022};
    }
    return {};
}

ImageTokenizer::ImageTokenizer(std::istream& input) : stream(input) {
    Advance();
}

void ImageTokenizer::Advance() {
    const auto c = stream.get();
    lookAhead = std::istream::traits_type::eq_int_type(c, std::istream::traits_type::eof())
                    ? -1
                    : static_cast<int>(static_cast<unsigned char>(c));
}

TokenKind ImageTokenizer::ReadToken(std::uint8_t* value) {
    // Blanks never form a token, but they end a run of characters, so a digit
    // after "A " starts a number while a digit after "A" does not.
    while (lookAhead == ' ' || lookAhead == '\r' || lookAhead == '\t') {
        lastKind = TokenKind::Separator;
        Advance();
    }
    tokenLine = line;
    if (lastKind != TokenKind::Character && lookAhead >= '0' && lookAhead <= '9') {
        int number = 0;
        while (lookAhead >= '0' && lookAhead <= '9') {
            number = number * 10 + (lookAhead - '0');
            Advance();
            if (number > 255) {
                lastKind = TokenKind::NumberTooLarge;
                return lastKind;
            }
        }
        if (value != nullptr) {
            *value = static_cast<std::uint8_t>(number);
        }
        lastKind = TokenKind::Number;
        return lastKind;
    }
    if (lookAhead == ',' || lookAhead == ';') {
        Advance();
        lastKind = TokenKind::Separator;
    } else if (lookAhead == '\n') {
        Advance();
        ++line;
        lastKind = TokenKind::EndOfLine;
    } else if (lookAhead == -1) {
        lastKind = TokenKind::EndOfFile;
    } else {
        if (value != nullptr) {
            *value = static_cast<std::uint8_t>(lookAhead);
        }
        Advance();
        lastKind = TokenKind::Character;
    }
    return lastKind;
}

namespace {

// The build of one image; the tokenizer's state lives exactly as long as the build.
class ImageBuilder {
public:
    ImageBuilder(std::istream& stream, DeviceImage& built) : tokens(stream), image(built) {}

    int Build();
    int FailedLine() const { return tokens.TokenLine(); }

private:
    bool Number(std::uint8_t& value) { return tokens.ReadToken(&value) == TokenKind::Number; }
    bool Is(TokenKind kind) { return tokens.ReadToken(nullptr) == kind; }
    int Setting(std::uint8_t& value, int missing, int noSeparator, int tooLarge, int limit);
    // Reads to the end of the line: true when a line follows, false at the end of the file.
    bool SkipLine();
    int KeyLines();

    ImageTokenizer tokens;
    DeviceImage& image;
    ImageLayout layout;
};

int ImageBuilder::Setting(std::uint8_t& value, int missing, int noSeparator, int tooLarge,
                          int limit) {
    if (!Number(value)) {
        return missing;
    }
    if (!Is(TokenKind::Separator)) {
        return noSeparator;
    }
    return value > limit ? tooLarge : ImageOk;
}

bool ImageBuilder::SkipLine() {
    for (;;) {
        const TokenKind kind = tokens.ReadToken(nullptr);
        if (kind == TokenKind::EndOfLine) {
            return true;
        }
        if (kind == TokenKind::EndOfFile) {
            return false;
        }
    }
}

int ImageBuilder::Build() {
    image.bytes.clear();
    image.type.reset();

    std::uint8_t typeNumber = 0;
    if (!Number(typeNumber)) {
        return ImageTypeNumberMissing;
    }
    const std::optional<LayoutType> type = LayoutTypeFromNumber(typeNumber);
    if (!type) {
        return ImageTypeNumberUnknown;
    }
    layout = ImageLayoutOf(*type);
    if (!Is(TokenKind::Separator)) {
        return ImageTypeSeparatorMissing;
    }
    image.type = type;
    image.bytes.assign(static_cast<std::size_t>(layout.imageSize), 0);

    std::uint8_t keysType = 0;
    std::uint8_t keyBeep = 0;
    std::uint8_t keyDelay = 0;
    std::uint8_t typematicRate = 0;
    if (const int step = Setting(keysType, ImageKeysTypeMissing, ImageKeysTypeSeparatorMissing,
                                 ImageKeysTypeTooLarge, 1)) {
        return step;
    }
    if (const int step = Setting(keyBeep, ImageKeyBeepMissing, ImageKeyBeepSeparatorMissing,
                                 ImageKeyBeepTooLarge, 1)) {
        return step;
    }
    if (const int step = Setting(keyDelay, ImageKeyDelayMissing, ImageKeyDelaySeparatorMissing,
                                 ImageKeyDelayTooLarge, 3)) {
        return step;
    }
    if (!Number(typematicRate)) {
        return ImageTypematicRateMissing;
    }
    if (typematicRate > 31) {
        return ImageTypematicRateTooLarge;
    }
    if (!Is(layout.IsSixteenScan() ? TokenKind::Separator : TokenKind::EndOfLine)) {
        return layout.IsSixteenScan() ? ImageRateSeparatorMissing : ImageHeaderEndMissing;
    }

    const std::size_t size = image.bytes.size();
    const std::size_t settings = size - static_cast<std::size_t>(layout.settingsBytes);
    // The typematic byte has the layout of the PS/2 rate/delay command's argument.
    image.bytes[settings] = static_cast<std::uint8_t>(typematicRate | (keyDelay << 5));
    image.bytes[settings + 1] = static_cast<std::uint8_t>(keyBeep | (keysType << 1));

    if (layout.IsSixteenScan()) {
        struct Field {
            int missing;
            int noEnd;
            TokenKind end;
        };
        static constexpr Field kTail[] = {
            {ImageRfidFlagsMissing, ImageRfidFlagsSeparatorMissing, TokenKind::Separator},
            {ImagePrefixMissing, ImagePrefixSeparatorMissing, TokenKind::Separator},
            {ImageSuffixMissing, ImageSuffixSeparatorMissing, TokenKind::Separator},
            {ImageKeysPauseMissing, ImageHeaderEndAfterPauseMissing, TokenKind::EndOfLine},
        };
        std::size_t position = size - 4;
        for (const Field& field : kTail) {
            if (!Number(image.bytes[position++])) {
                return field.missing;
            }
            if (!Is(field.end)) {
                return field.noEnd;
            }
        }
    }
    return KeyLines();
}

int ImageBuilder::KeyLines() {
    for (;;) {
        std::uint8_t key = 0;
        const TokenKind kind = tokens.ReadToken(&key);
        if (kind == TokenKind::EndOfFile) {
            return ImageOk;
        }
        if (kind != TokenKind::Number) {
            return ImageKeyNumberMissing;
        }
        if (!Is(TokenKind::Separator)) {
            return ImageKeyNumberSeparatorMissing;
        }
        if (key == 0) {
            return ImageKeyNumberZero;
        }
        if (key <= layout.keyCount) {
            const std::size_t record =
                static_cast<std::size_t>(key - 1) * static_cast<std::size_t>(layout.recordSize);
            // Codes come first on the line but after the lead bytes in the record.
            const int values = layout.codesPerRecord + layout.leadBytes;
            for (int i = 0; i < values; ++i) {
                const int offset =
                    i < layout.codesPerRecord ? layout.leadBytes + i : i - layout.codesPerRecord;
                std::uint8_t value = 0;
                if (!Number(value)) {
                    return ImageValueMissing;
                }
                if (!Is(TokenKind::Separator)) {
                    return ImageValueSeparatorMissing;
                }
                image.bytes[record + static_cast<std::size_t>(offset)] = value;
            }
        }
        if (!SkipLine()) {
            return ImageOk;
        }
    }
}

} // namespace

bool OpenLayoutFile(const char* path, std::ifstream& file) {
    // A pipe, socket or device would block the open or never end.
    return OpenForReading(path, file);
}

int BuildDeviceImage(std::istream& stream, DeviceImage& image) {
    ImageBuilder builder(stream, image);
    const int step = builder.Build();
    image.failedLine = step == ImageOk ? 0 : builder.FailedLine();
    return step;
}

bool ExchangeImageHalves(std::span<std::uint8_t> bytes, LayoutType type) {
    if (!IsDouble(type)) {
        return false;
    }
    const ImageLayout layout = ImageLayoutOf(type);
    if (bytes.size() != static_cast<std::size_t>(layout.imageSize)) {
        return false;
    }
    const auto half = static_cast<std::ptrdiff_t>(layout.recordSize * layout.keyCount / 2);
    std::swap_ranges(bytes.begin(), bytes.begin() + half, bytes.begin() + half);
    return true;
}

bool DecodeDeviceImage(std::span<const std::uint8_t> bytes, LayoutType type, bool halvesExchanged,
                       DecodedImage& decoded) {
    const ImageLayout layout = ImageLayoutOf(type);
    if (bytes.size() != static_cast<std::size_t>(layout.imageSize)) {
        return false;
    }
    std::vector<std::uint8_t> image(bytes.begin(), bytes.end());
    if (halvesExchanged) {
        ExchangeImageHalves(image, type);
    }
    decoded = DecodedImage{};
    decoded.type = type;
    for (int k = 1; k <= layout.keyCount; ++k) {
        const auto record = image.begin() + (k - 1) * layout.recordSize;
        DecodedKey key;
        key.number = k;
        key.flags = record[0];
        key.groupNumber = layout.IsSixteenScan() ? record[1] : 0;
        key.codes.assign(record + layout.leadBytes,
                         record + layout.leadBytes + layout.codesPerRecord);
        decoded.keys.push_back(std::move(key));
    }
    const std::size_t settings = image.size() - static_cast<std::size_t>(layout.settingsBytes);
    decoded.typematicRate = image[settings] & 0x1F;
    decoded.keyDelay = (image[settings] >> 5) & 0x03;
    decoded.keyBeep = image[settings + 1] & 0x01;
    decoded.keysType = (image[settings + 1] >> 1) & 0x01;
    if (layout.IsSixteenScan()) {
        decoded.rfidFlags = image[settings + 2];
        decoded.prefix = image[settings + 3];
        decoded.suffix = image[settings + 4];
        decoded.keysPause = image[settings + 5];
    }
    return true;
}

} // namespace vorlan
