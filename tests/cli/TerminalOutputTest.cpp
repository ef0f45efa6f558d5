// What check, diff and show print of a file's bytes: safe for the terminal in
// text, exact in JSON; the same word for the same unreadable file; and a file
// of millions of faulty lines gives a report of bounded length.
#include "testing/CliRunner.h"
#include "testing/TempFolder.h"

#include <algorithm>
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

class TerminalOutputTest : public ::testing::Test {
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

// A 56-key 7/3scan file whose key 2 line is given.
std::string Layout(const std::string& keyTwo) {
    std::string text = "56; 0; 0; 2; 11\r\n1; 5, 0, 0, 0, 0, 0, 0; 2;A\r\n" + keyTwo + "\r\n";
    for (int k = 3; k <= 56; ++k) {
        text += std::to_string(k) + "; 0, 0, 0, 0, 0, 0, 0; 2;KEY" + std::to_string(k) + "\r\n";
    }
    return text;
}

// Bytes a terminal obeys: C0 controls, DEL, and C1 controls in UTF-8.
bool HasControl(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if ((b < 0x20 && b != '\n') || b == 0x7F ||
            (b == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
             static_cast<unsigned char>(text[i + 1]) <= 0x9F)) {
            return true;
        }
    }
    return false;
}

std::size_t LongestLine(const std::string& text) {
    std::size_t longest = 0;
    std::size_t start = 0;
    for (std::size_t end = text.find('\n'); end != std::string::npos;
         start = end + 1, end = text.find('\n', start)) {
        longest = std::max(longest, end - start);
    }
    return std::max(longest, text.size() - start);
}

TEST_F(TerminalOutputTest, TextEscapesControlsAndCutsLongFieldsJsonStaysExact) {
    const std::string token(5000, '7');
    const std::string hostile = File("hostile.txt", Layout("2; \x1b[2J, " + token +
                                                           "x, 0, 0, 0, 0, 0; 2;\x1b[2J\x07\x9b"
                                                           "1m"));
    const std::string plain = File("plain.txt", Layout("2; 6, 0, 0, 0, 0, 0, 0; 2;B"));
    const std::string renamed =
        File("renamed.txt", Layout("2; 6, 0, 0, 0, 0, 0, 0; 2;\x1b[2J\x07\x9b"
                                   "1m"));
    struct Row {
        std::vector<std::string> args;
        std::vector<std::string> shown; // in the text output
    };
    const std::vector<Row> rows = {
        {{"check", hostile}, {"\\x1b[2J\" is not a number", "... (5002 bytes)"}},
        {{"show", hostile}, {"\\x1b[2J\\x07\\x9b1m"}},
        {{"diff", plain, renamed}, {"\\x1b[2J\\x07\\x9b1m"}},
    };
    for (const Row& row : rows) {
        const test::CliRun text = Run(row.args);
        EXPECT_FALSE(HasControl(text.out)) << row.args[0] << "\n" << text.out;
        EXPECT_LT(LongestLine(text.out), 400u) << row.args[0];
        for (const std::string& shown : row.shown) {
            EXPECT_NE(text.out.find(shown), std::string::npos) << row.args[0] << "\n" << text.out;
        }
        std::vector<std::string> json = row.args;
        json.push_back("--json");
        const std::string exact = Run(json).out;
        const auto parsed = nlohmann::json::parse(exact, nullptr, false);
        ASSERT_FALSE(parsed.is_discarded()) << row.args[0];
        const std::string dumped = parsed.dump();
        EXPECT_EQ(exact.find('\x1b'), std::string::npos) << row.args[0];
        // The parsed JSON holds the bytes as they are (the names as UTF-8).
        const bool hasName = dumped.find("\\u001b[2J\\u0007\xc2\x9b"
                                         "1m") != std::string::npos;
        const bool hasToken = dumped.find(token + "x") != std::string::npos;
        EXPECT_TRUE(row.args[0] == "check" ? hasToken : hasName) << row.args[0] << "\n" << dumped;
    }
}

TEST_F(TerminalOutputTest, EveryCommandSaysTheSameOfAnUnreadableFile) {
    const std::string plain = File("plain.txt", Layout("2; 6, 0, 0, 0, 0, 0, 0; 2;B"));
    const std::string folder = (dir / "folder").string();
    fs::create_directories(folder);
    const std::string missing = (dir / "missing.txt").string();
    struct Row {
        std::string path;
        std::string message;
    };
    const std::vector<Row> rows = {
        {folder, "This is not a plain file"},
        {missing, "Cannot open file!"},
    };
    for (const Row& row : rows) {
        for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
                 {"check", row.path},
                 {"show", row.path},
                 {"diff", plain, row.path},
                 {"convert", row.path, (dir / "o.txt").string()}}) {
            const test::CliRun run = Run(args);
            EXPECT_NE(run.status, 0) << args[0];
            EXPECT_NE((run.out + run.err).find(row.message), std::string::npos)
                << args[0] << " " << row.path << "\n"
                << run.out << run.err;
        }
    }
}

TEST_F(TerminalOutputTest, AFileOfMillionsOfShortLinesGivesABoundedReport) {
    // A million LF-only lines (the 16 MiB case is the reader's own test and
    // a bench row; a debug build takes too long for it here).
    std::string text;
    for (int i = 0; i < 1'000'000; ++i) {
        text += "1\n";
    }
    const std::string file = File("short-lines.txt", text);
    const test::CliRun run = Run({"check", file});
    EXPECT_EQ(run.status, 1);
    const auto lines = std::count(run.out.begin(), run.out.end(), '\n');
    EXPECT_GT(lines, 100);
    EXPECT_LT(lines, 1000);
    EXPECT_NE(run.out.find("... and "), std::string::npos) << run.out.substr(0, 2000);
    const test::CliRun shown = Run({"show", file});
    EXPECT_EQ(shown.status, 0) << shown.err;
}

} // namespace
} // namespace vorlan
