// The recovery file, its keeper's timing, the start-up offer, and Save and
// the window's return to the front when another program changed the file.
#include "layout/DurableFile.h"
#include "layout/LayoutFile.h"
#include "recovery/RecoveryKeeper.h"
#include "testing/RecordingView.h"
#include "testing/TempFolder.h"

#include <deque>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace vorlan {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFile(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

struct RecoveryFixture : test::EditorFixture {
    // A layout file with key 5 programmed, opened in the editor.
    std::string OpenLayout() {
        const std::string path = (dir / "mine.txt").string();
        LayoutDocument source;
        source.keys[5].codes[0] = 0x1C;
        source.keys[5].name = "Enter";
        source.filePath = path;
        EXPECT_TRUE(WriteLayout(source, KeyboardVariant::SixteenScan));
        view.openAnswers.push_back(path);
        editor.OnFileOpen();
        return path;
    }

    // What the program that just "crashed" left: a recovery file of a dead process.
    fs::path Abandoned(std::string_view bytes, std::string_view pidAndRandom) {
        const fs::path path = dir / ("recovery-" + std::string(pidAndRandom) + ".txt");
        WriteFile(path, bytes);
        return path;
    }

    test::TempFolder folder_;
    const fs::path& dir = folder_.Path();
};

// A process id no system hands out.
constexpr const char* kDeadProcess = "999999999-0123456789abcdef";

TEST(RecoveryFile, KeepsTheLayoutAndRefusesAnythingButAWholeFile) {
    LayoutDocument doc;
    doc.settings.keyCount = kMaxKeys;
    doc.keys[100].codes[0] = 0x2C;
    doc.keys[100].name = "Z";
    // A double key counts once, as the key test counts it.
    for (const int k : {1, 2}) {
        doc.keys[static_cast<std::size_t>(k)].codes[0] = 0x5A;
        doc.keys[static_cast<std::size_t>(k)].name = "Enter";
        doc.keys[static_cast<std::size_t>(k)].SetGroupKey(true);
    }
    doc.filePath = "/home/u/layout.txt";
    doc.loadedVariant = KeyboardVariant::SevenThreeScan;
    const FileStamp stamp{true, 10, 20, 30};
    const std::string bytes = FormatRecovery(doc, 1700000000, stamp);

    const std::optional<RecoveryRecord> record = ParseRecovery(bytes);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->originalPath, doc.filePath);
    EXPECT_EQ(record->savedAt, 1700000000);
    EXPECT_EQ(record->loadedVariant, KeyboardVariant::SevenThreeScan);
    EXPECT_EQ(record->stamp, stamp);
    EXPECT_EQ(record->layoutText, FormatLayout(doc, KeyboardVariant::SixteenScan));
    const UiMessage question = RecoveryQuestion(*record);
    EXPECT_EQ(question.args.at(0), UiArg(PathText(doc.filePath)));
    EXPECT_EQ(question.args.at(2), "112");
    EXPECT_EQ(question.args.at(3), "2 (Enter, Z)");

    std::string flipped = bytes;
    flipped[flipped.size() - 10] ^= 1;
    for (const std::string& bad : {bytes.substr(0, bytes.size() - 1), flipped, std::string(),
                                   "VORLAN-RECOVERY 2" + bytes.substr(17), bytes + "x"}) {
        EXPECT_FALSE(ParseRecovery(bad));
    }
}

