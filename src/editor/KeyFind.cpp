#include "editor/KeyFind.h"

#include "common/Text.h"
#include "grid/KeyDescription.h"
#include "scancodes/CodeNames.h"

#include <algorithm>

namespace vorlan {
namespace {

// Small letter of a capital of Latin-1 and Latin Extended-A, where the
// layouts' letters are; other code points stay as they are.
char32_t Lower(char32_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return c + 0x20;
    }
    if (c == 0x130) { // capital I with dot: its small letter is i
        return 'i';
    }
    if (c == 0x178) {
        return 0xFF;
    }
    const bool evenCapital = (c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
    const bool oddCapital = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if ((evenCapital && c % 2 == 0) || (oddCapital && c % 2 == 1)) {
        return c + 1;
    }
    return c;
}

// UTF-8 as folded code points; a byte that starts no valid sequence stands
// for itself, so no text is lost.
std::u32string Folded(std::string_view text) {
    std::u32string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        const std::size_t length = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC2 ? 2 : 0;
        char32_t c = b;
        bool valid = length > 0 && i + length <= text.size();
        if (valid && length > 1) {
            c = b & (0x7F >> length);
            for (std::size_t k = 1; k < length && valid; ++k) {
                const auto next = static_cast<unsigned char>(text[i + k]);
                valid = (next & 0xC0) == 0x80;
                c = (c << 6) | (next & 0x3F);
            }
        }
        if (!valid) {
            out += Lower(b);
            ++i;
            continue;
        }
        out += Lower(c);
        i += length;
    }
    return out;
}

bool ContainsFolded(std::string_view text, const std::u32string& query) {
    return Folded(text).find(query) != std::u32string::npos;
}

} // namespace

bool KeyMatches(const KeyRecord& key, std::string_view query, const CodeNaming& naming) {
    // Keys without codes still carry their default names ("KEY12").
    if (query.empty() || !key.IsProgrammed()) {
        return false;
    }
    const std::u32string folded = Folded(query);
    if (ContainsFolded(Latin1ToUtf8(key.name.str()), folded)) {
        return true;
    }
    const std::vector<std::string> codes = KeyCodeNames(key.codes, naming);
    if (std::any_of(codes.begin(), codes.end(),
                    [&folded](const std::string& name) { return ContainsFolded(name, folded); })) {
        return true;
    }
    // The standard names find a key too when a PC layout names its codes.
    const std::vector<std::string> standard = CodeNames(key.codes, CodeNaming{});
    for (std::size_t i = 0; i < standard.size(); ++i) {
        if (key.codes[i] != 0 && ContainsFolded(standard[i], folded)) {
            return true;
        }
    }
    return false;
}

void KeyFind::Search(const LayoutDocument& doc, std::string_view query, const CodeNaming& naming) {
    const std::vector<int> before = std::move(found_);
    found_.clear();
    cells_.clear();
    const int count = doc.KeysInUse();
    for (int slot = 1; slot <= count; ++slot) {
        if (!KeyMatches(doc.keys[static_cast<std::size_t>(slot)], query, naming)) {
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
