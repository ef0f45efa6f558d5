// What a failed run tells the user after the engine's message, the window's
// progress lines, and the meaning of the settings sliders' positions.
#include "programming/RunAdvice.h"

#include "common/StringTable.h"
#include "programming/RepeatTiming.h"
#include "testing/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

struct AdviceCase {
    const char* name;
    RunFailure failure;
    std::vector<std::string> lines; // English, in order
};

class RunAdviceTest : public ::testing::TestWithParam<AdviceCase> {};

TEST_P(RunAdviceTest, EngineMessageComesFirstThenWhatWasFoundAndWhatToDo) {
    const AdviceCase& c = GetParam();
    std::vector<std::string> shown;
    for (const UiMessage& message : RunFailureMessages(c.failure)) {
        shown.push_back(message.English());
    }
    EXPECT_EQ(shown, c.lines);
}

RunFailure Failure(StringId message, int layoutType = 0, int keyboardType = -1) {
    RunFailure f;
    f.message = static_cast<int>(message);
    f.layoutPath = "keys.txt";
    f.layoutType = LayoutTypeFromNumber(layoutType);
    f.keyboard = DeviceKeyboardFromNumber(keyboardType);
    f.device = "/dev/vorlan";
    return f;
}

RunFailure Broken(StringId message, int sent, int total) {
    RunFailure f = Failure(message, 57, 1);
    f.bytesSent = sent;
    f.bytesTotal = total;
    return f;
}

const char kCable[] = "Check the keyboard's cable and connection, then program it again.";

