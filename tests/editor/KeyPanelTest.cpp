#include "testing/RecordingView.h"

#include <gtest/gtest.h>

namespace vorlan::test {
namespace {

using KI = KeyImage;

void Type(EditorFixture& f, const std::string& text) {
    f.view.controls.nameLatin1 = text;
    f.editor.OnKeyNameChanged();
}

bool AnyCellMarked(const RecordingView& view) {
    for (const auto& [slot, image] : view.screen) {
        if (image == KI::SelectedKey || image == KI::SelectedEmpty) {
            return true;
        }
    }
    return false;
}

// --- key name and catalogue ---------------------------------------------------

TEST(KeyPanelName, TypingRenamesTheCatalogueEntryAndKeepsItSelected) {
    EditorFixture f;
    f.Program(2, {10}, "Zulu");
    f.Program(4, {11}, "Mike");
    f.doc().RebuildCatalog();
    f.Click(4);
    f.doc().dirty = false;
    Type(f, "Mik");
    EXPECT_TRUE(f.doc().dirty);
    EXPECT_EQ(f.view.listRows, (std::vector<std::string>{"Mik *", "Zulu *"}));
    EXPECT_EQ(f.view.listRow, 0);
    Type(f, "Alpha");
    EXPECT_EQ(f.view.listRows, (std::vector<std::string>{"Alpha *", "Zulu *"}));
    EXPECT_EQ(f.view.listRow, 0);
    Type(f, "alpha");
    EXPECT_EQ(f.view.listRows, (std::vector<std::string>{"Zulu *", "alpha *"}));
    EXPECT_EQ(f.view.listRow, 1);
    EXPECT_EQ(f.key(4).name.str(), "alpha");
}

TEST(KeyPanelName, TypingAnotherEntrysNameGivesThatEntryTheShownCodes) {
    EditorFixture f;
    f.Program(2, {10}, "Zulu");
    f.Program(4, {11}, "Mike");
    f.doc().RebuildCatalog();
    f.Click(4);
    Type(f, "Zul");  // renames Mike's entry
    Type(f, "Zulu"); // now the name of the other entry
    const int zulu = f.doc().FindCatalogEntry("Zulu");
    ASSERT_GE(zulu, 0);
    EXPECT_EQ(f.doc().keyCatalog[static_cast<std::size_t>(zulu)].codes[0], 11);
    EXPECT_GE(f.doc().FindCatalogEntry("Zul"), 0); // keeps its last name
    EXPECT_EQ(f.doc().catalogCount, 2);
}

TEST(KeyPanelName, KeysWithoutCodesNeverEnterTheCatalogue) {
    EditorFixture f;
    f.Click(6);
    Type(f, "Blank");
    f.Click(7);
    EXPECT_EQ(f.doc().catalogCount, 0);
    EXPECT_TRUE(f.view.listRows.empty());
    EXPECT_EQ(f.key(6).name.str(), "Blank");
}

TEST(KeyPanelName, NamesAreCutTo99Bytes) {
    EditorFixture f;
    f.Click(6);
    f.Capture({0x1C});
    Type(f, std::string(98, 'a') + "\xA9\xE9tail");
    EXPECT_EQ(f.key(6).name.str(), std::string(98, 'a') + "\xA9");
    EXPECT_EQ(f.view.listRows[0], std::string(98, 'a') + "\xA9 *");
    Type(f, std::string(150, 'n'));
    EXPECT_EQ(f.key(6).name.size(), kMaxPanelNameBytes);
    EXPECT_EQ(f.doc().catalogCount, 1); // the same entry, renamed
}

TEST(KeyPanelName, LoadingALongNameFromAFileDoesNotDirtyTheLayout) {
    EditorFixture f;
    f.Program(9, {3}, std::string(102, 'L'));
    f.doc().dirty = false;
    f.Click(9);
    f.Click(10);
    EXPECT_FALSE(f.doc().dirty);
    EXPECT_EQ(f.key(9).name.size(), 102u);
}

TEST(KeyPanelCatalogue, AFullCatalogueTakesNoNewEntry) {
    EditorFixture f;
    for (int j = 0; j < kMaxCatalogEntries; ++j) {
        KeyCodes codes{};
        codes[0] = 1 + j % 200;
        codes[1] = j / 200 + 1;
        ASSERT_GE(f.doc().AddCatalogEntry("E" + std::to_string(1000 + j), codes, false), 0);
    }
    f.Click(5);
    f.Capture({0x1C, 0x1C, 0x1C});
    f.Click(6);
    EXPECT_EQ(f.doc().catalogCount, kMaxCatalogEntries);
    EXPECT_EQ(f.doc().FindCatalogEntry("KEY5"), -1);
    EXPECT_EQ(f.span(5).kind, SpanKind::Single); // the key itself is kept
    EXPECT_EQ(f.key(5).codes[2], 0x1C);
}

// --- list pick and the scratch record ------------------------------------------

TEST(KeyPanelPick, AnEntryThatNamesAKeySelectsThatKey) {
    EditorFixture f;
    f.Program(2, {10}, "B");
    f.Program(30, {11}, "A");
    f.doc().RebuildCatalog();
    f.editor.OnCatalogPick(1); // "B *"
    EXPECT_EQ(f.editor.CurrentKey(), 2);
    EXPECT_EQ(f.editor.PanelKey(), 2);
    EXPECT_EQ(f.view.listRow, 1);
    EXPECT_EQ(f.view.screen[2], KI::SelectedKey);
}

TEST(KeyPanelPick, AnEntryNoKeyCarriesShowsItWithNoKeySelected) {
    EditorFixture f;
    f.Program(3, {0x1C, 0x32}, "Lost");
    f.doc().RebuildCatalog();
    f.Program(3, {0x1C}, "Renamed");
    f.editor.OnCatalogPick(0);
    EXPECT_EQ(f.editor.CurrentKey(), 0);
    EXPECT_EQ(f.view.controls.keyNumber, 0);
    EXPECT_EQ(f.view.controls.nameLatin1, "Lost");
    EXPECT_FALSE(f.view.controls.codeTextsUtf8[1].empty());
    EXPECT_FALSE(AnyCellMarked(f.view));
    // A repaint shows the same entry, still with no cell marked.
    f.editor.OnPaintRequest();
    EXPECT_EQ(f.view.controls.nameLatin1, "Lost");
    EXPECT_FALSE(AnyCellMarked(f.view));
}

TEST(KeyPanelPick, WithNoKeySelectedThePanelEditsOnlyTheScratchRecord) {
    EditorFixture f;
    f.Program(3, {7}, "Lost");
    f.doc().RebuildCatalog();
    f.Program(3, {7}, "Other");
    f.editor.OnCatalogPick(0);
    f.view.controls.singleKey = true;
    f.editor.OnSingleKeyClicked();
    f.editor.OnModeClicked(KeyMode::Mode3);
    for (int k = 1; k <= 112; ++k) {
        ASSERT_EQ(f.key(k).mode(), KeyMode::Mode1) << k;
    }
    EXPECT_EQ(f.key(0).mode(), KeyMode::Mode3);
    EXPECT_TRUE(f.key(0).singleKey());
    f.editor.OnSetModeForAll();
    for (int k = 1; k <= 56; ++k) {
        EXPECT_EQ(f.key(k).mode(), KeyMode::Mode3) << k;
    }
    EXPECT_EQ(f.key(57).mode(), KeyMode::Mode1);
}

TEST(KeyPanelPick, EditingCodesWithNoKeySelectedUpdatesThePickedEntryOnly) {
    EditorFixture f;
    f.Program(3, {7}, "Lost");
    f.doc().RebuildCatalog();
    f.Program(3, {7}, "Other");
    f.editor.OnCatalogPick(0);
    f.Capture({0x1C, 0x2C});
    EXPECT_EQ(f.span(0).kind, SpanKind::Empty);
    EXPECT_EQ(f.doc().keyCatalog[0].codes[1], 0x2C);
    EXPECT_EQ(f.key(3).codes[1], 0);
    EXPECT_FALSE(AnyCellMarked(f.view));
}

// --- flags and modes -----------------------------------------------------------

TEST(KeyPanelFlags, SingleKeyAndModeChangeOnlyTheShownCellAndDirtyOnlyOnChange) {
    EditorFixture f;
    f.Program(3, {1}, "J");
    f.Click(3);
    f.editor.OnDoubleRight();
    f.doc().dirty = false;
    f.view.controls.singleKey = true; // unchanged
    f.editor.OnSingleKeyClicked();
    EXPECT_FALSE(f.doc().dirty);
    f.view.controls.singleKey = false;
    f.editor.OnSingleKeyClicked();
    EXPECT_TRUE(f.doc().dirty);
    EXPECT_FALSE(f.key(3).singleKey());
    EXPECT_TRUE(f.key(4).singleKey());

    f.doc().dirty = false;
    f.editor.OnModeClicked(KeyMode::Mode1);
    EXPECT_FALSE(f.doc().dirty);
    f.view.draws.clear();
    f.editor.OnModeClicked(KeyMode::Mode2);
    EXPECT_TRUE(f.doc().dirty);
    EXPECT_EQ(f.key(3).mode(), KeyMode::Mode2);
    EXPECT_EQ(f.key(4).mode(), KeyMode::Mode1);
    EXPECT_TRUE(f.view.draws.empty());
}

TEST(KeyPanelFlags, ForAllButtonsReachTheUsableKeysOnly) {
    for (int n : {56, 112}) {
        EditorFixture f;
        f.UseKeyCount(n);
        f.Click(5);
        f.editor.OnModeClicked(KeyMode::Mode3);
        f.doc().dirty = false;
        f.editor.OnSetModeForAll();
        EXPECT_TRUE(f.doc().dirty);
        f.view.controls.singleKey = false;
        f.editor.OnSetFlagForAll();
        for (int k = 1; k <= 112; ++k) {
            EXPECT_EQ(f.key(k).mode(), k <= n ? KeyMode::Mode3 : KeyMode::Mode1) << k;
            EXPECT_EQ(f.key(k).singleKey(), k > n) << k;
        }
        f.doc().dirty = false;
        f.editor.OnSetModeForAll();
        f.editor.OnSetFlagForAll();
        EXPECT_FALSE(f.doc().dirty) << "nothing changed the second time";
    }
}

// --- RFID fields ---------------------------------------------------------------

TEST(KeyPanelRfid, ValuesReachTheDocumentWhenThePanelIsTaken) {
    EditorFixture f;
    f.view.controls.prefixLatin1 = " 200 ";
    f.view.controls.suffixLatin1 = "7";
    f.view.controls.prefixExtended = true;
    f.view.controls.digitsTypeNum = false;
    f.view.controls.digitsCount = 13;
    f.editor.OnRfidFieldEdited();
    EXPECT_TRUE(f.doc().dirty);
    EXPECT_EQ(f.doc().rfid.prefix, 0); // not yet taken
    f.Click(2);
    EXPECT_EQ(f.doc().rfid.prefix, 200);
    EXPECT_EQ(f.doc().rfid.suffix, 7);
    EXPECT_TRUE(f.doc().rfid.prefixExtended);
    EXPECT_FALSE(f.doc().rfid.digitsTypeNum);
    EXPECT_EQ(f.doc().rfid.digitsCount, 13);
    EXPECT_EQ(f.view.controls.prefixLatin1, "200");
}

TEST(KeyPanelRfid, RefusedTextIsReportedOnceAndTheOtherFieldsAreStillTaken) {
    const char* bad[] = {"", "256", "-1", "12a", "0x10", "abc"};
    for (const char* text : bad) {
        EditorFixture f;
        f.doc().rfid.prefix = 5;
        f.view.controls.prefixLatin1 = text;
        f.view.controls.suffixLatin1 = "9";
        int nestedPaints = 0;
        f.view.onRefuse = [&] {
            // The message box covers the window: repaints arrive while it is open.
            ++nestedPaints;
            f.editor.OnPaintRequest();
        };
        f.editor.OnPaintRequest();
        EXPECT_EQ(f.view.refusals.size(), 1u) << text;
        EXPECT_EQ(nestedPaints, 1);
        EXPECT_EQ(f.view.refusals[0].first, RfidField::Prefix);
        EXPECT_EQ(f.view.refusals[0].second.English(),
                  "Please enter an integer between 0 and 255.");
        EXPECT_EQ(f.doc().rfid.prefix, 5) << text;
        EXPECT_EQ(f.doc().rfid.suffix, 9) << text;
        EXPECT_EQ(f.view.controls.prefixLatin1, "5"); // the field shows the kept value
        // Later repaints find a valid field and say nothing.
        f.editor.OnPaintRequest();
        f.editor.OnPaintRequest();
        EXPECT_EQ(f.view.refusals.size(), 1u) << text;
    }
}

TEST(KeyPanelRfid, TheSameTextTakenTwiceInOneCommandIsRefusedOnce) {
    EditorFixture f;
    f.view.controls.suffixLatin1 = "999";
    f.editor.OnSetFlagForAll(); // takes the panel twice
    EXPECT_EQ(f.view.refusals.size(), 1u);
    EXPECT_EQ(f.view.refusals[0].first, RfidField::Suffix);
}

TEST(KeyPanelRfid, PushingValuesNeverDirtiesTheLayout) {
    EditorFixture f;
    f.doc().rfid.prefix = 44; // as a file brings it
    f.editor.PushPanelValues();
    EXPECT_EQ(f.view.controls.prefixLatin1, "44");
    EXPECT_FALSE(f.doc().dirty);
}

// --- keyboard settings ----------------------------------------------------------

TEST(KeyPanelSettings, OkAppliesTheValuesSelectsKeyOneAndFillsTheStatusBar) {
    EditorFixture f;
    f.Click(20);
    f.view.settingsAnswer = KeyboardSettingsValues{KeyboardSize::Double, 1, 1, 3, 31, 200};
    f.editor.OnFileSettings();
    ASSERT_EQ(f.view.settingsShown.size(), 1u);
    EXPECT_EQ(f.view.settingsShown[0],
              (KeyboardSettingsValues{KeyboardSize::Single, 0, 0, 2, 11, 3}));
    const KeyboardSettings& s = f.doc().settings;
    EXPECT_EQ(s.keyCount, 112);
    EXPECT_EQ(s.keysType, 1);
    EXPECT_EQ(s.keyBeep, 1);
    EXPECT_EQ(s.keyDelay, 3);
    EXPECT_EQ(s.typematicRate, 31);
    EXPECT_EQ(s.keysPause, 200);
    EXPECT_EQ(f.editor.CurrentKey(), 1);
    EXPECT_TRUE(f.doc().dirty);
    for (int k = 57; k <= 112; ++k) {
        EXPECT_EQ(f.view.screen[k], KI::Empty) << k;
    }
    EXPECT_EQ(f.view.panes[0], "Keyboard type: Vorlan D");
    EXPECT_EQ(f.view.panes[1], "Keys type: Typematic SCAN");
    EXPECT_EQ(f.view.panes[2], "Keys beep: On");
    EXPECT_EQ(f.view.panes[3], "Keys delay: 3");
    EXPECT_EQ(f.view.panes[4], "Keys rate: 31");
}

TEST(KeyPanelSettings, GoingFrom112To56KeysEmptiesTheRightBlockForGood) {
    EditorFixture f;
    f.UseKeyCount(112);
    f.Program(70, {5}, "Right");
    f.view.settingsAnswer = KeyboardSettingsValues{KeyboardSize::Single, 0, 0, 2, 11, 3};
    f.editor.OnFileSettings();
    EXPECT_EQ(f.doc().settings.keyCount, 56);
    EXPECT_FALSE(f.doc().IsProgrammed(70));
    EXPECT_EQ(f.key(70).name.str(), "KEY70");
    EXPECT_EQ(f.view.screen[70], KI::Unavailable);
    EXPECT_TRUE(f.doc().dirty);
    f.view.settingsAnswer = KeyboardSettingsValues{KeyboardSize::Double, 0, 0, 2, 11, 3};
    f.editor.OnFileSettings();
    EXPECT_FALSE(f.doc().IsProgrammed(70));
    EXPECT_EQ(f.view.screen[70], KI::Empty);
}

TEST(KeyPanelSettings, CancelKeepsTheSettingsButResetsTheUnusedBlock) {
    EditorFixture f;
    f.Click(9);
    f.Program(80, {5}, "Stray"); // as a 56-key file can never bring it, but still
    f.view.settingsAnswer.reset();
    f.view.draws.clear();
    f.editor.OnFileSettings();
    EXPECT_EQ(f.doc().settings.keyCount, 56);
    EXPECT_EQ(f.editor.CurrentKey(), 9);
    EXPECT_FALSE(f.doc().IsProgrammed(80));
    EXPECT_EQ(f.view.screen[80], KI::Unavailable);
    EXPECT_FALSE(f.doc().dirty);
    EXPECT_EQ(f.view.panes[0], "Keyboard type: Vorlan S (SN)");
}

TEST(KeyPanelSettings, OkWithoutAChangeLeavesTheLayoutClean) {
    EditorFixture f;
    f.view.settingsAnswer = KeyboardSettingsValues{KeyboardSize::Single, 0, 0, 2, 11, 3};
    f.editor.OnFileSettings();
    EXPECT_FALSE(f.doc().dirty);
}

} // namespace
} // namespace vorlan::test
