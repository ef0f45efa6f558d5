#include "editor/KeyEditor.h"
#include "editor/KeyEditorSupport.h"
#include "grid/GridGeometry.h"

#include <algorithm>

namespace vorlan {

using namespace editor_detail;

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
    for (int p = 0; p < span.PartnerCount(); ++p) {
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
        for (int p = 0; p < span.PartnerCount(); ++p) {
            apply(span.partners[static_cast<std::size_t>(p)]);
        }
        apply(s);
    }
    ShowKey(s);
}

void KeyEditor::Join(SpanKind kind, int step) {
    StepScope record(*this, kind == SpanKind::Quad ? StringId::StepQuad : StringId::StepDouble);
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
    StepScope step(*this, StringId::StepSingle);
    ResetSpan(false);
}

void KeyEditor::OnInsertKey() {
    StepScope step(*this, StringId::StepInsertKey);
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
    StepScope step(*this, StringId::StepClearKey);
    if (!view_.AskYesNo({StringId::AskClearKey, {Key(s).name.str()}})) {
        ShowKey(s);
        return;
    }
    ClearKeyAfterYes(s);
    doc_.MarkDirty();
    ShowKey(s);
}

void KeyEditor::OnClearAll() {
    StepScope step(*this, StringId::StepClearAll);
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
    StepScope step(*this, StringId::StepCopyKey);
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
    StepScope step(*this, StringId::StepKeyCodes);
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

} // namespace vorlan
