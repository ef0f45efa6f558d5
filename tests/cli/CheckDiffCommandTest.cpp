#include "testing/CliRunner.h"
#include "testing/TempFolder.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace vorlan {
namespace {

namespace fs = std::filesystem;

class CheckDiffCommandTest : public ::testing::Test {
protected:
    std::string File(const char* name, const std::string& bytes) {
        const fs::path path = dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    test::CliRun Run(const std::vector<std::string>& args) { return test::RunVorlanctl(args, dir); }

    test::TempFolder folder_;
    const fs::path& dir = folder_.Path();
};

// A complete 56-key 7/3scan file: key 1 is "A" with code 5, key 2 has the given line.
std::string Layout(const std::string& keyTwo = "2; 6, 0, 0, 0, 0, 0, 0; 2;B") {
    std::string text = "56; 0; 0; 2; 11\r\n1; 5, 0, 0, 0, 0, 0, 0; 2;A\r\n" + keyTwo + "\r\n";
    for (int k = 3; k <= 56; ++k) {
        text += std::to_string(k) + "; 0, 0, 0, 0, 0, 0, 0; 2;KEY" + std::to_string(k) + "\r\n";
    }
    return text;
}

const std::string kClean = Layout();

TEST_F(CheckDiffCommandTest, CheckExitStatusAndLocatedMessages) {
    const std::string clean = File("clean.txt", kClean);
    // Key 2 has a name but no codes: legal, a warning.
    const std::string doubtful = File("doubtful.txt", Layout("2; 0, 0, 0, 0, 0, 0, 0; 2;B"));
    const std::string wrong = File("wrong.txt", Layout("2; 999, 0, 0, 0, 0, 0, 0; 2;B"));
    struct Row {
        std::vector<std::string> files;
        int status;
    };
    const std::vector<Row> rows = {
        {{clean}, 0},
        {{doubtful}, 3},
        {{wrong}, 1},
        {{doubtful, wrong}, 1},
        {{(dir / "missing.txt").string()}, 1},
        {{}, 2},
    };
    for (const Row& row : rows) {
        std::vector<std::string> args{"check"};
        args.insert(args.end(), row.files.begin(), row.files.end());
        EXPECT_EQ(Run(args).status, row.status) << args.size();
    }
    const test::CliRun run = Run({"check", wrong});
    EXPECT_NE(
        run.out.find(wrong + ":3: error: Key 2: code 999 is out of range 0..255 and reads as 0.\n"),
        std::string::npos)
        << run.out;
    // Flags 14: single key and the fourth mode, which no key can be given here.
    const std::string modeFour = File("mode.txt", Layout("2; 6, 0, 0, 0, 0, 0, 0; 14;B"));
    const test::CliRun mode = Run({"check", modeFour});
    EXPECT_EQ(mode.status, 3);
    EXPECT_NE(mode.out.find(modeFour + ":3: warning: Key 2 has key mode 4, outside 1 to 3.\n"),
              std::string::npos)
        << mode.out;
}

// check and the image builder read each file alike: where image refuses a
// file, check says so as an error at the line image names; where image takes
// it, check finds nothing of the builder's.
TEST_F(CheckDiffCommandTest, CheckFindsWhatTheImageBuilderFindsAtItsLine) {
    const std::string header = "56; 0; 0; 2; 11\r\n";
    struct Row {
        const char* name;
        std::string bytes;
        int step; // image's step, 0: taken
        int line;
    };
    const std::vector<Row> rows = {
        {"clean", kClean, 0, 0},
        {"no line end at the end", kClean.substr(0, kClean.size() - 2), 0, 0},
        {"one empty line at the end", kClean + "\r\n", -26, 58},
        {"blank line between keys", Layout("\r\n2; 6, 0, 0, 0, 0, 0, 0; 2;B"), -26, 3},
        {"a line of letters", Layout("KEY; 6, 0, 0, 0, 0, 0, 0; 2;B"), -26, 3},
        {"code above 255", Layout("2; 999, 0, 0, 0, 0, 0, 0; 2;B"), -29, 3},
        {"key number 0", Layout("0; 6, 0, 0, 0, 0, 0, 0; 2;B"), -28, 3},
        {"key number without separator", Layout("2 6, 0, 0, 0, 0, 0, 0; 2;B"), -27, 3},
        {"too few codes", Layout("2; 6, 0"), -30, 3},
        {"header without separator", "56 0; 0; 2; 11\r\n1; 5, 0, 0, 0, 0, 0, 0; 2;A\r\n", -3, 1},
        {"header only", header, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string file = File("agree.txt", row.bytes);
        const test::CliRun image = Run({"image", file, "-o", (dir / "agree.bin").string()});
        const test::CliRun check = Run({"check", file});
        const bool builderNote = check.out.find("image builder stops") != std::string::npos;
        if (row.step == 0) {
            EXPECT_EQ(image.status, 0) << image.err;
            EXPECT_FALSE(builderNote) << check.out;
            continue;
        }
        const std::string said = "Invalid file format. (" + std::to_string(row.step) + ")";
        EXPECT_EQ(image.status, 1);
        EXPECT_EQ(image.err, "Error: " + said + " At line " + std::to_string(row.line) + ".\n");
        EXPECT_EQ(check.status, 1) << check.out;
        EXPECT_NE(check.out.find(file + ":" + std::to_string(row.line) +
                                 ": error: The image builder stops at this line, so vorlanctl "
                                 "image and program refuse the file: " +
                                 said + "\n"),
                  std::string::npos)
            << check.out;
    }
}

TEST_F(CheckDiffCommandTest, CheckJsonIsOneArrayOfTheSameMessages) {
    const std::string wrong = File("wrong.txt", Layout("2; 999, 0, 0, 0, 0, 0, 0; 2;B"));
    const test::CliRun run = Run({"check", wrong, "--json"});
    EXPECT_EQ(run.status, 1);
    const auto notes = nlohmann::json::parse(run.out);
    ASSERT_TRUE(notes.is_array());
    bool found = false;
    for (const auto& note : notes) {
        found = found || (note["line"] == 3 && note["level"] == "error" && note["key"] == 2);
    }
    EXPECT_TRUE(found) << run.out;
}

TEST_F(CheckDiffCommandTest, DiffListsDifferencesAndTellsByItsStatus) {
    const std::string a = File("a.txt", kClean);
    std::string changed = kClean;
    changed.replace(changed.find("1; 5, 0"), 7, "1; 5, 7");
    const std::string b = File("b.txt", changed);
    EXPECT_EQ(Run({"diff", a, a}).status, 0);
    const test::CliRun run = Run({"diff", a, b});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "Key 1 \"A\": the codes 5 become 5, 7.\n");
    const auto json = nlohmann::json::parse(Run({"diff", a, b, "--json"}).out);
    ASSERT_EQ(json.size(), 1u);
    EXPECT_EQ(json[0]["kind"], "codes");
    EXPECT_EQ(Run({"diff", a}).status, 2);
    EXPECT_EQ(Run({"diff", a, (dir / "missing.txt").string()}).status, 2);
}

TEST_F(CheckDiffCommandTest, ConvertListsLossesAndStrictRefuses) {
    const std::string in =
        File("wide.txt", "57; 0; 0; 2; 11; 144; 0; 0; 3\r\n"
                         "1; 1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 0, 0, 0, 0, 0, 0; 2;0;A\x1b[2J\r\n");
    const std::string out = (dir / "out.txt").string();
    const test::CliRun strict = Run({"convert", in, out, "--variant", "1", "--strict"});
    EXPECT_EQ(strict.status, 1);
    // The key's name as check shows it: a control byte cannot reach the terminal.
    EXPECT_NE(strict.err.find(
                  "Key 1 \"A\\x1b[2J\": the codes 1, 2, 3, 4, 5, 6, 7, 8 become 1, 2, 3, 4, 5, "
                  "6, 7."),
              std::string::npos)
        << strict.err;
    EXPECT_FALSE(fs::exists(out));
    const test::CliRun lenient = Run({"convert", in, out, "--variant", "1"});
    EXPECT_EQ(lenient.status, 0);
    EXPECT_EQ(lenient.err, strict.err);
    EXPECT_TRUE(fs::exists(out));
}

} // namespace
} // namespace vorlan
