#include "editor/KeyEditor.h"
#include "editor/KeyEditorSupport.h"

#include <algorithm>
#include <charconv>

namespace vorlan {
namespace {

// Names are single-byte text (as in the layout files), so the limit is a
// plain byte count.
std::string CutName(const std::string& text) {
    return text.substr(0, kMaxPanelNameBytes);
}

// A decimal integer 0..255, blanks around it allowed.
std::optional<int> ParseByte(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::nullopt;
    }
    const auto last = text.find_last_not_of(" \t");
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    int value = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc{} || ptr != end || value < 0 || value > 255) {
        return std::nullopt;
    }
    return value;
}

} // namespace

using namespace editor_detail;

// -------------------------------------------------------------------- panel

void KeyEditor::LoadPanel(int slot) {
    const KeyRecord& key = Key(slot);
    panel_.keyNumber = slot;
    panel_.groupKey = key.groupKey();
    panel_.singleKey = key.singleKey();
    panel_.mode = key.mode();
    panel_.name = key.name.str();
    panel_.codeTexts = CodeTexts(key.codes);
}

void KeyEditor::PushPanelValues() {
    PushPanel(true);
}

void KeyEditor::PushPanel(bool runNameHandling) {
    const RfidOptions& rfid = doc_.rfid;
    panel_.digitsCount = rfid.digitsCount;
    panel_.digitsTypeNum = rfid.digitsTypeNum;
    panel_.prefixText = std::to_string(rfid.prefix);
    panel_.prefixExtended = rfid.prefixExtended;
    panel_.suffixText = std::to_string(rfid.suffix);
    panel_.suffixExtended = rfid.suffixExtended;
    // The fields show valid numbers again, so a later refusal is news.
    refusedPrefix_.reset();
    refusedSuffix_.reset();
    view_.ShowPanelValues(panel_);

    const bool nameChanged = panel_.name != shownName_;
    shownName_ = panel_.name;
    if (runNameHandling && nameChanged) {
        // The name shown is the key's own, so nothing is renamed or dirtied:
        // the key only enters the catalogue and the list follows it.
        StoreInCatalog();
        SelectCatalogEntryByName();
    }
}

