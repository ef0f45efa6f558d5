// Every layout the writer produces builds into exactly its own image.
#include "fuzz/ImageChecks.h"
#include "testing/RandomLayout.h"

#include <gtest/gtest.h>

namespace vorlan::hardening {
namespace {

TEST(ImageProperties, EveryWrittenLayoutBuildsIntoItsImage) {
    for (unsigned seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        LayoutDocument doc = RandomLayout(seed).Make();
        // As written straight from editing, and as after opening the file.
        for (int pass = 0; pass < 2; ++pass) {
            for (KeyboardVariant variant : kAllVariants) {
                ASSERT_EQ(CheckImageOfLayout(doc, variant), "") << "pass " << pass;
            }
            doc.RebuildAfterLoad();
        }
    }
}

} // namespace
} // namespace vorlan::hardening
