#include "layout/LayoutCheck.h"

#include "layout/LayoutFile.h"
#include "layout/LayoutType.h"

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan {
namespace {

std::string Num(int n) {
    return std::to_string(n);
}

bool AnyCode(const KeyCodes& codes) {
    return std::any_of(codes.begin(), codes.end(), [](std::int32_t c) { return c != 0; });
}

bool IsSquare(const std::vector<int>& cells) {
    const int a = cells[0];
    return HasRightNeighbour(a) && HasLowerNeighbour(a) && cells[1] == a + 1 &&
           cells[2] == a + kBlockColumns && cells[3] == a + kBlockColumns + 1;
}

bool AreNeighbours(int a, int b) {
    return (b == a + 1 && HasRightNeighbour(a)) || (b == a + kBlockColumns && HasLowerNeighbour(a));
}

bool SamePlace(const LayoutDocument& doc, int a, int b) {
    const KeySpan& span = doc.spans[static_cast<std::size_t>(a)];
    for (int p = 0; p < span.PartnerCount(); ++p) {
        if (span.partners[static_cast<std::size_t>(p)] == b) {
            return true;
        }
    }
    return false;
}

class Warner {
public:
    Warner(const LayoutDocument& doc, ReadReport& report) : doc_(doc), report_(report) {}

    void Add(int key, StringId id, UiArgs args) {
        report_.Add(report_.KeyLine(key), NoteLevel::Warning, id, std::move(args), key);
    }

    void KeyContents(int k) {
        const KeyRecord& key = doc_.keys[static_cast<std::size_t>(k)];
        const std::string_view name = key.name;
        if (!key.IsProgrammed()) {
            if (AnyCode(key.codes)) {
                Add(k, StringId::ReportFirstCodeZero, {Num(k)});
            } else if (!name.empty() && name != "KEY" + Num(k)) {
                Add(k, StringId::ReportNamedNoCodes, {Num(k)});
            }
            return;
        }
        if (!key.modeInRange()) {
            Add(k, StringId::ReportModeOutOfRange, {Num(k), Num(ModeNumber(key.mode()))});
        }
        if (name.empty()) {
            Add(k, StringId::ReportCodesNoName, {Num(k)});
        } else if (name.size() > kMaxCatalogNameBytes) {
            Add(k, StringId::ReportCatalogNameCut, {Num(k)});
        }
    }

    // Group keys of one code sequence, ascending: what RebuildAfterLoad made
    // of them and whether that is what the file meant.
    void Group(const std::vector<int>& cells) {
        switch (cells.size()) {
        case 1:
            Add(cells[0], StringId::ReportGroupAlone, {Num(cells[0])});
            break;
        case 2:
            if (!AreNeighbours(cells[0], cells[1])) {
                Add(cells[0], StringId::ReportGroupNotNeighbours, {Num(cells[0]), Num(cells[1])});
            }
            break;
        case 4:
            if (!IsSquare(cells)) {
                std::string list;
                for (int c : cells) {
                    list += (list.empty() ? "" : ", ") + Num(c);
                }
                Add(cells[0], StringId::ReportQuadShape, {list});
            }
            break;
        default:
            Add(cells[0], StringId::ReportGroupCount,
                {Num(static_cast<int>(cells.size())), Num(cells[0])});
            break;
        }
    }

private:
    const LayoutDocument& doc_;
    ReadReport& report_;
};

} // namespace

void AddLayoutWarnings(const LayoutDocument& doc, ReadReport& report) {
    Warner warn(doc, report);
    const int last = std::clamp(doc.settings.keyCount, 0, kMaxKeys);
    std::map<KeyCodes, std::vector<int>> groups;
    std::map<KeyCodes, int> firstWithCodes;
    std::map<std::string_view, int> firstWithName;
    for (int k = 1; k <= last; ++k) {
        warn.KeyContents(k);
        const KeyRecord& key = doc.keys[static_cast<std::size_t>(k)];
        if (!key.IsProgrammed()) {
            continue;
        }
        if (key.groupKey()) {
            groups[key.codes].push_back(k);
        }
        const auto [same, fresh] = firstWithCodes.emplace(key.codes, k);
        if (!fresh && !SamePlace(doc, same->second, k)) {
            warn.Add(k, StringId::ReportSameSequence, {Num(k), Num(same->second)});
        }
        const std::string_view listed = std::string_view(key.name).substr(0, kMaxCatalogNameBytes);
        const auto [named, newName] = firstWithName.emplace(listed, k);
        if (!newName && doc.keys[static_cast<std::size_t>(named->second)].codes != key.codes) {
            warn.Add(k, StringId::ReportCatalogSameName, {Num(named->second), Num(k)});
        }
    }
    for (const auto& [codes, cells] : groups) {
        warn.Group(cells);
    }
    report.SortByLine();
}

LayoutReadResult CheckLayoutFile(const std::string& path, LayoutDocument& doc) {
    doc.ResetToNew();
    doc.filePath = path;
    const LayoutReadResult read = ReadLayout(doc);
    if (read) {
        doc.RebuildAfterLoad();
        AddLayoutWarnings(doc, doc.readReport);
    }
    return read;
}

bool LooksLikeLayout(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }
    const std::size_t end = text.find_first_of(";\r\n");
    std::string_view first = text.substr(0, end);
    while (!first.empty() && (first.front() == ' ' || first.front() == '\t')) {
        first.remove_prefix(1);
    }
    while (!first.empty() && (first.back() == ' ' || first.back() == '\t')) {
        first.remove_suffix(1);
    }
    return std::any_of(kLayoutTypes.begin(), kLayoutTypes.end(), [first](LayoutType type) {
        return first == std::to_string(NumberOf(type));
    });
}

} // namespace vorlan
