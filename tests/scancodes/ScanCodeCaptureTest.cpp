#include "scancodes/ScanCodeCapture.h"

#include <gtest/gtest.h>

namespace vorlan {
namespace {

const KeyDownEvent kA{KeyIdentity::Other, 0x1E, false};
const KeyDownEvent kC{KeyIdentity::Other, 0x2E, false};
const KeyDownEvent kUp{KeyIdentity::Other, 0x48, true};
const KeyDownEvent kPause{KeyIdentity::Pause, 0x45, false};
const KeyDownEvent kNumLock{KeyIdentity::NumLock, 0x45, true};

class ScanCodeCaptureTest : public ::testing::Test {
protected:
    // The first codes of the slots, up to the first empty one.
    std::vector<std::uint32_t> Codes() const {
        std::vector<std::uint32_t> out;
        for (std::uint32_t code : capture.slotCodes()) {
            if (code == 0) {
                break;
            }
            out.push_back(code);
        }
        return out;
    }
    void OpenWith(std::initializer_list<std::uint32_t> codes,
                  std::initializer_list<const char*> names) {
        SlotCodes c{};
        SlotNames n{};
        std::copy(codes.begin(), codes.end(), c.begin());
        std::copy(names.begin(), names.end(), n.begin());
        capture.Open(c, n);
    }
    void Press(const KeyDownEvent& event, int times = 1) {
        for (int i = 0; i < times; ++i) {
            capture.KeyDown(event);
        }
    }

