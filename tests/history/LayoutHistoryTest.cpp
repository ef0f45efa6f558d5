// The editing history, driven through the key editor's commands as a user
// would: every change is one step, undo and redo give back each state byte
// for byte as the file would be written, with the selection and dirty flag.
#include "layout/LayoutFile.h"
#include "testing/RecordingView.h"

#include <gtest/gtest.h>
#include <map>
#include <random>

namespace vorlan::test {
namespace {

// What must come back at a history position.
struct State {
    std::string file;
    int currentKey = 0;
    std::string panelName;
    bool dirty = false;
};

State StateOf(EditorFixture& f) {
    return {FormatLayout(f.doc(), KeyboardVariant::SixteenScan), f.editor.CurrentKey(),
            f.view.controls.nameLatin1, f.doc().dirty};
}

// One random command of the editor, with the view's answers set up for it.
void RandomCommand(EditorFixture& f, std::mt19937& rng) {
    auto pick = [&rng](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(rng); };
    const int keys = f.doc().settings.keyCount;
    KeyEditor& e = f.editor;
    switch (pick(0, 17)) {
    case 0:
    case 1:
        f.Click(pick(1, keys));
        break;
    case 2: // typing: one character more, merged while the key stays
        f.view.controls.nameLatin1 += static_cast<char>('a' + pick(0, 25));
        e.OnKeyNameChanged();
        break;
    case 3:
        f.Capture({pick(1, 255), pick(0, 255)});
        break;
    case 4:
        e.OnDoubleRight();
        break;
    case 5:
        e.OnDoubleDown();
        break;
    case 6:
        e.OnQuad();
        break;
    case 7:
        e.OnSingle();
        break;
    case 8:
        e.OnClearKey();
        break;
    case 9:
        e.OnModeClicked(kOfferedModes[static_cast<std::size_t>(pick(0, 2))]);
        break;
    case 10:
        f.view.controls.singleKey = !f.view.controls.singleKey;
        pick(0, 1) == 0 ? e.OnSingleKeyClicked() : e.OnSetFlagForAll();
        break;
    case 11:
        e.OnSetModeForAll();
        break;
    case 12: {
        KeyboardSettingsValues v;
        v.keyboard = pick(0, 3) == 0 ? KeyboardSize::Single : KeyboardSize::Double;
        v.keyBeep = pick(0, 1);
        v.keyDelay = pick(0, 3);
        f.view.settingsAnswer = v;
        e.OnFileSettings();
        break;
    }
    case 13:
        f.view.controls.prefixLatin1 = std::to_string(pick(0, 255));
        e.OnRfidFieldEdited();
        e.OnPaintRequest();
        break;
    case 14:
        e.OnCopy();
        f.Click(pick(1, keys));
        break;
    case 17:
        e.OnPaste();
        break;
    case 15:
        e.OnDrop(e.CurrentKey(), pick(1, keys), pick(0, 1) == 1);
        break;
    case 16:
        pick(0, 1) == 0 ? e.OnMoveKey(pick(-1, 1), 0) : e.OnCut();
        break;
    }
}

TEST(LayoutHistory, RandomEditsUndoToTheStartAndRedoToTheEndExactly) {
    for (const unsigned seed : {1U, 2U, 3U}) {
        EditorFixture f;
        f.UseKeyCount(kMaxKeys);
        f.editor.History().Clear();
        std::mt19937 rng(seed);
        // The state last seen at each position (the one undo returns to) and
        // the state right after its step (the one redo returns to).
        std::map<std::size_t, State> seen{{0, StateOf(f)}};
        std::map<std::size_t, State> done;
        bool recorded = false;
        f.editor.History().AddListener([&](HistoryChange c) {
            recorded = recorded || c == HistoryChange::Recorded || c == HistoryChange::Merged;
        });
        for (int i = 0; i < 250; ++i) {
            recorded = false;
            RandomCommand(f, rng);
            seen[f.editor.History().Position()] = StateOf(f);
            if (recorded) {
                done[f.editor.History().Position()] = StateOf(f);
            }
        }
        const LayoutHistory& h = f.editor.History();
        ASSERT_GT(h.Position(), 50U) << seed;
        const std::size_t end = h.Position();
        const auto expectAt = [&](const std::map<std::size_t, State>& states, std::size_t p) {
            const State now = StateOf(f);
            const State& want = states.at(p);
            EXPECT_EQ(now.file, want.file) << "seed " << seed << " position " << p;
            EXPECT_EQ(now.currentKey, want.currentKey) << "seed " << seed << " position " << p;
            EXPECT_EQ(now.panelName, want.panelName) << "seed " << seed << " position " << p;
            EXPECT_EQ(now.dirty, p != 0) << "seed " << seed << " position " << p;
        };
        while (h.CanUndo()) {
            f.editor.OnUndo();
            expectAt(seen, h.Position());
        }
        while (h.CanRedo()) {
            f.editor.OnRedo();
            expectAt(done, h.Position());
        }
        EXPECT_EQ(h.Position(), end);
    }
}

TEST(LayoutHistory, NamesEachStepAndMergesTypingInOneFieldOfOneKey) {
    EditorFixture f;
    const LayoutHistory& h = f.editor.History();
    EXPECT_FALSE(h.UndoName());
    for (const char* typed : {"E", "En", "Ent"}) {
        f.view.controls.nameLatin1 = typed;
        f.editor.OnKeyNameChanged();
    }
    EXPECT_EQ(h.StepCount(), 1U);
    f.Click(2); // another key: a new step
    f.Capture({0x0F});
    f.editor.OnDoubleRight();
    ASSERT_EQ(h.StepCount(), 3U);
    EXPECT_EQ(h.UndoName(), StringId::StepDouble);
    f.editor.OnUndo();
    EXPECT_EQ(h.UndoName(), StringId::StepKeyCodes);
    EXPECT_EQ(h.RedoName(), StringId::StepDouble);
    f.editor.OnUndo();
    f.editor.OnUndo();
    EXPECT_EQ(f.key(1).name.str(), "KEY1");
    EXPECT_EQ(f.editor.CurrentKey(), 1);
    f.editor.OnRedo();
    EXPECT_EQ(f.key(1).name.str(), "Ent");
    // Nothing recorded for a command that changes nothing.
    f.editor.OnSetModeForAll();
    EXPECT_EQ(h.StepCount(), 3U);
}

TEST(LayoutHistory, DirtyFollowsTheSavedStateAndFilesStartAFreshHistory) {
    EditorFixture f;
    const std::string path = ::testing::TempDir() + "history-saved.txt";
    f.Capture({0x1E});
    f.view.saveAnswers.push_back(SaveAsChoice{path, 2});
    f.editor.OnFileSave();
    ASSERT_FALSE(f.doc().dirty);
    f.view.controls.nameLatin1 = "A";
    f.editor.OnKeyNameChanged();
    f.view.controls.nameLatin1 = "AB"; // typing after a save is not merged across it
    f.editor.OnKeyNameChanged();
    EXPECT_TRUE(f.doc().dirty);
    f.editor.OnUndo();
    EXPECT_FALSE(f.doc().dirty) << "back at the saved state";
    f.editor.OnUndo();
    EXPECT_TRUE(f.doc().dirty) << "a step before it";
    f.editor.OnRedo();
    EXPECT_FALSE(f.doc().dirty);

    // Open starts an empty history.
    f.view.openAnswers.push_back(path);
    f.view.answers = {false}; // do not save the current file
    f.editor.OnFileOpen();
    EXPECT_FALSE(f.editor.History().CanUndo());
    EXPECT_FALSE(f.editor.History().CanRedo());
    std::remove(path.c_str());
}

TEST(LayoutHistory, KeepsTheLimitDropsTheOldestAndTellsItsListeners) {
    LayoutDocument doc;
    LayoutHistory h(doc, 200);
    std::vector<HistoryChange> told;
    h.AddListener([&](HistoryChange c) { told.push_back(c); });
    for (int i = 0; i < 210; ++i) {
        h.Begin({});
        doc.keys[static_cast<std::size_t>(1 + i % kMaxKeys)].codes[0] = 1 + i % 200;
        EXPECT_TRUE(h.Commit(StringId::StepKeyCodes, {}));
    }
    EXPECT_EQ(h.StepCount(), 200U);
    int undone = 0;
    while (h.Undo()) {
        ++undone;
    }
    EXPECT_EQ(undone, 200);
    EXPECT_TRUE(doc.dirty) << "the saved state was dropped with the oldest steps";
    EXPECT_EQ(doc.keys[1].codes[0], 1) << "the ten oldest stay done";
    EXPECT_EQ(doc.keys[11].codes[0], 0);
    ASSERT_EQ(told.size(), 410U);
    EXPECT_EQ(told.front(), HistoryChange::Recorded);
    EXPECT_EQ(told.back(), HistoryChange::Undone);
}

} // namespace
} // namespace vorlan::test
