#include "grid/KeyEditor.h"

#include "grid/GridGeometry.h"
#include "layout/LayoutFile.h"
#include "scancodes/ScanCodeTables.h"

#include <algorithm>
#include <charconv>

namespace vorlan {
namespace {

bool IsKey(int slot) {
    return slot >= 1 && slot <= kMaxKeys;
}

// Names are single-byte text (as in the layout files), so the limit is a
// plain byte count.
std::string CutName(const std::string& text) {
    return text.substr(0, kMaxPanelNameBytes);
}

std::array<std::string, kCodesPerKey> CodeTexts(const KeyCodes& codes) {
    std::array<std::string, kCodesPerKey> texts;
    std::uint32_t previous = 0;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto code = static_cast<std::uint32_t>(codes[i]);
        texts[i] = NameOfCode(code, previous);
        previous = code;
    }
    return texts;
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

int PartnerCount(SpanKind kind) {
    switch (kind) {
    case SpanKind::Double:
        return 1;
    case SpanKind::Quad:
        return 3;
    default:
        return 0;
    }
}

} // namespace

KeyEditor::KeyEditor(EditorView& view, ProfileStore& store)
    : view_(view), files_(doc_, *this, store) {
    doc_.SetObserver(this);
}

KeyEditor::~KeyEditor() {
    doc_.SetObserver(nullptr);
}

void KeyEditor::Start() {
    doc_.settings.keyCount = kBlockKeys;
    doc_.variant = KeyboardVariant::SixteenScan;
    doc_.loadedVariant = KeyboardVariant::SixteenScan;
    doc_.ResetToNew();
    files_.RebuildRecentMenu();
}

KeyRecord& KeyEditor::Key(int slot) {
    // Slots outside the table fall back to the scratch record; the selection
    // never leaves 0..112, so this only guards against misuse.
    const int k = slot >= 0 && slot < kKeySlots ? slot : 0;
    return doc_.keys[static_cast<std::size_t>(k)];
}

KeySpan& KeyEditor::Span(int slot) {
    const int k = slot >= 0 && slot < kKeySlots ? slot : 0;
    return doc_.spans[static_cast<std::size_t>(k)];
}

int KeyEditor::KeyCount() const {
    return doc_.settings.keyCount == kMaxKeys ? kMaxKeys : kBlockKeys;
}

// ---------------------------------------------------------------- selection

void KeyEditor::ShowKey(int slot) {
    if (slot != panelKey_) {
        StoreInCatalog();
        DrawKeyNormal(panelKey_);
    }
    if (IsKey(slot)) {
        DrawKeyImage(slot, Span(slot).kind == SpanKind::Empty ? KeyImage::SelectedEmpty
                                                              : KeyImage::SelectedKey);
    }
    panelKey_ = slot;
    LoadPanel(slot);
    PushPanel(true);
}

void KeyEditor::SelectSlot(int slot) {
    currentKey_ = slot;
    ShowKey(slot);
}

void KeyEditor::Navigate(int target) {
    if (target != 0) {
        SelectSlot(target);
    }
}

void KeyEditor::OnPointerMove(int x, int y) {
    const int slot = SlotAt(x, y, KeyCount());
    if (slot != 0) {
        view_.SetStatusPane(6, {StringId::PaneName, {Key(slot).name.str()}});
        view_.SetStatusPane(5, {StringId::PaneNumber, {std::to_string(slot)}});
    } else {
        view_.SetStatusPane(6, {StringId::PaneNameNone, {}});
        view_.SetStatusPane(5, {StringId::PaneNumberNone, {}});
    }
}

void KeyEditor::OnPointerPress(int x, int y) {
    TakePanelValues();
    const int slot = SlotAt(x, y, KeyCount());
    if (slot != 0) {
        SelectSlot(slot);
    }
}

void KeyEditor::OnPointerDoubleClick(int x, int y) {
    const int slot = SlotAt(x, y, KeyCount());
    if (slot != 0) {
        SelectSlot(slot);
        EditKeyCodes();
    }
}

void KeyEditor::OnArrowRight() {
    Navigate(NextSlot(currentKey_, KeyCount()));
}
void KeyEditor::OnArrowLeft() {
    Navigate(PreviousSlot(currentKey_, KeyCount()));
}
void KeyEditor::OnArrowUp() {
    Navigate(SlotAbove(currentKey_, KeyCount()));
}
void KeyEditor::OnArrowDown() {
    Navigate(SlotBelow(currentKey_, KeyCount()));
}
void KeyEditor::OnEnter() {
    EditKeyCodes();
}
void KeyEditor::OnNextButton() {
    Navigate(StepForward(currentKey_, KeyCount()));
}
void KeyEditor::OnPreviousButton() {
    Navigate(StepBack(currentKey_, KeyCount()));
}

void KeyEditor::OnPaintRequest() {
    TakePanelValues();
    DrawGrid();
    ShowKey(currentKey_);
}

// ------------------------------------------------------------------ drawing

void KeyEditor::DrawKeyImage(int slot, KeyImage image) {
    if (IsKey(slot)) {
        view_.DrawKeyImage(slot, image);
    }
}

void KeyEditor::DrawKeyNormal(int slot) {
    if (!IsKey(slot)) {
        return;
    }
    const KeySpan& span = Span(slot);
    switch (span.kind) {
    case SpanKind::Empty:
        DrawKeyImage(slot, doc_.PlainImage(slot, KeyImage::Empty));
        break;
    case SpanKind::Single:
        DrawKeyImage(slot, doc_.PlainImage(slot, KeyImage::Single));
        break;
    case SpanKind::Double: {
        const int anchor = std::min(slot, static_cast<int>(span.partners[0]));
        const bool right = Span(anchor).partners[0] == anchor + 1;
        DrawKeyImage(anchor, right ? KeyImage::DoubleRight : KeyImage::DoubleDown);
        break;
    }
    case SpanKind::Quad: {
        int anchor = slot;
        for (int p : span.partners) {
            anchor = std::min(anchor, p);
        }
        DrawKeyImage(anchor, KeyImage::Quad);
        break;
    }
    }
}

void KeyEditor::DrawGrid() {
    std::array<bool, kMaxKeys + 1> drawn{};
    const int n = KeyCount();
    for (int s = 1; s <= n; ++s) {
        if (drawn[static_cast<std::size_t>(s)]) {
            continue;
        }
        const KeySpan& span = Span(s);
        switch (span.kind) {
        case SpanKind::Empty:
            DrawKeyImage(s, KeyImage::Empty);
            break;
        case SpanKind::Single:
            DrawKeyImage(s, KeyImage::Single);
            break;
        case SpanKind::Double:
        case SpanKind::Quad:
            if (span.kind == SpanKind::Quad) {
                DrawKeyImage(s, KeyImage::Quad);
            } else {
                DrawKeyImage(s, span.partners[0] == s + 1 ? KeyImage::DoubleRight
                                                          : KeyImage::DoubleDown);
            }
            drawn[static_cast<std::size_t>(s)] = true;
            for (int p = 0; p < PartnerCount(span.kind); ++p) {
                const int partner = span.partners[static_cast<std::size_t>(p)];
                if (IsKey(partner)) {
                    drawn[static_cast<std::size_t>(partner)] = true;
                }
            }
            break;
        }
    }
    if (n == kBlockKeys) {
        for (int s = kBlockKeys + 1; s <= kMaxKeys; ++s) {
            DrawKeyImage(s, KeyImage::Unavailable);
        }
    }
}

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
    RfidOptions& rfid = doc_.rfid;
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
    return ok;
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
    view_.SetStatusPane(5, {StringId::PaneNumberNone, {}});
    view_.SetStatusPane(6, {StringId::PaneNameNone, {}});
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
    KeyNameHandling();
}

