#include "programming/DeviceImage.h"

#include "testing/ProgrammingTestSupport.h"

#include <gtest/gtest.h>
#include <sstream>
#include <utility>

namespace vorlan {
namespace {

using test::KeyCode;
using test::KeyFlags;
using test::KeyGroup;
using test::LayoutText;

int Build(const std::string& text, DeviceImage& image) {
    std::istringstream stream(text);
    return BuildDeviceImage(stream, image);
}

int Build(const std::string& text) {
    DeviceImage image;
    return Build(text, image);
}

// ---- tokenizer ----------------------------------------------------------

struct Token {
    TokenKind kind;
    int value; // -1: not looked at
};

struct TokenCase {
    const char* input;
    std::vector<Token> tokens; // up to and including the first end of file
};

void PrintTo(const TokenCase& c, std::ostream* out) {
    *out << c.tokens.size() << " tokens";
}

class TokenizerTest : public ::testing::TestWithParam<TokenCase> {};

TEST_P(TokenizerTest, ReadsTokensInOrder) {
    std::istringstream stream(GetParam().input);
    ImageTokenizer tokens(stream);
    for (const Token& expected : GetParam().tokens) {
        std::uint8_t value = 0xAA;
        EXPECT_EQ(tokens.ReadToken(&value), expected.kind) << GetParam().input;
        if (expected.value >= 0) {
            EXPECT_EQ(value, expected.value) << GetParam().input;
        }
    }
}

constexpr auto Eof = TokenKind::EndOfFile;
constexpr auto Eol = TokenKind::EndOfLine;
constexpr auto Chr = TokenKind::Character;
constexpr auto Num = TokenKind::Number;
constexpr auto Sep = TokenKind::Separator;
constexpr auto Big = TokenKind::NumberTooLarge;

INSTANTIATE_TEST_SUITE_P(
    Cases, TokenizerTest,
    ::testing::Values(
        TokenCase{"", {{Eof, -1}, {Eof, -1}}},
        TokenCase{"007,255;", {{Num, 7}, {Sep, -1}, {Num, 255}, {Sep, -1}, {Eof, -1}}},
        // The digit that makes a number too large is consumed; the rest is a new number.
        TokenCase{"2560", {{Big, -1}, {Num, 0}, {Eof, -1}}},
        TokenCase{"12a", {{Num, 12}, {Chr, 'a'}, {Eof, -1}}},
        // A digit straight after a character is a character too; a blank ends the run.
        TokenCase{"KEY2 7", {{Chr, 'K'}, {Chr, 'E'}, {Chr, 'Y'}, {Chr, '2'}, {Num, 7}, {Eof, -1}}},
        TokenCase{"a,1", {{Chr, 'a'}, {Sep, -1}, {Num, 1}}},
        TokenCase{" \t\r\n\n", {{Eol, -1}, {Eol, -1}, {Eof, -1}}},
        TokenCase{"5\r\n", {{Num, 5}, {Eol, -1}, {Eof, -1}}},
        TokenCase{"\xff-", {{Chr, 0xFF}, {Chr, '-'}, {Eof, -1}}}),
    [](const auto& test) { return "Case" + std::to_string(test.index); });

TEST(Tokenizer, StoresNothingWithoutAnOutByte) {
    std::istringstream stream("5 x");
    ImageTokenizer tokens(stream);
    EXPECT_EQ(tokens.ReadToken(nullptr), TokenKind::Number);
    EXPECT_EQ(tokens.ReadToken(nullptr), TokenKind::Character);
    EXPECT_EQ(tokens.ReadToken(nullptr), TokenKind::EndOfFile);
}

// ---- builder step codes ---------------------------------------------------

constexpr const char* kHeader56 = "56; 0; 1; 2; 11\r\n";
constexpr const char* kHeader57 = "57; 0; 0; 2; 11; 144; 0; 0; 3\r\n";
constexpr const char* kKey56 = "1; 28, 0, 0, 0, 0, 0, 0; 2;A\r\n";

struct StepCase {
    std::string text;
    int code;
};

void PrintTo(const StepCase& c, std::ostream* out) {
    *out << "step " << c.code;
}

class BuilderStepTest : public ::testing::TestWithParam<StepCase> {};

std::string StepCaseName(const ::testing::TestParamInfo<StepCase>& info) {
    return "Case" + std::to_string(info.index) + "Step" + std::to_string(-info.param.code);
}

TEST_P(BuilderStepTest, EndsWithTheStepCode) {
    EXPECT_EQ(Build(GetParam().text), GetParam().code) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Header, BuilderStepTest,
    ::testing::Values(
        StepCase{"", -1}, StepCase{"x", -1}, StepCase{"256; 0", -1},
        StepCase{"55; 0; 1; 2; 11\r\n", -2}, StepCase{"114; 0", -2}, StepCase{"56\r\n", -3},
        StepCase{"56 0", -3}, StepCase{"56; x", -5}, StepCase{"56; 0 1", -6},
        StepCase{"56; 2; 1; 2; 11\r\n", -7}, StepCase{"56; 0; x", -8}, StepCase{"56; 0; 1\r\n", -9},
        StepCase{"56; 0; 2; 2; 11\r\n", -10}, StepCase{"56; 0; 0; ;", -11},
        StepCase{"56; 0; 0; 1 1", -12}, StepCase{"56; 0; 0; 4; 11\r\n", -13},
        StepCase{"56; 0; 0; 1; A\r\n", -14}, StepCase{"56; 0; 0; 1; 32\r\n", -15},
        // A 7/3 header carrying the 16scan tail, and one without its line end.
        StepCase{"56; 0; 1; 2; 11; 144; 0; 0; 3\r\n", -16}, StepCase{"56; 0; 1; 2; 11", -16},
        StepCase{"57; 0; 0; 2; 11\r\n", -17}, StepCase{"113; 0; 0; 2; 11; x", -18},
        StepCase{"57; 0; 0; 2; 11; 144\r\n", -19}, StepCase{"57; 0; 0; 2; 11; 144; 300", -20},
        StepCase{"57; 0; 0; 2; 11; 144; 0 0", -21}, StepCase{"57; 0; 0; 2; 11; 144; 0; x", -22},
        StepCase{"57; 0; 0; 2; 11; 144; 0; 0\r\n", -23},
        StepCase{"57; 0; 0; 2; 11; 144; 0; 0; 256\r\n", -24},
        StepCase{"57; 0; 0; 2; 11; 144; 0; 0; 3;\r\n", -25},
        StepCase{"57; 0; 0; 2; 11; 144; 0; 0; 3", -25}),
    StepCaseName);

INSTANTIATE_TEST_SUITE_P(
    KeyLines, BuilderStepTest,
    ::testing::Values(
        StepCase{std::string(kHeader56), 0}, StepCase{std::string(kHeader56) + kKey56, 0},
        // No line end after the last line is fine too.
        StepCase{std::string(kHeader56) + "1; 28, 0, 0, 0, 0, 0, 0; 2;A", 0},
        StepCase{std::string(kHeader56) + kKey56 + "\r\n" + kKey56, -26},
        StepCase{std::string(kHeader56) + "A; 28", -26},
        StepCase{std::string(kHeader56) + "300; 28", -26},
        StepCase{std::string(kHeader56) + "1 28, 0", -27},
        StepCase{std::string(kHeader56) + "1\r\n", -27},
        StepCase{std::string(kHeader56) + "0; 28, 0, 0, 0, 0, 0, 0; 2;A\r\n", -28},
        StepCase{std::string(kHeader56) + "1; 28, 0, 0, 0, 0, 0; 2;A\r\n", -29},
        StepCase{std::string(kHeader56) + "1; 28, 0, 0, 0, 0, 0, 999; 2;A\r\n", -29},
        StepCase{std::string(kHeader56) + "1; 28, 0, 0, 0, 0, 0, 0; 2\r\n", -30},
        StepCase{std::string(kHeader56) + "1; 28, 0 0, 0, 0, 0, 0; 2;A\r\n", -30},
        // Whatever follows the values is skipped unread: digits, large numbers, blanks.
        StepCase{std::string(kHeader56) + "1; 28, 0, 0, 0, 0, 0, 0; 2;123\r\n", 0},
        StepCase{std::string(kHeader56) + "1; 28, 0, 0, 0, 0, 0, 0; 2;x 999,,;;\r\n", 0},
        // Key numbers past the key count are skipped whatever the line holds.
        StepCase{std::string(kHeader57) + "57; anything at all ,,, 999\r\n", 0},
        StepCase{std::string(kHeader56) + "57; 1, 2\r\n" + kKey56, 0},
        StepCase{std::string(kHeader57) + "56; x", -29}),
    StepCaseName);

TEST(DeviceImage, WorkedExampleOfASevenThreeFile) {
    DeviceImage image;
    ASSERT_EQ(Build(std::string(kHeader56) + kKey56, image), 0);
    ASSERT_EQ(image.bytes.size(), 450u);
    EXPECT_EQ(image.type, LayoutType::Single73);
    EXPECT_EQ(image.bytes[0], 2);
    EXPECT_EQ(image.bytes[1], 0x1C);
    EXPECT_EQ(image.bytes[448], 75); // 11 + 2 x 32
    EXPECT_EQ(image.bytes[449], 1);
    for (std::size_t i = 2; i < 448; ++i) {
        ASSERT_EQ(image.bytes[i], 0) << i;
    }
}

TEST(DeviceImage, SettingsBytesOfEveryLayout) {
    struct Case {
        int typeNumber;
        std::size_t size;
        std::size_t settings;
    };
    test::HeaderValues h;
    h.keysType = 1;
    h.keyBeep = 1;
    h.keyDelay = 3;
    h.typematicRate = 31;
    h.rfidFlags = 0xA7;
    h.prefix = 224;
    h.suffix = 13;
    h.keysPause = 255;
    for (const Case c :
         {Case{56, 450, 448}, Case{112, 450, 448}, Case{57, 1014, 1008}, Case{113, 2022, 2016}}) {
        DeviceImage image;
        ASSERT_EQ(Build(LayoutText(c.typeNumber, h), image), 0) << c.typeNumber;
        ASSERT_EQ(image.bytes.size(), c.size);
        EXPECT_EQ(image.bytes[c.settings], 0x7F) << c.typeNumber;
        EXPECT_EQ(image.bytes[c.settings + 1], 0x03) << c.typeNumber;
        if (c.size > 450) {
            EXPECT_EQ(image.bytes[c.settings + 2], 0xA7);
            EXPECT_EQ(image.bytes[c.settings + 3], 224);
            EXPECT_EQ(image.bytes[c.settings + 4], 13);
            EXPECT_EQ(image.bytes[c.settings + 5], 255);
        }
    }
}

TEST(DeviceImage, RecordsOfEveryLayout) {
    struct Case {
        int typeNumber;
        int keyCount;
        int codes;
        int lead;
        int recordSize;
    };
    for (const Case c : {Case{56, 56, 7, 1, 8}, Case{112, 112, 3, 1, 4}, Case{57, 56, 16, 2, 18},
                         Case{113, 112, 16, 2, 18}}) {
        DeviceImage image;
        ASSERT_EQ(Build(LayoutText(c.typeNumber), image), 0) << c.typeNumber;
        for (int k = 1; k <= c.keyCount; ++k) {
            const std::size_t record = static_cast<std::size_t>((k - 1) * c.recordSize);
            ASSERT_EQ(image.bytes[record], KeyFlags(k)) << c.typeNumber << " key " << k;
            if (c.lead == 2) {
                ASSERT_EQ(image.bytes[record + 1], KeyGroup(k)) << c.typeNumber << " key " << k;
            }
            for (int i = 0; i < c.codes; ++i) {
                ASSERT_EQ(image.bytes[record + static_cast<std::size_t>(c.lead + i)], KeyCode(k, i))
                    << c.typeNumber << " key " << k << " code " << i;
            }
        }
        // Nothing between the last record and the settings bytes.
        const std::size_t end = static_cast<std::size_t>(c.keyCount * c.recordSize);
        const std::size_t settings = image.bytes.size() - (c.lead == 2 ? 6 : 2);
        for (std::size_t i = end; i < settings; ++i) {
            ASSERT_EQ(image.bytes[i], 0) << c.typeNumber << " byte " << i;
        }
    }
}

TEST(DeviceImage, DoubleSevenThreeFileCarriesThreeCodesPerKey) {
    DeviceImage image;
    ASSERT_EQ(Build("112; 0; 0; 0; 0\r\n112; 7, 8, 9; 5;Last\r\n57; 1, 2, 3; 4;X\r\n", image), 0);
    EXPECT_EQ((std::vector<std::uint8_t>(image.bytes.begin() + 444, image.bytes.begin() + 448)),
              (std::vector<std::uint8_t>{5, 7, 8, 9}));
    EXPECT_EQ((std::vector<std::uint8_t>(image.bytes.begin() + 224, image.bytes.begin() + 228)),
              (std::vector<std::uint8_t>{4, 1, 2, 3}));
}

TEST(DeviceImage, RepeatedKeyNumberReplacesTheWholeRecord) {
    DeviceImage image;
    ASSERT_EQ(Build(std::string(kHeader56) + "3; 1, 2, 3, 4, 5, 6, 7; 15;A\r\n" +
                        "3; 9, 0, 0, 0, 0, 0, 0; 2;B\r\n",
                    image),
              0);
    EXPECT_EQ((std::vector<std::uint8_t>(image.bytes.begin() + 16, image.bytes.begin() + 24)),
              (std::vector<std::uint8_t>{2, 9, 0, 0, 0, 0, 0, 0}));
}

TEST(DeviceImage, BareLineFeedsAndLeadingZerosAreAccepted) {
    DeviceImage crlf;
    DeviceImage lf;
    ASSERT_EQ(Build(LayoutText(113), crlf), 0);
    std::string text = LayoutText(113);
    std::erase(text, '\r');
    ASSERT_EQ(Build(text, lf), 0);
    EXPECT_EQ(crlf.bytes, lf.bytes);

    DeviceImage zeros;
    ASSERT_EQ(Build("056; 000; 01; 2; 0011\r\n001; 028, 0, 0, 0, 0, 0, 0; 02;A\r\n", zeros), 0);
    EXPECT_EQ(zeros.bytes[1], 28);
    EXPECT_EQ(zeros.bytes[448], 75);
}

TEST(DeviceImage, ExchangesTheHalvesOfDoubleImagesOnly) {
    for (const auto& [typeNumber, half] : {std::pair{112, 224}, std::pair{113, 1008}}) {
        DeviceImage image;
        ASSERT_EQ(Build(LayoutText(typeNumber), image), 0);
        std::vector<std::uint8_t> exchanged = image.bytes;
        ASSERT_TRUE(ExchangeImageHalves(exchanged, *image.type));
        const auto h = static_cast<std::ptrdiff_t>(half);
        EXPECT_TRUE(std::equal(exchanged.begin(), exchanged.begin() + h, image.bytes.begin() + h));
        EXPECT_TRUE(
            std::equal(exchanged.begin() + h, exchanged.begin() + 2 * h, image.bytes.begin()));
        EXPECT_TRUE(
            std::equal(exchanged.begin() + 2 * h, exchanged.end(), image.bytes.begin() + 2 * h));
    }
    DeviceImage single;
    ASSERT_EQ(Build(LayoutText(57), single), 0);
    std::vector<std::uint8_t> copy = single.bytes;
    EXPECT_FALSE(ExchangeImageHalves(copy, LayoutType::Single16));
    EXPECT_EQ(copy, single.bytes);
    std::vector<std::uint8_t> wrongSize(450);
    EXPECT_FALSE(ExchangeImageHalves(wrongSize, LayoutType::Double16));
}

TEST(DeviceImage, DecodesWhatItBuilt) {
    for (const int typeNumber : {56, 57, 112, 113}) {
        DeviceImage image;
        ASSERT_EQ(Build(LayoutText(typeNumber), image), 0);
        DecodedImage decoded;
        ASSERT_TRUE(DecodeDeviceImage(image.bytes, *image.type, false, decoded));
        const bool sixteen = typeNumber == 57 || typeNumber == 113;
        ASSERT_EQ(decoded.keys.size(), typeNumber == 56 || typeNumber == 57 ? 56u : 112u);
        for (const DecodedKey& key : decoded.keys) {
            EXPECT_EQ(key.flags, KeyFlags(key.number));
            EXPECT_EQ(key.groupNumber, sixteen ? KeyGroup(key.number) : 0);
            for (std::size_t i = 0; i < key.codes.size(); ++i) {
                EXPECT_EQ(key.codes[i], KeyCode(key.number, static_cast<int>(i)));
            }
        }
        EXPECT_EQ(decoded.keysType, 1);
        EXPECT_EQ(decoded.keyDelay, 2);
        EXPECT_EQ(decoded.typematicRate, 11);
        EXPECT_EQ(decoded.keysPause, sixteen ? 3 : 0);
    }
    DecodedImage decoded;
    EXPECT_FALSE(
        DecodeDeviceImage(std::vector<std::uint8_t>(449), LayoutType::Single73, false, decoded));
    // Only the four numbers are types; the builder refuses any other.
    for (const int number : {0, 55, 58, 111, 114, 255}) {
        EXPECT_EQ(LayoutTypeFromNumber(number), std::nullopt) << number;
    }
}

} // namespace
} // namespace vorlan