TEST(RecoveryKeeper, WritesEveryThirtySecondsWhileDirtyAndOnANoteWithinASecond) {
    RecoveryFixture f;
    RecoveryKeeper keeper(f.doc(), f.dir.string());
    const auto start = RecoveryKeeper::Clock::time_point{} + 1h;
    const auto exists = [&] { return fs::exists(keeper.Path()); };

    keeper.Tick(start, 1);
    EXPECT_FALSE(exists()); // nothing unsaved
    f.Program(3, {0x1E}, "A");
    f.doc().dirty = true;
    keeper.Tick(start + 1s, 2);
    keeper.Tick(start + 30s, 3);
    EXPECT_FALSE(exists());
    keeper.Tick(start + 31s, 4);
    ASSERT_TRUE(exists());
    EXPECT_EQ(ParseRecovery(ReadFile(keeper.Path()))->savedAt, 4);

    // A noted change is written at most once a second.
    f.Program(4, {0x30}, "B");
    keeper.NoteChange();
    keeper.Tick(start + 31500ms, 5);
    EXPECT_EQ(ParseRecovery(ReadFile(keeper.Path()))->savedAt, 4);
    keeper.Tick(start + 32s, 6);
    const std::optional<RecoveryRecord> noted = ParseRecovery(ReadFile(keeper.Path()));
    EXPECT_EQ(noted->savedAt, 6);
    EXPECT_EQ(noted->layoutText, FormatLayout(f.doc(), KeyboardVariant::SixteenScan));
    // Unchanged bytes are not written again.
    keeper.Tick(start + 90s, 7);
    EXPECT_EQ(ParseRecovery(ReadFile(keeper.Path()))->savedAt, 6);

    f.doc().dirty = false; // saved
    keeper.Tick(start + 91s, 8);
    EXPECT_FALSE(exists());
    f.doc().dirty = true;
    keeper.NoteChange();
    keeper.Tick(start + 120s, 9);
    EXPECT_TRUE(exists());
    keeper.Close();
    EXPECT_FALSE(exists());
}

class RecoveryHostRecorder : public RecoveryHost {
public:
    explicit RecoveryHostRecorder(test::EditorFixture& fixture) : f(fixture) {}
    bool AskYesNo(const UiMessage& question) override {
        questions.push_back(question.id);
        const bool answer = answers.empty() || answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return answer;
    }
    void ShowError(const UiMessage& message) override { errors.push_back(message.id); }
    void Restore(const RecoveryRecord& r) override {
        f.editor.Files().RestoreText(r.originalPath, r.layoutText, r.loadedVariant, r.stamp);
    }
    test::EditorFixture& f;
    std::deque<bool> answers;
    std::vector<StringId> questions;
    std::vector<StringId> errors;
};

TEST(RecoveryOffer, RestoresAsUnsavedChangesOrDiscardsOnlyAfterTheSecondQuestion) {
    struct Case {
        std::deque<bool> answers;
        bool restored;
        bool fileKept;
    };
    for (const Case& c : {Case{{true}, true, false}, Case{{false, false}, false, true},
                          Case{{false, true}, false, false}}) {
        RecoveryFixture f;
        LayoutDocument crashed;
        crashed.keys[7].codes[0] = 0x10;
        crashed.keys[7].name = "Q";
        crashed.filePath = (f.dir / "lost.txt").string();
        const fs::path file = f.Abandoned(FormatRecovery(crashed, 1, std::nullopt), kDeadProcess);
        RecoveryHostRecorder host(f);
        host.answers = c.answers;

        EXPECT_EQ(OfferRecovery(f.dir.string(), host), c.restored);
        EXPECT_EQ(host.questions.front(), StringId::AskRecover);
        EXPECT_EQ(fs::exists(file), c.fileKept);
        EXPECT_EQ(f.doc().IsProgrammed(7), c.restored);
        if (c.restored) {
            EXPECT_TRUE(f.doc().dirty);
            EXPECT_EQ(f.doc().filePath, crashed.filePath);
            EXPECT_EQ(FormatLayout(f.doc(), KeyboardVariant::SixteenScan),
                      FormatLayout(crashed, KeyboardVariant::SixteenScan));
        }
    }
}

TEST(RecoveryOffer, SetsAsideWhatCannotBeReadAndLeavesLiveProgramsAlone) {
    RecoveryFixture f;
    const fs::path broken = f.Abandoned("garbage", kDeadProcess);
    const fs::path live =
        f.Abandoned("whatever", std::to_string(CurrentProcessId()) + "-00000000000000aa");
    RecoveryHostRecorder host(f);
    EXPECT_FALSE(OfferRecovery(f.dir.string(), host));
    EXPECT_EQ(host.errors, std::vector<StringId>{StringId::RecoveryUnreadable});
    EXPECT_TRUE(host.questions.empty());
    EXPECT_FALSE(fs::exists(broken));
    EXPECT_EQ(ReadFile(broken.string() + ".unreadable"), "garbage");
    EXPECT_TRUE(fs::exists(live));
}

