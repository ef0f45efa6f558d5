// vorlanctl program and vorlanctl image, run as a user runs them.
#include "programming/DeviceImage.h"
#include "testing/CliRunner.h"
#include "testing/TempFolder.h"
#include "verify/ProgrammingLog.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace vorlan {
namespace {

const std::string kData = std::string(VORLAN_TEST_DATA_DIR) + "/programming/";

struct CliRun {
    int status = -1;
    std::string errors;
    std::string out;
};

std::string ReadText(const std::filesystem::path& path) {
    return test::ReadFileBytes(path);
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    const std::string text = ReadText(path);
    return {text.begin(), text.end()};
}

std::vector<std::uint8_t> ImageOf(const std::string& layout) {
    std::ifstream in(layout);
    DeviceImage image;
    EXPECT_EQ(BuildDeviceImage(in, image), 0);
    return image.bytes;
}

void SetDataFolder(const std::string& value) {
#ifdef _WIN32
    _putenv_s("APPDATA", value.c_str());
#else
    setenv("XDG_DATA_HOME", value.c_str(), 1);
#endif
}

// Sets VORLAN_DEVICE for the commands a test runs and restores the test's own.
void SetDevice(const std::string& value) {
#ifdef _WIN32
    _putenv_s("VORLAN_DEVICE", value.c_str());
#else
    setenv("VORLAN_DEVICE", value.c_str(), 1);
#endif
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* device = std::getenv("VORLAN_DEVICE")) {
            savedDevice = device;
        }
        // Runs log to the user's data folder: here, the test's own.
        SetDataFolder((folder / "data").string());
    }
    void TearDown() override {
        SetDevice(savedDevice);
        SetDataFolder(savedData);
    }

    // Runs vorlanctl with the arguments, standard error into a file; the
    // device is the platform's default unless a test names another.
    CliRun Run(const std::vector<std::string>& arguments, const std::string& device = "") {
        SetDevice(device);
        const test::CliRun run = test::RunVorlanctl(arguments, folder);
        return {run.status, run.err, run.out};
    }
    std::string Out(const std::string& name) const { return (folder / name).string(); }

    test::TempFolder folder_;
    const std::filesystem::path& folder = folder_.Path();
    std::string savedDevice;
#ifdef _WIN32
    std::string savedData = std::getenv("APPDATA") != nullptr ? std::getenv("APPDATA") : "";
#else
    std::string savedData =
        std::getenv("XDG_DATA_HOME") != nullptr ? std::getenv("XDG_DATA_HOME") : "";
#endif
};

TEST_F(CliTest, ProgramsAnEmulatedDoubleKeyboardRightHalfFirst) {
    const std::string layout = kData + "layout113.txt";
    const CliRun run = Run({"program", "--emulate", "2", "--received", Out("received"), layout});
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.errors, ""); // no progress bar when standard error is a file
    EXPECT_EQ(run.out, "The keyboard was programmed: 2022 of 2022 bytes (keyboard type 2).\n");
    const auto received = ReadBytes(Out("received"));
    const auto image = ImageOf(layout);
    ASSERT_EQ(received.size(), 2022u);
    EXPECT_TRUE(std::equal(received.begin(), received.begin() + 1008, image.begin() + 1008));
    EXPECT_TRUE(std::equal(received.begin() + 1008, received.begin() + 2016, image.begin()));
    EXPECT_TRUE(std::equal(received.begin() + 2016, received.end(), image.begin() + 2016));
}

TEST_F(CliTest, TheEnvironmentCanChooseTheEmulatedKeyboard) {
    const std::string layout = kData + "layout57.txt";
    const CliRun run = Run({"program", "--received", Out("received"), layout}, "emulator:1");
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(ReadBytes(Out("received")), ImageOf(layout));
}

