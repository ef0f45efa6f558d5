// The key editor's "Copy key" from the programmed-keys list and the capture
// dialog's codes on a key, against a recording view.
#include "scancodes/ScanCodeTables.h"
#include "testing/RecordingView.h"

#include <gtest/gtest.h>

namespace vorlan::test {
namespace {

using KI = KeyImage;

// --- Copy key -------------------------------------------------------------------

// Picks the list row of name, then opens the popup menu on slot k, as a user
// does before "Copy key".
void PickThenPopup(EditorFixture& f, int row, int k) {
    f.editor.OnCatalogPick(row);
    const GridPoint p = CellOrigin(k);
    ASSERT_TRUE(f.editor.OnContextMenu(p.x, p.y)->copyKey);
}

TEST(KeyEditorCopy, InsertsTheListEntryIntoAnEmptyCell) {
    EditorFixture f;
    f.Program(1, {28, 5}, "Enter");
    f.doc().RebuildCatalog();
    f.doc().keyCatalog[0].inLayout = false;
    PickThenPopup(f, 0, 20);
    f.doc().dirty = false;
    f.editor.OnCopyKey();
    EXPECT_EQ(f.view.questions.back(), "Insert Enter to key 20 ?");
    EXPECT_EQ(f.key(20).name.str(), "Enter");
    EXPECT_EQ(f.key(20).codes, f.key(1).codes);
    EXPECT_EQ(f.span(20).kind, SpanKind::Single);
    EXPECT_TRUE(f.doc().keyCatalog[0].inLayout);
    EXPECT_EQ(f.view.listRows, std::vector<std::string>{"Enter *"});
    EXPECT_EQ(f.view.listRow, 0);
    EXPECT_TRUE(f.doc().dirty);
    EXPECT_EQ(f.view.screen[20], KI::SelectedKey);
    f.Click(21);
    EXPECT_EQ(f.view.screen[20], KI::Single);
}

TEST(KeyEditorCopy, FillsEveryCellOfAJoinedKeyAndKeepsFlags) {
    EditorFixture f;
    f.Program(1, {28}, "Enter");
    f.Program(3, {}, "Wide"); // no codes: never enters the catalogue
    f.key(3).SetMode(KeyMode::Mode2);
    f.Click(3);
    f.editor.OnDoubleRight();
    f.doc().RebuildCatalog();
    PickThenPopup(f, 0, 4);
    f.editor.OnCopyKey();
    for (int k : {3, 4}) {
        EXPECT_EQ(f.key(k).name.str(), "Enter") << k;
        EXPECT_EQ(f.key(k).codes[0], 28) << k;
        EXPECT_TRUE(f.key(k).groupKey()) << k;
    }
    EXPECT_EQ(f.key(3).mode(), KeyMode::Mode2);
}

TEST(KeyEditorCopy, AnsweredNoChangesNothing) {
    EditorFixture f;
    f.Program(1, {28}, "Enter");
    f.doc().RebuildCatalog();
    PickThenPopup(f, 0, 20);
    f.doc().dirty = false;
    f.view.answers = {false};
    f.editor.OnCopyKey();
    EXPECT_EQ(f.span(20).kind, SpanKind::Empty);
    EXPECT_FALSE(f.doc().dirty);
}

// --- EditKeyCodes -----------------------------------------------------------------

TEST(KeyEditorEdit, CancelChangesNothing) {
    EditorFixture f;
    f.Click(5);
    f.Capture({30}, false);
    EXPECT_EQ(f.span(5).kind, SpanKind::Empty);
    EXPECT_FALSE(f.doc().dirty);
    EXPECT_FALSE(f.editor.KeyEditActive());
}

TEST(KeyEditorEdit, CodesOnAnEmptyCellMakeASingleKeyInTheCatalogue) {
    EditorFixture f;
    f.Click(5);
    bool activeDuringDialog = false;
    f.view.onCapture = [&] { activeDuringDialog = f.editor.KeyEditActive(); };
    f.Capture({0xE0, 0x75});
    EXPECT_TRUE(activeDuringDialog);
    EXPECT_FALSE(f.editor.KeyEditActive());
    EXPECT_EQ(f.span(5).kind, SpanKind::Single);
    EXPECT_EQ(f.key(5).codes[0], 0xE0);
    EXPECT_EQ(f.key(5).codes[1], 0x75);
    EXPECT_TRUE(f.doc().dirty);
    EXPECT_EQ(f.view.listRows, std::vector<std::string>{"KEY5 *"});
    EXPECT_EQ(f.view.listRow, 0);
    EXPECT_EQ(f.view.controls.codeTextsUtf8[0], NameOfCode(0xE0, 0, {}));
    EXPECT_EQ(f.view.screen[5], KI::SelectedKey);
}

TEST(KeyEditorEdit, NoCodesOnAnEmptyCellOnlyTakeNameAndChecks) {
    EditorFixture f;
    f.Click(5);
    f.view.controls.nameLatin1 = "Named";
    f.editor.OnKeyNameChanged();
    f.view.controls.singleKey = false;
    f.editor.OnSingleKeyClicked();
    f.doc().dirty = false;
    f.Capture({});
    EXPECT_EQ(f.span(5).kind, SpanKind::Empty);
    EXPECT_EQ(f.key(5).name.str(), "Named");
    EXPECT_FALSE(f.key(5).singleKey());
    EXPECT_TRUE(f.doc().dirty);
    EXPECT_TRUE(f.view.questions.empty());
}

TEST(KeyEditorEdit, NewCodesReachThePartnerOfADoubleKey) {
    EditorFixture f;
    f.Program(3, {1}, "D");
    f.Click(3);
    f.editor.OnDoubleDown();
    f.Click(11);
    f.Capture({0x1C, 0x32});
    EXPECT_EQ(f.key(3).codes[1], 0x32);
    EXPECT_EQ(f.key(11).codes[1], 0x32);
    EXPECT_EQ(f.span(3).kind, SpanKind::Double);
}

TEST(KeyEditorEdit, NoCodesOnAKeyAsksToClearIt) {
    EditorFixture f;
    f.Program(3, {1}, "Gone");
    f.doc().RebuildCatalog();
    f.Click(3);
    f.view.answers = {false};
    f.Capture({});
    EXPECT_EQ(f.view.questions.back(), "Clear key Gone ?");
    EXPECT_EQ(f.span(3).kind, SpanKind::Single);
    EXPECT_EQ(f.key(3).codes[0], 1);

    f.Capture({}); // Yes
    EXPECT_EQ(f.span(3).kind, SpanKind::Empty);
    EXPECT_EQ(f.key(3).name.str(), "KEY3");
    EXPECT_EQ(f.view.listRows, std::vector<std::string>{"Gone"});
}

} // namespace
} // namespace vorlan::test
