// Layouts written in each variant and opened again as the editor opens them:
// what each variant keeps, and what a failed write or read leaves.
#include "layout/LayoutFile.h"
#include "testing/LayoutFileTestText.h"
#include "testing/RecordingObserver.h"
#include "testing/TempFolder.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vorlan {
namespace {

namespace fs = std::filesystem;
using namespace test;

// A 112-key layout with every kind of content: groups, modes, upper flag bits,
// long names, odd codes.
LayoutDocument RichLayout() {
    LayoutDocument doc;
    doc.settings = {112, 1, 1, 1, 20, 17};
    doc.rfid = {12, false, 200, true, 7, false};
    for (int k = 1; k <= kMaxKeys; ++k) {
        KeyRecord& key = doc.keys[static_cast<std::size_t>(k)];
        if (k % 3 == 0) {
            continue;
        }
        for (int i = 0; i < kCodesPerKey; ++i) {
            key.codes[static_cast<std::size_t>(i)] = (k * 7 + i * 13) % 256;
        }
        key.codes[0] = k;
        key.SetMode(*KeyModeFromNumber(k % 4));
        key.name = "K" + std::to_string(k) + std::string(static_cast<std::size_t>(k), 'z');
    }
    // A double key down (3, 11) and a quad (20, 21, 28, 29) with equal codes.
    for (int k : {3, 11, 20, 21, 28, 29}) {
        KeyRecord& key = doc.keys[static_cast<std::size_t>(k)];
        key.codes = k < 20 ? KeyCodes{90, 91, 92} : KeyCodes{80, 81, 82, 83, 84, 85, 86, 87, 88};
        key.SetGroupKey(true);
        key.SetSingleKey(false);
        key.groupNumber = 50 + k;
    }
    doc.keys[5].flags |= 0xF0;
    return doc;
}

void ExpectSameKey(const KeyRecord& got, const KeyRecord& want, int codeCount) {
    for (int i = 0; i < kCodesPerKey; ++i) {
        EXPECT_EQ(got.codes[static_cast<std::size_t>(i)],
                  i < codeCount ? want.codes[static_cast<std::size_t>(i)] : 0)
            << "code " << i;
    }
    EXPECT_EQ(got.FileFlags(), want.FileFlags());
    EXPECT_EQ(got.name, want.name);
}

class RoundTripTest : public ::testing::Test {
protected:
    // Writes source in the variant and opens the file as the editor does.
    LayoutDocument WriteAndOpen(LayoutDocument source, KeyboardVariant variant) {
        source.SetObserver(&screen);
        source.filePath = (dir / "layout.txt").string();
        EXPECT_TRUE(WriteLayout(source, variant));
        LayoutDocument back;
        back.SetObserver(&screen);
        back.ResetToNew();
        back.filePath = source.filePath;
        EXPECT_TRUE(ReadLayout(back));
        back.RebuildAfterLoad();
        return back;
    }

