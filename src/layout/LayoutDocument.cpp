#include "layout/LayoutDocument.h"

#include "layout/LayoutType.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

namespace vorlan {
namespace {

LayoutObserver& NullObserver() {
    static LayoutObserver none;
    return none;
}

bool IsKey(int k) {
    return k >= 1 && k <= kMaxKeys;
}

// A key that takes part in rebuilding double and quad keys.
bool IsLiveGroupKey(const KeyRecord& key) {
    return key.groupKey() && key.IsProgrammed();
}

} // namespace

LayoutDocument::LayoutDocument() {
    ResetToNew();
}

void LayoutDocument::SetObserver(LayoutObserver* observer) {
    observer_ = observer;
}

LayoutObserver& LayoutDocument::Observer() const {
    return observer_ != nullptr ? *observer_ : NullObserver();
}

void LayoutDocument::ResetToNew() {
    filePath.clear();
    readReport.Clear();
    dirty = false;
    catalogCount = 0;
    Observer().TitleChanged();

    nextGroupNumber = 1;

    settings.keysType = 0;
    settings.keyBeep = 0;
    settings.keyDelay = 2;
    settings.typematicRate = 11;
    settings.keysPause = 3;

    rfid = RfidOptions{};
    Observer().RfidChanged();

    for (int k = 1; k <= kMaxKeys; ++k) {
        ClearSlot(k);
    }

    Observer().CatalogListFilled({}, -1);
    Observer().DocumentReset();
}

KeyImage LayoutDocument::PlainImage(int k, KeyImage image) const {
    if (settings.keyCount == kBlockKeys && k > kBlockKeys) {
        return KeyImage::Unavailable;
    }
    return image;
}

void LayoutDocument::ClearSlot(int k) {
    if (!IsKey(k)) {
        return;
    }
    KeyRecord& key = keys[static_cast<std::size_t>(k)];
    key.position = k;
    key.SetSingleKey(true);
    key.SetMode(KeyMode::Mode1);
    key.name = "KEY" + std::to_string(k);
    key.codes.fill(0);
    key.groupNumber = 0;
    KeySpan& span = spans[static_cast<std::size_t>(k)];
    span.kind = SpanKind::Empty;
    key.SetGroupKey(false);
    span.partners.fill(0);
    Observer().DrawKeyImage(k, PlainImage(k, KeyImage::Empty));
}

void LayoutDocument::MakeSlotSingle(int k) {
    if (!IsKey(k)) {
        return;
    }
    KeyRecord& key = keys[static_cast<std::size_t>(k)];
    key.position = k;
    KeySpan& span = spans[static_cast<std::size_t>(k)];
    span.kind = SpanKind::Single;
    key.SetGroupKey(false);
    span.partners.fill(0);
    Observer().DrawKeyImage(k, PlainImage(k, KeyImage::Single));
}

bool LayoutDocument::IsLaterCellOfJoinedKey(int k) const {
    if (k < 0 || k >= kKeySlots) {
        return false;
    }
    const KeySpan& span = spans[static_cast<std::size_t>(k)];
    for (int p = 0; p < span.PartnerCount(); ++p) {
        const int partner = span.partners[static_cast<std::size_t>(p)];
        if (partner >= 1 && partner < k) {
            return true;
        }
    }
    return false;
}

bool LayoutDocument::IsProgrammed(int k) const {
    if (k < 0 || k >= kKeySlots) {
        return false;
    }
    return keys[static_cast<std::size_t>(k)].IsProgrammed();
}

void LayoutDocument::SetDouble(int a, int b) {
    KeySpan& sa = spans[static_cast<std::size_t>(a)];
    KeySpan& sb = spans[static_cast<std::size_t>(b)];
    sa.kind = SpanKind::Double;
    sa.partners = {b, 0, 0};
    sb.kind = SpanKind::Double;
    sb.partners = {a, 0, 0};
    Observer().DrawKeyImage(a, b == a + 1 ? KeyImage::DoubleRight : KeyImage::DoubleDown);
}

void LayoutDocument::SetQuad(std::array<int, 4> cells) {
    std::sort(cells.begin(), cells.end());
    for (int c : cells) {
        KeySpan& span = spans[static_cast<std::size_t>(c)];
        span.kind = SpanKind::Quad;
        std::size_t p = 0;
        for (int other : cells) {
            if (other != c) {
                span.partners[p++] = other;
            }
        }
    }
    Observer().DrawKeyImage(cells[0], KeyImage::Quad);
}

// group: the group keys, ascending, that share the codes of group[0]. The
// file keeps no spans, so however many share the codes, they are tiled in
// key order into 2 by 2 squares (quads) and pairs one apart (double right,
// also across a row end, as files have always been read) or eight apart
// (double down). A key left over is a single key: a cell with codes is never
// an empty one, which would hide a key the keyboard still gets.
void LayoutDocument::JoinGroup(const std::vector<int>& group,
                               std::array<bool, kMaxKeys + 1>& done) {
    const auto take = [&done](int k) { done[static_cast<std::size_t>(k)] = true; };
    const auto isFree = [&](int k) {
        return IsKey(k) && !done[static_cast<std::size_t>(k)] &&
               std::find(group.begin(), group.end(), k) != group.end();
    };
    bool joined = false;
    for (int k : group) {
        if (!isFree(k)) {
            continue;
        }
        take(k);
        const int right = k + 1;
        const int down = k + kBlockColumns;
        if (HasRightNeighbour(k) && HasLowerNeighbour(k) && isFree(right) && isFree(down) &&
            isFree(down + 1)) {
            SetQuad({k, right, down, down + 1});
            take(right);
            take(down);
            take(down + 1);
            joined = true;
        } else if (isFree(right)) {
            SetDouble(k, right);
            take(right);
            joined = true;
        } else if (isFree(down)) {
            SetDouble(k, down);
            take(down);
            joined = true;
        } else {
            spans[static_cast<std::size_t>(k)].kind = SpanKind::Single;
            Observer().DrawKeyImage(k, KeyImage::Single);
        }
    }
    if (group.size() > 1 && !joined) {
        Observer().ShowError(StringId::GroupKeyError);
    }
}

void LayoutDocument::RebuildAfterLoad() {
    for (int k = 1; k <= kMaxKeys; ++k) {
        spans[static_cast<std::size_t>(k)].kind = SpanKind::Empty;
        keys[static_cast<std::size_t>(k)].groupNumber = 0;
    }
    std::array<bool, kMaxKeys + 1> done{};
    for (int k = 1; k <= kMaxKeys; ++k) {
        if (done[static_cast<std::size_t>(k)]) {
            continue;
        }
        const KeyRecord& key = keys[static_cast<std::size_t>(k)];
        if (!IsLiveGroupKey(key)) {
            if (key.IsProgrammed()) {
                spans[static_cast<std::size_t>(k)].kind = SpanKind::Single;
                Observer().DrawKeyImage(k, KeyImage::Single);
            }
            continue;
        }
        std::vector<int> group{k};
        for (int i = k + 1; i <= kMaxKeys; ++i) {
            const KeyRecord& other = keys[static_cast<std::size_t>(i)];
            if (!done[static_cast<std::size_t>(i)] && IsLiveGroupKey(other) &&
                other.codes == key.codes) {
                group.push_back(i);
            }
        }
        JoinGroup(group, done);
    }
    for (int k = 1; k <= kMaxKeys; ++k) {
        KeyRecord& key = keys[static_cast<std::size_t>(k)];
        if (!IsLiveGroupKey(key) || key.groupNumber != 0) {
            continue;
        }
        key.groupNumber = nextGroupNumber;
        const KeySpan& span = spans[static_cast<std::size_t>(k)];
        for (int p = 0; p < span.PartnerCount(); ++p) {
            const int partner = span.partners[static_cast<std::size_t>(p)];
            if (IsKey(partner)) {
                keys[static_cast<std::size_t>(partner)].groupNumber = nextGroupNumber;
            }
        }
        ++nextGroupNumber; // wraps from 255 to 0 like the 8-bit counter it is
    }

    Observer().SelectKey(1);
    Observer().DrawGrid();
    RebuildCatalog();
}

int LayoutDocument::FindCatalogEntry(std::string_view name) const {
    // Compare with the name as the catalogue would store it, so a long key name
    // finds the entry made from it and the names stay unique.
    const std::string_view wanted = name.substr(0, CatalogName::kMaxBytes);
    for (int j = 0; j < catalogCount; ++j) {
        if (keyCatalog[static_cast<std::size_t>(j)].name == wanted) {
            return j;
        }
    }
    return -1;
}

int LayoutDocument::AddCatalogEntry(std::string_view name, const KeyCodes& codes, bool inLayout) {
    if (catalogCount < 0 || catalogCount >= kMaxCatalogEntries) {
        return -1;
    }
    const int j = catalogCount++;
    KeyDefinition& entry = keyCatalog[static_cast<std::size_t>(j)];
    entry.name = name;
    entry.codes = codes;
    entry.inLayout = inLayout;
    catalogOrder[static_cast<std::size_t>(j)] = j;
    return j;
}

void LayoutDocument::RebuildCatalog() {
    catalogCount = 0;
    // Entries are made in key order; catalogOrder is kept sorted while they
    // are added, so telling a repeated name is a binary search.
    const auto nameOf = [this](std::int32_t j) -> std::string_view {
        return keyCatalog[static_cast<std::size_t>(j)].name;
    };
    const int last = std::clamp(settings.keyCount, 0, kMaxKeys);
    for (int k = 1; k <= last; ++k) {
        const KeyRecord& key = keys[static_cast<std::size_t>(k)];
        if (!key.IsProgrammed()) {
            continue;
        }
        const std::string_view name = std::string_view(key.name).substr(0, CatalogName::kMaxBytes);
        const auto begin = catalogOrder.begin();
        const auto end = begin + std::clamp(catalogCount, 0, kMaxCatalogEntries);
        const auto place = std::lower_bound(
            begin, end, name, [&](std::int32_t j, std::string_view n) { return nameOf(j) < n; });
        if (place != end && nameOf(*place) == name) {
            continue;
        }
        if (AddCatalogEntry(key.name, key.codes, true) >= 0) {
            std::rotate(place, end, end + 1); // the new entry's place in the order
        }
    }
    const std::vector<std::string> rows = CatalogRows();
    Observer().CatalogListFilled(rows, rows.empty() ? -1 : 0);
}

void LayoutDocument::SortCatalog() {
    const int count = std::clamp(catalogCount, 0, kMaxCatalogEntries);
    // Names are unique, so any ascending sort gives the one order; string
    // views compare bytes as unsigned char, like strcmp.
    std::sort(catalogOrder.begin(), catalogOrder.begin() + count,
              [this](std::int32_t a, std::int32_t b) {
                  return std::string_view(keyCatalog[static_cast<std::size_t>(a)].name) <
                         std::string_view(keyCatalog[static_cast<std::size_t>(b)].name);
              });
}

std::string LayoutDocument::CatalogEntryText(int j) const {
    if (j < 0 || j >= std::clamp(catalogCount, 0, kMaxCatalogEntries)) {
        return {};
    }
    const KeyDefinition& entry = keyCatalog[static_cast<std::size_t>(j)];
    std::string text = entry.name.str();
    if (entry.inLayout) {
        text += " *";
    }
    return text;
}

std::vector<std::string> LayoutDocument::CatalogRows() const {
    std::vector<std::string> rows;
    const int count = std::clamp(catalogCount, 0, kMaxCatalogEntries);
    rows.reserve(static_cast<std::size_t>(count));
    for (int p = 0; p < count; ++p) {
        rows.push_back(CatalogEntryText(catalogOrder[static_cast<std::size_t>(p)]));
    }
    return rows;
}

bool LayoutDocument::HasProgrammedKey() const {
    const int last = std::clamp(settings.keyCount, 0, kMaxKeys);
    for (int k = 1; k <= last; ++k) {
        if (IsProgrammed(k)) {
            return true;
        }
    }
    return false;
}

std::string_view VariantName(KeyboardVariant variant) {
    switch (variant) {
    case KeyboardVariant::SevenThreeScan:
        return FamilyName(ScanFamily::SevenThreeScan);
    case KeyboardVariant::SixteenScan:
        return FamilyName(ScanFamily::SixteenScan);
    case KeyboardVariant::SingleLeft:
        return "single 16scan left side";
    case KeyboardVariant::SingleRight:
        return "single 16scan right side";
    }
    return "?";
}

} // namespace vorlan

namespace vorlan {

std::vector<int> LayoutDocument::CellsWithCodesButNoKey() const {
    std::vector<int> cells;
    for (int k = 1; k <= kMaxKeys; ++k) {
        if (IsProgrammed(k) && spans[static_cast<std::size_t>(k)].kind == SpanKind::Empty) {
            cells.push_back(k);
        }
    }
    return cells;
}

} // namespace vorlan
