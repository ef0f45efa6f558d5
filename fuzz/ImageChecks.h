// Checks of the device image against the layout it was built from, decoding
// the bytes by the image table itself (not by the program's own decoder), so
// builder and decoder cannot agree on the same mistake.
#pragma once

#include "layout/LayoutDocument.h"

#include <cstdint>
#include <span>
#include <string>

namespace vorlan::hardening {

// Where an image's parts lie, by the type number (the file's first number).
struct ImageShape {
    int keyCount = 0;
    int codes = 0;
    int leadBytes = 0;
    int recordSize = 0;
    int size = 0;
};

// The shape of type number 56, 57, 112 or 113; keyCount 0 for any other.
ImageShape ImageShapeOf(int typeNumber);

// The type number a layout written in this variant starts with.
int TypeNumberOf(const LayoutDocument& doc, KeyboardVariant variant);

// Compares image bytes with what doc, written in the 7/3scan or 16scan
// variant, must give: every key record (flags, group number, codes) and the
// settings bytes. Empty when they agree.
std::string CompareImage(const LayoutDocument& doc, KeyboardVariant variant,
                         std::span<const std::uint8_t> bytes);

// Writes doc in the variant (7/3scan or 16scan), builds the image from that
// text with the strict builder and compares it (CompareImage).
std::string CheckImageOfLayout(const LayoutDocument& doc, KeyboardVariant variant);

} // namespace vorlan::hardening