    test::TempFolder folder_;
    const fs::path& dir = folder_.Path();
    RecordingObserver screen;
};

TEST_F(RoundTripTest, SixteenScanKeepsEverythingButGroupNumbersAndUpperFlags) {
    const LayoutDocument source = RichLayout();
    const LayoutDocument back = WriteAndOpen(source, KeyboardVariant::SixteenScan);
    EXPECT_EQ(back.settings.keyCount, 112);
    EXPECT_EQ(back.settings.keysType, 1);
    EXPECT_EQ(back.settings.typematicRate, 20);
    EXPECT_EQ(back.settings.keysPause, 17);
    EXPECT_EQ(back.rfid.FileFlags(), source.rfid.FileFlags());
    EXPECT_EQ(back.rfid.prefix, 200);
    EXPECT_EQ(back.rfid.suffix, 7);
    for (int k = 1; k <= kMaxKeys; ++k) {
        SCOPED_TRACE(k);
        ExpectSameKey(back.keys[static_cast<std::size_t>(k)],
                      source.keys[static_cast<std::size_t>(k)], kCodesPerKey);
    }
    EXPECT_EQ(back.keys[5].flags & 0xF0, 0);
    EXPECT_EQ(back.spans[3].kind, SpanKind::Double);
    EXPECT_EQ(back.spans[29].kind, SpanKind::Quad);
    EXPECT_EQ(back.keys[3].groupNumber, 1);
    EXPECT_EQ(back.keys[29].groupNumber, 2);
    EXPECT_EQ(back.spans[1].kind, SpanKind::Single);
    EXPECT_EQ(back.variant, KeyboardVariant::SixteenScan);
    EXPECT_TRUE(screen.Errors().empty());
}

TEST_F(RoundTripTest, SevenThreeScanOfFiftySixKeysKeepsSevenCodes) {
    LayoutDocument source = RichLayout();
    source.settings.keyCount = 56;
    const LayoutDocument back = WriteAndOpen(source, KeyboardVariant::SevenThreeScan);
    EXPECT_EQ(back.settings.keyCount, 56);
    EXPECT_EQ(back.variant, KeyboardVariant::SevenThreeScan);
    EXPECT_EQ(back.loadedVariant, KeyboardVariant::SevenThreeScan);
    EXPECT_EQ(back.settings.keysPause, 3);
    EXPECT_EQ(back.rfid.FileFlags(), 144);
    for (int k = 1; k <= 56; ++k) {
        SCOPED_TRACE(k);
        ExpectSameKey(back.keys[static_cast<std::size_t>(k)],
                      source.keys[static_cast<std::size_t>(k)], 7);
    }
    // Reading a 56-key file never takes the lines of block 1 back.
    EXPECT_EQ(back.keys[57].name, "KEY57");
    EXPECT_EQ(back.spans[29].kind, SpanKind::Quad);
    EXPECT_EQ(back.keys[3].groupNumber, 1);
}

TEST_F(RoundTripTest, SevenThreeScanOfAHundredTwelveKeysKeepsThreeCodes) {
    const LayoutDocument source = RichLayout();
    const LayoutDocument back = WriteAndOpen(source, KeyboardVariant::SevenThreeScan);
    EXPECT_EQ(back.settings.keyCount, 112);
    for (int k = 1; k <= kMaxKeys; ++k) {
        SCOPED_TRACE(k);
        ExpectSameKey(back.keys[static_cast<std::size_t>(k)],
                      source.keys[static_cast<std::size_t>(k)], 3);
    }
}

TEST_F(RoundTripTest, SingleLeftGivesTheLeftHalfAsFiftySixKeys) {
    const LayoutDocument source = RichLayout();
    const LayoutDocument back = WriteAndOpen(source, KeyboardVariant::SingleLeft);
    EXPECT_EQ(back.settings.keyCount, 56);
    EXPECT_EQ(back.settings.keysPause, 17);
    for (int k = 1; k <= 56; ++k) {
        SCOPED_TRACE(k);
        ExpectSameKey(back.keys[static_cast<std::size_t>(k)],
                      source.keys[static_cast<std::size_t>(k)], kCodesPerKey);
    }
}

TEST_F(RoundTripTest, SingleRightGivesTheRightHalfAsFiftySixKeys) {
    const LayoutDocument source = RichLayout();
    const LayoutDocument back = WriteAndOpen(source, KeyboardVariant::SingleRight);
    EXPECT_EQ(back.settings.keyCount, 56);
    for (int k = 1; k <= 56; ++k) {
        SCOPED_TRACE(k);
        ExpectSameKey(back.keys[static_cast<std::size_t>(k)],
                      source.keys[static_cast<std::size_t>(k + 56)], kCodesPerKey);
    }
    EXPECT_EQ(back.keys[57].name, "KEY57");
}

TEST_F(RoundTripTest, TheWriterSetsVariantAndClearsDirtyOnly) {
    LayoutDocument doc = RichLayout();
    doc.SetObserver(&screen);
    doc.filePath = (dir / "x.txt").string();
    doc.dirty = true;
    doc.loadedVariant = KeyboardVariant::SevenThreeScan;
    const std::string before = FormatLayout(doc, KeyboardVariant::SixteenScan);
    EXPECT_TRUE(WriteLayout(doc, KeyboardVariant::SingleRight));
    EXPECT_EQ(doc.variant, KeyboardVariant::SixteenScan);
    EXPECT_EQ(doc.loadedVariant, KeyboardVariant::SevenThreeScan);
    EXPECT_FALSE(doc.dirty);
    EXPECT_EQ(doc.filePath, (dir / "x.txt").string());
    EXPECT_EQ(FormatLayout(doc, KeyboardVariant::SixteenScan), before);
    // Taking the window's values in is the caller's part.
    EXPECT_TRUE(screen.calls.empty());
    EXPECT_TRUE(WriteLayout(doc, KeyboardVariant::SevenThreeScan));
    EXPECT_EQ(doc.variant, KeyboardVariant::SevenThreeScan);
}

TEST_F(RoundTripTest, NoProgrammedKeyStillWritesTheFile) {
    LayoutDocument doc; // 56 keys; a key beyond keyCount does not count
    doc.keys[60].codes[0] = 4;
    doc.SetObserver(&screen);
    doc.filePath = (dir / "empty.txt").string();
    doc.dirty = true;
    const LayoutWriteResult written = WriteLayout(doc, KeyboardVariant::SixteenScan);
    EXPECT_FALSE(written);
    EXPECT_TRUE(written.FileWritten());
    EXPECT_FALSE(doc.dirty);
    EXPECT_TRUE(screen.Errors().empty());
    ShowWriteResult(screen, written);
    EXPECT_EQ(screen.Errors(), std::vector<std::string>{"The file contains no programmed key"});
    EXPECT_EQ(ReadFile(doc.filePath), FormatLayout(doc, KeyboardVariant::SixteenScan));
}

TEST_F(RoundTripTest, SingleRightOfAnEmptyRightHalfStillCountsTheLayout) {
    LayoutDocument doc = WorkedExample();
    doc.settings.keyCount = 112;
    doc.SetObserver(&screen);
    doc.filePath = (dir / "right.txt").string();
    EXPECT_TRUE(WriteLayout(doc, KeyboardVariant::SingleRight));
    EXPECT_TRUE(screen.Errors().empty());
    LayoutDocument back;
    back.filePath = doc.filePath;
    ASSERT_TRUE(ReadLayout(back));
    for (int k = 1; k <= 56; ++k) {
        EXPECT_FALSE(back.IsProgrammed(k)) << k;
    }
}

TEST_F(RoundTripTest, FailedWritesKeepTheOldFileAndDirty) {
    const fs::path folder = dir / "folder";
    fs::create_directories(folder);
    const fs::path old = dir / "old.txt";
    WriteFile(old, "old content");
    for (const fs::path& target : {folder, dir / "missing" / "x.txt", fs::path()}) {
        SCOPED_TRACE(target.string());
        LayoutDocument doc = WorkedExample();
        RecordingObserver errors;
        doc.SetObserver(&errors);
        doc.dirty = true;
        doc.variant = KeyboardVariant::SixteenScan;
        doc.filePath = target.string();
        const LayoutWriteResult written = WriteLayout(doc, KeyboardVariant::SevenThreeScan);
        EXPECT_FALSE(written.FileWritten());
        EXPECT_TRUE(doc.dirty);
        EXPECT_EQ(doc.variant, KeyboardVariant::SixteenScan);
        ShowWriteResult(errors, written);
        EXPECT_EQ(errors.Errors(), std::vector<std::string>{"Cannot open file!"});
    }
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(ReadFile(old), "old content");
    // No temporary file is left behind.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir)) {
        ++entries;
    }
    EXPECT_EQ(entries, 2);
}