    ScanCodeCapture capture;
};

TEST_F(ScanCodeCaptureTest, KeyPressesFillSlotsInOrder) {
    struct Case {
        const char* what;
        KeyDownEvent event;
        std::vector<std::uint32_t> codes;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"A", kA, {0x1C}, {"A"}},
        {"Up", kUp, {0xE0, 0x75}, {"extended", "Up"}},
        {"keypad Enter", {KeyIdentity::Other, 0x1C, true}, {0xE0, 0x5A}, {"extended", "Enter_num"}},
        {"Enter", {KeyIdentity::Other, 0x1C, false}, {0x5A}, {"Enter"}},
        {"Num Lock", kNumLock, {0x77}, {"Num_lock"}},
        {"Pause", kPause, {}, {}},
        {"right Ctrl", {KeyIdentity::Other, 0x1D, true}, {0xE0, 0x14}, {"extended", "Ctrl_right"}},
        {"right Alt", {KeyIdentity::Other, 0x38, true}, {0xE0, 0x11}, {"extended", "Alt_right"}},
        {"left Win", {KeyIdentity::Other, 0x5B, true}, {0xE0, 0x1F}, {"extended", "Win_left"}},
        {"Tab", {KeyIdentity::Other, 0x0F, false}, {0x0D}, {"Tab"}},
        {"Esc", {KeyIdentity::Other, 0x01, false}, {0x76}, {"Esc"}},
        {"102nd key", {KeyIdentity::Other, 0x56, false}, {}, {}},
        {"beyond the table", {KeyIdentity::Other, 0x70, false}, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        capture.Open({}, {});
        const bool changed = capture.KeyDown(c.event);
        EXPECT_EQ(changed, !c.codes.empty());
        EXPECT_EQ(capture.nextSlot(), 1 + static_cast<int>(c.codes.size()));
        for (std::size_t k = 0; k < c.codes.size(); ++k) {
            EXPECT_EQ(capture.slotCodes()[k], c.codes[k]);
            EXPECT_EQ(capture.slotNames()[k], c.names[k]);
        }
        EXPECT_EQ(capture.slotCodes()[c.codes.size()], 0u);
    }
}

TEST_F(ScanCodeCaptureTest, SysReqStoresCodeZeroWithItsName) {
    EXPECT_TRUE(capture.KeyDown({KeyIdentity::Other, 0x54, false}));
    EXPECT_EQ(capture.slotCodes()[0], 0u);
    EXPECT_EQ(capture.slotNames()[0], "Sys_Req");
    EXPECT_EQ(capture.nextSlot(), 2);
}

TEST_F(ScanCodeCaptureTest, ControlCStoresTwoCodes) {
    Press({KeyIdentity::Other, 0x1D, false});
    Press(kC);
    EXPECT_EQ(Codes(), (std::vector<std::uint32_t>{0x14, 0x21}));
}

TEST_F(ScanCodeCaptureTest, CapturedCodesOverwriteLoadedOnesFromSlotOne) {
    OpenWith({0x14, 0x21}, {"Ctrl_left", "C"});
    Press(kA);
    EXPECT_EQ(Codes(), (std::vector<std::uint32_t>{0x1C, 0x21}));
    EXPECT_EQ(capture.slotNames()[0], "A");
    EXPECT_EQ(capture.slotNames()[1], "C");
    EXPECT_EQ(capture.nextSlot(), 2);
}

TEST_F(ScanCodeCaptureTest, FullSlotsTakeNothingMore) {
    Press(kA, 16);
    EXPECT_EQ(capture.nextSlot(), 17);
    EXPECT_FALSE(capture.KeyDown(kC));
    EXPECT_FALSE(capture.KeyDown(kUp));
    EXPECT_EQ(Codes(), std::vector<std::uint32_t>(16, 0x1C));
}

TEST_F(ScanCodeCaptureTest, ExtendedKeyNeedsTwoFreeSlots) {
    Press(kA, 15);
    EXPECT_FALSE(capture.KeyDown(kUp));
    EXPECT_EQ(capture.nextSlot(), 16);
    EXPECT_EQ(capture.slotCodes()[15], 0u);
    EXPECT_TRUE(capture.KeyDown(kA));
    EXPECT_EQ(capture.nextSlot(), 17);

    capture.ClearAll();
    Press(kA, 14);
    EXPECT_TRUE(capture.KeyDown(kUp));
    EXPECT_EQ(capture.slotCodes()[14], 0xE0u);
    EXPECT_EQ(capture.slotCodes()[15], 0x75u);
}

TEST_F(ScanCodeCaptureTest, ClearLastRemovesExtendedKeyWithItsPrefix) {
    Press(kUp);
    capture.ClearLast();
    EXPECT_TRUE(Codes().empty());
    EXPECT_EQ(capture.slotNames()[0], "");
    EXPECT_EQ(capture.nextSlot(), 1);

    Press(kA);
    Press(kC);
    capture.ClearLast();
    EXPECT_EQ(Codes(), (std::vector<std::uint32_t>{0x1C}));
    EXPECT_EQ(capture.nextSlot(), 2);
}

TEST_F(ScanCodeCaptureTest, ClearLastRightAfterOpeningKeepsLoadedCodes) {
    OpenWith({0x14, 0x21}, {"Ctrl_left", "C"});
    capture.ClearLast();
    capture.ClearLast();
    EXPECT_EQ(Codes(), (std::vector<std::uint32_t>{0x14, 0x21}));
    EXPECT_EQ(capture.nextSlot(), 1);
    Press(kA);
    EXPECT_EQ(Codes(), (std::vector<std::uint32_t>{0x1C, 0x21}));
}

TEST_F(ScanCodeCaptureTest, ClearLastOnFullSlotsFreesTheLastOne) {
    Press(kA, 14);
    Press(kUp);
    capture.ClearLast();
    EXPECT_EQ(capture.nextSlot(), 15);
    EXPECT_EQ(capture.slotCodes()[14], 0u);
    EXPECT_EQ(capture.slotCodes()[15], 0u);
}

TEST_F(ScanCodeCaptureTest, ClearAllEmptiesEverySlot) {
    OpenWith({0x14, 0x21}, {"Ctrl_left", "C"});
    Press(kUp);
    capture.ClearAll();
    EXPECT_EQ(capture.slotCodes(), SlotCodes{});
    EXPECT_EQ(capture.slotNames(), SlotNames{});
    EXPECT_EQ(capture.nextSlot(), 1);
    Press(kA, 17);
    EXPECT_EQ(Codes(), std::vector<std::uint32_t>(16, 0x1C));
}

TEST_F(ScanCodeCaptureTest, EditedCodesAreNamedEachByItself) {
    Press(kUp);
    SlotCodes edited = capture.slotCodes();
    capture.TakeEditedCodes(edited);
    EXPECT_EQ(capture.slotNames()[0], "extended");
    EXPECT_EQ(capture.slotNames()[1], "8_num");
    EXPECT_EQ(capture.slotCodes(), edited);
}

TEST_F(ScanCodeCaptureTest, EditingKeepsTheCapturePosition) {
    Press(kA);
    Press(kC);
    SlotCodes edited = capture.slotCodes();
    edited[2] = 0x1B;
    edited[3] = 0x23;
    edited[4] = 300; // the editor never returns this, but it must still be named
    capture.TakeEditedCodes(edited);
    EXPECT_EQ(capture.nextSlot(), 3);
    EXPECT_EQ(capture.slotNames()[3], "D");
    EXPECT_EQ(capture.slotNames()[4], "key_300");
    Press(kA);
    EXPECT_EQ(Codes(), (std::vector<std::uint32_t>{0x1C, 0x21, 0x1C, 0x23, 300}));
}

// A first value of 0 takes all values as typed: slots and names then match
// what the user confirmed, instead of keeping codes the fields no longer show.
TEST_F(ScanCodeCaptureTest, EditedFirstValueZeroTakesAllValues) {
    OpenWith({0x14, 0x21, 0x1C}, {"Ctrl_left", "C", "A"});
    SlotCodes edited{};
    edited[1] = 0x23;
    capture.TakeEditedCodes(edited);
    EXPECT_EQ(capture.slotCodes(), edited);
    EXPECT_EQ(capture.slotNames()[0], "");
    EXPECT_EQ(capture.slotNames()[1], "D");
    EXPECT_EQ(capture.slotNames()[2], "");
}

} // namespace
} // namespace vorlan