// --- Changed on disk ----------------------------------------------------------

TEST(DiskChange, SaveAsksBeforeOverwritingAChangedFileAndOffersReload) {
    struct Case {
        const char* name;
        bool change;
        bool remove;
        std::deque<bool> answers;
        std::vector<StringId> questions;
        SaveOutcome outcome;
        bool ours; // the file holds this layout afterwards
    };
    const std::vector<Case> cases = {
        {"Unchanged", false, false, {}, {}, SaveOutcome::Written, true},
        {"Overwrite",
         true,
         false,
         {true},
         {StringId::AskOverwriteChanged},
         SaveOutcome::Written,
         true},
        {"Keep",
         true,
         false,
         {false, false},
         {StringId::AskOverwriteChanged, StringId::AskReloadLosingChanges},
         SaveOutcome::NotWritten,
         false},
        {"Reload",
         true,
         false,
         {false, true},
         {StringId::AskOverwriteChanged, StringId::AskReloadLosingChanges},
         SaveOutcome::Cancelled,
         false},
        {"Removed",
         false,
         true,
         {true},
         {StringId::AskOverwriteRemoved},
         SaveOutcome::Written,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecoveryFixture f;
        const std::string path = f.OpenLayout();
        f.Program(9, {0x20}, "Mine");
        f.doc().dirty = true;
        if (c.change) {
            std::string other = ReadFile(path);
            other[other.find("Enter")] = 'e'; // same size
            WriteFile(path, other);
        }
        if (c.remove) {
            fs::remove(path);
        }
        const std::string before = fs::exists(path) ? ReadFile(path) : "";
        f.view.questions.clear();
        f.view.answers = c.answers;
        EXPECT_EQ(f.editor.Files().SaveLayout(), c.outcome);
        EXPECT_EQ(f.view.questions.size(), c.questions.size());
        for (std::size_t i = 0; i < c.questions.size() && i < f.view.questions.size(); ++i) {
            EXPECT_EQ(f.view.questions[i], UiMessage({c.questions[i], {"mine.txt"}}).English());
        }
        EXPECT_EQ(ReadFile(path).find("Mine") != std::string::npos, c.ours);
        if (!c.ours) {
            EXPECT_EQ(ReadFile(path), before);
        }
        // Kept: still unsaved. Reloaded: the other program's layout, clean.
        EXPECT_EQ(f.doc().dirty, c.outcome == SaveOutcome::NotWritten);
        EXPECT_EQ(f.doc().IsProgrammed(9), c.outcome != SaveOutcome::Cancelled);
    }
}

TEST(DiskChange, TheWindowComingToTheFrontAsksOncePerChange) {
    RecoveryFixture f;
    const std::string path = f.OpenLayout();
    f.view.questions.clear();
    f.editor.Files().CheckDiskChange();
    EXPECT_TRUE(f.view.questions.empty());

    WriteFile(path, ReadFile(path) + "\r\n");
    f.view.answers = {false};
    f.editor.Files().CheckDiskChange();
    f.editor.Files().CheckDiskChange();
    EXPECT_EQ(
        f.view.questions,
        std::vector<std::string>{UiMessage({StringId::AskReloadChanged, {"mine.txt"}}).English()});

    // A further change is asked about again; Yes reloads it.
    std::string changed = ReadFile(path);
    changed[changed.find("Enter")] = 'X';
    WriteFile(path, changed);
    f.editor.Files().CheckDiskChange();
    EXPECT_EQ(f.view.questions.size(), 2u);
    EXPECT_EQ(std::string_view(f.key(5).name), "Xnter");
    EXPECT_FALSE(f.doc().dirty);
}

} // namespace
} // namespace vorlan