INSTANTIATE_TEST_SUITE_P(
    EachFailure, RunAdviceTest,
    ::testing::Values(
        AdviceCase{"SingleLayoutOnDoubleKeyboard",
                   Failure(StringId::FileFormatMismatch, 57, 2),
                   {"File format mismatch.",
                    "The layout is for a keyboard of 56 keys (16scan); the keyboard attached is a "
                    "double keyboard (type 2).",
                    "Open a 16scan layout of 112 keys, or change the keyboard type in File > "
                    "Settings."}},
        AdviceCase{"DoubleLayoutOnSingleKeyboard",
                   Failure(StringId::FileFormatMismatch, 113, 1),
                   {"File format mismatch.",
                    "The layout is for a keyboard of 112 keys (16scan); the keyboard attached is "
                    "a single keyboard (type 1).",
                    "Open a 16scan layout of 56 keys, or change the keyboard type in File > "
                    "Settings."}},
        AdviceCase{"SixteenScanLayoutOnScanKeyboard",
                   Failure(StringId::FileFormatMismatch, 113, 0),
                   {"File format mismatch.",
                    "The layout is for a keyboard of 112 keys (16scan); the keyboard attached "
                    "takes 7/3scan layouts (type 0).",
                    "Open a 7/3scan layout, or save this one as 7/3scan with File > Save As and "
                    "program that file."}},
        AdviceCase{"ScanLayoutOnSingleKeyboard",
                   Failure(StringId::FileFormatMismatch, 112, 1),
                   {"File format mismatch.",
                    "The layout is for a keyboard of 112 keys (7/3scan); the keyboard attached "
                    "is a single keyboard (type 1).",
                    "Open a 16scan layout of 56 keys, or change the keyboard type in File > "
                    "Settings."}},
        // Nothing known to compare: the message alone, no guess.
        AdviceCase{"MismatchWithoutFacts",
                   Failure(StringId::FileFormatMismatch),
                   {"File format mismatch."}},
        AdviceCase{"DriverMissing",
                   Failure(StringId::DriverError),
                   {"Vorlan driver error.",
                    "The keyboard's device /dev/vorlan could not be opened. Check that the "
                    "keyboard is connected, that its driver is installed and that you may use the "
                    "device."}},
        AdviceCase{
            "NotAnsweringMidWrite",
            Broken(StringId::KeyboardNotAnswering, 40, 1014),
            {"The keyboard stopped answering.", "40 of 1014 bytes reached the keyboard.", kCable}},
        AdviceCase{
            "Unplugged",
            Broken(StringId::KeyboardGone, 0, 450),
            {"The keyboard was disconnected.", "0 of 450 bytes reached the keyboard.", kCable}},
        AdviceCase{"NoAnswerToTheTypeQuestion",
                   Failure(StringId::KeyboardDetectingError),
                   {"Keyboard detecting error.", kCable}},
        AdviceCase{"UnknownType",
                   Failure(StringId::InvalidKeyboardTypeDetected),
                   {"Invalid keyboard type detected.",
                    "The keyboard answered with a type this program does not know. Check that a "
                    "Vorlan keyboard is attached."}},
        AdviceCase{"FileUnreadable",
                   Failure(StringId::UnableToOpenFile),
                   {"Unable to open file.",
                    "The layout file keys.txt could not be read. Check that it exists and that "
                    "you may read it."}},
        AdviceCase{"NoImage",
                   Failure(StringId::InvalidFileFormat),
                   {"Invalid file format.",
                    "The layout file keys.txt is not one the keyboard can take. Open it in the "
                    "program, check its keys and settings, and save it again."}},
        AdviceCase{"StoppedByUser",
                   Broken(StringId::ProgrammingStopped, 7, 450),
                   {"Programming was stopped; the keyboard holds only part of the layout.",
                    "7 of 450 bytes reached the keyboard."}},
        AdviceCase{"Success", RunFailure{}, {}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(RunProgress, KeyboardLineAndBytesWithTimeLeft) {
    EXPECT_EQ(KeyboardTypeMessage(DeviceKeyboardFromNumber(-1)).English(),
              "Keyboard: asking for its type");
    EXPECT_EQ(KeyboardTypeMessage(DeviceKeyboardFromNumber(0)).English(),
              "Keyboard: 7/3scan (type 0)");
    EXPECT_EQ(KeyboardTypeMessage(DeviceKeyboardFromNumber(1)).English(),
              "Keyboard: single, 56 keys (type 1)");
    EXPECT_EQ(KeyboardTypeMessage(DeviceKeyboardFromNumber(2)).English(),
              "Keyboard: double, 112 keys (type 2)");
    struct Case {
        int sent, total;
        long long elapsed;
        const char* text;
    } cases[] = {
        {0, 1014, 0, "0 of 1014 bytes sent, about 4 s left"},        // 3 ms a byte assumed
        {500, 1000, 2000, "500 of 1000 bytes sent, about 2 s left"}, // the pace so far
        {999, 1000, 2997, "999 of 1000 bytes sent, about 1 s left"}, // rounded up, never 0 early
        {1000, 1000, 3000, "1000 of 1000 bytes sent, about 0 s left"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RunProgressMessage(c.sent, c.total, c.elapsed).English(), c.text) << c.sent;
    }
}

TEST(RunAdviceFacts, LayoutTypeNumberAndGivenType) {
    const test::TempFolder temp;
    const std::string path =
        temp.Write("advice.txt", "57; 0; 0; 2; 11; 144; 0; 0; 3\n"
                                 "1; 28, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0; 2;0;A\n");
    EXPECT_EQ(LayoutTypeOfFile(path), LayoutType::Single16);
    std::filesystem::remove(path);
    EXPECT_EQ(LayoutTypeOfFile(path), std::nullopt);
    EXPECT_EQ(GivenKeyboard({"p", "f.txt", "/2"}), DeviceKeyboard::Double16);
    EXPECT_EQ(GivenKeyboard({"p", "f.txt", "/3"}), std::nullopt);
    EXPECT_EQ(GivenKeyboard({"p", "f.txt"}), std::nullopt);
}

TEST(RepeatTiming, SliderPositionsAsTheKeyboardTakesThem) {
    const int delays[][2] = {{0, 250}, {1, 500}, {2, 750}, {3, 1000}, {-1, 250}, {9, 1000}};
    for (const auto& [position, ms] : delays) {
        EXPECT_EQ(KeyDelayMilliseconds(position), ms) << position;
    }
    const int rates[][2] = {{0, 300}, {4, 200}, {8, 150}, {11, 109}, {16, 75}, {31, 20}};
    for (const auto& [position, tenths] : rates) {
        EXPECT_EQ(TypematicRateTenths(position), tenths) << position;
    }
    // Each step slower than the one before.
    for (int p = 1; p <= 31; ++p) {
        EXPECT_LT(TypematicRateTenths(p), TypematicRateTenths(p - 1)) << p;
    }
}

} // namespace
} // namespace vorlan
