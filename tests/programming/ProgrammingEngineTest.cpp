#include "programming/ProgrammingEngine.h"

#include "common/StringTable.h"
#include "programming/DeviceImage.h"
#include "programming/EmulatedKeyboard.h"
#include "testing/ProgrammingTestSupport.h"

#include <gtest/gtest.h>
#include <sstream>

namespace vorlan {
namespace {

using test::FakeClock;
using test::LayoutText;
using test::TempFolder;

// Layout files of every type number and a broken one, in a folder of their own.
class EngineFiles {
public:
    EngineFiles() {
        for (const int typeNumber : {56, 57, 112, 113}) {
            paths[typeNumber] =
                folder.Write(std::to_string(typeNumber) + ".txt", LayoutText(typeNumber));
        }
        broken = folder.Write("broken.txt", "57; 0; 0; 2; 11; 144; 0; 0; 256\r\n");
        missing = folder.File("missing.txt");
        folderPath = folder.File("");
    }

    TempFolder folder;
    std::map<int, std::string> paths;
    std::string broken;
    std::string missing;
    std::string folderPath;
};

struct EngineRun {
    int result = -1;
    int typeRequests = 0;
    std::vector<std::uint8_t> received;
};

EngineRun RunEngine(std::vector<std::string> arguments, EmulatedKeyboard& keyboard,
                    const WriteProgress& progress = {}) {
    std::vector<const char*> vector;
    for (const std::string& argument : arguments) {
        vector.push_back(argument.c_str());
    }
    FakeClock clock;
    EngineRun run;
    run.result = ProgrammingEngine(static_cast<int>(vector.size()), vector.data(), progress,
                                   keyboard, clock);
    run.typeRequests = keyboard.TypeRequestCount();
    run.received = keyboard.Received();
    EXPECT_FALSE(keyboard.IsOpen());
    EXPECT_TRUE(keyboard.ProtocolErrors().empty());
    return run;
}

std::vector<std::uint8_t> ImageOf(const std::string& path) {
    std::ifstream file(path);
    DeviceImage image;
    EXPECT_EQ(BuildDeviceImage(file, image), 0);
    return image.bytes;
}

// ---- arguments and messages -------------------------------------------------

// Arguments: "F56" .. "F113" stand for the layout files, "BROKEN" and
// "MISSING" for a file that does not parse and one that does not exist,
// "DIR" for the folder that holds them.
struct EngineCase {
    const char* name;
    std::vector<std::string> arguments;
    int keyboardType;
    EmulatorFaults faults;
    int message;
    int openAttempts; // detection and writing open the device once each
    bool writes;
};

void PrintTo(const EngineCase& c, std::ostream* out) {
    *out << c.name;
}

class EngineMessageTest : public ::testing::TestWithParam<EngineCase> {
protected:
    static EngineFiles* files;
    static void SetUpTestSuite() { files = new EngineFiles; }
    static void TearDownTestSuite() {
        delete files;
        files = nullptr;
    }
};

EngineFiles* EngineMessageTest::files = nullptr;

TEST_P(EngineMessageTest, ReturnsTheMessageNumber) {
    const EngineCase& c = GetParam();
    std::vector<std::string> arguments;
    for (const std::string& argument : c.arguments) {
        if (argument.starts_with("F")) {
            arguments.push_back(files->paths.at(std::stoi(argument.substr(1))));
        } else if (argument == "BROKEN") {
            arguments.push_back(files->broken);
        } else if (argument == "MISSING") {
            arguments.push_back(files->missing);
        } else if (argument == "DIR") {
            arguments.push_back(files->folderPath);
        } else {
            arguments.push_back(argument);
        }
    }
    EmulatedKeyboard keyboard(c.keyboardType, c.faults);
    const EngineRun run = RunEngine(arguments, keyboard);
    EXPECT_EQ(run.result, c.message);
    if (c.message != 0) {
        EXPECT_FALSE(StringText(c.message).empty());
    }
    EXPECT_EQ(keyboard.OpenAttempts(), c.openAttempts);
    EXPECT_EQ(!run.received.empty(), c.writes);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, EngineMessageTest,
    ::testing::Values(
        EngineCase{"TypeThree", {"p", "F57", "/3"}, 1, {}, 33001, 0, false},
        EngineCase{"TypeLetter", {"p", "F57", "/a"}, 1, {}, 33001, 0, false},
        EngineCase{"TypeMinus", {"p", "F57", "/-"}, 1, {}, 33001, 0, false},
        EngineCase{"TypeOneChar", {"p", "F57", "/"}, 1, {}, 33000, 0, false},
        EngineCase{"TypeTwoDigits", {"p", "F57", "/12"}, 1, {}, 33000, 0, false},
        EngineCase{"TypeNoSlash", {"p", "F57", "-1"}, 1, {}, 33000, 0, false},
        EngineCase{"TypeEmpty", {"p", "F57", ""}, 1, {}, 33000, 0, false},
        EngineCase{"GivenTypeMismatch", {"p", "F57", "/0"}, 1, {}, 33008, 0, false},
        EngineCase{"FourArguments", {"p", "F57", "/1", "x"}, 1, {}, 33002, 0, false},
        EngineCase{"HelpMinus", {"p", "-h"}, 1, {}, 33002, 0, false},
        EngineCase{"HelpSlash", {"p", "/h"}, 1, {}, 33002, 0, false},
        EngineCase{"HelpQuestion", {"p", "/?"}, 1, {}, 33002, 0, false},
        EngineCase{"HelpWithType", {"p", "-h", "/1"}, 1, {}, 33002, 0, false},
        EngineCase{"HelpWithBadType", {"p", "-h", "/9"}, 1, {}, 33001, 0, false},
        EngineCase{"CapitalHIsAFile", {"p", "/H"}, 1, {}, 33003, 0, false},
        EngineCase{"MinusHelpIsAFile", {"p", "-help"}, 1, {}, 33003, 0, false},
        EngineCase{"NoSuchFile", {"p", "MISSING"}, 1, {}, 33003, 0, false},
        // A folder cannot be read as a layout file on any system.
        EngineCase{"FolderIsNoFile", {"p", "DIR"}, 1, {}, 33003, 0, false},
        EngineCase{
            "BrokenFileNoDriver", {"p", "BROKEN"}, 1, test::DeviceMissing(), 33004, 0, false},
        EngineCase{"DetectOnlyType0", {"p"}, 0, {}, 0, 1, false},
        EngineCase{"DetectOnlyType2", {"p"}, 2, {}, 0, 1, false},
        EngineCase{"NoArgumentsAtAll", {}, 1, {}, 0, 1, false},
        EngineCase{"DetectOnlyNoDevice", {"p"}, 0, test::DeviceMissing(), 33006, 1, false},
        EngineCase{"DetectOnlyFails", {"p"}, 0, test::TypeRequestFails(), 33007, 1, false},
        EngineCase{
            "DetectOnlyNoByte", {"p"}, 0, test::TypeRequestReturnsNothing(), 33007, 1, false},
        EngineCase{"DetectOnlyType3", {"p"}, 0, test::TypeAnswer(3), 33005, 1, false},
        EngineCase{"FileType3", {"p", "F113"}, 2, test::TypeAnswer(3), 33005, 1, false},
        EngineCase{"FileNoDevice", {"p", "F113"}, 2, test::DeviceMissing(), 33006, 1, false},
        EngineCase{
            "GivenTypeNoDevice", {"p", "F113", "/2"}, 2, test::DeviceMissing(), 33006, 1, false},
        EngineCase{"Single16OnType0", {"p", "F57"}, 0, {}, 33008, 1, false},
        EngineCase{"Double16OnType1", {"p", "F113"}, 1, {}, 33008, 1, false},
        EngineCase{"Single73OnType1", {"p", "F56"}, 1, {}, 33008, 1, false},
        EngineCase{"Double73OnType2", {"p", "F112"}, 2, {}, 33008, 1, false},
        EngineCase{"Double16OnType2", {"p", "F113"}, 2, {}, 0, 2, true},
        EngineCase{"Single16OnType1", {"p", "F57"}, 1, {}, 0, 2, true},
        EngineCase{"Single73OnType0", {"p", "F56"}, 0, {}, 0, 2, true},
        EngineCase{"Double73OnType0", {"p", "F112"}, 0, {}, 0, 2, true},
        EngineCase{"GivenTypeWrites", {"p", "F57", "/1"}, 2, {}, 0, 1, true},
        EngineCase{"WriteFails", {"p", "F57"}, 1, test::FailWriteAt(500), 33009, 2, true}),
    [](const auto& test) { return std::string(test.param.name); });

// ---- what reaches the keyboard ---------------------------------------------

TEST(ProgrammingEngine, DoubleKeyboardsGetTheRightHalfFirst) {
    EngineFiles files;
    struct Case {
        int typeNumber;
        int keyboardType;
        std::ptrdiff_t half;
        std::ptrdiff_t settings;
    };
    for (const Case c : {Case{112, 0, 224, 448}, Case{113, 2, 1008, 2016}}) {
        EmulatedKeyboard keyboard(c.keyboardType);
        const std::string path = files.paths.at(c.typeNumber);
        const EngineRun run = RunEngine({"p", path}, keyboard);
        ASSERT_EQ(run.result, 0);
        const auto image = ImageOf(path);
        ASSERT_EQ(run.received.size(), image.size());
        const auto sent = run.received.begin();
        EXPECT_TRUE(std::equal(sent, sent + c.half, image.begin() + c.half));
        EXPECT_TRUE(std::equal(sent + c.half, sent + 2 * c.half, image.begin()));
        EXPECT_TRUE(std::equal(sent + c.settings, run.received.end(), image.begin() + c.settings));

        // Read back as the keyboard holds it, the keys are the layout's keys.
        DecodedImage decoded;
        ASSERT_TRUE(keyboard.ReceivedImage(*LayoutTypeFromNumber(c.typeNumber), decoded));
        EXPECT_EQ(decoded.keys[56].flags, test::KeyFlags(57));
        EXPECT_EQ(decoded.keys[0].codes[0], test::KeyCode(1, 0));
    }
}

TEST(ProgrammingEngine, SingleKeyboardsGetTheImageUnchanged) {
    EngineFiles files;
    for (const auto& [typeNumber, keyboardType] : {std::pair{56, 0}, std::pair{57, 1}}) {
        EmulatedKeyboard keyboard(keyboardType);
        const EngineRun run = RunEngine({"p", files.paths.at(typeNumber)}, keyboard);
        ASSERT_EQ(run.result, 0);
        EXPECT_EQ(run.received, ImageOf(files.paths.at(typeNumber)));
    }
}

TEST(ProgrammingEngine, PassesProgressOnAndStopsWhenAsked) {
    EngineFiles files;
    {
        EmulatedKeyboard keyboard(2);
        int steps = 0;
        WriteProgress progress;
        progress.step = [&steps] { ++steps; };
        EXPECT_EQ(RunEngine({"p", files.paths.at(113)}, keyboard, progress).result, 0);
        EXPECT_EQ(steps, 101);
    }
    {
        EmulatedKeyboard keyboard(2);
        std::atomic<bool> stop{false};
        keyboard.SetAfterWrite([&stop](std::size_t sent) { stop = sent == 300; });
        WriteProgress progress;
        progress.stop = &stop;
        const EngineRun run = RunEngine({"p", files.paths.at(113)}, keyboard, progress);
        EXPECT_EQ(run.result, static_cast<int>(StringId::ProgrammingStopped));
        EXPECT_EQ(run.received.size(), 300u);
        EXPECT_EQ(keyboard.OpenCount(), 2); // detection, then the write
        EXPECT_EQ(keyboard.CloseCount(), 2);
    }
}

TEST(ProgrammingEngine, MessagesHaveTheirTexts) {
    EXPECT_EQ(StringText(33000), "Invalid argument.");
    EXPECT_EQ(StringText(33006), "Vorlan driver error.");
    EXPECT_EQ(StringText(33011), "File version error");
}

} // namespace
} // namespace vorlan