bool KeyEditor::TakePanelValues() {
    if (refusing_) {
        return false; // a repaint while the refusal is on screen
    }
    const PanelValues v = view_.PanelValuesFromControls();
    panel_.groupKey = v.groupKey;
    panel_.name = CutName(v.name);
    shownName_ = v.name;
    panel_.codeTexts = v.codeTexts;
    panel_.mode = std::clamp(v.mode, 0, 3);
    panel_.singleKey = v.singleKey;

    bool ok = true;
    RfidOptions rfid = doc_.rfid;
    if (const auto prefix = TakeRfidByte(RfidField::Prefix, v.prefixText)) {
        rfid.prefix = static_cast<std::uint8_t>(*prefix);
        panel_.prefixText = v.prefixText;
    } else {
        ok = false;
    }
    rfid.prefixExtended = v.prefixExtended;
    panel_.prefixExtended = v.prefixExtended;
    if (v.digitsCount >= 0 && v.digitsCount <= 255) {
        rfid.digitsCount = static_cast<std::uint8_t>(v.digitsCount);
        panel_.digitsCount = v.digitsCount;
    }
    if (const auto suffix = TakeRfidByte(RfidField::Suffix, v.suffixText)) {
        rfid.suffix = static_cast<std::uint8_t>(*suffix);
        panel_.suffixText = v.suffixText;
    } else {
        ok = false;
    }
    rfid.suffixExtended = v.suffixExtended;
    panel_.suffixExtended = v.suffixExtended;
    rfid.digitsTypeNum = v.digitsTypeNum;
    panel_.digitsTypeNum = v.digitsTypeNum;
    StoreRfid(rfid);
    return ok;
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

std::optional<int> KeyEditor::TakeRfidByte(RfidField field, const std::string& text) {
    std::optional<std::string>& refused =
        field == RfidField::Prefix ? refusedPrefix_ : refusedSuffix_;
    if (const auto value = ParseByte(text)) {
        refused.reset();
        return value;
    }
    // Values are taken on every paint as well: say it once per refused text,
    // not again until the field has been filled anew.
    if (refused != text) {
        refused = text;
        refusing_ = true;
        view_.RefuseRfidText(field, {StringId::RfidByteRange, {}});
        refusing_ = false;
    }
    return std::nullopt;
}

void KeyEditor::FillStatusBar() {
    const KeyboardSettings& s = doc_.settings;
    view_.SetStatusPane(
        0, {s.keyCount == kBlockKeys ? StringId::PaneKeyboardSingle : StringId::PaneKeyboardDouble,
            {}});
    view_.SetStatusPane(
        1, {s.keysType != 0 ? StringId::PaneKeysTypematic : StringId::PaneKeysMakeBreak, {}});
    view_.SetStatusPane(2, {s.keyBeep != 0 ? StringId::PaneBeepOn : StringId::PaneBeepOff, {}});
    view_.SetStatusPane(3, {StringId::PaneKeyDelay, {std::to_string(s.keyDelay)}});
    view_.SetStatusPane(4, {StringId::PaneKeyRate, {std::to_string(s.typematicRate)}});
    ShowPointerPanes();
}

// Panes 5 and 6 name the key under the pointer as it is now: after a rename,
// paste, drag, undo or reload as much as after a move.
void KeyEditor::ShowPointerPanes() {
    if (pointerSlot_ >= 1 && pointerSlot_ <= KeyCount()) {
        view_.SetStatusPane(6, {StringId::PaneName, {Key(pointerSlot_).name.str()}});
        view_.SetStatusPane(5, {StringId::PaneNumber, {std::to_string(pointerSlot_)}});
    } else {
        view_.SetStatusPane(6, {StringId::PaneNameNone, {}});
        view_.SetStatusPane(5, {StringId::PaneNumberNone, {}});
    }
}

void KeyEditor::KeyNameHandling() {
    TakePanelValues();
    KeyRecord& key = Key(panelKey_);
    if (panel_.name != key.name.str()) {
        doc_.MarkDirty();
    }
    key.name = panel_.name;
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
    if (panel_.singleKey != key.singleKey()) {
        doc_.MarkDirty();
    }
    key.SetSingleKey(panel_.singleKey);
    ShowKey(panelKey_);
}

void KeyEditor::OnModeClicked(int mode) {
    if (mode < 0 || mode > 2) {
        return;
    }
    StepScope step(*this, StringId::StepKeyMode);
    KeyRecord& key = Key(currentKey_);
    if (key.mode() != mode) {
        doc_.MarkDirty();
    }
    key.SetMode(mode);
    panel_.mode = mode;
}

void KeyEditor::OnSetModeForAll() {
    StepScope step(*this, StringId::StepModeForAll);
    const int mode = Key(currentKey_).mode();
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
        if (key.singleKey() != panel_.singleKey) {
            key.SetSingleKey(panel_.singleKey);
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
    panel_.singleKey = false;
    panel_.groupKey = false;
    panel_.keyNumber = 0;
    panelKey_ = 0;
    currentKey_ = 0;

    const KeyDefinition& entry =
        doc_.keyCatalog[static_cast<std::size_t>(doc_.catalogOrder[static_cast<std::size_t>(row)])];
    panel_.name = entry.name.str();
    panel_.codeTexts = CodeTexts(entry.codes);
    // The scratch record takes the entry, so that showing "no key" again (a
    // repaint) shows the same entry rather than stale scratch content.
    KeyRecord& scratch = Key(0);
    scratch.name = entry.name.str();
    scratch.codes = entry.codes;
    scratch.SetGroupKey(false);
    scratch.SetSingleKey(false);
    panel_.mode = scratch.mode();

    PushPanel(false);
    SetListRow(row);
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
    const KeyRecord& key = Key(panelKey_);
    if (!key.IsProgrammed()) {
        return;
    }
    const int count = std::min(doc_.catalogCount, kMaxCatalogEntries);
    if (const int j = doc_.FindCatalogEntry(key.name); j >= 0) {
        doc_.keyCatalog[static_cast<std::size_t>(j)].codes = key.codes;
        return;
    }
    for (int j = 0; j < count; ++j) {
        KeyDefinition& entry = doc_.keyCatalog[static_cast<std::size_t>(j)];
        if (entry.codes == key.codes) {
            entry.name = key.name.str();
            RebuildList(true);
            return;
        }
    }
    // A full catalogue takes no new entry; the key itself is unaffected.
    if (doc_.AddCatalogEntry(key.name, key.codes, true) >= 0) {
        RebuildList(true);
    }
}

void KeyEditor::SelectCatalogEntryByName() {
    const int j = doc_.FindCatalogEntry(panel_.name);
    if (j < 0) {
        return;
    }
    const int count = std::min(doc_.catalogCount, kMaxCatalogEntries);
    for (int p = 0; p < count; ++p) {
        if (doc_.catalogOrder[static_cast<std::size_t>(p)] == j) {
            SetListRow(p);
            return;
        }
    }
}

void KeyEditor::RebuildList(bool sort) {
    if (sort) {
        doc_.SortCatalog();
    }
    listRows_ = doc_.CatalogRows();
    listRow_ = -1;
    view_.FillCatalogList(listRows_);
}

void KeyEditor::SetListRow(int row) {
    listRow_ = row >= 0 && row < static_cast<int>(listRows_.size()) ? row : -1;
    view_.SelectCatalogRow(listRow_);
}

} // namespace vorlan
