#include "editor/FileCommands.h"

#include "layout/LayoutFile.h"
#include "testing/FileFixture.h"
#include "testing/RecordingView.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace vorlan::test {
namespace {

namespace fs = std::filesystem;

// --- New and the save question ----------------------------------------------

TEST(FileNew, CleanLayoutIsResetWithoutAQuestion) {
    FileFixture f;
    f.Click(7);
    f.editor.OnFileNew();
    EXPECT_TRUE(f.view.questions.empty());
    EXPECT_EQ(f.editor.CurrentKey(), 1);
    EXPECT_EQ(f.view.title, "untitled");
}

TEST(FileNew, DirtyLayoutAsksOnceAndNoDropsIt) {
    FileFixture f;
    f.Click(3);
    f.Capture({0x1C});
    f.view.answers = {false};
    f.editor.OnFileNew();
    EXPECT_EQ(f.view.questions, std::vector<std::string>{"Do you want to save current file?"});
    EXPECT_TRUE(f.view.saveDialogs.empty());
    EXPECT_FALSE(f.doc().IsProgrammed(3));
    EXPECT_FALSE(f.doc().dirty);
}

TEST(FileNew, YesOnAnUntitledLayoutLeadsIntoSaveAsAndCancelKeepsTheLayout) {
    FileFixture f;
    f.Click(3);
    f.Capture({0x1C});
    f.editor.OnFileNew(); // Yes; the Save As dialog is cancelled
    EXPECT_EQ(f.view.saveDialogs.size(), 1u);
    EXPECT_TRUE(f.doc().IsProgrammed(3));
    EXPECT_TRUE(f.doc().dirty);
    EXPECT_TRUE(f.doc().filePath.empty());
}

TEST(FileNew, YesOnABoundLayoutSavesItInPlace) {
    FileFixture f;
    const std::string path = f.folder.File("bound.txt");
    WriteLayoutFile(path, 56, 2, "Two");
    f.Open(path);
    f.Click(5);
    f.Capture({0x29});
    f.editor.OnClose();
    f.Open(path);
    EXPECT_TRUE(f.doc().IsProgrammed(5));
    EXPECT_EQ(f.key(5).codes[0], 0x29);
}

// A Yes to the save question followed by a failed write must not cost the
// layout: the command that would drop it stops instead, whether the layout
// was to be saved in place or through Save As.
enum class Dropping { New, Open, Recent, Close };

class FailedSave : public ::testing::TestWithParam<Dropping> {};

TEST_P(FailedSave, KeepsTheLayoutAndStopsTheCommand) {
    for (const bool untitled : {false, true}) {
        SCOPED_TRACE(untitled ? "Save As" : "Save in place");
        FileFixture f;
        const std::string other = f.folder.File("other.txt");
        WriteLayoutFile(other, 56, 9, "Other");
        f.Open(other);
        f.editor.OnFileNew();
        f.Program(5, {0x1C}, "Mine");
        f.doc().dirty = true;
        const std::string unwritable = f.folder.File("no-such-folder/mine.txt");
        if (untitled) {
            f.view.saveAnswers.push_back(SaveAsChoice{unwritable, 2});
        } else {
            f.doc().filePath = unwritable;
        }
        const std::string boundTo = f.doc().filePath;
        f.view.ClearRecords();

        bool mayClose = true;
        switch (GetParam()) {
        case Dropping::New:
            f.editor.OnFileNew();
            break;
        case Dropping::Open:
            f.view.openAnswers.push_back(other);
            f.editor.OnFileOpen();
            break;
        case Dropping::Recent:
            f.editor.OnRecentFile(0);
            break;
        case Dropping::Close:
            mayClose = f.editor.OnClose();
            break;
        }

        EXPECT_EQ(f.view.questions, std::vector<std::string>{"Do you want to save current file?"});
        EXPECT_EQ(f.view.errors,
                  std::vector<std::string>{"The folder " + f.folder.File("no-such-folder") +
                                           " does not exist."});
        EXPECT_TRUE(f.doc().IsProgrammed(5));
        EXPECT_EQ(f.key(5).name.str(), "Mine");
        EXPECT_FALSE(f.doc().IsProgrammed(9)); // the other file was not read
        EXPECT_TRUE(f.doc().dirty);
        EXPECT_EQ(f.doc().filePath, boundTo);
        // As paths: the stored one is resolved, with the system's separators.
        EXPECT_EQ(std::filesystem::path(f.StoredRecent()[0]), std::filesystem::path(other));
        EXPECT_EQ(mayClose, GetParam() != Dropping::Close);
    }
}

std::string DroppingName(const ::testing::TestParamInfo<Dropping>& info) {
    switch (info.param) {
    case Dropping::New:
        return "New";
    case Dropping::Open:
        return "Open";
    case Dropping::Recent:
        return "Recent";
    case Dropping::Close:
        return "Close";
    }
    return "Unknown";
}

INSTANTIATE_TEST_SUITE_P(Commands, FailedSave,
                         ::testing::Values(Dropping::New, Dropping::Open, Dropping::Recent,
                                           Dropping::Close),
                         DroppingName);

// Cancel (and Escape, which answers it) abandons the command that asked:
// nothing is saved, read or reset.
class CancelledQuestion : public ::testing::TestWithParam<Dropping> {};

TEST_P(CancelledQuestion, KeepsTheLayoutAndStopsTheCommand) {
    FileFixture f;
    const std::string other = f.folder.File("other.txt");
    WriteLayoutFile(other, 56, 9, "Other");
    f.Open(other);
    f.Program(5, {0x1C}, "Mine");
    f.doc().dirty = true;
    f.view.ClearRecords();
    f.view.threeWayAnswers.push_back(SaveAnswer::Cancel);
    f.view.openAnswers.push_back(other);
    bool mayClose = true;
    switch (GetParam()) {
    case Dropping::New:
        f.editor.OnFileNew();
        break;
    case Dropping::Open:
        f.editor.OnFileOpen();
        break;
    case Dropping::Recent:
        f.editor.OnRecentFile(0);
        break;
    case Dropping::Close:
        mayClose = f.editor.OnClose();
        break;
    }
    EXPECT_EQ(f.view.questions, std::vector<std::string>{"Do you want to save current file?"});
    EXPECT_TRUE(f.view.saveDialogs.empty());
    EXPECT_EQ(f.key(5).name.str(), "Mine");
    EXPECT_TRUE(f.doc().dirty);
    EXPECT_EQ(f.doc().filePath, other);
    EXPECT_NE(ReadFile(other).find("Other"), std::string::npos); // not overwritten
    EXPECT_FALSE(mayClose && GetParam() == Dropping::Close);
}

INSTANTIATE_TEST_SUITE_P(Commands, CancelledQuestion,
                         ::testing::Values(Dropping::New, Dropping::Open, Dropping::Recent,
                                           Dropping::Close),
                         DroppingName);

// --- Open, recent files ---------------------------------------------------------

TEST(FileOpen, ReadsTheFileAndBindsTheLayoutToIt) {
    FileFixture f;
    const std::string path = f.folder.File("one.txt");
    WriteLayoutFile(path, 112, 90, "Far");
    f.Open(path);
    EXPECT_EQ(f.view.title, path);
    EXPECT_EQ(f.doc().filePath, path);
    EXPECT_EQ(f.doc().settings.keyCount, 112);
    EXPECT_EQ(f.key(90).name.str(), "Far");
    EXPECT_EQ(f.view.screen[90], KeyImage::Single);
    EXPECT_EQ(f.view.listRows, std::vector<std::string>{"Far *"});
    EXPECT_EQ(f.editor.CurrentKey(), 1);
    EXPECT_EQ(f.view.panes[0], "Keyboard type: Vorlan D");
    EXPECT_EQ(f.view.recent, (std::vector<RecentFileEntry>{{0, path}}));
    EXPECT_FALSE(f.doc().dirty);
}

TEST(FileOpen, AFileNamedOnTheCommandLineIsOpenedAfterTheSaveQuestion) {
    FileFixture f;
    const std::string path = f.folder.File("given.txt");
    WriteLayoutFile(path, 112, 7, "Given");
    f.Click(3);
    f.Capture({0x1C});
    f.view.answers = {false};
    f.editor.OnOpenGivenFile(path);
    EXPECT_EQ(f.view.questions.size(), 1u);
    EXPECT_EQ(f.doc().filePath, path);
    EXPECT_EQ(f.key(7).name.str(), "Given");
    EXPECT_EQ(f.StoredRecent()[0], path);
}

TEST(FileOpen, CancelChangesNothingAndAsksNothing) {
    FileFixture f;
    f.Click(3);
    f.Capture({0x1C});
    f.editor.OnFileOpen(); // no answer queued: cancelled
    EXPECT_TRUE(f.view.questions.empty());
    EXPECT_TRUE(f.doc().IsProgrammed(3));
}

TEST(FileOpen, AMissingFileStillBecomesTitleAndFirstRecentFile) {
    FileFixture f;
    const std::string path = f.folder.File("missing.txt");
    f.Click(3);
    f.Capture({0x1C});
    f.view.answers = {false};
    f.Open(path);
    EXPECT_EQ(f.view.errors, std::vector<std::string>{"Cannot open file!"});
    EXPECT_EQ(f.view.title, path);
    EXPECT_EQ(f.doc().filePath, path);
    EXPECT_EQ(f.StoredRecent()[0], path);
    EXPECT_FALSE(f.doc().IsProgrammed(3));
}

TEST(FileRecent, OneFileReachedByOtherPathsIsOneEntry) {
    FileFixture f;
    const std::string real = f.folder.File("a.txt");
    WriteLayoutFile(real, 56, 1, "A");
    fs::create_directories(f.folder.Path() / "sub");
    std::vector<std::string> others = {(f.folder.Path() / "sub" / ".." / "a.txt").string(),
                                       (f.folder.Path() / "." / "a.txt").string()};
    std::error_code ec;
    fs::create_symlink(real, f.folder.Path() / "link.txt", ec);
    if (!ec) { // a system without symlinks for this user still checks the rest
        others.push_back(f.folder.File("link.txt"));
    }
    for (const std::string& other : others) {
        f.Open(real);
        f.Open(other);
        EXPECT_EQ(f.StoredRecent(), (std::vector<std::string>{real, "", "", ""})) << other;
    }
}

TEST(FileRecent, OpeningMovesThePathToTheFrontAndKeepsFour) {
    FileFixture f;
    std::vector<std::string> p;
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"}) {
        p.push_back(f.folder.File(name));
        WriteLayoutFile(p.back(), 56, 1, name);
    }
    f.Open(p[0]);
    f.Open(p[1]);
    f.Open(p[2]);
    EXPECT_EQ(f.StoredRecent(), (std::vector<std::string>{p[2], p[1], p[0], ""}));
    f.Open(p[2]); // already first: unchanged
    EXPECT_EQ(f.StoredRecent(), (std::vector<std::string>{p[2], p[1], p[0], ""}));
    f.editor.OnRecentFile(2); // the third moves to the front
    EXPECT_EQ(f.doc().filePath, p[0]);
    EXPECT_EQ(f.StoredRecent(), (std::vector<std::string>{p[0], p[2], p[1], ""}));
    f.Open(p[3]);
    f.Open(p[4]); // a fifth distinct file drops the fourth
    EXPECT_EQ(f.StoredRecent(), (std::vector<std::string>{p[4], p[3], p[0], p[2]}));
    EXPECT_EQ(f.view.recent,
              (std::vector<RecentFileEntry>{{0, p[4]}, {1, p[3]}, {2, p[0]}, {3, p[2]}}));
}

