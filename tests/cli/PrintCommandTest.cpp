// vorlanctl legends and vorlanctl sheet as a user runs them.
#include "CliRunner.h"
#include "layout/LayoutFile.h"
#include "printing/PrintTestLayouts.h"

#include <gtest/gtest.h>

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
