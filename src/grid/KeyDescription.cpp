#include "grid/KeyDescription.h"

#include "common/Text.h"
#include "keyboards/TextCodes.h"
#include "scancodes/CodeNames.h"

#include <algorithm>

namespace vorlan {
namespace {

bool InLayout(const LayoutDocument& doc, int slot) {
    const int count = doc.settings.keyCount == kMaxKeys ? kMaxKeys : kBlockKeys;
    return slot >= 1 && slot <= count;
}

std::string Join(const std::vector<std::string>& parts, const char* separator) {
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty()) {
            text += separator;
        }
        text += part;
    }
    return text;
}

// The label a single key's own content gives.
std::string OwnLabel(const KeyRecord& key, const CodeNaming& naming) {
    if (!key.IsProgrammed()) {
        return {};
    }
    if (!key.name.str().empty()) {
        return Latin1ToUtf8(key.name.str());
    }
    return Join(KeyCodeNames(key.codes, naming), " ");
}

UiMessage SpanLine(const LayoutDocument& doc, int slot) {
    const KeySpan& span = doc.spans[static_cast<std::size_t>(slot)];
    switch (span.kind) {
    case SpanKind::Single:
        return {StringId::TipSpanSingle, {}};
    case SpanKind::Double:
        return {StringId::TipSpanDouble, {std::to_string(span.partners[0])}};
    case SpanKind::Quad: {
        std::vector<std::string> partners;
        for (int p : span.partners) {
            partners.push_back(std::to_string(p));
        }
        return {StringId::TipSpanQuad, {Join(partners, ", ")}};
    }
    case SpanKind::Empty:
        break;
    }
    return {StringId::TipSpanEmpty, {}};
}

} // namespace

std::vector<std::string> KeyCodeNames(const KeyCodes& codes, const CodeNaming& naming) {
    std::vector<std::string> names = CodeNames(codes, naming);
    std::erase_if(names, [](const std::string& name) { return name.empty(); });
    return names;
}

std::vector<int> CellsOfKey(const LayoutDocument& doc, int slot) {
    if (slot < 1 || slot > kMaxKeys) {
        return {};
    }
    const KeySpan& span = doc.spans[static_cast<std::size_t>(slot)];
    std::vector<int> cells{slot};
    for (int i = 0; i < span.PartnerCount(); ++i) {
        const int partner = span.partners[static_cast<std::size_t>(i)];
        if (partner >= 1 && partner <= kMaxKeys) {
            cells.push_back(partner);
        }
    }
    std::sort(cells.begin(), cells.end());
    return cells;
}

int KeyAnchor(const LayoutDocument& doc, int slot) {
    const std::vector<int> cells = CellsOfKey(doc, slot);
    return cells.empty() ? slot : cells.front();
}

std::string GridLabel(const LayoutDocument& doc, int slot, KeyImage image,
                      const CodeNaming& naming) {
    if (image == KeyImage::Empty || image == KeyImage::SelectedEmpty ||
        image == KeyImage::Unavailable || !InLayout(doc, slot)) {
        return {};
    }
    // A single-cell image (the selection) shows only its own key; a joined
    // image stands for all its cells.
    const bool joined = IsJoinedImage(image);
    const std::vector<int> cells = joined ? CellsOfKey(doc, slot) : std::vector<int>{slot};
    for (const int cell : cells) {
        if (std::string label = OwnLabel(doc.keys[static_cast<std::size_t>(cell)], naming);
            !label.empty()) {
            return label;
        }
    }
    return {};
}

bool IsJoinedImage(KeyImage image) {
    switch (image) {
    case KeyImage::DoubleDown:
    case KeyImage::DoubleRight:
    case KeyImage::Quad:
    case KeyImage::SelectedDoubleDown:
    case KeyImage::SelectedDoubleRight:
    case KeyImage::SelectedQuad:
        return true;
    default:
        return false;
    }
}

ShownKeyImage ImageToShow(const LayoutDocument& doc, int slot, KeyImage image) {
    if (image != KeyImage::SelectedKey || slot < 1 || slot > kMaxKeys) {
        return {slot, image};
    }
    const std::vector<int> cells = CellsOfKey(doc, slot);
    const SpanKind kind = doc.spans[static_cast<std::size_t>(slot)].kind;
    if (kind == SpanKind::Quad && cells.size() == 4) {
        return {cells[0], KeyImage::SelectedQuad};
    }
    if (kind == SpanKind::Double && cells.size() == 2) {
        const bool right = cells[1] == cells[0] + 1;
        return {cells[0], right ? KeyImage::SelectedDoubleRight : KeyImage::SelectedDoubleDown};
    }
    return {slot, image};
}

std::vector<UiMessage> KeyToolTipLines(const LayoutDocument& doc, int slot,
                                       const CodeNaming& naming, std::string_view pcLayout) {
    if (!InLayout(doc, slot)) {
        return {};
    }
    const KeyRecord& key = doc.keys[static_cast<std::size_t>(slot)];
    std::vector<UiMessage> lines;
    lines.push_back({StringId::TipKey, {std::to_string(slot)}});
    if (key.name.str().empty()) {
        lines.push_back({StringId::TipNameNone, {}});
    } else {
        lines.push_back({StringId::TipName, {Latin1Text(key.name)}});
    }
    const std::vector<std::string> codes = KeyCodeNames(key.codes, naming);
    if (codes.empty()) {
        lines.push_back({StringId::TipCodesNone, {}});
    } else {
        lines.push_back({StringId::TipCodes, {Join(codes, ", ")}});
        if (const auto text =
                pcLayout.empty() ? std::nullopt : keyboards::KeyTypesShown(key.codes, pcLayout)) {
            lines.push_back({StringId::KeyTypesText, {*text}});
        }
    }
    lines.push_back(SpanLine(doc, slot));
    lines.push_back({StringId::TipMode, {std::to_string(ModeNumber(key.mode()))}});
    static constexpr StringId kFlags[] = {StringId::TipFlagsNone, StringId::TipFlagsGroup,
                                          StringId::TipFlagsSingle, StringId::TipFlagsBoth};
    lines.push_back({kFlags[(key.groupKey() ? 1 : 0) + (key.singleKey() ? 2 : 0)], {}});
    return lines;
}

} // namespace vorlan