TEST(FileRecent, TheMenuShowsStoredEntriesAtStartAndSkipsGaps) {
    RecordingView view;
    MemoryProfileStore store;
    const auto key = [](int i) {
        return MemoryProfileStore::Key(kRecentFileSection, "File" + std::to_string(i));
    };
    store.values[key(1)] = "/x/one.txt";
    store.values[key(3)] = "/x/three.txt";
    KeyEditor editor(view, store);
    editor.Start();
    EXPECT_EQ(view.recent, (std::vector<RecentFileEntry>{{0, "/x/one.txt"}, {2, "/x/three.txt"}}));

    store.values[key(1)] = ""; // an empty first entry hides the whole block
    store.values[key(2)] = "/x/two.txt";
    KeyEditor again(view, store);
    again.Start();
    EXPECT_TRUE(view.recent.empty());
    again.OnRecentFile(0); // an empty entry and a bad index open nothing
    again.OnRecentFile(7);
    EXPECT_TRUE(again.Document().filePath.empty());
}

TEST(FileRecent, TheEntryIsTakenBeforeTheSaveQuestionCanReorderTheList) {
    FileFixture f;
    const std::string a = f.folder.File("a.txt");
    const std::string b = f.folder.File("b.txt");
    WriteLayoutFile(a, 56, 1, "A");
    WriteLayoutFile(b, 56, 1, "B");
    f.Open(a);
    f.Open(b); // recent: b, a
    f.editor.OnFileNew();
    f.Click(4);
    f.Capture({0x1C}); // dirty and untitled
    const std::string saved = f.folder.File("saved.txt");
    f.view.saveAnswers.push_back(SaveAsChoice{saved, 2}); // Yes: Save As pushes "saved"
    f.editor.OnRecentFile(1);
    EXPECT_EQ(f.doc().filePath, a);
    EXPECT_EQ(f.key(1).name.str(), "A");
    EXPECT_TRUE(fs::exists(saved));
}

