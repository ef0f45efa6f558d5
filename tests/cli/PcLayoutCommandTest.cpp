// vorlanctl pc-layouts and the --pc-layout option of show and sheet, run as
// a user runs them.
#include "layout/LayoutFile.h"
#include "testing/CliRunner.h"
#include "testing/TempFolder.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace vorlan {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

class PcLayoutCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Key 1 sends the keys of US Y, US ; and the left Shift.
        LayoutDocument doc;
        doc.ResetToNew();
        doc.keys[1].codes = {0x35, 0x4C, 0x12};
        doc.keys[1].name = "Key";
        file = dir / "layout.txt";
        std::ofstream(file, std::ios::binary) << FormatLayout(doc, KeyboardVariant::SixteenScan);
    }

    test::TempFolder folder_;
    const fs::path& dir = folder_.Path();
    fs::path file;
};

TEST_F(PcLayoutCommandTest, ListsEveryLayoutWithItsName) {
    const test::CliRun run = test::RunVorlanctl({"pc-layouts"}, dir);
    ASSERT_EQ(run.status, 0) << run.err;
    std::istringstream lines(run.out);
    std::vector<std::string> ids;
    for (std::string line; std::getline(lines, line);) {
        const std::size_t tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << line;
        EXPECT_GT(line.size(), tab + 1) << line; // a name follows
        ids.push_back(line.substr(0, tab));
    }
    const std::vector<std::string> expected = {"us", "gb", "de", "at", "ch", "ch-fr", "fr",
                                               "be", "es", "it", "pt", "nl", "se",    "fi",
                                               "dk", "no", "pl", "cz", "hu", "tr"};
    EXPECT_EQ(ids, expected);
    EXPECT_NE(run.out.find("de\tGerman\n"), std::string::npos);
}

TEST_F(PcLayoutCommandTest, ShowNamesTheCodesAsTheChosenLayoutTypesThem) {
    struct Case {
        std::vector<std::string> options;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {{}, {"Y", ";", "Shift_left"}},
        {{"--pc-layout", "us"}, {"Y", ";", "Shift_left"}},
        {{"--pc-layout", "de"}, {"Z", "Ö", "Shift_left"}},
        {{"--pc-layout=fr"}, {"Y", "M", "Shift_left"}},
        {{"--pc-layout", "tr"}, {"Y", "Ş", "Shift_left"}},
    };
    const std::string before = test::ReadFileBytes(file);
    for (const Case& c : cases) {
        std::vector<std::string> args = {"show", file.string(), "--json"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const test::CliRun run = test::RunVorlanctl(args, dir);
        ASSERT_EQ(run.status, 0) << run.err;
        const json shown = json::parse(run.out, nullptr, false);
        ASSERT_FALSE(shown.is_discarded()) << run.out;
        const json& names = shown["keys"][0]["codeNames"];
        ASSERT_EQ(names.size(), 16u);
        for (std::size_t i = 0; i < c.names.size(); ++i) {
            EXPECT_EQ(names[i], c.names[i]) << (c.options.empty() ? "" : c.options.back());
        }
        EXPECT_EQ(names[3], "");
        // The table names them the same way.
        args.erase(args.begin() + 2);
        const test::CliRun table = test::RunVorlanctl(args, dir);
        ASSERT_EQ(table.status, 0) << table.err;
        EXPECT_NE(table.out.find("53=" + c.names[0] + " 76=" + c.names[1]), std::string::npos)
            << table.out;
    }
    EXPECT_EQ(test::ReadFileBytes(file), before);
}

#ifndef _WIN32
// The sheet's table as pdftotext reads it from the PDF written: code names
// carry the layout's signs, also beyond Latin-1, and key names (Latin-1 in
// the file) print as they read.
TEST_F(PcLayoutCommandTest, TheSheetPrintsTheSignsTheChosenLayoutTypes) {
    LayoutDocument doc;
    doc.ResetToNew();
    doc.keys[1].codes = {0x35, 0x4C, 0x12};
    doc.keys[1].name = "Key";
    doc.keys[2].codes = {0x54};
    doc.keys[2].name = "\xC4rger"; // Latin-1, as the file holds it
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        << FormatLayout(doc, KeyboardVariant::SixteenScan);
    struct Case {
        const char* layout; // empty: the standard names
        std::vector<std::string> shown;
        std::vector<std::string> notShown;
    };
    const Case cases[] = {
        {"tr", {"Y Ş Shift_left", "Ğ", "Ärger"}, {";"}},
        {"cz", {"Z ů Shift_left", "ú", "Ärger"}, {";"}},
        {"hu", {"Z É Shift_left", "Ő", "Ärger"}, {";"}},
        {"", {"Y ; Shift_left", "Ärger"}, {"Ş", "Ğ"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        const fs::path pdf = dir / "sheet.pdf";
        std::vector<std::string> args = {"sheet", file.string(), "-o", pdf.string()};
        if (*c.layout != 0) {
            args.insert(args.end(), {"--pc-layout", c.layout});
        }
        const test::CliRun run = test::RunVorlanctl(args, dir);
        if (run.status != 0 && !fs::exists(pdf)) {
            GTEST_SKIP() << "no sheet in this build: " << run.err;
        }
        ASSERT_EQ(run.status, 0) << run.err;
        const fs::path text = dir / "sheet.txt";
        const std::string command =
            "pdftotext -enc UTF-8 \"" + pdf.string() + "\" \"" + text.string() + "\"";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        const std::string printed = test::ReadFileBytes(text);
        for (const std::string& shown : c.shown) {
            EXPECT_NE(printed.find(shown), std::string::npos) << shown << "\n" << printed;
        }
        for (const std::string& absent : c.notShown) {
            EXPECT_EQ(printed.find(absent), std::string::npos) << absent << "\n" << printed;
        }
    }
}
#endif

TEST_F(PcLayoutCommandTest, UnknownOrMissingIdsAreUsageErrorsThatListTheIds) {
    const std::vector<std::vector<std::string>> calls = {
        {"show", file.string(), "--pc-layout", "xx"},
        {"show", file.string(), "--pc-layout=DE"},
        {"show", file.string(), "--pc-layout"},
        {"sheet", file.string(), "-o", (dir / "sheet.pdf").string(), "--pc-layout", "qwertz"},
    };
    for (const auto& call : calls) {
        const test::CliRun run = test::RunVorlanctl(call, dir);
        EXPECT_EQ(run.status, 2) << call.back();
        EXPECT_NE(run.err.find("us, gb, de, at, ch, ch-fr"), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
    }
    EXPECT_FALSE(fs::exists(dir / "sheet.pdf"));
    const test::CliRun extra = test::RunVorlanctl({"pc-layouts", "de"}, dir);
    EXPECT_EQ(extra.status, 2);
}

} // namespace
} // namespace vorlan
