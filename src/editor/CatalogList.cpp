#include "editor/CatalogList.h"

#include <algorithm>

namespace vorlan {

bool CatalogList::RowHasEntry() const {
    return row_ >= 0 && row_ < static_cast<int>(rows_.size()) &&
           !rows_[static_cast<std::size_t>(row_)].empty();
}

void CatalogList::Show(const std::vector<std::string>& rows, int selectedRow) {
    rows_ = rows;
    row_ = -1;
    view_.FillCatalogList(rows_);
    if (selectedRow >= 0) {
        SetRow(selectedRow);
    }
}

void CatalogList::Rebuild(bool sort) {
    if (sort) {
        doc_.SortCatalog();
    }
    rows_ = doc_.CatalogRows();
    row_ = -1;
    view_.FillCatalogList(rows_);
}

void CatalogList::SetRow(int row) {
    row_ = row >= 0 && row < static_cast<int>(rows_.size()) ? row : -1;
    view_.SelectCatalogRow(row_);
}

void CatalogList::Store(const KeyRecord& key) {
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
            Rebuild(true);
            return;
        }
    }
    // A full catalogue takes no new entry; the key itself is unaffected.
    if (doc_.AddCatalogEntry(key.name, key.codes, true) >= 0) {
        Rebuild(true);
    }
}

void CatalogList::SelectByName(const std::string& name) {
    const int j = doc_.FindCatalogEntry(name);
    if (j < 0) {
        return;
    }
    const int count = std::min(doc_.catalogCount, kMaxCatalogEntries);
    for (int p = 0; p < count; ++p) {
        if (doc_.catalogOrder[static_cast<std::size_t>(p)] == j) {
            SetRow(p);
            return;
        }
    }
}

void CatalogList::MarkUnused(const std::string& name, int row) {
    if (const int j = doc_.FindCatalogEntry(name); j >= 0) {
        doc_.keyCatalog[static_cast<std::size_t>(j)].inLayout = false;
    }
    Rebuild(false);
    SetRow(row);
}

} // namespace vorlan
