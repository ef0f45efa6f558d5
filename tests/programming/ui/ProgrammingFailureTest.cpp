// A programming run that fails: every fault the emulated keyboard can play
// ends in the engine's message, shown over the progress dialog.
#include "testing/ProgrammingRunFixture.h"

#include <gtest/gtest.h>

namespace vorlan {
namespace {

using namespace test;

struct FailureCase {
    const char* name;
    int keyboardType;
    EmulatorFaults faults;
    const char* message;
    std::size_t bytesReceived;
};

class ProgrammingFailureTest : public ProgrammingRunTest,
                               public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ProgrammingFailureTest, EngineMessageIsAnErrorBoxShownBeforeTheWindowIsFreed) {
    const FailureCase& c = GetParam();
    UseEmulator(c.keyboardType, c.faults);
    Program(3, {30});
    window->show();

    RunProgramming();

    ASSERT_EQ(messages.size(), 1u);
    const ShownMessage& shown = messages[0];
    EXPECT_EQ(shown.request.text, QString::fromLatin1(c.message));
    EXPECT_EQ(shown.request.caption, QStringLiteral("Error"));
    EXPECT_EQ(shown.request.icon, MessageIcon::Stop);
    EXPECT_EQ(shown.request.buttons, MessageButtons::Ok);
    EXPECT_EQ(shown.request.parent, dialog);
    EXPECT_TRUE(shown.dialogVisible);
    EXPECT_FALSE(shown.mainWindowEnabled);
    ExpectIdleAfterRun();
    EXPECT_EQ(keyboard->Received().size(), c.bytesReceived);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ProgrammingFailureTest,
    ::testing::Values(
        FailureCase{"NoDevice", 1, DeviceMissing(),
                    "Vorlan driver error.\n\nThe keyboard's device emulator:1 could not be opened. "
                    "Check that the keyboard is connected, that its driver is installed and "
                    "that you may use the device.",
                    0},
        FailureCase{
            "Mismatch",
            2,
            {},
            "File format mismatch.\n\nThe layout is for a keyboard of 56 keys (16scan); the "
            "keyboard attached is a double keyboard (type 2).\n\nOpen a 16scan layout of "
            "112 keys, or change the keyboard type in File > Settings.",
            0},
        FailureCase{"UnknownType", 1, TypeAnswer(3),
                    "Invalid keyboard type detected.\n\nThe keyboard answered with a type this "
                    "program does not know. Check that a Vorlan keyboard is attached.",
                    0},
        FailureCase{"FailsAtByte10", 1, FailWriteAt(10),
                    "Keyboard programming error.\n\n9 of 1014 bytes reached the keyboard."
                    "\n\nCheck the keyboard's cable and connection, then program it again.",
                    9},
        FailureCase{"FailsAtLastByte", 1, FailWriteAt(1014),
                    "Keyboard programming error.\n\n1013 of 1014 bytes reached the keyboard."
                    "\n\nCheck the keyboard's cable and connection, then program it again.",
                    1013},
        FailureCase{"StopsAnswering", 1, Options("hang-at=10,timeout=20"),
                    "The keyboard stopped answering.\n\n9 of 1014 bytes reached the keyboard."
                    "\n\nCheck the keyboard's cable and connection, then program it again.",
                    9},
        FailureCase{"TooSlow", 1, Options("slow=50,timeout=10"),
                    "The keyboard stopped answering.\n\n0 of 1014 bytes reached the keyboard."
                    "\n\nCheck the keyboard's cable and connection, then program it again.",
                    0},
        FailureCase{"Unplugged", 1, Options("vanish-at=500"),
                    "The keyboard was disconnected.\n\n499 of 1014 bytes reached the keyboard."
                    "\n\nCheck the keyboard's cable and connection, then program it again.",
                    499}),
    [](const ::testing::TestParamInfo<FailureCase>& test) { return test.param.name; });

} // namespace
} // namespace vorlan
