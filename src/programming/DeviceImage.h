// The device image: the exact block of bytes a keyboard stores, built from a
// layout file by a strict parser of its own (stricter than the editor's reader,
// so nothing doubtful ever reaches the keyboard).
#pragma once

#include "layout/LayoutType.h"

#include <cstdint>
#include <fstream>
#include <istream>
#include <optional>
#include <span>
#include <vector>

namespace vorlan {

// Where the records and settings bytes of an image lie, chosen by the layout
// type the file's first number names.
struct ImageLayout {
    int keyCount = 0;
    int codesPerRecord = 0;
    int leadBytes = 0;
    int recordSize = 0;
    int settingsBytes = 0;
    int imageSize = 0;

    bool IsSixteenScan() const { return leadBytes == 2; }
};

ImageLayout ImageLayoutOf(LayoutType type);

struct DeviceImage {
    std::vector<std::uint8_t> bytes;
    std::optional<LayoutType> type; // set once the first number was read
    int failedLine = 0;             // on failure, the line of the token that failed (from 1)
};

// Step codes of BuildDeviceImage (0 is success). Each names the token or value
// that was not as expected.
enum ImageStep : int {
    ImageOk = 0,
    ImageTypeNumberMissing = -1,
    ImageTypeNumberUnknown = -2,
    ImageTypeSeparatorMissing = -3,
    ImageAllocationFailed = -4,
    ImageKeysTypeMissing = -5,
    ImageKeysTypeSeparatorMissing = -6,
    ImageKeysTypeTooLarge = -7,
    ImageKeyBeepMissing = -8,
    ImageKeyBeepSeparatorMissing = -9,
    ImageKeyBeepTooLarge = -10,
    ImageKeyDelayMissing = -11,
    ImageKeyDelaySeparatorMissing = -12,
    ImageKeyDelayTooLarge = -13,
    ImageTypematicRateMissing = -14,
    ImageTypematicRateTooLarge = -15,
    ImageHeaderEndMissing = -16,
    ImageRateSeparatorMissing = -17,
    ImageRfidFlagsMissing = -18,
    ImageRfidFlagsSeparatorMissing = -19,
    ImagePrefixMissing = -20,
    ImagePrefixSeparatorMissing = -21,
    ImageSuffixMissing = -22,
    ImageSuffixSeparatorMissing = -23,
    ImageKeysPauseMissing = -24,
    ImageHeaderEndAfterPauseMissing = -25,
    ImageKeyNumberMissing = -26,
    ImageKeyNumberSeparatorMissing = -27,
    // A key number of 0 addresses no record; the writer never produces it.
    ImageKeyNumberZero = -28,
    ImageValueMissing = -29,
    ImageValueSeparatorMissing = -30,
};

enum class TokenKind : int {
    None = 0,
    EndOfFile = 1,
    EndOfLine = 2,
    Character = 3,
    Number = 4,
    Separator = 5,
    NumberTooLarge = 6,
};

// The builder's tokenizer. It keeps one character of look-ahead and the kind
// of the last token, which decides whether a digit after a letter starts a
// number (it does not: "KEY2" is four character tokens).
class ImageTokenizer {
public:
    // Primes the look-ahead with the stream's first character.
    explicit ImageTokenizer(std::istream& stream);

    // The next token. A number's value or a character's code goes to *value
    // when value is not null.
    TokenKind ReadToken(std::uint8_t* value);
    // The line (from 1) the last token began on.
    int TokenLine() const { return tokenLine; }

private:
    void Advance();

    std::istream& stream;
    int lookAhead = -1;
    TokenKind lastKind = TokenKind::None;
    int line = 1;
    int tokenLine = 1;
};

// Opens a layout file for BuildDeviceImage, in text mode. False when it cannot
// be opened for reading, a folder included (some systems open one, only to
// give nothing when it is read).
bool OpenLayoutFile(const char* path, std::ifstream& file);

// Builds the image of the layout file read from stream. Returns 0 or a
// negative ImageStep; image is complete only on success (it may hold a partly
// filled block otherwise). The stream is read, never closed.
int BuildDeviceImage(std::istream& stream, DeviceImage& image);

// A double keyboard takes the records of keys 57..112 before those of keys
// 1..56; the settings bytes stay at the end. Exchanging twice restores the
// image. False (and nothing changed) unless the type is a double one and the
// size fits it.
bool ExchangeImageHalves(std::span<std::uint8_t> bytes, LayoutType type);

// One key record of an image taken apart again, for checks and the emulator.
struct DecodedKey {
    int number = 0;
    std::uint8_t flags = 0;
    std::uint8_t groupNumber = 0;
    std::vector<std::uint8_t> codes;
};

struct DecodedImage {
    LayoutType type = LayoutType::Single73;
    std::vector<DecodedKey> keys; // keys 1..keyCount in order
    std::uint8_t typematicRate = 0;
    std::uint8_t keyDelay = 0;
    std::uint8_t keyBeep = 0;
    std::uint8_t keysType = 0;
    std::uint8_t rfidFlags = 0;
    std::uint8_t prefix = 0;
    std::uint8_t suffix = 0;
    std::uint8_t keysPause = 0;
};

// Takes an image of the given type apart; false when the size does not fit
// the type. With halvesExchanged the image is read as a double keyboard
// receives it (records of keys 57..112 first).
bool DecodeDeviceImage(std::span<const std::uint8_t> bytes, LayoutType type, bool halvesExchanged,
                       DecodedImage& decoded);

} // namespace vorlan
