// The "Programmed keys:" list: the catalogue of key definitions as rows, and
// which row is selected. It files a key's definition into the catalogue and
// shows the list through CatalogListView only.
#pragma once

#include "layout/LayoutDocument.h"

#include <string>
#include <vector>

namespace vorlan {

// The list control (part of EditorView).
class CatalogListView {
public:
    virtual ~CatalogListView() = default;
    // Replace all rows (no row selected afterwards) / select a row, -1 for
    // none. Neither notifies the editor.
    virtual void FillCatalogList(const std::vector<std::string>& rows) = 0;
    virtual void SelectCatalogRow(int row) = 0;
};

class CatalogList {
public:
    CatalogList(LayoutDocument& doc, CatalogListView& view) : doc_(doc), view_(view) {}

    // The selected row, -1 for none; whether it shows an entry.
    int Row() const { return row_; }
    bool RowHasEntry() const;
    bool Empty() const { return rows_.empty(); }

    // The document filled the list (a read file) and selected a row, -1 for none.
    void Show(const std::vector<std::string>& rows, int selectedRow);
    // The rows again from the catalogue, sorted first when sort; no row selected.
    void Rebuild(bool sort);
    // Selects row, or none when it is not a row of the list.
    void SetRow(int row);

    // Files a programmed key's definition: its codes under its name, its name
    // on an entry with its codes, or a new entry (none when the catalogue is full).
    void Store(const KeyRecord& key);
    // Selects the entry named name, when there is one.
    void SelectByName(const std::string& name);
    // No key of the layout carries the entry named name any more; then row
    // (the one selected before the key went) is selected again.
    void MarkUnused(const std::string& name, int row);

private:
    LayoutDocument& doc_;
    CatalogListView& view_;
    std::vector<std::string> rows_;
    int row_ = -1;
};

} // namespace vorlan
