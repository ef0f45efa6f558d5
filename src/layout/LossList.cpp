#include "layout/LossList.h"

#include "layout/LayoutFile.h"

#include <algorithm>

namespace vorlan {

std::vector<Difference> LossesOnSave(const LayoutDocument& doc, KeyboardVariant variant) {
    LayoutDocument back;
    ParseLayout(back, FormatLayout(doc, variant));
    back.RebuildAfterLoad();

    std::vector<Difference> out;
    CompareSettings(doc, back, out);
    // Where each key of the layout lands in the file; 0 for nowhere.
    const auto placeInFile = [variant](int k) {
        switch (variant) {
        case KeyboardVariant::SingleLeft:
            return k <= kBlockKeys ? k : 0;
        case KeyboardVariant::SingleRight:
            return k > kBlockKeys ? k - kBlockKeys : 0;
        default:
            return k;
        }
    };
    const int last = std::clamp(doc.settings.keyCount, 0, kMaxKeys);
    for (int k = 1; k <= last; ++k) {
        const KeyRecord& key = doc.keys[static_cast<std::size_t>(k)];
        const int placed = placeInFile(k);
        if (placed == 0) {
            if (key.IsProgrammed()) {
                out.push_back({DiffKind::KeyRemoved, k, 0,
                               UiMessage{StringId::LossKeyDropped, {KeyLabel(doc, k)}}});
            }
            continue;
        }
        if (key.IsProgrammed() || back.IsProgrammed(placed)) {
            CompareKey(doc, k, back, placed, out);
        }
    }
    return out;
}

} // namespace vorlan
