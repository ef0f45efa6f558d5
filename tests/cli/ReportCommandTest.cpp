// vorlanctl report as a user runs it: the rows against the log, the CSV read
// back by Python's csv module in two locales, the PDF's text, language and paper.
#include "station/Batch.h"
#include "testing/CliRunner.h"
#include "testing/TempFolder.h"
#include "verify/ProgrammingLog.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <regex>

namespace vorlan {
namespace {

namespace fs = std::filesystem;
using test::RunVorlanctl;

// Quotes, separators of both kinds and a letter outside ASCII: RFC 4180 at work.
const std::string kOrder = "A-17 \"Martin\"; Boulangerie, Lyon \xC3\xA9t\xC3\xA9";

class ReportCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        log = (folder / "programming.log").string();
        // Keyboard 2 fails, is retried and passes; one is set aside; another
        // order and a run outside any batch lie between them.
        struct Line {
            const char* result;
            int place;
            KeyTestOutcome test;
            bool setAside;
            const char* order;
        };
        for (const Line& line : {Line{"done", 1, KeyTestOutcome::Passed, false, nullptr},
                                 Line{"done", 2, KeyTestOutcome::Failed, false, nullptr},
                                 Line{"done", 1, KeyTestOutcome::Passed, false, "B-2"},
                                 Line{"done", 0, KeyTestOutcome::NotRun, false, ""},
                                 Line{"done", 2, KeyTestOutcome::Passed, false, nullptr},
                                 Line{"Keyboard programming error. (after 9 bytes)", 3,
                                      KeyTestOutcome::NotRun, true, nullptr}}) {
            ProgrammingRun run{"2026-12-09 03:0" + std::to_string(runs.size()) + ":00",
                               "/layouts/shop.txt",
                               std::string(64, 'a'),
                               1,
                               1014,
                               3100,
                               line.result,
                               {}};
            if (line.order == nullptr || *line.order != 0) {
                run.batch = FormatBatchField({line.order != nullptr ? line.order : kOrder,
                                              line.place, 3, line.test, line.setAside});
            }
            runs.push_back(run);
            ASSERT_TRUE(AppendToLog(log, run).Ok());
        }
    }
    void TearDown() override { unsetenv("LC_ALL"); }

    // The CSV as Python's csv module reads it: one line per row, cells joined by '|'.
    std::string ReadByPython(const std::string& csv, char separator) {
        const std::string script = (folder / "read.py").string();
        std::ofstream(script)
            << "import csv, sys\n"
               "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
               "    for row in csv.reader(f, delimiter=sys.argv[2], strict=True):\n"
               "        print('|'.join(row))\n";
        const std::string out = (folder / "rows.txt").string();
        const std::string command = "python3 '" + script + "' '" + csv + "' '" +
                                    std::string(1, separator) + "' > '" + out + "'";
        EXPECT_EQ(std::system(command.c_str()), 0);
        return test::ReadFileBytes(out);
    }

    test::TempFolder temp;
    const fs::path& folder = temp.Path();
    std::string log;
    std::vector<ProgrammingRun> runs;
};

TEST_F(ReportCommandTest, CsvRowsAreTheLogsInEachLocalesSeparatorAndLanguage) {
    // heading, done, the error, passed, failed, not tested, set aside: as the
    // window writes them, in the locale's language. Place and count apart; an
    // old log names no file digest; the station (this host) and whether the
    // row differs from the batch end each line.
    const std::vector<std::pair<const char*, std::vector<std::string>>> locales = {
        {"de_DE.UTF-8",
         {"Auftrag|Platz|Anzahl|Datum und Uhrzeit|Tastaturtyp|Bytes|Dauer (ms)|Ergebnis|"
          "Tastentest|Endergebnis|Belegungsdatei|Datei-SHA-256|SHA-256 des Abbilds|Station|"
          "Weicht von der Serie ab\n",
          "fertig", "Fehler beim Programmieren der Tastatur. (nach 9 Bytes)", "bestanden",
          "fehlgeschlagen", "nicht getestet", "beiseitegelegt"}},
        {"en_US.UTF-8",
         {"Order|Place|Count|Date and time|Keyboard type|Bytes|Duration (ms)|Result|Key test|"
          "Outcome|Layout file|File SHA-256|Image SHA-256|Station|Differs from the batch\n",
          "done", "Keyboard programming error. (after 9 bytes)", "passed", "failed", "not tested",
          "set aside"}},
    };
    for (const auto& [locale, w] : locales) {
        const char separator = locale[0] == 'd' ? ';' : ',';
        std::string expected = w[0];
        const std::string tail = "|/layouts/shop.txt||" + std::string(64, 'a') + "|host|";
        for (const auto& [index, place, result, test, outcome] :
             {std::tuple{0, "1", w[1], w[3], w[3]}, std::tuple{1, "2", w[1], w[4], w[4]},
              std::tuple{4, "2", w[1], w[3], w[3]}, std::tuple{5, "3", w[2], w[5], w[6]}}) {
            expected += kOrder + "|" + place + "|3|" +
                        runs[static_cast<std::size_t>(index)].dateTime + "|1|1014|3100|" + result +
                        "|" + test + "|" + outcome + tail + "\n";
        }
        setenv("LC_ALL", locale, 1);
        const std::string csv = (folder / "report.csv").string();
        const test::CliRun run = RunVorlanctl({"report", log, "-o", csv}, folder);
        ASSERT_EQ(run.status, 0) << run.err;
#ifdef VORLAN_CLI_PRINTING
        const std::string bytes = test::ReadFileBytes(csv);
        ASSERT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");
        EXPECT_NE(bytes.find("\r\n"), std::string::npos);
        // The station is this host, whatever its name: the last two cells of each line go.
        const auto dropLast = [](std::string text) {
            for (std::size_t end = text.find('\n'); end != std::string::npos;
                 end = text.find('\n', end + 1)) {
                const std::size_t bar = text.rfind('|', text.rfind('|', end) - 1);
                text.erase(bar, end - bar);
                end = bar;
            }
            return text;
        };
        EXPECT_EQ(dropLast(ReadByPython(csv, separator)), dropLast(expected)) << locale;
#else
        (void)separator;
#endif
    }
    // The separator chosen, and the last batch when no order is named.
    const std::string csv = (folder / "tabs.csv").string();
    ASSERT_EQ(RunVorlanctl({"report", log, "--separator", "tab", "-o", csv}, folder).status, 0);
    EXPECT_EQ(ReadByPython(csv, '\t').substr(0, 12), "Order|Place|");

    // An order a spreadsheet would run as a formula is written as text.
    ProgrammingRun formula = runs.front();
    formula.batch = FormatBatchField({"=HYPERLINK(\"x\")", 1, 1, KeyTestOutcome::Passed, false});
    ASSERT_TRUE(AppendToLog(log, formula).Ok());
    ASSERT_EQ(
        RunVorlanctl({"report", log, "--order", "=HYPERLINK(\"x\")", "-o", csv}, folder).status, 0);
    const std::string bytes = test::ReadFileBytes(csv);
    EXPECT_NE(bytes.find("\r\n\"'=HYPERLINK(\"\"x\"\")\""), std::string::npos) << bytes;
}

