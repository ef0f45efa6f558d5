// vorlanctl legends and vorlanctl sheet as a user runs them.
#include "CliRunner.h"
#include "layout/LayoutFile.h"
#include "printing/PrintTestLayouts.h"

#include <gtest/gtest.h>
#include <sstream>

namespace vorlan {
namespace {

namespace fs = std::filesystem;
using test::RunVorlanctl;

class PrintCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder =
            fs::temp_directory_path() /
            ("vorlan-print-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
        LayoutDocument doc = test::FullLayout(56);
        doc.filePath = (folder / "shop.txt").string();
        ASSERT_TRUE(WriteLayout(doc, KeyboardVariant::SixteenScan));
        layout = doc.filePath;
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string Out(const char* name) const { return (folder / name).string(); }

    fs::path folder;
    std::string layout;
};

TEST_F(PrintCommandTest, WritesEachFormat) {
#ifdef VORLAN_CLI_PRINTING
    struct Case {
        std::vector<std::string> args;
        const char* out;
        const char* magic;
    } cases[] = {
        {{"legends", layout, "-o", Out("l.pdf")}, "l.pdf", "%PDF"},
        {{"legends", layout, "--packed", "--page", "Letter", "--legend", "12x12", "--pitch", "18",
          "--dpi", "100", "-o", Out("l.png")},
         "l.png",
         "\x89PNG"},
        {{"legends", layout, "--no-frame", "--no-cut-marks", "-o", Out("l.svg")}, "l.svg", "<?xml"},
        {{"sheet", layout, "-o", Out("s.pdf")}, "s.pdf", "%PDF"},
    };
    for (const Case& c : cases) {
        const auto run = RunVorlanctl(c.args, folder);
        EXPECT_EQ(0, run.status) << run.err;
        EXPECT_EQ(Out(c.out) + "\n", run.out);
        EXPECT_TRUE(test::ReadFileBytes(folder / c.out).starts_with(c.magic)) << c.out;
    }
#else
    const auto run = RunVorlanctl({"legends", layout, "-o", Out("l.pdf")}, folder);
    EXPECT_EQ(1, run.status);
    EXPECT_NE(std::string::npos, run.err.find("not available"));
#endif
}

#ifdef VORLAN_CLI_PRINTING
// The colours (fills and strokes that are not grey) of an SVG's drawing.
int ColouredPaints(const std::string& svg) {
    int coloured = 0;
    for (const std::string_view attribute : {"fill=\"#", "stroke=\"#"}) {
        for (std::size_t at = svg.find(attribute); at != std::string::npos;
             at = svg.find(attribute, at + 1)) {
            const std::string rgb = svg.substr(at + attribute.size(), 6);
            coloured +=
                rgb.substr(0, 2) != rgb.substr(2, 2) || rgb.substr(2, 2) != rgb.substr(4, 2);
        }
    }
    return coloured;
}

// --save-ink draws the sheet as the window prints it on paper: nothing in colour.
TEST_F(PrintCommandTest, SheetSavesInkOnlyWhenAsked) {
    for (const bool saving : {false, true}) {
        SCOPED_TRACE(saving ? "--save-ink" : "colours");
        std::vector<std::string> args = {"sheet", layout, "-o", Out("s.svg")};
        if (saving) {
            args.push_back("--save-ink");
        }
        const auto run = RunVorlanctl(args, folder);
        ASSERT_EQ(0, run.status) << run.err;
        // A full layout's sheet has several pages, a file each, named one a line.
        int coloured = 0;
        std::istringstream written(run.out);
        int pages = 0;
        for (std::string file; std::getline(written, file); ++pages) {
            coloured += ColouredPaints(test::ReadFileBytes(file));
        }
        ASSERT_GT(pages, 0);
        if (saving) {
            EXPECT_EQ(coloured, 0);
        } else {
            EXPECT_GT(coloured, 50);
        }
    }
    // Only the sheet has an ink.
    EXPECT_EQ(2,
              RunVorlanctl({"legends", layout, "-o", Out("l.pdf"), "--save-ink"}, folder).status);
}
#endif

TEST_F(PrintCommandTest, RefusesBadArgumentsWithTheUsualStatus) {
    struct Case {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{"legends", layout}, 2},
        {{"legends", layout, "-o"}, 2},
        {{"legends", layout, "-o", Out("x.pdf"), "--legend", "14"}, 2},
        {{"legends", layout, "-o", Out("x.pdf"), "--page", "A5"}, 2},
        {{"legends", layout, "-o", Out("x.pdf"), "--pitch", "wide"}, 2},
        {{"legends", layout, "-o", Out("x.pdf"), "--legend", "30x30"}, 2},
        {{"sheet", layout, "-o", Out("x.pdf"), "--packed"}, 2},
        {{"legends", layout, layout, "-o", Out("x.pdf")}, 2},
#ifdef VORLAN_CLI_PRINTING
        {{"legends", Out("none.txt"), "-o", Out("x.pdf")}, 1},
        {{"legends", layout, "-o", Out("x.txt")}, 2},
        {{"sheet", layout, "-o", Out("missing/x.pdf")}, 1},
#endif
    };
    for (const Case& c : cases) {
        const auto run = RunVorlanctl(c.args, folder);
        EXPECT_EQ(c.status, run.status) << c.args.back() << ": " << run.err;
        EXPECT_FALSE(run.err.empty());
        EXPECT_FALSE(fs::exists(folder / "x.pdf"));
    }
}

} // namespace
} // namespace vorlan