TEST_F(CliTest, HandsTheArgumentsToTheEngineUnchanged) {
    const std::string layout = kData + "layout57.txt";
    // Three-argument form: the given type replaces detection.
    CliRun run = Run({"program", "--emulate", "2", "--received", Out("r"), layout, "/1"});
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(ReadBytes(Out("r")), ImageOf(layout));

    run = Run({"program", "--emulate", "2", layout});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors, "Error: File format mismatch.\n"
                          "The layout is for a keyboard of 56 keys (16scan); the keyboard attached "
                          "is a double keyboard (type 2).\n"
                          "Open a 16scan layout of 112 keys, or change the keyboard type in File > "
                          "Settings.\n");

    run = Run({"program", "--emulate", "1", layout, "/7"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors, "Error: Invalid keyboard type.\n");

    // A help word for a layout and surplus arguments are the engine's syntax
    // errors; only --help is help.
    for (const std::vector<std::string>& words : std::vector<std::vector<std::string>>{
             {"--", "-h"}, {"-h"}, {"/h"}, {"/?", "/1"}, {layout, "/1", "x"}}) {
        std::vector<std::string> arguments{"program", "--emulate", "1"};
        arguments.insert(arguments.end(), words.begin(), words.end());
        run = Run(arguments);
        EXPECT_EQ(run.status, 1) << words.back();
        EXPECT_EQ(run.errors, "Error: Syntax error!\n") << words.back();
    }

    // Detection only.
    run = Run({"program", "--emulate", "0"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Keyboard type 0 detected; nothing was written.\n");
}

TEST_F(CliTest, ReportsAMissingDevice) {
    const CliRun run = Run({"program", kData + "layout57.txt"}, "/nonexistent/kbd");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors, "Error: Vorlan driver error.\n"
                          "The keyboard's device /nonexistent/kbd could not be opened. Check that "
                          "the keyboard is connected, that its driver is installed and that you "
                          "may use the device.\n");
}

// Each fault ends the run with its message and what the keyboard got.
TEST_F(CliTest, FaultsOfTheKeyboardEndTheRunWithTheRightMessage) {
    const std::string layout = kData + "layout57.txt";
    const std::pair<std::string, std::string> cases[] = {
        {"1,fail-at=10",
         "Error: Keyboard programming error.\n9 of 1014 bytes reached the keyboard.\n"
         "Check the keyboard's cable and connection, then program it again.\n"},
        {"1,hang-at=3,timeout=30",
         "Error: The keyboard stopped answering.\n2 of 1014 bytes reached the keyboard.\n"
         "Check the keyboard's cable and connection, then program it again.\n"},
        {"1,slow=40,timeout=20",
         "Error: The keyboard stopped answering.\n0 of 1014 bytes reached the keyboard.\n"
         "Check the keyboard's cable and connection, then program it again.\n"},
        {"1,vanish-at=600",
         "Error: The keyboard was disconnected.\n599 of 1014 bytes reached the keyboard.\n"
         "Check the keyboard's cable and connection, then program it again.\n"},
        {"1,missing", "Error: Vorlan driver error.\nThe keyboard's device emulator:1 could not be "
                      "opened. Check that the keyboard is connected, that its driver is installed "
                      "and that you may use the device.\n"},
    };
    for (const auto& [setting, message] : cases) {
        SCOPED_TRACE(setting);
        const CliRun byOption =
            Run({"program", "--emulate", setting, "--received", Out("received"), layout});
        EXPECT_EQ(byOption.status, 1);
        EXPECT_EQ(byOption.errors, message);
        const CliRun byDevice = Run({"program", layout}, "emulator:" + setting);
        EXPECT_EQ(byDevice.status, 1);
        EXPECT_EQ(byDevice.errors, message);
    }
    // Slow but within the timeout is only slow.
    EXPECT_EQ(Run({"program", "--emulate", "0,slow=1", kData + "layout56.txt"}).status, 0);
}

#ifndef _WIN32
// Nothing waits on a path that is not a plain file, in any command.
TEST_F(CliTest, PathsThatAreNotPlainFilesAreRefusedAtOnce) {
    const std::string pipe = Out("x.txt");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const CliRun show = Run({"show", pipe});
    EXPECT_EQ(show.status, 1);
    EXPECT_NE(show.errors.find("not a plain file"), std::string::npos) << show.errors;
    EXPECT_EQ(Run({"convert", pipe, Out("out.txt")}).status, 1);
    EXPECT_EQ(Run({"convert", kData + "layout57.txt", pipe}).status, 1);
    EXPECT_EQ(Run({"program", "--emulate", "1", pipe}).errors,
              "Error: Unable to open file.\nThis is not a plain file (it is a folder, pipe, "
              "socket or device), so it cannot be opened.\nThe layout file " +
                  pipe + " could not be read. Check that it exists and that you may read it.\n");
    EXPECT_EQ(Run({"image", pipe, "-o", Out("image.bin")}).status, 1);
    // A pipe named as the device is no keyboard either.
    EXPECT_EQ(Run({"program", kData + "layout57.txt"}, pipe).errors,
              "Error: Vorlan driver error.\nThe keyboard's device " + pipe +
                  " could not be opened. Check that the keyboard is connected, that its driver is "
                  "installed and that you may use the device.\n");
}
#endif

TEST_F(CliTest, RejectsBadProgramOptions) {
    EXPECT_EQ(Run({"program", "--emulate", "3", "x.txt"}).status, 2);
    EXPECT_EQ(Run({"program", "--emulate"}).status, 2);
    EXPECT_EQ(Run({"program", "--frobnicate", "x.txt"}).status, 2);
    EXPECT_EQ(Run({"program", "--received", "r.bin", "x.txt"}).status, 2); // not emulated
    EXPECT_EQ(Run({"program", "x.txt"}, "emulator:9").status, 2);
}

TEST_F(CliTest, WritesTheImageRawOrAsHex) {
    const std::string layout = kData + "layout56.txt";
    ASSERT_EQ(Run({"image", layout, "-o", Out("raw")}).status, 0);
    const auto image = ImageOf(layout);
    EXPECT_EQ(ReadBytes(Out("raw")), image);

    ASSERT_EQ(Run({"image", "--hex", "-o", Out("hex"), layout}).status, 0);
    std::ifstream hex(Out("hex"));
    std::vector<std::uint8_t> parsed;
    std::string offset;
    int lines = 0;
    while (hex >> offset) {
        char expected[16];
        std::snprintf(expected, sizeof expected, "%04zx:", parsed.size());
        EXPECT_EQ(offset, expected);
        ++lines;
        std::string line;
        std::getline(hex, line);
        std::istringstream bytes(line);
        unsigned value = 0;
        while (bytes >> std::hex >> value) {
            parsed.push_back(static_cast<std::uint8_t>(value));
        }
    }
    EXPECT_EQ(lines, 29); // 450 bytes, 16 a line
    EXPECT_EQ(parsed, image);
}

TEST_F(CliTest, ImageFailuresNameTheStep) {
    CliRun run = Run({"image", kData + "bad-pause.txt", "-o", Out("x")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors, "Error: Invalid file format. (-24) At line 1.\n");
    EXPECT_FALSE(std::filesystem::exists(Out("x")));
    // program says it as image does.
    run = Run({"program", "--emulate", "1", "--log", Out("runs.log"), kData + "bad-pause.txt"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.errors.starts_with("Error: Invalid file format. (-24) At line 1.\n"))
        << run.errors;

    // The reader's words, as check, show and convert say them.
    const std::pair<std::string, std::string> unreadable[] = {
        {kData + "no-such-file.txt", "Error: Cannot open file!\n"},
        {kData, "Error: This is not a plain file (it is a folder, pipe, socket or device), so it "
                "cannot be opened.\n"},
    };
    for (const auto& [path, message] : unreadable) {
        run = Run({"image", path, "-o", Out("x")});
        EXPECT_EQ(run.status, 1) << path;
        EXPECT_EQ(run.errors, message) << path;
    }

    // Beyond the layout readers' cap only the first 16 MiB are read, as check
    // reads them: a sparse 2 GiB file ends at once, and a key given again
    // beyond the cap is not what the keyboard gets.
    const std::string huge = Out("huge.txt");
    std::ofstream(huge).close();
    std::filesystem::resize_file(huge, std::uintmax_t{2} << 30);
    const std::string padded = Out("padded.txt");
    std::string text = ReadText(kData + "layout57.txt");
    text.resize(16u * 1024u * 1024u + 10u, ' ');
    std::ofstream(padded, std::ios::binary)
        << text << "\n7; 99, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0; 7;0;Key 7\n";
    for (const std::string& file : {huge, padded}) {
        const std::string note =
            file + ": error: Only the first 16777216 bytes of the file are read.\n";
        const bool good = file == padded;
        run = Run({"image", file, "-o", Out("x")});
        EXPECT_EQ(run.errors, note + (good ? "" : "Error: Invalid file format. (-1) At line 1.\n"));
        EXPECT_EQ(run.status, good ? 0 : 1);
        run = Run({"program", "--emulate", "1", "--received", Out("r"), file});
        EXPECT_TRUE(run.errors.starts_with(good ? note : note + "Error: Invalid file format."))
            << run.errors;
        if (good) {
            EXPECT_EQ(ReadBytes(Out("x")), ImageOf(kData + "layout57.txt"));
            EXPECT_EQ(ReadBytes(Out("r")), ImageOf(kData + "layout57.txt"));
        }
    }

    EXPECT_EQ(Run({"image", kData + "layout56.txt"}).status, 2);
    EXPECT_EQ(Run({"image", "-o", "x"}).status, 2);
    EXPECT_EQ(Run({"image", "a", "b", "-o", "x"}).status, 2);
}

TEST_F(CliTest, EveryRunIsLoggedTruthfully) {
    const std::string layout = kData + "layout57.txt";
    ASSERT_EQ(Run({"program", "--emulate", "1", "--log", Out("runs.log"), layout}).status, 0);
    ASSERT_EQ(Run({"program", "--emulate", "2", "--log", Out("runs.log"), layout}).status, 1);
    // Without --log the desktop program's log in the user's data folder.
    ASSERT_EQ(Run({"program", "--emulate", "1", layout, "/1"}).status, 0);

    std::istringstream lines(test::ReadFileBytes(Out("runs.log")));
    std::vector<std::vector<std::string>> runs;
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');) {
            fields.push_back(cell);
        }
        ASSERT_EQ(fields.size(), 7u) << line;
        runs.push_back(fields);
    }
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0][1], std::filesystem::absolute(layout).string());
    EXPECT_EQ(runs[0][2].size(), 64u);
    EXPECT_EQ(runs[0][3], "1");
    EXPECT_EQ(runs[0][4], "1014");
    EXPECT_EQ(runs[0][6], "done");
    EXPECT_EQ(runs[1][2], runs[0][2]);
    EXPECT_EQ(runs[1][3], "2");
    EXPECT_EQ(runs[1][4], "0");
    EXPECT_EQ(runs[1][6], "File format mismatch.");

    // Every run is in the record; --log held a copy of two of them.
    const CliRun recorded = Run({"log"});
    EXPECT_EQ(std::count(recorded.out.begin(), recorded.out.end(), '\n'), 3) << recorded.out;
    EXPECT_NE(recorded.out.find("\t1\t1014\t"), std::string::npos) << recorded.out;
    EXPECT_TRUE(std::filesystem::exists(folder / "data" / "Kelvane" / "vorlan" / "records.db"));
    EXPECT_EQ(
        Run({"program", "--emulate", "1", "--log", (folder / "data").string(), layout}).status, 1)
        << "a log that cannot be written fails the run";

    // A script's batch: a place is taken only by a keyboard that passed.
    std::vector<std::string> places;
    for (const char* keyboard : {"1", "2", "1"}) {
        Run({"program", "--emulate", keyboard, "--log", Out("batch.log"), "--order", "A-17 Lyon",
             layout});
    }
    for (const ProgrammingRun& run : ParseLog(test::ReadFileBytes(Out("batch.log")))) {
        places.push_back(run.batch);
    }
    EXPECT_EQ(places, (std::vector<std::string>{"A-17 Lyon 1", "A-17 Lyon 2", "A-17 Lyon 2"}));
}

#ifndef _WIN32
// Without HOME (a service, env -i) the default record has no folder: the
// keyboard is not touched, and the message says why.
TEST_F(CliTest, ARunWithoutADataFolderSaysWhyItWasNotLogged) {
    const char* home = std::getenv("HOME");
    const std::string keptHome = home != nullptr ? home : "";
    unsetenv("HOME");
    unsetenv("XDG_DATA_HOME");
    const CliRun run = Run({"program", "--emulate", "1", kData + "layout57.txt"});
    if (home != nullptr) {
        setenv("HOME", keptHome.c_str(), 1);
    }
    EXPECT_EQ(run.status, 1) << run.errors;
    EXPECT_EQ(run.errors, "vorlanctl program: Cannot open the record (no data folder): HOME "
                          "(APPDATA on Windows) is not set; name a record with --records PATH\n"
                          "The keyboard was not touched.\n");
}
#endif

} // namespace
} // namespace vorlan
