#include "layout/LayoutCheck.h"
#include "layout/LayoutFile.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace vorlan {
namespace {

std::string Crlf(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (std::string_view line : lines) {
        out += std::string(line) + "\r\n";
    }
    return out;
}

// Read as the editor opens a file, then the check's warnings.
ReadReport Checked(std::string_view text) {
    LayoutDocument doc;
    ReadReport report;
    ParseLayout(doc, text, &report);
    doc.RebuildAfterLoad();
    AddLayoutWarnings(doc, report);
    return report;
}

bool Has(const ReadReport& report, int line, StringId id) {
    return std::any_of(report.Notes().begin(), report.Notes().end(),
                       [&](const ReadNote& n) { return n.line == line && n.message.id == id; });
}

std::string Dump(const ReadReport& report) {
    std::string out;
    for (const ReadNote& note : report.Notes()) {
        out += FormatNote("f", note) + "\n";
    }
    return out;
}

LayoutDocument FullLayout(int keyCount) {
    LayoutDocument doc;
    doc.settings.keyCount = keyCount;
    for (int k = 1; k <= kMaxKeys; ++k) {
        doc.keys[static_cast<std::size_t>(k)].codes = {k, k + 1, 100, 101, 102, 103, 104};
        doc.keys[static_cast<std::size_t>(k)].name = "K" + std::to_string(k);
    }
    return doc;
}

TEST(ReadReport, FilesTheWriterMakesReadWithoutAWord) {
    for (int count : {kBlockKeys, kMaxKeys}) {
        for (int v = 1; v <= 4; ++v) {
            const ReadReport report =
                Checked(FormatLayout(FullLayout(count), static_cast<KeyboardVariant>(v)));
            EXPECT_TRUE(report.Empty()) << count << " keys, variant " << v << "\n" << Dump(report);
        }
    }
}

// Each row: a file, the line and the message the reader's change is reported as.
TEST(ReadReport, EachChangeIsReportedAtItsLine) {
    const std::string k7 = "0, 0, 0, 0, 0, 0";
    const std::string k16 = "0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0";
    struct Row {
        std::string text;
        int line;
        StringId id;
    };
    const std::vector<Row> rows = {
        {"", 1, StringId::ReportFileEmpty},
        {Crlf({"60; 0; 0; 2; 11; 144; 0; 0; 3"}), 1, StringId::ReportUnknownFirstNumber},
        {Crlf({"57; 0; 0"}), 1, StringId::ReportHeaderShort},
        {Crlf({"56; 0; 0; 2; 11; 144; 0; 0; 3"}), 1, StringId::ReportHeaderSurplus},
        {Crlf({"56; 2; 0; 2; 11"}), 1, StringId::ReportKeysTypeLimited},
        {Crlf({"56; 0; -1; 2; 11"}), 1, StringId::ReportKeyBeepLimited},
        {Crlf({"56; 0; 0; 4; 11"}), 1, StringId::ReportKeyDelayLimited},
        {Crlf({"56; 0; 0; 2; 32"}), 1, StringId::ReportRateLimited},
        {Crlf({"57; 0; 0; 2; 11; 300; 0; 0; 3"}), 1, StringId::ReportRfidFlagsCut},
        {Crlf({"57; 0; 0; 2; 11; 240; 0; 0; 3"}), 1, StringId::ReportDigitsLimited},
        {Crlf({"57; 0; 0; 2; 11; 144; 256; 0; 3"}), 1, StringId::ReportPrefixCut},
        {Crlf({"57; 0; 0; 2; 11; 144; 0; -2; 3"}), 1, StringId::ReportSuffixCut},
        {Crlf({"57; 0; 0; 2; 11; 144; 0; 0; 0"}), 1, StringId::ReportKeysPauseLimited},
        {Crlf({"56; x; 0; 2; 11"}), 1, StringId::ReportNotANumber},
        {Crlf({"56", "", "1; 1, " + k7 + "; 2;A"}), 2, StringId::ReportEmptyLine},
        {Crlf({"56", "1; 1, " + k7 + "; 2;A", "# note"}), 3, StringId::ReportNoKeyNumber},
        {Crlf({"56", "1; 1, " + k7 + "; 2;A", "0; 1"}), 3, StringId::ReportKeyNumberOutside},
        {Crlf({"56", "115; 1, " + k7 + "; 2;A"}), 2, StringId::ReportKeyNumberOutside},
        {Crlf({"56", "60; 1, " + k7 + "; 2;A"}), 2, StringId::ReportKeyOutsideGrid},
        {Crlf({"56", "1; 1, " + k7 + "; 2;A", "1; 2, " + k7 + "; 2;B"}), 3,
         StringId::ReportKeyRepeated},
        {Crlf({"56", "1; 256, " + k7 + "; 2;A"}), 2, StringId::ReportCodeOutOfRange},
        {Crlf({"56", "1; 1, " + k7 + "; 18;A"}), 2, StringId::ReportFlagsOutOfRange},
        {Crlf({"56", "1; 1, " + k7 + "; 2;" + std::string(103, 'n')}), 2, StringId::ReportNameCut},
        {Crlf({"56", "1; 1, " + k7 + "; 2;a;b"}), 2, StringId::ReportLineSurplus},
        {Crlf({"56", "1; 1, " + k16 + "; 2;0;A"}), 2, StringId::ReportLineSurplus},
        {Crlf({"57; 0; 0; 2; 11; 144; 0; 0; 3", "1; 1, 2; 2"}), 2, StringId::ReportLineShort},
        {Crlf({"56", "1; 1, " + k7 + "; 2;" + std::string(190, 'n')}), 2, StringId::ReportLineLong},
        {Crlf({"56", "56; 1, " + k7 + "; 2;A", "1; 2, " + k7 + "; 2;B"}), 0,
         StringId::ReportKeysMissingMany},
        {Crlf({"56", "57; 1, " + k7 + "; 2;A", "1; 2, " + k7 + "; 2;B"}), 2,
         StringId::ReportReadStopped},
        {Crlf({"56", "1; 0, 0, 5, 0, 0, 0, 0; 2;A"}), 2, StringId::ReportFirstCodeZero},
        {Crlf({"56", "2; 0, " + k7 + "; 2;Named"}), 2, StringId::ReportNamedNoCodes},
        {Crlf({"56", "1; 1, " + k7 + "; 2;"}), 2, StringId::ReportCodesNoName},
        {Crlf({"56", "1; 1, " + k7 + "; 14;A"}), 2, StringId::ReportModeOutOfRange},
        {Crlf({"56", "1; 1, " + k7 + "; 2;A", "3; 1, " + k7 + "; 2;B"}), 3,
         StringId::ReportSameSequence},
        {Crlf({"56", "1; 1, " + k7 + "; 3;A"}), 2, StringId::ReportGroupAlone},
        {Crlf({"56", "1; 1, " + k7 + "; 1;A", "3; 1, " + k7 + "; 1;A"}), 2,
         StringId::ReportGroupNotNeighbours},
        {Crlf({"56", "8; 1, " + k7 + "; 1;A", "9; 1, " + k7 + "; 1;A"}), 2,
         StringId::ReportGroupNotNeighbours},
        {Crlf({"56", "1; 1, " + k7 + "; 1;A", "2; 1, " + k7 + "; 1;A", "3; 1, " + k7 + "; 1;A"}), 2,
         StringId::ReportGroupCount},
        {Crlf({"56", "1; 1, " + k7 + "; 1;A", "2; 1, " + k7 + "; 1;A", "3; 1, " + k7 + "; 1;A",
               "4; 1, " + k7 + "; 1;A"}),
         2, StringId::ReportQuadShape},
        {Crlf({"56", "1; 1, " + k7 + "; 2;" + std::string(100, 'n')}), 2,
         StringId::ReportCatalogNameCut},
        {Crlf({"56", "1; 1, " + k7 + "; 2;A", "2; 2, " + k7 + "; 2;A"}), 3,
         StringId::ReportCatalogSameName},
    };
    for (const Row& row : rows) {
        LayoutDocument plain;
        LayoutDocument reported;
        ReadReport ignored;
        ParseLayout(plain, row.text);
        ParseLayout(reported, row.text, &ignored);
        EXPECT_EQ(FormatLayout(plain, KeyboardVariant::SixteenScan),
                  FormatLayout(reported, KeyboardVariant::SixteenScan))
            << "the report changed the read of\n"
            << row.text;
        const ReadReport report = Checked(row.text);
        EXPECT_TRUE(Has(report, row.line, row.id))
            << "wanted id " << static_cast<int>(row.id) << " at line " << row.line << " in\n"
            << row.text << "got\n"
            << Dump(report);
    }
}

TEST(ReadReport, ProperDoubleAndQuadKeysAreNotWarnedAbout) {
    const std::string k7 = "0, 0, 0, 0, 0, 0";
    const ReadReport report = Checked(
        Crlf({"56", "1; 1, " + k7 + "; 1;D", "2; 1, " + k7 + "; 1;D", "3; 2, " + k7 + "; 1;Q",
              "4; 2, " + k7 + "; 1;Q", "11; 2, " + k7 + "; 1;Q", "12; 2, " + k7 + "; 1;Q"}));
    for (const ReadNote& note : report.Notes()) {
        EXPECT_NE(note.level, NoteLevel::Warning) << Dump(report);
    }
}

TEST(ReadReport, FormatsLikeACompiler) {
    ReadReport report;
    report.Add(7, NoteLevel::Error, StringId::ReportEmptyLine);
    report.Add(0, NoteLevel::Warning, StringId::ReportKeysMissing, {"5"});
    EXPECT_EQ(FormatNote("a.txt", report.Notes()[0]),
              "a.txt:7: error: An empty line; it is ignored.");
    EXPECT_EQ(FormatNote("a.txt", report.Notes()[1]),
              "a.txt: warning: No line gives key 5; it stays empty.");
    EXPECT_EQ(report.ErrorLineCount(), 1);
}

TEST(ReadReport, OnlyALayoutsFirstFieldLooksLikeALayout) {
    const std::vector<std::pair<std::string, bool>> rows = {
        {"56", true},
        {"112\r\n1; 1, 0; 2;A", true},
        {" 57 ; 0; 0; 2; 11; 144; 0; 0; 3\n", true},
        {"113;", true},
        {"\xEF\xBB\xBF"
         "56\n",
         true},
        {"", false},
        {"Key test\nLayout: a.txt\n", false},
        {"{\"layoutFile\": \"a.txt\"}", false},
        {"5600", false},
        {"56a", false},
        {"\x7F"
         "ELF\x02\x01",
         false},
    };
    for (const auto& [text, layout] : rows) {
        EXPECT_EQ(layout, LooksLikeLayout(text)) << text;
    }
}

} // namespace
} // namespace vorlan