// --- Save and Save As -------------------------------------------------------------

TEST(FileSaveAs, TypeListHasTwoOrFourEntriesAndPreselectsTheVariant) {
    struct Case {
        int keyCount;
        KeyboardVariant variant;
        std::size_t types;
        int preselected;
    };
    const Case cases[] = {
        {56, KeyboardVariant::SixteenScan, 2, 2},
        {112, KeyboardVariant::SixteenScan, 4, 2},
        {56, KeyboardVariant::SevenThreeScan, 4, 1},
        {112, KeyboardVariant::SevenThreeScan, 4, 1},
    };
    for (const Case& c : cases) {
        FileFixture f;
        f.UseKeyCount(c.keyCount);
        f.doc().variant = c.variant;
        f.editor.OnFileSaveAs();
        ASSERT_EQ(f.view.saveDialogs.size(), 1u);
        const auto& [types, preselected] = f.view.saveDialogs[0];
        EXPECT_EQ(types.size(), c.types);
        EXPECT_EQ(types[0], "Vorlan 7/3scan");
        EXPECT_EQ(types[1], "Vorlan 16scan");
        if (c.types == 4) {
            EXPECT_EQ(types[3], "Vorlan Single 16scan - right side");
        }
        EXPECT_EQ(preselected, c.preselected);
    }
}

