// Exact behaviour of the key editor where a plausible shortcut would differ:
// selection moves from "no key", and the order of what commands draw.
#include "testing/RecordingView.h"

#include <gtest/gtest.h>

namespace vorlan::test {
namespace {

using KI = KeyImage;

// Puts the editor into "no slot selected" by picking a list entry no key carries.
void SelectNothing(EditorFixture& f) {
    f.Program(3, {22}, "Ghost");
    f.doc().RebuildCatalog();
    f.Program(3, {22}, "Other");
    f.editor.OnCatalogPick(0);
    ASSERT_EQ(f.editor.CurrentKey(), 0);
}

// With no slot selected, Right goes where the reading-order rule takes slot 0:
// the row end rule (0 mod 8 = 0) gives 49 on the double keyboard.
TEST(ConformanceNavigation, RightFromNoSelectionFollowsTheReadingOrderRule) {
    EXPECT_EQ(NextSlot(0, 56), 1);
    EXPECT_EQ(NextSlot(0, 112), 49);

    EditorFixture f;
    f.UseKeyCount(112);
    SelectNothing(f);
    f.editor.OnArrowRight();
    EXPECT_EQ(f.editor.CurrentKey(), 49);
    EXPECT_EQ(f.view.controls.keyNumber, 49);
}

} // namespace
} // namespace vorlan::test
