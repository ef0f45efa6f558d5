// vorlanctl legends and vorlanctl sheet as a user runs them.
#include "layout/LayoutFile.h"
#include "testing/CliRunner.h"
#include "testing/PrintTestLayouts.h"
#include "testing/TempFolder.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <ranges>
#include <regex>
#include <set>
#include <sstream>

namespace vorlan {
namespace {

namespace fs = std::filesystem;
using test::RunVorlanctl;

class PrintCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        LayoutDocument doc = test::FullLayout(56);
        doc.filePath = (folder / "shop.txt").string();
        ASSERT_TRUE(WriteLayout(doc, KeyboardVariant::SixteenScan));
        layout = doc.filePath;
    }

    std::string Out(const char* name) const { return (folder / name).string(); }

    test::TempFolder folder_;
    const fs::path& folder = folder_.Path();
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
#ifndef _WIN32
    // As cron and sudo run it: no runtime folder, and nothing said of it.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string kept = runtime != nullptr ? runtime : "";
    unsetenv("XDG_RUNTIME_DIR");
#endif
    for (const Case& c : cases) {
        const auto run = RunVorlanctl(c.args, folder);
        EXPECT_EQ(0, run.status) << run.err;
        EXPECT_EQ("", run.err);
        EXPECT_EQ(Out(c.out) + "\n", run.out);
        EXPECT_TRUE(test::ReadFileBytes(folder / c.out).starts_with(c.magic)) << c.out;
    }
#ifndef _WIN32
    if (runtime != nullptr) {
        setenv("XDG_RUNTIME_DIR", kept.c_str(), 1);
    }
#endif
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

// The height of each word's box in PDF points, as pdftotext reads the file back.
std::multimap<std::string, double> WordHeights(const std::string& pdf) {
    EXPECT_EQ(0, std::system(("pdftotext -bbox \"" + pdf + "\" \"" + pdf + ".html\"").c_str()));
    const std::string html = test::ReadFileBytes(pdf + ".html");
    static const std::regex word(R"re(yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)<)re");
    std::multimap<std::string, double> heights;
    for (std::sregex_iterator it(html.begin(), html.end(), word), end; it != end; ++it) {
        heights.emplace((*it)[3], std::stod((*it)[2]) - std::stod((*it)[1]));
    }
    return heights;
}

constexpr const char* kBakery = "Tarte/Flan/Total/Croissant/Chausson/Macarons/Baguette "
                                "tradition/www.boulangerie-du-marche-saint-honore.fr";

// A bakery's legends (keys 9 to 16, the others "Key N"): one type size, chosen
// or not, but for the names too long for it, which standard error names.
TEST_F(PrintCommandTest, LegendsShareOneTypeSizeButForTheKeysNamed) {
    if (std::system("pdftotext -v >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    LayoutDocument doc = test::FullLayout(56);
    std::vector<std::string> names;
    for (const auto name : std::views::split(std::string_view(kBakery), '/')) {
        names.emplace_back(name.begin(), name.end());
        doc.keys[8 + names.size()].name = names.back();
    }
    doc.filePath = Out("bakery.txt");
    ASSERT_TRUE(WriteLayout(doc, KeyboardVariant::SixteenScan));
    std::map<std::string, double> sizes; // the set's word height by --type-size
    for (const std::string size : {"auto", "2", "3"}) {
        SCOPED_TRACE(size);
        const auto run = RunVorlanctl(
            {"legends", doc.filePath, "--type-size", size, "-o", Out("b.pdf")}, folder);
        ASSERT_EQ(0, run.status) << run.err;
        const auto heights = WordHeights(Out("b.pdf"));
        const double set = sizes[size] = heights.find("Key")->second;
        for (auto [at, end] = heights.equal_range("Key"); at != end; ++at) {
            EXPECT_NEAR(set, at->second, set * 0.01);
        }
        int named = 0;
        for (int i = 0; i < 8; ++i) {
            const std::string start = names[i].substr(0, 5); // of a word or of its first part
            const auto at = heights.lower_bound(start);
            ASSERT_TRUE(at != heights.end() && at->first.starts_with(start)) << start;
            const bool smaller = at->second < set * 0.99;
            EXPECT_TRUE(smaller || at->second < set * 1.01) << start;
            named += smaller;
            EXPECT_EQ(smaller, run.err.find(std::to_string(9 + i) + " " + names[i] + " (") !=
                                   std::string::npos)
                << start << ": " << run.err;
        }
        EXPECT_TRUE(size != "auto" || named == 1) << "only the web address is set smaller";
    }
    // Sizes are drawn in whole pixels of the PDF writer: a percent off at 2 mm.
    EXPECT_NEAR(1.5, sizes["3"] / sizes["2"], 0.02);
}

// A butcher's names on small legends and on the sheet, as pdftotext reads the
// words back: broken only where the German patterns break them, and not at
// all with --hyphenate none.
TEST_F(PrintCommandTest, NamesAreBrokenWhereTheirLanguagesPatternsAllow) {
    if (std::system("pdftotext -v >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    }
    LayoutDocument doc = test::FullLayout(56);
    // The names as the German dictionary breaks them (Latin-1 bytes in the
    // file); a line may end in any of their pieces but for the last.
    const std::string marked[] = {"Fleisch-pflan-zerl", "Schweins-bra-ten", "Auf-schnitt",
                                  "Schin-ken", "Le-ber-k\u00e4-se"};
    std::set<std::string> dictionaryParts;
    for (std::size_t i = 0; i < std::size(marked); ++i) {
        std::vector<std::string> pieces;
        for (const auto piece : std::views::split(marked[i], '-')) {
            pieces.emplace_back(piece.begin(), piece.end());
        }
        std::string name;
        for (std::size_t from = 0; from < pieces.size(); ++from) {
            std::string part;
            for (std::size_t to = from; to + 1 < pieces.size(); ++to) {
                part += pieces[to];
                dictionaryParts.insert(part + '-');
            }
            name += pieces[from];
        }
        const std::string latin1 = std::regex_replace(name, std::regex("\u00e4"), "\xe4");
        doc.keys[9 + i].name = latin1;
    }
    doc.filePath = Out("butcher.txt");
    ASSERT_TRUE(WriteLayout(doc, KeyboardVariant::SixteenScan));
    struct Case {
        std::vector<std::string> args;
        bool broken; // some name is broken
    } cases[] = {
        {{"legends", doc.filePath, "--legend", "9x9", "--type-size", "3", "--hyphenate", "de"},
         true},
        {{"legends", doc.filePath, "--legend", "9x9", "--type-size", "3", "--hyphenate", "none"},
         false},
        {{"sheet", doc.filePath, "--hyphenate", "de_AT"}, true},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.args.back());
        c.args.insert(c.args.end(), {"-o", Out("h.pdf")});
        const auto run = RunVorlanctl(c.args, folder);
        ASSERT_EQ(0, run.status) << run.err;
        int broken = 0;
        for (const auto& [read, height] : WordHeights(Out("h.pdf"))) {
            // The PDF's font joins f and l, f and i.
            std::string word = std::regex_replace(read, std::regex("\uFB02"), "fl");
            word = std::regex_replace(word, std::regex("\uFB01"), "fi");
            if (word.ends_with('-') && word.size() > 1) {
                EXPECT_TRUE(dictionaryParts.contains(word)) << word;
                ++broken;
            }
        }
        EXPECT_EQ(c.broken, broken > 0);
    }
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
        {{"legends", layout, "-o", Out("x.pdf"), "--type-size", "big"}, 2},
        {{"legends", layout, "-o", Out("x.pdf"), "--type-size", "0.5"}, 2},
        {{"legends", layout, "-o", Out("x.pdf"), "--type-size", "0"}, 2},
        {{"legends", layout, layout, "-o", Out("x.pdf")}, 2},
        {{"legends", layout, "-o", Out("x.pdf"), "--hyphenate", "Deutsch!"}, 2},
        {{"sheet", layout, "-o", Out("x.pdf"), "--hyphenate", ""}, 2},
#ifdef VORLAN_CLI_PRINTING
        {{"legends", Out("none.txt"), "-o", Out("x.pdf")}, 1},
        {{"legends", layout, "-o", Out("x.txt")}, 2},
        {{"sheet", layout, "-o", Out("missing/x.pdf")}, 1},
        {{"sheet", layout, "-o", Out("x.pdf"), "--hyphenate", "tlh"}, 2}, // no dictionary
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
