// Every file the layout writer produces for a programmed layout builds into
// the image that layout describes: the writer and the strict image builder
// agree on every variant, key count and field.
#include "layout/LayoutDocument.h"
#include "layout/LayoutFile.h"
#include "programming/DeviceImage.h"
#include "testing/ProgrammingTestSupport.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace vorlan {
namespace {

struct Settings {
    int keysType, keyBeep, keyDelay, typematicRate, keysPause;
    RfidOptions rfid;
};

// A layout in which every key differs: codes up to all 16 slots (so the
// 7/3 forms must cut them), every flag combination, group numbers, and names
// that look like numbers, are empty or take the whole 102 bytes.
LayoutDocument ProgrammedLayout(int keyCount, const Settings& s) {
    LayoutDocument doc;
    doc.settings.keyCount = keyCount;
    doc.settings.keysType = s.keysType;
    doc.settings.keyBeep = s.keyBeep;
    doc.settings.keyDelay = s.keyDelay;
    doc.settings.typematicRate = s.typematicRate;
    doc.settings.keysPause = s.keysPause;
    doc.rfid = s.rfid;
    for (int k = 1; k <= kMaxKeys; ++k) {
        KeyRecord& key = doc.keys[static_cast<std::size_t>(k)];
        const int codeCount = k % 17;
        for (int i = 0; i < kCodesPerKey; ++i) {
            key.codes[static_cast<std::size_t>(i)] =
                i < codeCount ? (k * 11 + i * 29) % 255 + 1 : 0;
        }
        if (k % 13 == 0) {
            key.codes[0] = 224; // an extended key: prefix first
        }
        key.SetGroupKey(k % 2 == 1);
        key.SetSingleKey(k % 3 != 0);
        key.SetMode(*KeyModeFromNumber(k % 4));
        key.groupNumber = k % 23;
        switch (k % 4) {
        case 0:
            key.name = std::to_string(k * 7);
            break;
        case 1:
            key.name = "";
            break;
        case 2:
            key.name = std::string(kMaxKeyNameBytes, static_cast<char>('a' + k % 26));
            break;
        default:
            key.name = "Key " + std::to_string(k) + " (left)";
        }
    }
    return doc;
}

struct Expectation {
    LayoutType type;
    std::size_t imageSize;
    int codes;
    int keyOffset; // the line of key k carries the slot of key k + keyOffset
};

void ExpectImageOfLayout(const LayoutDocument& doc, const DeviceImage& image,
                         const Expectation& e) {
    ASSERT_EQ(image.type, e.type);
    ASSERT_EQ(image.bytes.size(), e.imageSize);
    DecodedImage decoded;
    ASSERT_TRUE(DecodeDeviceImage(image.bytes, e.type, false, decoded));
    const bool sixteen = e.codes == 16;
    for (const DecodedKey& key : decoded.keys) {
        const KeyRecord& slot = doc.keys[static_cast<std::size_t>(key.number + e.keyOffset)];
        ASSERT_EQ(key.flags, slot.FileFlags()) << "key " << key.number;
        ASSERT_EQ(key.groupNumber, sixteen ? slot.groupNumber : 0) << "key " << key.number;
        ASSERT_EQ(key.codes.size(), static_cast<std::size_t>(e.codes));
        for (int i = 0; i < e.codes; ++i) {
            ASSERT_EQ(key.codes[static_cast<std::size_t>(i)],
                      slot.codes[static_cast<std::size_t>(i)])
                << "key " << key.number << " code " << i;
        }
    }
    EXPECT_EQ(decoded.keysType, doc.settings.keysType);
    EXPECT_EQ(decoded.keyBeep, doc.settings.keyBeep);
    EXPECT_EQ(decoded.keyDelay, doc.settings.keyDelay);
    EXPECT_EQ(decoded.typematicRate, doc.settings.typematicRate);
    if (sixteen) {
        EXPECT_EQ(decoded.rfidFlags, doc.rfid.FileFlags());
        EXPECT_EQ(decoded.prefix, doc.rfid.prefix);
        EXPECT_EQ(decoded.suffix, doc.rfid.suffix);
        EXPECT_EQ(decoded.keysPause, doc.settings.keysPause);
    }
}

TEST(WriterBuilderAgreement, EveryWrittenVariantBuildsIntoTheLayoutsImage) {
    RfidOptions plain;
    RfidOptions odd;
    odd.digitsCount = 13;
    odd.digitsTypeNum = false;
    odd.prefix = 224;
    odd.prefixExtended = true;
    odd.suffix = 90;
    odd.suffixExtended = true;
    const Settings settingsList[] = {
        {0, 0, 2, 11, 3, plain}, {1, 1, 3, 31, 255, odd}, {1, 0, 0, 0, 1, odd}};
    struct Case {
        int keyCount;
        KeyboardVariant variant;
        Expectation expectation;
    };
    const Case cases[] = {
        {56, KeyboardVariant::SevenThreeScan, {LayoutType::Single73, 450, 7, 0}},
        {112, KeyboardVariant::SevenThreeScan, {LayoutType::Double73, 450, 3, 0}},
        {56, KeyboardVariant::SixteenScan, {LayoutType::Single16, 1014, 16, 0}},
        {112, KeyboardVariant::SixteenScan, {LayoutType::Double16, 2022, 16, 0}},
        {112, KeyboardVariant::SingleLeft, {LayoutType::Single16, 1014, 16, 0}},
        {112, KeyboardVariant::SingleRight, {LayoutType::Single16, 1014, 16, 56}},
        {56, KeyboardVariant::SingleLeft, {LayoutType::Single16, 1014, 16, 0}},
    };
    test::TempFolder folder;
    for (const Settings& settings : settingsList) {
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::Message()
                         << "keys " << c.keyCount << " variant " << static_cast<int>(c.variant)
                         << " rate " << settings.typematicRate);
            LayoutDocument doc = ProgrammedLayout(c.keyCount, settings);
            doc.filePath = folder.File("layout.txt");
            ASSERT_TRUE(WriteLayout(doc, c.variant));

            std::ifstream file(doc.filePath);
            DeviceImage fromFile;
            ASSERT_EQ(BuildDeviceImage(file, fromFile), 0);
            ExpectImageOfLayout(doc, fromFile, c.expectation);

            std::istringstream text(FormatLayout(doc, c.variant));
            DeviceImage fromText;
            ASSERT_EQ(BuildDeviceImage(text, fromText), 0);
            EXPECT_EQ(fromText.bytes, fromFile.bytes);
        }
    }
}

} // namespace
} // namespace vorlan
