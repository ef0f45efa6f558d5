#include "scancodes/ScanCodeTables.h"
#include "testing/RecordingView.h"

#include <gtest/gtest.h>

namespace vorlan::test {
namespace {

using KI = KeyImage;

TEST(KeyEditorStart, ShowsAnUntitled56KeyLayoutWithKeyOneSelected) {
    EditorFixture f;
    EXPECT_EQ(f.view.title, "untitled");
    EXPECT_EQ(f.editor.CurrentKey(), 1);
    EXPECT_EQ(f.editor.PanelKey(), 1);
    EXPECT_EQ(f.view.controls.nameLatin1, "KEY1");
    EXPECT_EQ(f.view.controls.keyNumber, 1);
    EXPECT_TRUE(f.view.controls.singleKey);
    EXPECT_EQ(f.view.controls.digitsCount, 9);
    EXPECT_TRUE(f.view.controls.digitsTypeNum);
    EXPECT_EQ(f.view.screen[1], KI::SelectedEmpty);
    for (int k = 57; k <= 112; ++k) {
        EXPECT_EQ(f.view.screen[k], KI::Unavailable) << k;
    }
    EXPECT_EQ(f.view.panes[0], "Keyboard type: Vorlan S (SN)");
    EXPECT_EQ(f.view.panes[1], "Keys type: Make-Break SCAN");
    EXPECT_EQ(f.view.panes[2], "Keys beep: Off");
    EXPECT_EQ(f.view.panes[3], "Keys delay: 2");
    EXPECT_EQ(f.view.panes[4], "Keys rate: 11");
    EXPECT_EQ(f.view.panes[5], "Number: ----");
    EXPECT_EQ(f.view.panes[6], "Name: ----");
    EXPECT_TRUE(f.view.recent.empty());
    EXPECT_FALSE(f.doc().dirty);
}

// --- hit testing, pointer and navigation ----------------------------------

TEST(KeyEditorPointer, PressSelectsTheSlotUnderThePointerOnly) {
    EditorFixture f;
    f.editor.OnPointerPress(280, 100);
    EXPECT_EQ(f.editor.CurrentKey(), 8);
    f.editor.OnPointerPress(281, 100); // block 1 of a 56-key layout
    EXPECT_EQ(f.editor.CurrentKey(), 8);
    f.editor.OnPointerPress(9, 328);
    EXPECT_EQ(f.editor.CurrentKey(), 8);
    f.editor.OnPointerPress(9, 327);
    EXPECT_EQ(f.editor.CurrentKey(), 49);
    f.UseKeyCount(112);
    f.editor.OnPointerPress(281, 100);
    EXPECT_EQ(f.editor.CurrentKey(), 57);
    EXPECT_EQ(f.view.controls.nameLatin1, "KEY57");
}

// Find, Compare and assistive tools choose a key by number: it is selected as
// a press on its cell would select it, and a key outside the grid in use is not.
TEST(KeyEditorPointer, ChoosingAKeyByNumberSelectsItAsAPressWould) {
    struct Case {
        int keyCount;
        int slot;
        int selected;
    };
    for (const Case c : {Case{56, 20, 20}, Case{56, 56, 56}, Case{56, 57, 1}, Case{56, 0, 1},
                         Case{112, 112, 112}, Case{112, 113, 1}, Case{112, -3, 1}}) {
        SCOPED_TRACE(std::to_string(c.keyCount) + " keys, slot " + std::to_string(c.slot));
        EditorFixture f;
        f.UseKeyCount(c.keyCount);
        f.view.controls.prefixLatin1 = "bad";
        f.editor.OnSelectKey(c.slot);
        EXPECT_EQ(f.editor.CurrentKey(), c.selected);
        // The panel was taken first, whatever was chosen: its bad prefix refused.
        EXPECT_EQ(f.view.refusals.size(), 1u);
    }
}

TEST(KeyEditorPointer, MoveShowsNumberAndNameOfTheSlotUnderThePointer) {
    EditorFixture f;
    f.key(10).name = "Shift";
    const GridPoint p = CellOrigin(10);
    f.editor.OnPointerMove(p.x, p.y);
    EXPECT_EQ(f.view.panes[5], "Number: 10");
    EXPECT_EQ(f.view.panes[6], "Name: Shift");
    f.editor.OnPointerMove(600, 100);
    EXPECT_EQ(f.view.panes[5], "Number: ----");
    EXPECT_EQ(f.view.panes[6], "Name: ----");
}

TEST(KeyEditorPointer, DoubleClickSelectsAndEditsWithoutTakingThePanel) {
    EditorFixture f;
    f.view.controls.prefixLatin1 = "bad";
    const GridPoint p = CellOrigin(20);
    f.editor.OnPointerDoubleClick(p.x, p.y);
    EXPECT_EQ(f.editor.CurrentKey(), 20);
    EXPECT_EQ(f.view.captureCodes.size(), 1u);
    EXPECT_TRUE(f.view.refusals.empty());
    f.editor.OnPointerDoubleClick(600, 100);
    EXPECT_EQ(f.view.captureCodes.size(), 1u);
}

TEST(KeyEditorNavigation, ArrowsAndStepButtonsMoveTheSelection) {
    EditorFixture f;
    f.UseKeyCount(112);
    f.Click(8);
    f.editor.OnArrowRight();
    EXPECT_EQ(f.editor.CurrentKey(), 57);
    f.editor.OnArrowLeft();
    EXPECT_EQ(f.editor.CurrentKey(), 8);
    f.editor.OnArrowUp(); // top row: no move
    EXPECT_EQ(f.editor.CurrentKey(), 8);
    f.editor.OnArrowDown();
    EXPECT_EQ(f.editor.CurrentKey(), 16);
    f.Click(56);
    f.editor.OnNextButton();
    EXPECT_EQ(f.editor.CurrentKey(), 57);
    f.editor.OnArrowDown();
    EXPECT_EQ(f.editor.CurrentKey(), 65);
    f.editor.OnPreviousButton();
    EXPECT_EQ(f.editor.CurrentKey(), 64);
    EXPECT_EQ(f.editor.PanelKey(), 64);
    EXPECT_EQ(f.view.controls.keyNumber, 64);
}

TEST(KeyEditorNavigation, FromNoSelectionEveryInputGivesASlotOrNoMove) {
    struct Case {
        void (KeyEditor::*input)();
        int keyCount;
        int expected; // 0: stays unselected
    };
    const Case cases[] = {
        {&KeyEditor::OnArrowRight, 56, 1},        {&KeyEditor::OnArrowRight, 112, 49},
        {&KeyEditor::OnArrowLeft, 56, 56},        {&KeyEditor::OnArrowLeft, 112, 112},
        {&KeyEditor::OnArrowUp, 56, 0},           {&KeyEditor::OnArrowDown, 56, 8},
        {&KeyEditor::OnNextButton, 112, 1},       {&KeyEditor::OnPreviousButton, 56, 56},
        {&KeyEditor::OnPreviousButton, 112, 112},
    };
    for (const Case& c : cases) {
        EditorFixture f;
        f.UseKeyCount(c.keyCount);
        f.Program(3, {22}, "Ghost");
        f.doc().RebuildCatalog();
        f.Program(3, {22}, "Other"); // the entry now names no key
        f.editor.OnCatalogPick(0);
        ASSERT_EQ(f.editor.CurrentKey(), 0);
        (f.editor.*c.input)();
        EXPECT_EQ(f.editor.CurrentKey(), c.expected) << c.keyCount << " -> " << c.expected;
    }
}

// --- drawing of the selection ---------------------------------------------

TEST(KeyEditorDrawing, LeavingAJoinedKeyRedrawsItWholeThenMarksTheNewCell) {
    EditorFixture f;
    f.Program(3, {30}, "A");
    f.Click(3);
    f.editor.OnDoubleDown();
    f.Click(11);
    EXPECT_EQ(f.view.screen[11], KI::SelectedKey); // only the lower half is marked
    f.view.draws.clear();
    f.Click(20);
    ASSERT_GE(f.view.draws.size(), 2u);
    EXPECT_EQ(f.view.draws[0], std::make_pair(3, KI::DoubleDown));
    EXPECT_EQ(f.view.draws[1], std::make_pair(20, KI::SelectedEmpty));
}

TEST(KeyEditorDrawing, DrawGridDrawsEachJoinedKeyOnceAtItsAnchor) {
    EditorFixture f;
    f.UseKeyCount(112);
    f.Program(1, {1}, "Q");
    f.Click(1);
    f.editor.OnQuad();
    f.Program(5, {2}, "R");
    f.Click(5);
    f.editor.OnDoubleRight();
    f.Program(60, {3}, "S");
    f.view.draws.clear();
    f.editor.DrawGrid();
    std::map<int, KI> drawn;
    for (const auto& [slot, image] : f.view.draws) {
        EXPECT_TRUE(drawn.emplace(slot, image).second) << "drawn twice: " << slot;
    }
    EXPECT_EQ(drawn[1], KI::Quad);
    EXPECT_EQ(drawn.count(2) + drawn.count(9) + drawn.count(10), 0u);
    EXPECT_EQ(drawn[5], KI::DoubleRight);
    EXPECT_EQ(drawn.count(6), 0u);
    EXPECT_EQ(drawn[60], KI::Single);
    EXPECT_EQ(drawn[112], KI::Empty);
    EXPECT_EQ(drawn.size(), 112u - 3 - 1);
}

TEST(KeyEditorDrawing, PaintRedrawsTheGridAndMarksTheCurrentKey) {
    EditorFixture f;
    f.Click(12);
    f.view.screen.clear();
    f.editor.OnPaintRequest();
    EXPECT_EQ(f.view.screen[12], KI::SelectedEmpty);
    EXPECT_EQ(f.view.screen[13], KI::Empty);
    EXPECT_EQ(f.view.screen[100], KI::Unavailable);
}

// --- joins -------------------------------------------------------------------

TEST(KeyEditorJoin, DownCopiesTheKeyAndGroupsBothCells) {
    EditorFixture f;
    f.Program(10, {28, 0xE0, 0x5A}, "Enter");
    f.key(18).SetMode(KeyMode::Mode3);
    f.Click(10);
    f.doc().dirty = false;
    const int group = f.doc().nextGroupNumber;
    f.editor.OnDoubleDown();
    EXPECT_EQ(f.span(10).kind, SpanKind::Double);
    EXPECT_EQ(f.span(18).kind, SpanKind::Double);
    EXPECT_EQ(f.span(10).partners[0], 18);
    EXPECT_EQ(f.span(18).partners[0], 10);
    EXPECT_EQ(f.key(18).name.str(), "Enter");
    EXPECT_EQ(f.key(18).codes, f.key(10).codes);
    EXPECT_TRUE(f.key(10).groupKey());
    EXPECT_TRUE(f.key(18).groupKey());
    EXPECT_EQ(f.key(10).groupNumber, group);
    EXPECT_EQ(f.key(18).groupNumber, group);
    EXPECT_EQ(f.key(18).mode(), KeyMode::Mode3);
    EXPECT_EQ(f.doc().nextGroupNumber, group + 1);
    EXPECT_TRUE(f.doc().dirty);
    EXPECT_EQ(f.view.screen[10], KI::SelectedKey); // the tall image, then the mark
    bool tall = false;
    for (const auto& d : f.view.draws) {
        tall = tall || d == std::make_pair(10, KI::DoubleDown);
    }
    EXPECT_TRUE(tall);
}

TEST(KeyEditorJoin, QuadSetsPartnersOfAllFourCells) {
    EditorFixture f;
    f.Program(20, {5}, "Big");
    f.Click(20);
    f.editor.OnQuad();
    const std::array<std::array<int, 3>, 4> expected = {
        {{21, 28, 29}, {20, 28, 29}, {20, 21, 29}, {20, 21, 28}}};
    const int cells[] = {20, 21, 28, 29};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(f.span(cells[i]).kind, SpanKind::Quad);
        for (int p = 0; p < 3; ++p) {
            EXPECT_EQ(f.span(cells[i]).partners[static_cast<std::size_t>(p)],
                      expected[static_cast<std::size_t>(i)][static_cast<std::size_t>(p)]);
        }
        EXPECT_EQ(f.key(cells[i]).name.str(), "Big");
    }
}

TEST(KeyEditorJoin, RefusedJoinsChangeNothing) {
    struct Case {
        const char* what;
        int keyCount, slot;
        void (KeyEditor::*join)();
        int blocker; // a programmed cell in the way, or 0
    };
    const Case cases[] = {
        {"right from last column", 56, 8, &KeyEditor::OnDoubleRight, 0},
        {"down from last row", 56, 49, &KeyEditor::OnDoubleDown, 0},
        {"down across the blocks", 112, 56, &KeyEditor::OnDoubleDown, 0},
        {"quad in last column", 56, 16, &KeyEditor::OnQuad, 0},
        {"right onto a key", 56, 3, &KeyEditor::OnDoubleRight, 4},
        {"down onto a key", 56, 3, &KeyEditor::OnDoubleDown, 11},
        {"quad onto a key below right", 56, 3, &KeyEditor::OnQuad, 12},
        {"empty cell", 56, 30, &KeyEditor::OnDoubleRight, -1},
    };
    for (const Case& c : cases) {
        EditorFixture f;
        f.UseKeyCount(c.keyCount);
        if (c.blocker >= 0) {
            f.Program(c.slot, {7}, "K");
        }
        if (c.blocker > 0) {
            f.Program(c.blocker, {8}, "B");
        }
        f.Click(c.slot);
        f.doc().dirty = false;
        const LayoutDocument before = f.doc();
        (f.editor.*c.join)();
        EXPECT_FALSE(f.doc().dirty) << c.what;
        EXPECT_EQ(f.doc().nextGroupNumber, before.nextGroupNumber) << c.what;
        for (int k = 1; k <= 112; ++k) {
            EXPECT_EQ(f.span(k).kind, before.spans[static_cast<std::size_t>(k)].kind) << c.what;
        }
    }
}

TEST(KeyEditorJoin, DownIsAllowedInTheRightBlockOfADoubleKeyboard) {
    EditorFixture f;
    f.UseKeyCount(112);
    f.Program(57, {9}, "R");
    f.Click(57);
    f.editor.OnDoubleDown();
    EXPECT_EQ(f.span(65).kind, SpanKind::Double);
}

TEST(KeyEditorJoin, GroupNumbersWrapFrom255ToZero) {
    EditorFixture f;
    f.doc().nextGroupNumber = 255;
    f.Program(1, {1}, "A");
    f.Click(1);
    f.editor.OnDoubleRight();
    EXPECT_EQ(f.key(2).groupNumber, 255);
    EXPECT_EQ(f.doc().nextGroupNumber, 0);
}

// --- popup menu ----------------------------------------------------------------

TEST(KeyEditorPopup, EnablesOnlyWhatApplies) {
    EditorFixture f;
    const auto at = [&f](int k) {
        const GridPoint p = CellOrigin(k);
        return f.editor.OnContextMenu(p.x + 1, p.y + 1);
    };
    EXPECT_FALSE(f.editor.OnContextMenu(600, 100).has_value());

    auto items = at(5); // empty cell, empty layout
    ASSERT_TRUE(items);
    EXPECT_EQ(*items, PopupMenuItems{});
    EXPECT_EQ(f.editor.CurrentKey(), 5);

    f.Program(3, {1}, "A");
    f.Program(12, {2}, "B"); // below right of 3
    items = at(3);
    EXPECT_TRUE(items->toRight);
    EXPECT_TRUE(items->toDown);
    EXPECT_FALSE(items->quad);
    EXPECT_FALSE(items->single);
    EXPECT_TRUE(items->clearKey);
    EXPECT_TRUE(items->clearAll);

    items = at(8); // last column, last row of a single block
    EXPECT_FALSE(items->toRight);
    items = at(49);
    EXPECT_FALSE(items->toDown);
    EXPECT_FALSE(items->clearKey);

    f.Click(3);
    f.editor.OnDoubleRight();
    items = at(4);
    EXPECT_TRUE(items->single);
    EXPECT_FALSE(items->toRight || items->toDown || items->quad);
    EXPECT_TRUE(items->clearKey);
}

TEST(KeyEditorPopup, CopyKeyNeedsAListRowWithText) {
    EditorFixture f;
    const GridPoint p = CellOrigin(20);
    EXPECT_FALSE(f.editor.OnContextMenu(p.x, p.y)->copyKey); // empty list
    f.Program(3, {1}, "");
    f.doc().RebuildCatalog(); // selects the first row, " *"
    EXPECT_TRUE(f.editor.OnContextMenu(p.x, p.y)->copyKey);
    f.Click(3);
    f.editor.OnClearKey(); // the row's text becomes empty
    ASSERT_EQ(f.view.listRows, std::vector<std::string>{""});
    EXPECT_FALSE(f.editor.OnContextMenu(p.x, p.y)->copyKey);
}

// --- Single, Clear Key, Clear All --------------------------------------------

TEST(KeyEditorSingle, SplitsAQuadIntoFourEqualSingleKeysWithoutDirtying) {
    EditorFixture f;
    f.Program(1, {44, 45}, "Q");
    f.Click(1);
    f.editor.OnQuad();
    f.Click(10);
    f.doc().dirty = false;
    f.editor.OnSingle();
    for (int k : {1, 2, 9, 10}) {
        EXPECT_EQ(f.span(k).kind, SpanKind::Single) << k;
        EXPECT_EQ(f.key(k).name.str(), "Q");
        EXPECT_EQ(f.key(k).codes[1], 45);
        EXPECT_FALSE(f.key(k).groupKey());
        EXPECT_EQ(f.span(k).partners[0], 0);
    }
    EXPECT_FALSE(f.doc().dirty);
    EXPECT_EQ(f.view.screen[2], KI::Single);
    EXPECT_EQ(f.view.screen[10], KI::SelectedKey);
}

TEST(KeyEditorClear, ClearKeyOnTheLowerCellClearsTheWholeDoubleKey) {
    EditorFixture f;
    f.Program(3, {1}, "Tall");
    f.Click(3);
    f.editor.OnDoubleDown();
    f.Click(11);
    f.doc().dirty = false;
    f.editor.OnClearKey();
    EXPECT_EQ(f.view.questions.back(), "Clear key Tall ?");
    EXPECT_EQ(f.span(3).kind, SpanKind::Empty);
    EXPECT_EQ(f.span(11).kind, SpanKind::Empty);
    EXPECT_EQ(f.key(3).name.str(), "KEY3");
    EXPECT_EQ(f.key(11).name.str(), "KEY11");
    EXPECT_EQ(f.view.screen[3], KI::Empty);
    EXPECT_EQ(f.view.screen[11], KI::SelectedEmpty);
    EXPECT_TRUE(f.doc().dirty);
}

TEST(KeyEditorClear, AnsweredNoOrOnAnEmptyCellChangesNothing) {
    EditorFixture f;
    f.Program(5, {1}, "A");
    f.Click(5);
    f.doc().dirty = false;
    f.view.answers = {false};
    f.editor.OnClearKey();
    EXPECT_EQ(f.span(5).kind, SpanKind::Single);
    EXPECT_FALSE(f.doc().dirty);

    f.Click(6);
    f.view.ClearRecords();
    f.editor.OnClearKey();
    EXPECT_TRUE(f.view.questions.empty());
    EXPECT_TRUE(f.view.draws.empty()); // not even ShowKey
}

TEST(KeyEditorClear, CatalogueEntryStaysInLayoutWhileAnotherKeyCarriesIt) {
    EditorFixture f;
    f.Program(5, {1}, "Twin");
    f.Program(7, {1}, "Twin");
    f.doc().RebuildCatalog();
    ASSERT_EQ(f.view.listRows, std::vector<std::string>{"Twin *"});
    f.Click(5);
    f.editor.OnClearKey();
    EXPECT_EQ(f.view.listRows, std::vector<std::string>{"Twin *"});
    f.Click(7);
    f.editor.OnClearKey();
    EXPECT_EQ(f.view.listRows, std::vector<std::string>{"Twin"});
    EXPECT_FALSE(f.doc().keyCatalog[0].inLayout);
}

TEST(KeyEditorClear, ClearAllYesEmptiesEverythingAndUnbindsTheFile) {
    EditorFixture f;
    f.UseKeyCount(112);
    f.Program(2, {1}, "b");
    f.Program(90, {2}, "a");
    f.doc().RebuildCatalog();
    f.doc().filePath = "/somewhere/layout.txt";
    f.view.title = "kept";
    f.Click(90);
    f.editor.OnClearAll();
    EXPECT_EQ(f.view.questions.back(), "Clear all keys ?");
    EXPECT_TRUE(f.doc().filePath.empty());
    EXPECT_EQ(f.view.title, "kept");
    EXPECT_FALSE(f.doc().HasProgrammedKey());
    EXPECT_EQ(f.view.listRows, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(f.view.listRow, 0);
    EXPECT_EQ(f.editor.CurrentKey(), 1);
    EXPECT_TRUE(f.doc().dirty);
}

TEST(KeyEditorClear, ClearAllNoStillRebuildsTheListAndSelectsSlotOne) {
    EditorFixture f;
    f.Program(9, {1}, "x");
    f.doc().RebuildCatalog();
    f.Click(9);
    f.Click(10);
    f.doc().dirty = false;
    f.view.answers = {false};
    f.editor.OnClearAll();
    EXPECT_EQ(f.span(9).kind, SpanKind::Single);
    EXPECT_EQ(f.editor.CurrentKey(), 1);
    EXPECT_EQ(f.view.listRow, 0);
    EXPECT_FALSE(f.doc().dirty);
}

} // namespace
} // namespace vorlan::test