void KeyEditor::OnSingleKeyClicked() {
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
    KeyRecord& key = Key(currentKey_);
    if (key.mode() != mode) {
        doc_.MarkDirty();
    }
    key.SetMode(mode);
    panel_.mode = mode;
}

void KeyEditor::OnSetModeForAll() {
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

// ------------------------------------------------------------ key commands

void KeyEditor::CopyKeyContent(int source, int target) {
    const KeyRecord& from = Key(source);
    KeyRecord& to = Key(target);
    if (from.groupKey() != to.groupKey() || from.singleKey() != to.singleKey() ||
        from.groupNumber != to.groupNumber || from.name != to.name || from.codes != to.codes) {
        doc_.MarkDirty();
    }
    to.SetGroupKey(from.groupKey());
    to.SetSingleKey(from.singleKey());
    to.groupNumber = from.groupNumber;
    to.name = from.name;
    to.codes = from.codes;
}

void KeyEditor::PropagateToSpan(int slot) {
    if (!IsKey(slot)) {
        return; // the scratch record belongs to no cell
    }
    const KeySpan span = Span(slot);
    if (span.kind == SpanKind::Empty) {
        Span(slot).kind = SpanKind::Single;
        return;
    }
    for (int p = 0; p < PartnerCount(span.kind); ++p) {
        CopyKeyContent(slot, span.partners[static_cast<std::size_t>(p)]);
    }
}

void KeyEditor::ResetSpan(bool clear) {
    const int s = currentKey_;
    const KeySpan span = Span(s); // the operation resets the partners it reads
    auto apply = [this, clear](int k) {
        if (clear) {
            doc_.ClearSlot(k);
        } else {
            doc_.MakeSlotSingle(k);
        }
    };
    if (span.kind != SpanKind::Empty) {
        for (int p = 0; p < PartnerCount(span.kind); ++p) {
            apply(span.partners[static_cast<std::size_t>(p)]);
        }
        apply(s);
    }
    ShowKey(s);
}

void KeyEditor::Join(SpanKind kind, int step) {
    const int s = currentKey_;
    const bool quad = kind == SpanKind::Quad;
    const bool down = quad || step == kBlockColumns;
    const bool right = quad || step == 1;
    bool possible = IsKey(s) && s <= KeyCount() && Span(s).kind == SpanKind::Single;
    if (possible && down) {
        possible = HasLowerNeighbour(s) && Span(s + kBlockColumns).kind == SpanKind::Empty;
    }
    if (possible && right) {
        possible = HasRightNeighbour(s) && Span(s + 1).kind == SpanKind::Empty;
    }
    if (possible && quad) {
        possible = Span(s + kBlockColumns + 1).kind == SpanKind::Empty;
    }
    if (!possible) {
        ShowKey(s);
        return;
    }

    std::vector<int> cells{s};
    if (quad) {
        cells = {s, s + 1, s + kBlockColumns, s + kBlockColumns + 1};
    } else {
        cells.push_back(s + step);
    }
    for (int c : cells) {
        KeySpan& span = Span(c);
        span.kind = kind;
        span.partners.fill(0);
        std::size_t p = 0;
        for (int other : cells) {
            if (other != c) {
                span.partners[p++] = other;
            }
        }
    }
    KeyRecord& key = Key(s);
    key.SetGroupKey(true);
    key.groupNumber = doc_.nextGroupNumber++;
    for (std::size_t i = 1; i < cells.size(); ++i) {
        CopyKeyContent(s, cells[i]);
    }
    DrawKeyImage(s, quad ? KeyImage::Quad
                         : (step == 1 ? KeyImage::DoubleRight : KeyImage::DoubleDown));
    ShowKey(s);
}

void KeyEditor::OnDoubleRight() {
    Join(SpanKind::Double, 1);
}
void KeyEditor::OnDoubleDown() {
    Join(SpanKind::Double, kBlockColumns);
}
void KeyEditor::OnQuad() {
    Join(SpanKind::Quad, 0);
}
void KeyEditor::OnSingle() {
    ResetSpan(false);
}

void KeyEditor::OnInsertKey() {
    ShowKey(currentKey_);
    EditKeyCodes();
}

void KeyEditor::ClearKeyAfterYes(int slot) {
    const std::string name = Key(slot).name.str();
    const int row = listRow_;
    ResetSpan(true);
    for (int k = 1; k <= KeyCount(); ++k) {
        if (k != slot && doc_.IsProgrammed(k) && Key(k).name.str() == name) {
            return; // another key still carries this definition
        }
    }
    if (const int j = doc_.FindCatalogEntry(name); j >= 0) {
        doc_.keyCatalog[static_cast<std::size_t>(j)].inLayout = false;
    }
    RebuildList(false);
    SetListRow(row);
}

void KeyEditor::OnClearKey() {
    const int s = currentKey_;
    if (Span(s).kind == SpanKind::Empty) {
        return;
    }
    if (!view_.AskYesNo({StringId::AskClearKey, {Key(s).name.str()}})) {
        ShowKey(s);
        return;
    }
    ClearKeyAfterYes(s);
    doc_.MarkDirty();
    ShowKey(s);
}

void KeyEditor::OnClearAll() {
    if (view_.AskYesNo({StringId::AskClearAll, {}})) {
        doc_.filePath.clear();
        for (int k = 1; k <= kMaxKeys; ++k) {
            doc_.ClearSlot(k);
        }
        for (int j = 0; j < std::min(doc_.catalogCount, kMaxCatalogEntries); ++j) {
            doc_.keyCatalog[static_cast<std::size_t>(j)].inLayout = false;
        }
        doc_.MarkDirty();
    }
    RebuildList(false);
    SelectSlot(1);
    SetListRow(listRows_.empty() ? -1 : 0);
}

void KeyEditor::OnCopyKey() {
    const int s = currentKey_;
    const int row = listRow_;
    if (row < 0 || row >= std::min(doc_.catalogCount, kMaxCatalogEntries)) {
        ShowKey(s); // nothing chosen in the list
        return;
    }
    KeyDefinition& entry =
        doc_.keyCatalog[static_cast<std::size_t>(doc_.catalogOrder[static_cast<std::size_t>(row)])];
    if (entry.name.empty()) {
        ShowKey(s);
        return;
    }
    if (view_.AskYesNo({StringId::AskInsertKey, {entry.name.str(), std::to_string(s)}})) {
        KeyRecord& key = Key(s);
        key.name = entry.name.str();
        key.codes = entry.codes;
        PropagateToSpan(s);
        entry.inLayout = true;
        RebuildList(true);
        SetListRow(row);
        doc_.MarkDirty();
    }
    ShowKey(s);
}

void KeyEditor::EditKeyCodes() {
    const int s = currentKey_;
    keyEditActive_ = true;
    const CaptureResult result = view_.RunCaptureDialog(Key(s).codes, panel_.codeTexts);
    if (result.accepted) {
        doc_.MarkDirty();
        KeyRecord& key = Key(s);
        key.name = panel_.name;
        key.SetGroupKey(panel_.groupKey);
        key.SetSingleKey(panel_.singleKey);

        // The dialog names its codes; fill any it left unnamed.
        std::array<std::string, kCodesPerKey> names = result.names;
        const auto computed = CodeTexts(result.codes);
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (names[i].empty()) {
                names[i] = computed[i];
            }
        }
        if (result.codes[0] != 0) {
            key.codes = result.codes;
            panel_.codeTexts = names;
            PushPanel(true);
            // An empty cell becomes a single key; a joined one passes the
            // codes on to its other cells.
            PropagateToSpan(s);
            StoreInCatalog();
            SelectCatalogEntryByName();
        } else if (Span(s).kind != SpanKind::Empty) {
            if (view_.AskYesNo({StringId::AskClearKey, {key.name.str()}})) {
                key.codes = result.codes;
                panel_.codeTexts = names;
                PushPanel(true);
                ClearKeyAfterYes(s);
                doc_.MarkDirty();
            }
            SelectCatalogEntryByName();
        }
    }
    ShowKey(s);
    keyEditActive_ = false;
}

