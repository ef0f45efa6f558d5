#include "fuzz/FuzzHarness.h"
#include "fuzz/LayoutChecks.h"
#include "layout/LayoutFile.h"

#include <string_view>

namespace vorlan::hardening {

std::string RunLayoutReader(const std::uint8_t* data, std::size_t size) {
    LayoutDocument doc;
    doc.ResetToNew();
    ParseLayout(doc, std::string_view(reinterpret_cast<const char*>(data), size));
    doc.RebuildAfterLoad();
    const std::vector<std::string> rows = doc.CatalogRows();
    doc.RebuildCatalog();
    if (doc.CatalogRows() != rows) {
        return "a second catalogue rebuild changed the catalogue";
    }
    if (std::string problem = CheckLoadedLayout(doc); !problem.empty()) {
        return problem;
    }
    // One variant per input, picked by its length, keeps each run cheap; the
    // corpus holds inputs of every length, so every variant is exercised.
    static constexpr KeyboardVariant kVariants[] = {
        KeyboardVariant::SevenThreeScan, KeyboardVariant::SixteenScan, KeyboardVariant::SingleLeft,
        KeyboardVariant::SingleRight};
    return CheckRoundTrip(doc, kVariants[size % 4], true);
}

} // namespace vorlan::hardening
