// The layout type a file's first number stands for: how many keys the layout
// has and how the keyboard scans them. Every reader of that number asks this
// type, so 56, 57, 112 and 113 are spelled only here.
#pragma once

#include "layout/SlotGeometry.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vorlan {

// How a keyboard reports its keys: 7 or 3 codes a key in a small image, or 16
// codes a key with RFID options.
enum class ScanFamily { SevenThreeScan, SixteenScan };

// How the family is named to people ("7/3scan", "16scan").
constexpr std::string_view FamilyName(ScanFamily family) {
    return family == ScanFamily::SixteenScan ? "16scan" : "7/3scan";
}

// The four types, valued as the file writes them.
enum class LayoutType : std::uint8_t {
    Single73 = kBlockKeys,     // 56 keys, 7/3scan
    Single16 = kBlockKeys + 1, // 56 keys, 16scan
    Double73 = kMaxKeys,       // 112 keys, 7/3scan
    Double16 = kMaxKeys + 1,   // 112 keys, 16scan
};

inline constexpr std::array kLayoutTypes = {LayoutType::Single73, LayoutType::Single16,
                                            LayoutType::Double73, LayoutType::Double16};

// The type a file's first number names; nullopt for any other number.
constexpr std::optional<LayoutType> LayoutTypeFromNumber(int number) {
    switch (number) {
    case static_cast<int>(LayoutType::Single73):
    case static_cast<int>(LayoutType::Single16):
    case static_cast<int>(LayoutType::Double73):
    case static_cast<int>(LayoutType::Double16):
        return static_cast<LayoutType>(number);
    default:
        return std::nullopt;
    }
}

// The number a file starts with.
constexpr int NumberOf(LayoutType type) {
    return static_cast<int>(type);
}

constexpr bool IsDouble(LayoutType type) {
    return type == LayoutType::Double73 || type == LayoutType::Double16;
}

constexpr int KeyCountOf(LayoutType type) {
    return IsDouble(type) ? kMaxKeys : kBlockKeys;
}

constexpr ScanFamily FamilyOf(LayoutType type) {
    return type == LayoutType::Single16 || type == LayoutType::Double16
               ? ScanFamily::SixteenScan
               : ScanFamily::SevenThreeScan;
}

// The type of a layout of keyCount keys (112 is the double keyboard, anything
// else the single one) in a family.
constexpr LayoutType LayoutTypeOf(int keyCount, ScanFamily family) {
    const bool sixteen = family == ScanFamily::SixteenScan;
    if (keyCount == kMaxKeys) {
        return sixteen ? LayoutType::Double16 : LayoutType::Double73;
    }
    return sixteen ? LayoutType::Single16 : LayoutType::Single73;
}

} // namespace vorlan