TEST_F(RoundTripTest, ReplacingKeepsLinksAndStrangersFiles) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need privileges on Windows";
#endif
    const fs::path real = dir / "real.txt";
    const fs::path link = dir / "link.txt";
    WriteFile(real, "old");
    fs::create_symlink(real, link);
    WriteFile(dir / "real.txt.tmp0", "somebody's file");
    LayoutDocument doc = WorkedExample();
    doc.filePath = link.string();
    EXPECT_TRUE(WriteLayout(doc, KeyboardVariant::SixteenScan));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFile(real), FormatLayout(doc, KeyboardVariant::SixteenScan));
    EXPECT_EQ(ReadFile(dir / "real.txt.tmp0"), "somebody's file");
}

// Nothing that is not a plain file is read: a pipe without a writer would
// block for good, a device may never end.
TEST_F(RoundTripTest, ReadFailureLeavesTheDocument) {
    const std::string notPlain = "error " + std::string(StringText(StringId::NotAPlainFile));
    std::vector<std::pair<fs::path, std::string>> table = {
        {dir / "none.txt", "error Cannot open file!"}, {dir, notPlain}};
    for (const auto& [path, message] : table) {
        SCOPED_TRACE(path.string());
        LayoutDocument doc;
        doc.settings.keyCount = 112;
        doc.SetObserver(&screen);
        screen.calls.clear();
        doc.filePath = path.string();
        const LayoutReadResult read = ReadLayout(doc);
        EXPECT_FALSE(read);
        EXPECT_EQ(doc.settings.keyCount, 112);
        EXPECT_TRUE(screen.calls.empty());
        ShowReadResult(screen, read);
        EXPECT_EQ(screen.calls, std::vector<std::string>{message});
    }
}

TEST_F(RoundTripTest, GroupKeyErrorKeepsTheKeysForTheNextSave) {
    const fs::path in = fs::path(VORLAN_TEST_DATA_DIR) / "layout" / "group-key-error.txt";
    LayoutDocument doc;
    doc.SetObserver(&screen);
    doc.filePath = in.string();
    ASSERT_TRUE(ReadLayout(doc));
    doc.RebuildAfterLoad();
    EXPECT_EQ(screen.Errors(), std::vector<std::string>{"Group key error"});
    EXPECT_EQ(doc.spans[1].kind, SpanKind::Single);
    EXPECT_EQ(doc.spans[20].kind, SpanKind::Single);
    doc.filePath = (dir / "again.txt").string();
    EXPECT_TRUE(WriteLayout(doc, KeyboardVariant::SixteenScan));
    const std::vector<std::string> lines = Lines(ReadFile(doc.filePath));
    EXPECT_EQ(lines[1],
              SixteenKeyLine(1, "30, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0", "1;1;Wide"));
    EXPECT_EQ(lines[20],
              SixteenKeyLine(20, "30, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0", "1;2;Far"));
}

} // namespace
} // namespace vorlan
