#include "editor/KeyFind.h"

#include "grid/KeyDescription.h"
#include "scancodes/CodeNames.h"

#include <algorithm>

namespace vorlan {
namespace {

// Latin-1 lower case: ASCII and the accented capitals 0xC0..0xDE (but the
// multiplication sign 0xD7).
unsigned char Lower(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<unsigned char>(c + 0x20);
    }
    return c;
}

bool ContainsFolded(std::string_view text, std::string_view query) {
    const auto same = [](char a, char b) {
        return Lower(static_cast<unsigned char>(a)) == Lower(static_cast<unsigned char>(b));
    };
    return std::search(text.begin(), text.end(), query.begin(), query.end(), same) != text.end();
}

} // namespace

bool KeyMatches(const KeyRecord& key, std::string_view query) {
    // Keys without codes still carry their default names ("KEY12").
    if (query.empty() || !key.IsProgrammed()) {
        return false;
    }
    if (ContainsFolded(key.name.str(), query)) {
        return true;
    }
    const std::vector<std::string> codes = KeyCodeNames(key.codes);
    if (std::any_of(codes.begin(), codes.end(),
                    [query](const std::string& name) { return ContainsFolded(name, query); })) {
        return true;
    }
    // The standard names find a key too when a PC layout names its codes.
    const std::vector<std::string> standard = CodeNames(key.codes, CodeNaming::Standard);
    for (std::size_t i = 0; i < standard.size(); ++i) {
        if (key.codes[i] != 0 && ContainsFolded(standard[i], query)) {
            return true;
        }
    }
    return false;
}

void KeyFind::Search(const LayoutDocument& doc, std::string_view query) {
    const std::vector<int> before = std::move(found_);
    found_.clear();
    cells_.clear();
    const int count = doc.KeysInUse();
    for (int slot = 1; slot <= count; ++slot) {
        if (!KeyMatches(doc.keys[static_cast<std::size_t>(slot)], query)) {
            continue;
        }
        const int anchor = KeyAnchor(doc, slot);
        if (std::find(found_.begin(), found_.end(), anchor) != found_.end()) {
            continue; // another cell of a key already found
        }
        found_.push_back(anchor);
        for (const int cell : CellsOfKey(doc, anchor)) {
            cells_.push_back(cell);
        }
    }
    std::sort(found_.begin(), found_.end());
    std::sort(cells_.begin(), cells_.end());
    cells_.erase(std::unique(cells_.begin(), cells_.end()), cells_.end());
    if (query != query_ || found_ != before) {
        query_ = query;
        stepped_ = false;
        position_ = 0;
    }
}

int KeyFind::StepTo(int index) {
    stepped_ = true;
    position_ = index + 1;
    return found_[static_cast<std::size_t>(index)];
}

int KeyFind::Next(const LayoutDocument& doc, int selected) {
    if (found_.empty()) {
        return 0;
    }
    const int from = selected >= 1 ? KeyAnchor(doc, selected) : 0;
    const auto it = stepped_ ? std::upper_bound(found_.begin(), found_.end(), from)
                             : std::lower_bound(found_.begin(), found_.end(), from);
    return StepTo(it == found_.end() ? 0 : static_cast<int>(it - found_.begin()));
}

int KeyFind::Previous(const LayoutDocument& doc, int selected) {
    if (found_.empty()) {
        return 0;
    }
    const int from = selected >= 1 ? KeyAnchor(doc, selected) : kMaxKeys + 1;
    const auto it = std::lower_bound(found_.begin(), found_.end(), from);
    const int count = static_cast<int>(found_.size());
    const int index = it == found_.begin() ? count - 1 : static_cast<int>(it - found_.begin()) - 1;
    return StepTo(index);
}

} // namespace vorlan