std::optional<PopupMenuItems> KeyEditor::OnContextMenu(int x, int y) {
    const int s = SlotAt(x, y, KeyCount());
    if (s == 0) {
        return std::nullopt;
    }
    currentKey_ = s;
    PopupMenuItems items;
    items.copyKey = listRow_ >= 0 && listRow_ < static_cast<int>(listRows_.size()) &&
                    !listRows_[static_cast<std::size_t>(listRow_)].empty();
    switch (Span(s).kind) {
    case SpanKind::Empty:
        break;
    case SpanKind::Single: {
        const bool below = HasLowerNeighbour(s) && Span(s + kBlockColumns).kind == SpanKind::Empty;
        const bool right = HasRightNeighbour(s) && Span(s + 1).kind == SpanKind::Empty;
        items.toDown = below;
        items.toRight = right;
        items.quad = below && right && Span(s + kBlockColumns + 1).kind == SpanKind::Empty;
        items.clearKey = true;
        break;
    }
    case SpanKind::Double:
    case SpanKind::Quad:
        items.single = true;
        items.clearKey = true;
        break;
    }
    items.clearAll = doc_.HasProgrammedKey();
    ShowKey(s);
    return items;
}

// ---------------------------------------------------------------- File menu

void KeyEditor::OnFileNew() {
    files_.NewLayout();
}
void KeyEditor::OnFileOpen() {
    files_.OpenLayout();
}
void KeyEditor::OpenStartFile(const std::string& path) {
    doc_.filePath = path;
    files_.OpenPath();
}
void KeyEditor::OnFileSave() {
    files_.SaveLayout();
}
void KeyEditor::OnFileSaveAs() {
    files_.SaveLayoutAs();
}
void KeyEditor::OnRecentFile(int index) {
    files_.OpenRecent(index);
}
bool KeyEditor::OnClose() {
    return files_.NewLayout();
}

