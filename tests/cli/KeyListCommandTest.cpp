// vorlanctl type, import and export, run as a user runs them.
#include "testing/CliRunner.h"
#include "testing/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vorlan {
namespace {

namespace fs = std::filesystem;

class KeyListCommandTest : public ::testing::Test {
protected:
    fs::path Write(const std::string& name, const std::string& bytes) {
        const fs::path path = dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    test::CliRun Run(const std::vector<std::string>& args) { return test::RunVorlanctl(args, dir); }

    test::TempFolder folder_;
    const fs::path& dir = folder_.Path();
};

TEST_F(KeyListCommandTest, TypePrintsTheCodesAndNamesOrRefuses) {
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string err; // a part of standard error
    } cases[] = {
        {{"type", "z@", "--pc-layout", "de"}, 0, "53 224 17 21\nZ extended Alt_right Q\n", ""},
        {{"type", "a1", "--pc-layout", "fr"}, 0, "21 18 22\nA Shift_left &\n", ""},
        {{"type", "15{Enter}", "--pc-layout", "fr", "--number-pad"},
         0,
         "105 115 90\n1_num 5_num Entrée\n",
         ""},
        {{"type", "Aa", "--pc-layout", "us"},
         0,
         "18 28 28\nShift_left A A\n",
         "warning: The keyboard holds each code down until the key is let go, so the key types "
         "\"AA\", not \"Aa\""},
        {{"type", "caf\xC3\xA9", "--pc-layout", "us"},
         1,
         "",
         "\"é\" cannot be typed on a US PC keyboard (character 4)"},
        {{"type", "{Nope}", "--pc-layout", "us"}, 1, "", "No key is named \"{Nope}\""},
        {{"type", "x", "--pc-layout", "xx"}, 2, "", "--pc-layout"},
        {{"type"}, 2, "", "one TEXT is needed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[1 % c.args.size()]);
        const test::CliRun run = Run(c.args);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.out, c.out);
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    }
}

TEST_F(KeyListCommandTest, ImportThenExportThenImportGivesTheSameFile) {
    // A spreadsheet's list: byte-order mark, ';' separators, quoted cells
    // with the separator and doubled quotes, CR LF, a joined key, codes;
    // names and texts a spreadsheet would run as formulas, one of them
    // written as a spreadsheet shows it as text (an apostrophe before).
    const fs::path list =
        Write("keys.csv", "\xEF\xBB\xBFkey;name;text;codes;shape\r\n"
                          "1;Br\xC3\xB6tchen;158745{Enter};;\r\n"
                          "2;\"Kaffee \"\"gro\xC3\x9F\"\"\";Kaffee;;double-right\r\n"
                          "4;=SUM(A1);-;;\r\n"
                          "5;''@home;'+;;\r\n"
                          "9;Ctrl C;;20 33;\r\n"
                          "10;;\xC3\xA9t\xC3\xA9;;quad\r\n"
                          "60;Rechts;{F5};;single\r\n");
    const test::CliRun imported = Run({"import", list.string(), "-o", (dir / "a.txt").string(),
                                       "--pc-layout", "fr", "--number-pad"});
    ASSERT_EQ(imported.status, 0) << imported.err;
    const std::string first = test::ReadFileBytes(dir / "a.txt");
    // A key above 56 makes a double keyboard: the 16scan type of 112 keys.
    EXPECT_TRUE(first.starts_with("113;")) << first.substr(0, 40);
    EXPECT_NE(first.find("Br\xF6tchen"), std::string::npos) << "names are Latin-1";

    const test::CliRun exported =
        Run({"export", (dir / "a.txt").string(), "-o", (dir / "b.csv").string(), "--pc-layout",
             "fr", "--number-pad", "--separator", ","});
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.err, "");
    const std::string csv = test::ReadFileBytes(dir / "b.csv");
    EXPECT_NE(csv.find("key,name,text,codes,shape\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("1,Br\xC3\xB6tchen,158745{Enter},,single\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("9,Ctrl C,,20 33,single\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("4,\"'=SUM(A1)\",\"'-\",,single\r\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("5,\"''@home\",\"'+\",,single\r\n"), std::string::npos) << csv;
    // Shift stays on for the rest of "Kaffee": kept as its codes, and said.
    EXPECT_NE(csv.find("2,\"Kaffee \"\"gro\xC3\x9F\"\"\",,18 66 21 43 43 36 36,double-right"),
              std::string::npos)
        << csv;
    EXPECT_NE(imported.err.find("row 3, column C (text): warning: The keyboard holds each code"),
              std::string::npos)
        << imported.err;

    const test::CliRun again = Run({"import", (dir / "b.csv").string(), "-o",
                                    (dir / "c.txt").string(), "--pc-layout", "fr", "--number-pad"});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(test::ReadFileBytes(dir / "c.txt"), first);
}

TEST_F(KeyListCommandTest, WrongRowsAreLocatedAndNothingIsWritten) {
    const fs::path list = Write("keys.csv", "key,name,text,codes,shape\n"
                                            "1,Ok,ok,,\n"
                                            "0,Zero,,,\n"
                                            "2,\xE2\x98\x83 Snow,,,\n"
                                            "3,Both,a,30,\n"
                                            "4,Hat,caf\xC3\xA9,,\n"
                                            "1,Again,,,\n"
                                            "8,Wide,,,double-right\n"
                                            "5,Bad,,1 2 300,\n"
                                            "6,x;y,,,\n");
    const fs::path out = dir / "out.txt";
    const test::CliRun run =
        Run({"import", list.string(), "-o", out.string(), "--pc-layout", "us"});
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(fs::exists(out));
    for (const char* expected : {
             "row 3, column A (key): Error: \"0\" is no key number from 1 to 56",
             "row 4, column B (name): Error: The name \"☃ Snow\" has characters",
             "row 5, column D (codes): Error: The text and the codes differ",
             "row 6, column C (text): Error: \"é\" cannot be typed on a US PC keyboard (character "
             "4)",
             "row 7, column A (key): Error: Key 1 takes a cell that an earlier row's key holds",
             "row 8, column E (shape): Error: A double-right key at key 8 does not fit the grid",
             "row 9, column D (codes): Error: \"1 2 300\" is not a list",
             "row 10, column B (name): Error: A name cannot hold",
             "nothing written",
         }) {
        EXPECT_NE(run.err.find(expected), std::string::npos) << expected << "\n" << run.err;
    }
    // --skip-bad leaves those rows out and says which.
    const test::CliRun skipped =
        Run({"import", list.string(), "-o", out.string(), "--pc-layout", "us", "--skip-bad"});
    EXPECT_EQ(skipped.status, 0) << skipped.err;
    EXPECT_NE(skipped.err.find("Rows left out: 3, 4, 5, 6, 7, 8, 9, 10"), std::string::npos)
        << skipped.err;
    EXPECT_NE(test::ReadFileBytes(out).find(";Ok\r\n"), std::string::npos);

    // A list whose header is wrong is never written, --skip-bad or not.
    const fs::path bad = Write("bad.csv", "number,label\n1,x\n");
    const test::CliRun header = Run({"import", bad.string(), "-o", out.string(), "--skip-bad"});
    EXPECT_EQ(header.status, 1);
    EXPECT_NE(header.err.find("\"number\" is no column"), std::string::npos) << header.err;
    const fs::path open = Write("open.csv", "key,name\n1,\"never closed\n");
    EXPECT_NE(Run({"import", open.string(), "-o", out.string()}).err.find("no closing quote"),
              std::string::npos);
}

TEST_F(KeyListCommandTest, ExportSaysWhatTheListDoesNotCarry) {
    // Typematic keys and a mode: the list holds neither.
    const fs::path layout = Write("layout.txt", "");
    const fs::path list = Write("keys.csv", "key,codes\n1,28\n");
    ASSERT_EQ(Run({"import", list.string(), "-o", layout.string()}).status, 0);
    std::string bytes = test::ReadFileBytes(layout);
    bytes.replace(bytes.find("; 0;"), 4, "; 1;"); // keysType 1
    Write("layout.txt", bytes);
    const test::CliRun run = Run({"export", layout.string(), "-o", "-"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("1,,a,,single"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("does not hold everything of this layout"), std::string::npos)
        << run.err;
}

} // namespace
} // namespace vorlan
