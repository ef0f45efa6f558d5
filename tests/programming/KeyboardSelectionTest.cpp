#include "programming/KeyboardSelection.h"

#include "programming/DeviceFileDriver.h"
#include "programming/EmulatedKeyboard.h"
#include "testing/ProgrammingTestSupport.h"

#include <gtest/gtest.h>

namespace vorlan {
namespace {

using Kind = KeyboardSelection::Kind;

TEST(KeyboardSelection, TheEmulatorOnlyWhenNamedExactly) {
    struct Case {
        const char* setting;
        Kind kind;
        int emulatedType;
        std::string path;
    };
    const Case cases[] = {
        {nullptr, Kind::DeviceFile, 0, DeviceFileDriver::DefaultPath()},
        {"", Kind::DeviceFile, 0, DeviceFileDriver::DefaultPath()},
        {"/dev/kbd0", Kind::DeviceFile, 0, "/dev/kbd0"},
        {"emulator:0", Kind::Emulator, 0, ""},
        {"emulator:2", Kind::Emulator, 2, ""},
        {"emulator:3", Kind::Invalid, 0, "emulator:3"},
        {"emulator:", Kind::Invalid, 0, "emulator:"},
        {"emulator:12", Kind::Invalid, 0, "emulator:12"},
        {"Emulator:1", Kind::DeviceFile, 0, "Emulator:1"},
    };
    for (const Case& c : cases) {
        const KeyboardSelection selection = SelectKeyboard(c.setting);
        EXPECT_EQ(selection.kind, c.kind) << (c.setting ? c.setting : "(unset)");
        EXPECT_EQ(selection.emulatedType, c.emulatedType);
        EXPECT_EQ(selection.devicePath, c.path);
    }
}

TEST(KeyboardSelection, DriversOfEachSelection) {
    auto emulated = MakeKeyboardDriver(SelectKeyboard("emulator:1"));
    EXPECT_EQ(DetectKeyboardType(*emulated), Detection::Of(DeviceKeyboard::Single16));
    // A mistyped emulator never falls back to some other keyboard.
    auto invalid = MakeKeyboardDriver(SelectKeyboard("emulator:7"));
    EXPECT_EQ(DetectKeyboardType(*invalid), Detection::Failed(DetectError::NoDevice));
    auto device = MakeKeyboardDriver(SelectKeyboard("/nonexistent/vorlan"));
    ASSERT_NE(dynamic_cast<DeviceFileDriver*>(device.get()), nullptr);
    EXPECT_EQ(DetectKeyboardType(*device), Detection::Failed(DetectError::NoDevice));
}

TEST(KeyboardSelection, AnEmulatorWithAReceivedFileSavesEveryRunOnClose) {
    const test::TempFolder folder;
    KeyboardSelection selection = SelectKeyboard("emulator:1");
    selection.receivedPath = folder.File("received.bin");
    auto driver = MakeKeyboardDriver(selection);
    for (const std::vector<std::uint8_t>& run :
         {std::vector<std::uint8_t>{1, 2, 3}, std::vector<std::uint8_t>{4}}) {
        ASSERT_TRUE(driver->Open());
        for (const std::uint8_t byte : run) {
            driver->WriteImageByte(byte);
        }
        driver->Close();
    }
    // All bytes the keyboard ever got, as vorlanctl program --received saves them.
    EXPECT_EQ(test::ReadBytes(selection.receivedPath), (std::vector<std::uint8_t>{1, 2, 3, 4}));
}

TEST(KeyboardSelection, EmulatedTypeArgument) {
    int type = -1;
    EXPECT_TRUE(ParseEmulatedType("2", type));
    EXPECT_EQ(type, 2);
    for (const char* bad : {"", "3", "-1", "01", "a"}) {
        EXPECT_FALSE(ParseEmulatedType(bad, type)) << bad;
    }
}

TEST(KeyboardSelection, EmulatorFaultOptions) {
    const KeyboardSelection faulty = SelectKeyboard(
        "emulator:1,fail-at=7,hang-at=8,vanish-at=9,slow=4,timeout=50,missing,late=3,away=2");
    ASSERT_EQ(faulty.kind, Kind::Emulator);
    EXPECT_EQ(faulty.emulatedType, 1);
    EXPECT_EQ(faulty.faults.failWriteAt, 7u);
    EXPECT_EQ(faulty.faults.hangAt, 8u);
    EXPECT_EQ(faulty.faults.vanishAt, 9u);
    EXPECT_EQ(faulty.faults.slow, std::chrono::milliseconds(4));
    EXPECT_EQ(faulty.faults.timeout, std::chrono::milliseconds(50));
    EXPECT_TRUE(faulty.faults.deviceMissing);
    EXPECT_EQ(faulty.faults.late, 3u);
    EXPECT_EQ(faulty.faults.away, 2u);
    for (const char* bad : {"emulator:1,", "emulator:1,fail-at", "emulator:1,fail-at=x",
                            "emulator:1,fail-at=-1", "emulator:1,slow=1ms", "emulator:1,jam=3"}) {
        EXPECT_EQ(SelectKeyboard(bad).kind, Kind::Invalid) << bad;
    }
}

} // namespace
} // namespace vorlan
