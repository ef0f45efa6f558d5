#include "editor/KeyEditor.h"
#include "grid/GridGeometry.h"

#include <algorithm>

namespace vorlan {

// ------------------------------------------------------------ key commands

void KeyEditor::ResetCurrentSpan(bool clear) {
    ResetSpan(doc_, currentKey_, clear);
    ShowKey(currentKey_);
}

void KeyEditor::JoinKey(SpanKind kind, int step) {
    StepScope record(*this, kind == SpanKind::Quad ? StringId::StepQuad : StringId::StepDouble);
    const int s = currentKey_;
    const std::vector<int> cells = JoinCells(doc_, s, kind, step);
    if (cells.empty()) {
        ShowKey(s);
        return;
    }
    Join(doc_, cells, kind);
    DrawKeyImage(s, kind == SpanKind::Quad
                        ? KeyImage::Quad
                        : (step == 1 ? KeyImage::DoubleRight : KeyImage::DoubleDown));
    ShowKey(s);
}

void KeyEditor::OnDoubleRight() {
    JoinKey(SpanKind::Double, 1);
}
void KeyEditor::OnDoubleDown() {
    JoinKey(SpanKind::Double, kBlockColumns);
}
void KeyEditor::OnQuad() {
    JoinKey(SpanKind::Quad, 0);
}
void KeyEditor::OnSingle() {
    StepScope step(*this, StringId::StepSingle);
    ResetCurrentSpan(false);
}

void KeyEditor::OnInsertKey() {
    StepScope step(*this, StringId::StepInsertKey);
    ShowKey(currentKey_);
    EditKeyCodes();
}

void KeyEditor::ClearKeyAfterYes(int slot) {
    const std::string name = Key(slot).name.str();
    const int row = list_.Row();
    ResetCurrentSpan(true);
    for (int k = 1; k <= KeyCount(); ++k) {
        if (k != slot && doc_.IsProgrammed(k) && Key(k).name.str() == name) {
            return; // another key still carries this definition
        }
    }
    list_.MarkUnused(name, row);
}

void KeyEditor::OnClearKey() {
    const int s = currentKey_;
    if (Span(s).kind == SpanKind::Empty) {
        return;
    }
    StepScope step(*this, StringId::StepClearKey);
    if (!view_.AskYesNo({StringId::AskClearKey, {Latin1Text(Key(s).name)}})) {
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
    list_.Rebuild(false);
    SelectSlot(1);
    list_.SetRow(list_.Empty() ? -1 : 0);
}

void KeyEditor::OnCopyKey() {
    StepScope step(*this, StringId::StepCopyKey);
    const int s = currentKey_;
    const int row = list_.Row();
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
    if (view_.AskYesNo({StringId::AskInsertKey, {Latin1Text(entry.name), std::to_string(s)}})) {
        KeyRecord& key = Key(s);
        key.name = entry.name.str();
        key.codes = entry.codes;
        PropagateToSpan(doc_, s);
        entry.inLayout = true;
        list_.Rebuild(true);
        list_.SetRow(row);
        doc_.MarkDirty();
    }
    ShowKey(s);
}

void KeyEditor::EditKeyCodes() {
    StepScope step(*this, StringId::StepKeyCodes);
    const int s = currentKey_;
    keyEditActive_ = true;
    PanelValues& shown = panel_.Values();
    const CaptureResult result = view_.RunCaptureDialog(Key(s).codes, shown.codeTextsUtf8, naming_);
    if (result.accepted) {
        doc_.MarkDirty();
        KeyRecord& key = Key(s);
        key.name = shown.nameLatin1;
        key.SetGroupKey(shown.groupKey);
        key.SetSingleKey(shown.singleKey);

        // The dialog names its codes; fill any it left unnamed.
        std::array<std::string, kCodesPerKey> names = result.names;
        const auto computed = CodeTexts(result.codes, naming_);
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (names[i].empty()) {
                names[i] = computed[i];
            }
        }
        if (result.codes[0] != 0) {
            key.codes = result.codes;
            shown.codeTextsUtf8 = names;
            PushPanel(true);
            // An empty cell becomes a single key; a joined one passes the
            // codes on to its other cells.
            PropagateToSpan(doc_, s);
            StoreInCatalog();
            SelectCatalogEntryByName();
        } else if (Span(s).kind != SpanKind::Empty) {
            if (view_.AskYesNo({StringId::AskClearKey, {Latin1Text(key.name)}})) {
                key.codes = result.codes;
                shown.codeTextsUtf8 = names;
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
    const PopupMenuItems items = PopupItemsAt(doc_, s, list_.RowHasEntry());
    ShowKey(s);
    return items;
}

} // namespace vorlan
