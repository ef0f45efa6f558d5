#include "common/TextRoom.h"

#include <algorithm>
#include <map>
#include <numeric>

namespace vorlan {

RoomResult MakeRoom(const std::vector<RoomItem>& items) {
    // Each growth inserts a column of extra pixels at the control's right
    // edge. Narrow right edges first, so a control that already spans an
    // inserted column only asks for what is still missing.
    std::vector<std::size_t> order(items.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return items[a].box.x + items[a].box.width < items[b].box.x + items[b].box.width;
    });
    std::map<int, int> inserted; // column -> pixels inserted there
    const auto insertedUpTo = [&inserted](int column) {
        int sum = 0;
        for (auto it = inserted.begin(); it != inserted.end() && it->first <= column; ++it) {
            sum += it->second;
        }
        return sum;
    };
    for (const std::size_t i : order) {
        const RoomItem& item = items[i];
        if (item.keepWidth || item.needed <= item.box.width) {
            continue;
        }
        const int left = item.box.x;
        const int right = left + item.box.width;
        const int grown = insertedUpTo(right) - insertedUpTo(left);
        const int missing = item.needed - item.box.width - grown;
        if (missing > 0) {
            inserted[right] += missing;
        }
    }

    RoomResult result;
    result.boxes.reserve(items.size());
    for (const RoomItem& item : items) {
        RoomBox box = item.box;
        const int left = insertedUpTo(box.x);
        box.x += left;
        if (!item.keepWidth) {
            box.width += insertedUpTo(item.box.x + item.box.width) - left;
        }
        result.boxes.push_back(box);
    }
    for (const auto& [column, pixels] : inserted) {
        result.widening += pixels;
    }
    return result;
}

std::vector<int> FitPaneEdges(const std::vector<int>& edges, const std::vector<int>& needed,
                              int gap, int minimumEnd) {
    std::vector<int> fitted;
    fitted.reserve(edges.size());
    int shift = 0;
    int left = 0;
    for (std::size_t i = 0; i < edges.size(); ++i) {
        const int room = edges[i] - left - gap;
        const int need = i < needed.size() ? needed[i] : 0;
        shift += std::max(0, need - room);
        left = edges[i];
        fitted.push_back(edges[i] + shift);
    }
    if (!fitted.empty()) {
        fitted.back() = std::max(fitted.back(), minimumEnd);
    }
    return fitted;
}

} // namespace vorlan
