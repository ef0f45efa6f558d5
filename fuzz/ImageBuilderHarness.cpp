#include "fuzz/FuzzHarness.h"
#include "fuzz/ImageChecks.h"
#include "layout/LayoutFile.h"
#include "programming/DeviceImage.h"

#include <sstream>
#include <string_view>

namespace vorlan::hardening {

std::string RunImageBuilder(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    // Any text: a step code or a well-formed image, never anything else.
    std::istringstream stream{std::string(text)};
    DeviceImage image;
    const int result = BuildDeviceImage(stream, image);
    if (result > 0 || result < -30) {
        return "step code " + std::to_string(result);
    }
    if (result == 0) {
        const ImageShape shape = ImageShapeOf(image.typeNumber);
        if (shape.keyCount == 0 || static_cast<int>(image.bytes.size()) != shape.size) {
            return "built an image of " + std::to_string(image.bytes.size()) +
                   " bytes for type number " + std::to_string(image.typeNumber);
        }
        const int first = shape.keyCount * shape.recordSize;
        if ((image.bytes[static_cast<std::size_t>(first)] & 0x80) != 0 ||
            (image.bytes[static_cast<std::size_t>(first + 1)] & 0xFC) != 0) {
            return "settings bytes carry bits the keyboard does not define";
        }
    }

    // Whatever the editor makes of the same text, once rebuilt, must come back
    // from the writer in a form the builder accepts and turns into its image.
    LayoutDocument doc;
    doc.ResetToNew();
    ParseLayout(doc, text);
    doc.RebuildAfterLoad();
    static constexpr KeyboardVariant kVariants[] = {
        KeyboardVariant::SevenThreeScan, KeyboardVariant::SixteenScan, KeyboardVariant::SingleLeft,
        KeyboardVariant::SingleRight};
    const KeyboardVariant variant = kVariants[size % 4];
    if (std::string problem = CheckImageOfLayout(doc, variant); !problem.empty()) {
        return problem;
    }
    return {};
}

} // namespace vorlan::hardening