TEST_F(ReportCommandTest, RefusesWhatItCannotReport) {
    const std::string out = (folder / "r.csv").string();
    for (const auto& [args, status] :
         {std::pair{std::vector<std::string>{"report", log, "-o", (folder / "r.txt").string()}, 2},
          std::pair{std::vector<std::string>{"report", log, "--separator", "ab", "-o", out}, 2},
          // A record without a keyboard of any order.
          std::pair{std::vector<std::string>{"report", "--records",
                                             (folder / "records.db").string(), "-o", out},
                    1},
          std::pair{std::vector<std::string>{"report", log, log, "-o", out}, 2},
          std::pair{std::vector<std::string>{"report", log, "--order", "nobody", "-o", out}, 1},
          std::pair{std::vector<std::string>{"report", (folder / "none.log").string(), "-o", out},
                    1},
          std::pair{std::vector<std::string>{"report", log, "-o", log + ".csv", "--order", "B-2"},
                    0}}) {
        EXPECT_EQ(RunVorlanctl(args, folder).status, status) << args[1] << args.back();
    }
    EXPECT_FALSE(fs::exists(out));
}

#ifdef VORLAN_CLI_PRINTING
TEST_F(ReportCommandTest, PdfShowsTheBatchOnTheLocalesPaper) {
    struct Case {
        const char* locale;
        const char* paper;
        const char* counts; // in the locale's language
    };
    for (const auto& [locale, paper, counts] :
         {Case{"en_US.UTF-8", "letter", "Passed: 2 Failed: 1 Set aside: 1"},
          Case{"fr_FR.UTF-8", "A4", "Réussis : 2 Échecs : 1 Mis de côté : 1"},
          Case{"de_DE.UTF-8", "A4", nullptr}}) {
        setenv("LC_ALL", locale, 1);
        const std::string pdf = (folder / "report.pdf").string();
        ASSERT_EQ(RunVorlanctl({"report", log, "-o", pdf}, folder).status, 0);
        const std::string text = (folder / "report.txt").string();
        ASSERT_EQ(std::system(("pdftotext -layout '" + pdf + "' '" + text + "'").c_str()), 0);
        const std::string info = (folder / "info.txt").string();
        ASSERT_EQ(std::system(("pdfinfo '" + pdf + "' > '" + info + "'").c_str()), 0);
        EXPECT_NE(test::ReadFileBytes(info).find(paper), std::string::npos) << locale;
        const std::string page = test::ReadFileBytes(text);
        EXPECT_NE(page.find(kOrder), std::string::npos) << page;
        EXPECT_NE(page.find(std::string(64, 'a')), std::string::npos);
        EXPECT_NE(page.find("2026-12-09 03:05:00"), std::string::npos);
        if (counts != nullptr) { // the layout's columns space the words as they please
            const std::string words = std::regex_replace(page, std::regex(" +"), " ");
            EXPECT_NE(words.find(counts), std::string::npos) << page;
        } else { // every language but English says it otherwise
            EXPECT_EQ(page.find("Passed:"), std::string::npos) << page;
        }
    }
}
#endif

} // namespace
} // namespace vorlan