TEST(FileSaveAs, SingleRightEndsWithTheRightHalfAsA56KeyLayout) {
    FileFixture f;
    f.UseKeyCount(112);
    f.Program(3, {0x15}, "Left");
    f.Program(57, {0x1C}, "First right");
    f.Program(112, {0x1A, 0x22}, "Last right");
    const std::string path = f.folder.File("right.txt");
    f.view.saveAnswers.push_back(SaveAsChoice{path, 4});
    f.editor.OnFileSaveAs();
    EXPECT_EQ(FirstNumber(path), 57);
    EXPECT_EQ(f.doc().settings.keyCount, 56);
    EXPECT_EQ(f.key(1).name.str(), "First right");
    EXPECT_EQ(f.key(56).name.str(), "Last right");
    EXPECT_EQ(f.key(56).codes[1], 0x22);
    EXPECT_FALSE(f.doc().IsProgrammed(3));
    EXPECT_EQ(f.doc().filePath, path);
    EXPECT_EQ(f.view.title, path);
    EXPECT_EQ(f.StoredRecent()[0], path);
    EXPECT_FALSE(f.doc().dirty);
    EXPECT_EQ(f.view.questions, std::vector<std::string>{"Save anyway?"}); // the left half goes
    for (int k = 57; k <= 112; ++k) {
        EXPECT_EQ(f.view.screen[k], KeyImage::Unavailable) << k;
    }
}

