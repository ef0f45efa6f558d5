// The programming log's lines, result texts and file, and the digest that
// names an image.
#include "verify/ProgrammingLog.h"

#include "common/StringTable.h"
#include "testing/TempFolder.h"
#include "verify/Sha256.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace vorlan {
namespace {

TEST(Sha256Test, MatchesTheStandardTestVectors) {
    const auto hex = [](std::string_view text) {
        return Sha256Hex({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    };
    EXPECT_EQ(hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    // 56 bytes: the length no longer fits the first block.
    EXPECT_EQ(hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(hex(std::string(1000000, 'a')),
              "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

TEST(ProgrammingLogTest, OnlyAWholeImageIsDone) {
    const int stopped = static_cast<int>(StringId::ProgrammingStopped);
    const int mismatch = static_cast<int>(StringId::FileFormatMismatch);
    const int writeFailed = static_cast<int>(StringId::KeyboardProgrammingError);
    struct Row {
        int result;
        bool hadLayout;
        std::size_t written, size;
        std::string text;
    };
    for (const Row& row : std::vector<Row>{
             {0, true, 1014, 1014, "done"},
             {stopped, true, 120, 1014, "cancelled after 120 bytes"},
             {mismatch, true, 0, 1014, "File format mismatch."},
             {writeFailed, true, 9, 1014, "Keyboard programming error. (after 9 bytes)"},
             {0, true, 1000, 1014, "incomplete: 1000 of 1014 bytes"},
             {0, false, 0, 0, "keyboard detected, nothing written"},
         }) {
        EXPECT_EQ(RunResultText(row.result, row.hadLayout, row.written, row.size), row.text);
        // The log window reads the field back as the messages it was made of.
        EXPECT_EQ(RunResultMessages(row.text),
                  RunResultMessages(row.result, row.hadLayout, row.written, row.size))
            << row.text;
    }
    EXPECT_TRUE(RunResultMessages("written by another version").empty());
    EXPECT_EQ(RunLayoutMessage("/l/a (b).txt (unsaved changes)"),
              (UiMessage{StringId::LogUnsavedChanges, {"/l/a (b).txt"}}));
    EXPECT_FALSE(RunLayoutMessage("/l/a.txt"));
}

TEST(ProgrammingLogTest, LinesRoundTripAndStayOneLine) {
    ProgrammingRun run{
        "2024-05-06 07:08:09", "/a\tb\nc.txt", std::string(64, 'f'), 2, 2022, 6111, "done", {}};
    const std::string line = FormatLogLine(run);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    const std::optional<ProgrammingRun> back = ParseLogLine(line);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->layoutFile, "/a b c.txt");
    EXPECT_EQ(back->keyboardType, 2);
    EXPECT_EQ(back->bytesWritten, 2022u);
    EXPECT_EQ(back->durationMs, 6111);
    EXPECT_EQ(back->result, "done");

    run.keyboardType = -1;
    run.imageSha256.clear();
    EXPECT_EQ(FormatLogLine(run), "2024-05-06 07:08:09\t/a b c.txt\t-\t-\t2022\t6111\tdone");
    const std::vector<ProgrammingRun> runs =
        ParseLog(FormatLogLine(run) + "\r\nnot a line\n\n" + line + "\n");
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].keyboardType, -1);
    EXPECT_TRUE(runs[0].imageSha256.empty());
}

TEST(ProgrammingLogTest, AppendsToAFileInFoldersItMakes) {
    const test::TempFolder temp;
    const std::filesystem::path& folder = temp.Path();
    const std::string path = (folder / "deep" / "programming.log").string();
    ProgrammingRun run;
    run.dateTime = "d";
    run.result = "done";
    ASSERT_TRUE(AppendToLog(path, run).Ok());
    run.result = "cancelled after 3 bytes";
    ASSERT_TRUE(AppendToLog(path, run).Ok());
    std::string text;
    {
        // Closed before the folder goes: Windows keeps an open file's folder.
        std::ifstream in(path, std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const std::vector<ProgrammingRun> runs = ParseLog(text);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[1].result, "cancelled after 3 bytes");
    // A file where the folder should be: the append fails and says so.
    EXPECT_FALSE(AppendToLog((folder / "deep" / "programming.log" / "x.log").string(), run).Ok());
}

} // namespace
} // namespace vorlan
