#include "layout/LayoutFile.h"
#include "testing/CliRunner.h"
#include "testing/TempFolder.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace vorlan {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    return test::ReadFileBytes(path);
}

struct RunResult {
    int status = -1;
    std::string err;
};

class ConvertCommandTest : public ::testing::Test {
protected:
    RunResult Run(const std::vector<std::string>& args) {
        std::vector<std::string> all{"convert"};
        all.insert(all.end(), args.begin(), args.end());
        const test::CliRun run = test::RunVorlanctl(all, dir);
        return {run.status, run.err};
    }

    std::string Data(const char* name) {
        return (fs::path(VORLAN_TEST_DATA_DIR) / "layout" / name).string();
    }

    // What the editor would write after opening in.
    std::string Expected(const std::string& in, KeyboardVariant variant) {
        LayoutDocument doc;
        doc.filePath = in;
        EXPECT_TRUE(ReadLayout(doc));
        doc.RebuildAfterLoad();
        return FormatLayout(doc, variant);
    }

    test::TempFolder folder_;
    const fs::path& dir = folder_.Path();
};

TEST_F(ConvertCommandTest, WritesEachVariant) {
    const std::string in = Data("worked-example-16scan.txt");
    struct Case {
        std::vector<std::string> option;
        KeyboardVariant variant;
    };
    const Case cases[] = {
        {{}, KeyboardVariant::SixteenScan},
        {{"--variant", "1"}, KeyboardVariant::SevenThreeScan},
        {{"--variant=2"}, KeyboardVariant::SixteenScan},
        {{"--variant", "3"}, KeyboardVariant::SingleLeft},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.variant));
        const std::string out = (dir / "out.txt").string();
        std::vector<std::string> args{in, out};
        args.insert(args.end(), c.option.begin(), c.option.end());
        const RunResult r = Run(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(ReadFile(out), Expected(in, c.variant));
    }
    // The worked example survives a round trip through the command unchanged.
    EXPECT_EQ(Expected(in, KeyboardVariant::SixteenScan), ReadFile(in));
}

TEST_F(ConvertCommandTest, NoProgrammedKeyIsAFailureButTheFileIsWritten) {
    const fs::path in = dir / "blank.txt";
    std::ofstream(in, std::ios::binary) << "113; 0; 0; 2; 11; 144; 0; 0; 3\r\n";
    const std::string out = (dir / "right.txt").string();
    const RunResult r = Run({in.string(), out, "--variant", "4"});
    EXPECT_EQ(r.status, 1);
    // The half keeps 56 keys: listed first, then the writer's message.
    EXPECT_EQ(r.err, "Data will be lost: The single 16scan right side form cannot hold all of "
                     "this layout; saving it loses:\n  The layout of 112 keys becomes one of 56 "
                     "keys.\nError: The file contains no programmed key\n");
    EXPECT_EQ(ReadFile(out), Expected(in.string(), KeyboardVariant::SingleRight));
}

TEST_F(ConvertCommandTest, SingleRightOfAnEmptyRightHalfReportsNothing) {
    const std::string out = (dir / "right.txt").string();
    const RunResult r = Run({Data("worked-example-16scan.txt"), out, "--variant", "4"});
    EXPECT_EQ(r.status, 0);
    // No message of the writer; only the list of what the right half drops.
    EXPECT_EQ(r.err, "Data will be lost: The single 16scan right side form cannot hold all of "
                     "this layout; saving it loses:\n  Key 1 \"A\" is not in the file.\n");
    EXPECT_EQ(ReadFile(out).substr(0, 4), "57; ");
}

TEST_F(ConvertCommandTest, ShowsTheEditorsMessagesAndGoesOn) {
    const std::string out = (dir / "out.txt").string();
    const RunResult r = Run({Data("group-key-error.txt"), out});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "Error: Group key error\n");
    EXPECT_EQ(ReadFile(out), Expected(Data("group-key-error.txt"), KeyboardVariant::SixteenScan));
}

TEST_F(ConvertCommandTest, UnreadableOrUnwritableFilesFail) {
    const std::string out = (dir / "out.txt").string();
    RunResult r = Run({(dir / "missing.txt").string(), out});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Error: " + (dir / "missing.txt").string() + ": Cannot open file!\n");
    EXPECT_FALSE(fs::exists(out));

    r = Run({Data("worked-example-16scan.txt"), (dir / "no" / "such" / "out.txt").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Error: The folder " + (dir / "no" / "such").string() + " does not exist.\n");

#ifndef _WIN32
    // Run in a folder that was removed since: the message names it.
    const fs::path gone = dir / "gone";
    fs::create_directories(gone);
    const fs::path kept = fs::current_path();
    fs::current_path(gone);
    fs::remove(gone);
    r = Run({Data("worked-example-16scan.txt"), "out.txt"});
    fs::current_path(kept);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Error: The folder " + gone.string() + " does not exist.\n");
#endif
}

TEST_F(ConvertCommandTest, UsageErrors) {
    const std::string in = Data("worked-example-16scan.txt");
    const std::string out = (dir / "out.txt").string();
    const std::vector<std::vector<std::string>> cases = {
        {},
        {in},
        {in, out, "extra"},
        {in, out, "--variant"},
        {in, out, "--variant", "0"},
        {in, out, "--variant", "5"},
        {in, out, "--variant=12"},
        {in, out, "--verbose"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args.size());
        const RunResult r = Run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find("vorlanctl convert IN OUT [--variant N]"), std::string::npos) << r.err;
    }
    EXPECT_FALSE(fs::exists(out));
}

} // namespace
} // namespace vorlan