namespace vorlan {
namespace {

// Millions of faulty lines cost at most kMaxPerKind notes of each kind and a
// summary; the counts still cover every note, whatever the line ends.
TEST(ReadReport, AFileOfShortLinesKeepsABoundedReport) {
    struct Row {
        std::string_view line;
        std::size_t bytes;
    };
    const std::vector<Row> rows = {
        {"1\r\n", 16u * 1024u * 1024u}, {"1\n", 256u * 1024u}, {"1\r", 256u * 1024u},
        {";x\n", 256u * 1024u},         {"0\n", 256u * 1024u},
    };
    for (const Row& row : rows) {
        std::string text;
        text.reserve(row.bytes);
        while (text.size() + row.line.size() <= row.bytes) {
            text += row.line;
        }
        const auto lines = static_cast<int>(text.size() / row.line.size());
        LayoutDocument doc;
        ReadReport report;
        ParseLayout(doc, text, &report);

        std::map<StringId, int> kept;
        int counted = 0;
        int summaries = 0;
        for (const ReadNote& note : report.Notes()) {
            if (note.message.id == StringId::ReportMoreOfKind) {
                ++summaries;
                ASSERT_EQ(note.message.args.size(), 1u);
                counted += std::stoi(note.message.args[0].bytes);
                EXPECT_NE(
                    FormatNote("f", note).find("... and " + note.message.args[0].bytes + " more"),
                    std::string::npos);
            } else {
                ++kept[note.message.id];
                ++counted;
            }
        }
        const std::string what = std::string(row.line.substr(0, row.line.size() - 1));
        EXPECT_GT(summaries, 0) << what;
        for (const auto& [id, count] : kept) {
            EXPECT_LE(count, ReadReport::kMaxPerKind) << what << " " << static_cast<int>(id);
        }
        EXPECT_LE(report.Notes().size(), kept.size() * (ReadReport::kMaxPerKind + 1)) << what;
        EXPECT_EQ(counted, report.Count(NoteLevel::Error) + report.Count(NoteLevel::Warning))
            << what;
        // Every line is faulty, the header included.
        EXPECT_EQ(report.ErrorLineCount(), lines) << what;
    }
}

// Sorting keeps each summary's count with its note.
TEST(ReadReport, SummariesFollowTheirNotesWhenSorted) {
    ReadReport report;
    for (int i = 0; i < ReadReport::kMaxPerKind + 5; ++i) {
        report.Add(200 - i, NoteLevel::Warning, StringId::ReportEmptyLine);
    }
    report.Add(1, NoteLevel::Error, StringId::ReportFileEmpty);
    report.SortByLine();
    const std::vector<ReadNote>& notes = report.Notes();
    ASSERT_EQ(notes.size(), static_cast<std::size_t>(ReadReport::kMaxPerKind + 2));
    EXPECT_EQ(notes.front().message.id, StringId::ReportFileEmpty);
    const auto summary = std::find_if(notes.begin(), notes.end(), [](const ReadNote& n) {
        return n.message.id == StringId::ReportMoreOfKind;
    });
    ASSERT_NE(summary, notes.end());
    EXPECT_EQ(summary->line, 200 - ReadReport::kMaxPerKind);
    EXPECT_EQ(summary->message.args, UiArgs{"5"});
    EXPECT_EQ(report.Count(NoteLevel::Warning), ReadReport::kMaxPerKind + 5);
}

} // namespace
} // namespace vorlan