void KeyEditor::OnFileProgramming() {
    const std::string keptPath = doc_.filePath;
    // The temporary file is not the user's file: writing it must not make
    // the layout look saved, nor change the variant offered by Save As.
    const bool keptDirty = doc_.dirty;
    const KeyboardVariant keptVariant = doc_.variant;
    doc_.filePath = kProgrammingFileName;
    const bool written = WriteLayout(doc_, doc_.loadedVariant == KeyboardVariant::SevenThreeScan
                                               ? KeyboardVariant::SevenThreeScan
                                               : KeyboardVariant::SixteenScan);
    doc_.filePath = keptPath;
    doc_.dirty = keptDirty;
    doc_.variant = keptVariant;
    if (written) {
        view_.StartProgrammingRun(kProgrammingFileName);
    }
}

void KeyEditor::OnFileSettings() {
    KeyboardSettings& s = doc_.settings;
    const KeyboardSettingsValues before{s.keyCount == kBlockKeys ? 0 : 1,
                                        s.keysType,
                                        s.keyBeep,
                                        s.keyDelay,
                                        s.typematicRate,
                                        s.keysPause};
    PushPanelValues();
    if (const std::optional<KeyboardSettingsValues> chosen =
            view_.RunKeyboardSettingsDialog(before)) {
        s.keyCount = chosen->keyboardType == 1 ? kMaxKeys : kBlockKeys;
        SelectSlot(1);
        s.keysType = std::clamp(chosen->keysType, 0, 1);
        s.keyBeep = std::clamp(chosen->keyBeep, 0, 1);
        s.keyDelay = std::clamp(chosen->keyDelay, 0, 3);
        s.typematicRate = std::clamp(chosen->typematicRate, 0, 31);
        s.keysPause = std::clamp(chosen->keysPause, 1, 255);
        TakePanelValues();
        // The settings travel in the layout file, so changing them is a change
        // that a New or Exit must offer to save.
        const KeyboardSettingsValues after{s.keyCount == kBlockKeys ? 0 : 1,
                                           s.keysType,
                                           s.keyBeep,
                                           s.keyDelay,
                                           s.typematicRate,
                                           s.keysPause};
        if (after != before) {
            doc_.MarkDirty();
        }
    }
    if (s.keyCount == kBlockKeys) {
        for (int k = kBlockKeys + 1; k <= kMaxKeys; ++k) {
            doc_.ClearSlot(k);
        }
    } else {
        for (int k = kBlockKeys + 1; k <= kMaxKeys; ++k) {
            if (Span(k).kind == SpanKind::Empty) {
                DrawKeyImage(k, KeyImage::Empty);
            }
        }
    }
    FillStatusBar();
}

