#include "fuzz/ImageChecks.h"

#include "layout/LayoutFile.h"
#include "programming/DeviceImage.h"

#include <sstream>

namespace vorlan::hardening {

ImageShape ImageShapeOf(int typeNumber) {
    switch (typeNumber) {
    case 56:
        return {56, 7, 1, 8, 450};
    case 112:
        return {112, 3, 1, 4, 450};
    case 57:
        return {56, 16, 2, 18, 1014};
    case 113:
        return {112, 16, 2, 18, 2022};
    default:
        return {};
    }
}

int TypeNumberOf(const LayoutDocument& doc, KeyboardVariant variant) {
    switch (variant) {
    case KeyboardVariant::SevenThreeScan:
        return doc.settings.keyCount;
    case KeyboardVariant::SixteenScan:
        return doc.settings.keyCount + 1;
    default:
        return kBlockKeys + 1;
    }
}

std::string CompareImage(const LayoutDocument& doc, KeyboardVariant variant,
                         std::span<const std::uint8_t> bytes) {
    const ImageShape shape = ImageShapeOf(TypeNumberOf(doc, variant));
    if (shape.keyCount == 0) {
        return "no image for this layout";
    }
    if (static_cast<int>(bytes.size()) != shape.size) {
        return "image of " + std::to_string(bytes.size()) + " bytes, not " +
               std::to_string(shape.size);
    }
    auto byteAt = [&](int i) { return static_cast<int>(bytes[static_cast<std::size_t>(i)]); };
    const int offset = variant == KeyboardVariant::SingleRight ? kBlockKeys : 0;
    for (int k = 1; k <= shape.keyCount; ++k) {
        const KeyRecord& key = doc.keys[static_cast<std::size_t>(k + offset)];
        const int record = (k - 1) * shape.recordSize;
        std::ostringstream where;
        where << "key " << k << " (byte " << record << "): ";
        if (byteAt(record) != key.FileFlags()) {
            return where.str() + "flags " + std::to_string(byteAt(record)) + ", not " +
                   std::to_string(key.FileFlags());
        }
        if (shape.leadBytes == 2 && byteAt(record + 1) != key.groupNumber) {
            return where.str() + "group number " + std::to_string(byteAt(record + 1)) + ", not " +
                   std::to_string(key.groupNumber);
        }
        for (int i = 0; i < shape.codes; ++i) {
            const int got = byteAt(record + shape.leadBytes + i);
            if (got != key.codes[static_cast<std::size_t>(i)]) {
                return where.str() + "code " + std::to_string(i + 1) + " is " +
                       std::to_string(got) + ", not " +
                       std::to_string(key.codes[static_cast<std::size_t>(i)]);
            }
        }
    }
    const int settings = shape.keyCount * shape.recordSize;
    const KeyboardSettings& s = doc.settings;
    const bool sixteen = shape.leadBytes == 2;
    const int first = sixteen ? shape.size - 6 : 448;
    if (settings != first) {
        return "the records do not end where the settings bytes begin";
    }
    if (byteAt(first) != (s.typematicRate | (s.keyDelay << 5))) {
        return "rate and delay byte " + std::to_string(byteAt(first));
    }
    if (byteAt(first + 1) != (s.keyBeep | (s.keysType << 1))) {
        return "beep and keys-type byte " + std::to_string(byteAt(first + 1));
    }
    if (sixteen &&
        (byteAt(first + 2) != doc.rfid.FileFlags() || byteAt(first + 3) != doc.rfid.prefix ||
         byteAt(first + 4) != doc.rfid.suffix || byteAt(first + 5) != s.keysPause)) {
        return "RFID or keys-pause bytes differ";
    }
    return {};
}

std::string CheckImageOfLayout(const LayoutDocument& doc, KeyboardVariant variant) {
    std::istringstream text(FormatLayout(doc, variant));
    DeviceImage image;
    const int result = BuildDeviceImage(text, image);
    if (result != 0) {
        return "the builder refused the writer's file with " + std::to_string(result);
    }
    const int imageNumber = image.type ? NumberOf(*image.type) : 0;
    if (imageNumber != TypeNumberOf(doc, variant)) {
        return "type number " + std::to_string(imageNumber);
    }
    return CompareImage(doc, variant, image.bytes);
}

} // namespace vorlan::hardening
