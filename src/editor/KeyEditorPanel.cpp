#include "editor/KeyEditor.h"

#include <algorithm>

namespace vorlan {
namespace {

// The fields whose consecutive edits make one history step.
enum MergeField : int {
    kMergeKeyName = 1,
    kMergeRfidPrefix,
    kMergeRfidSuffix,
    kMergeRfidDigits,
};

} // namespace

// -------------------------------------------------------------------- panel

void KeyEditor::PushPanelValues() {
    PushPanel(true);
}

void KeyEditor::PushPanel(bool runNameHandling) {
    if (panel_.Show(doc_.rfid) && runNameHandling) {
        // The name shown is the key's own, so nothing is renamed or dirtied:
        // the key only enters the catalogue and the list follows it.
        StoreInCatalog();
        SelectCatalogEntryByName();
    }
}

bool KeyEditor::TakePanelValues() {
    const std::optional<KeyPanel::Taken> taken = panel_.Take(doc_.rfid);
    if (!taken) {
        return false; // a repaint while a refusal is on screen
    }
    StoreRfid(taken->rfid);
    return taken->ok;
}

void KeyEditor::StoreRfid(const RfidOptions& rfid) {
    const RfidOptions& was = doc_.rfid;
    // Typing in a text field (or stepping the digit count) is one step until
    // another option changes; each click on a box is a step of its own.
    MergeKey merge;
    if (rfid.prefix != was.prefix) {
        merge = {kMergeRfidPrefix, 0};
    } else if (rfid.suffix != was.suffix) {
        merge = {kMergeRfidSuffix, 0};
    } else if (rfid.digitsCount != was.digitsCount) {
        merge = {kMergeRfidDigits, 0};
    } else if (rfid.prefixExtended == was.prefixExtended &&
               rfid.suffixExtended == was.suffixExtended &&
               rfid.digitsTypeNum == was.digitsTypeNum) {
        return;
    }
    // Taken within a command, the options join its step; taken on their own
    // (on a paint or a click after an edit) they are a step of their own.
    std::optional<StepScope> step;
    if (stepDepth_ == 0) {
        step.emplace(*this, StringId::StepRfidOptions, merge);
    }
    doc_.rfid = rfid;
}

void KeyEditor::KeyNameHandling() {
    TakePanelValues();
    KeyRecord& key = Key(panelKey_);
    if (panel_.Values().nameLatin1 != key.name.str()) {
        doc_.MarkDirty();
    }
    key.name = panel_.Values().nameLatin1;
    ShowKey(panelKey_);
    StoreInCatalog();
    SelectCatalogEntryByName();
}

void KeyEditor::OnKeyNameChanged() {
    StepScope step(*this, StringId::StepKeyName, {kMergeKeyName, panelKey_});
    KeyNameHandling();
}

void KeyEditor::OnSingleKeyClicked() {
    StepScope step(*this, StringId::StepSingleKeyFlag);
    TakePanelValues();
    KeyRecord& key = Key(panelKey_);
    if (panel_.Values().singleKey != key.singleKey()) {
        doc_.MarkDirty();
    }
    key.SetSingleKey(panel_.Values().singleKey);
    ShowKey(panelKey_);
}

void KeyEditor::OnModeClicked(KeyMode mode) {
    if (mode == KeyMode::Unnamed) {
        return;
    }
    StepScope step(*this, StringId::StepKeyMode);
    KeyRecord& key = Key(currentKey_);
    if (key.mode() != mode) {
        doc_.MarkDirty();
    }
    key.SetMode(mode);
    panel_.Values().mode = mode;
}

void KeyEditor::OnSetModeForAll() {
    StepScope step(*this, StringId::StepModeForAll);
    const KeyMode mode = Key(currentKey_).mode();
    bool changed = false;
    for (int s = 1; s <= KeyCount(); ++s) {
        KeyRecord& key = Key(s);
        if (key.mode() != mode) {
            key.SetMode(mode);
            changed = true;
        }
    }
    if (changed) {
        doc_.MarkDirty();
    }
}

void KeyEditor::OnSetFlagForAll() {
    StepScope step(*this, StringId::StepFlagForAll);
    TakePanelValues();
    bool changed = false;
    for (int s = 1; s <= KeyCount(); ++s) {
        KeyRecord& key = Key(s);
        if (key.singleKey() != panel_.Values().singleKey) {
            key.SetSingleKey(panel_.Values().singleKey);
            changed = true;
        }
    }
    if (changed) {
        doc_.MarkDirty();
    }
    TakePanelValues();
}

void KeyEditor::OnRfidFieldEdited() {
    // The options reach the document (and the history) when the panel is
    // taken, on the next paint or click.
    doc_.MarkDirty();
}

void KeyEditor::OnCatalogPick(int row) {
    if (row < 0 || row >= std::min(doc_.catalogCount, kMaxCatalogEntries)) {
        return;
    }
    PanelValues& shown = panel_.Values();
    shown.singleKey = false;
    shown.groupKey = false;
    shown.keyNumber = 0;
    panelKey_ = 0;
    currentKey_ = 0;

    const KeyDefinition& entry =
        doc_.keyCatalog[static_cast<std::size_t>(doc_.catalogOrder[static_cast<std::size_t>(row)])];
    shown.nameLatin1 = entry.name.str();
    shown.codeTextsUtf8 = CodeTexts(entry.codes, naming_);
    shown.typesUtf8 = TypesText(entry.codes, naming_);
    // The scratch record takes the entry, so that showing "no key" again (a
    // repaint) shows the same entry rather than stale scratch content.
    KeyRecord& scratch = Key(0);
    scratch.name = entry.name.str();
    scratch.codes = entry.codes;
    scratch.SetGroupKey(false);
    scratch.SetSingleKey(false);
    shown.mode = scratch.mode();

    PushPanel(false);
    list_.SetRow(row);
    DrawGrid();

    for (int s = 1; s <= KeyCount(); ++s) {
        if (Key(s).name.str() == entry.name.str()) {
            currentKey_ = s;
            panelKey_ = s;
            ShowKey(s);
            break;
        }
    }
}

// ---------------------------------------------------------------- catalogue

void KeyEditor::StoreInCatalog() {
    list_.Store(Key(panelKey_));
}

void KeyEditor::SelectCatalogEntryByName() {
    list_.SelectByName(panel_.Values().nameLatin1);
}

} // namespace vorlan