TEST(FileSaveAs, SevenThreeKeepsSevenCodesAndSaveTurnsTheFileInto16Scan) {
    FileFixture f;
    f.Program(5, {1, 2, 3, 4, 5, 6, 7, 8, 9}, "Long");
    const std::string path = f.folder.File("seven.txt");
    f.view.saveAnswers.push_back(SaveAsChoice{path, 1});
    f.editor.OnFileSaveAs();
    EXPECT_EQ(FirstNumber(path), 56);
    EXPECT_EQ(f.key(5).codes[6], 7);
    EXPECT_EQ(f.key(5).codes[7], 0);
    EXPECT_EQ(f.doc().variant, KeyboardVariant::SevenThreeScan);
    EXPECT_EQ(f.doc().loadedVariant, KeyboardVariant::SevenThreeScan);

    f.editor.OnFileSave();
    EXPECT_EQ(FirstNumber(path), 57);
    EXPECT_EQ(f.doc().variant, KeyboardVariant::SixteenScan);
    EXPECT_EQ(f.doc().loadedVariant, KeyboardVariant::SevenThreeScan);
    EXPECT_EQ(f.view.saveDialogs.size(), 1u); // Save asked for no path
}

TEST(FileSaveAs, AWriteThatCannotOpenItsFileStopsWithTheLayoutIntact) {
    FileFixture f;
    f.Program(5, {0x1C}, "Kept");
    f.doc().dirty = true;
    const std::string bad = f.folder.File("no-such-folder/x.txt");
    f.view.saveAnswers.push_back(SaveAsChoice{bad, 2});
    f.editor.OnFileSaveAs();
    EXPECT_EQ(f.view.errors,
              std::vector<std::string>{"The folder " + f.folder.File("no-such-folder") +
                                       " does not exist."});
    EXPECT_TRUE(f.view.questions.empty()); // no reset, so no save question
    EXPECT_TRUE(f.doc().IsProgrammed(5));
    EXPECT_TRUE(f.doc().dirty);
    EXPECT_TRUE(f.doc().filePath.empty());
    EXPECT_EQ(f.view.title, "untitled");
    EXPECT_EQ(f.StoredRecent()[0], "");
}

TEST(FileSaveAs, ALayoutWithoutKeysIsWrittenReportedAndReadBack) {
    FileFixture f;
    const std::string path = f.folder.File("empty.txt");
    f.view.saveAnswers.push_back(SaveAsChoice{path, 2});
    f.editor.OnFileSaveAs();
    EXPECT_EQ(f.view.errors, std::vector<std::string>{"The file contains no programmed key"});
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(f.doc().filePath, path);
    EXPECT_EQ(f.StoredRecent()[0], path);
}

TEST(FileSaveAs, CancelChangesNothing) {
    FileFixture f;
    f.Program(5, {0x1C}, "Kept");
    f.doc().dirty = true;
    f.editor.OnFileSaveAs();
    EXPECT_TRUE(f.doc().dirty);
    EXPECT_TRUE(f.doc().IsProgrammed(5));
    EXPECT_EQ(f.store.writes, 0);
    // No to what 7/3scan would lose cancels as well.
    f.Program(6, {1, 2, 3, 4, 5, 6, 7, 8}, "Eight");
    f.view.saveAnswers.push_back(SaveAsChoice{f.folder.File("lossy.txt"), 1});
    f.view.answers.push_back(false);
    f.editor.OnFileSaveAs();
    EXPECT_FALSE(fs::exists(f.folder.File("lossy.txt")));
}

} // namespace
} // namespace vorlan::test