// --------------------------------------------------- LayoutObserver hooks

void KeyEditor::TitleChanged() {
    view_.SetTitle(doc_.filePath);
}

void KeyEditor::ShowError(StringId text) {
    view_.ShowError({text, {}});
}

void KeyEditor::RfidChanged() {
    PushPanel(false);
}

void KeyEditor::ControlsChanged() {
    PushPanel(false);
}

void KeyEditor::CommitControls() {
    TakePanelValues();
}

void KeyEditor::CatalogListFilled(const std::vector<std::string>& rows, int selectedRow) {
    listRows_ = rows;
    listRow_ = -1;
    view_.FillCatalogList(listRows_);
    if (selectedRow >= 0) {
        SetListRow(selectedRow);
    }
}

void KeyEditor::DocumentReset() {
    currentKey_ = 1;
    panelKey_ = 1;
    keyEditActive_ = false;
    FillStatusBar();
    ShowKey(1);
}

void KeyEditor::SelectKey(int key) {
    SelectSlot(key);
}

// ------------------------------------------------- FileCommandsHost hooks

void KeyEditor::SetTitle(const std::string& shownPath) {
    view_.SetTitle(shownPath);
}

bool KeyEditor::AskYesNo(const UiMessage& question) {
    return view_.AskYesNo(question);
}

std::optional<std::string> KeyEditor::RunOpenDialog() {
    return view_.RunOpenDialog();
}

std::optional<SaveAsChoice> KeyEditor::RunSaveAsDialog(const std::vector<std::string>& typeNames,
                                                       int preselected) {
    return view_.RunSaveAsDialog(typeNames, preselected);
}

void KeyEditor::ShowRecentFiles(const std::vector<RecentFileEntry>& entries) {
    view_.ShowRecentFiles(entries);
}

void KeyEditor::TakeControls() {
    TakePanelValues();
}

void KeyEditor::RefreshControls() {
    PushPanel(false);
}

void KeyEditor::ShowFirstKey() {
    SelectSlot(1);
    FillStatusBar();
}

} // namespace vorlan
