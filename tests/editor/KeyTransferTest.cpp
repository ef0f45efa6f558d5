// Keys as units that move: drop plans, the clipboard text, and the editor's
// paste, cut, drop and Alt+arrow commands on top of them.
#include "editor/KeyTransfer.h"

#include "testing/RecordingView.h"

#include <gtest/gtest.h>

namespace vorlan::test {
namespace {

// A 112-key layout with a single key at 1, a double-right at 3-4, a
// double-down at 10/18, another double-right at 6-7 and a quad at 41-42/49-50.
struct Board : EditorFixture {
    Board() {
        UseKeyCount(kMaxKeys);
        Put(1, {1}, KeyShape::Single, "One");
        Put(3, {3, 4}, KeyShape::DoubleRight, "Three");
        Put(10, {10, 18}, KeyShape::DoubleDown, "Ten");
        Put(6, {6, 7}, KeyShape::DoubleRight, "Six");
        Put(41, {41, 42, 49, 50}, KeyShape::Quad, "Quad");
    }
    void Put(int anchor, std::vector<int>, KeyShape shape, const std::string& name) {
        KeyContent c{shape, name, {}, true, KeyMode::Mode1};
        c.codes[0] = anchor;
        ASSERT_TRUE(PlaceKey(doc(), anchor, c)) << name;
    }
};

TEST(KeyTransfer, PlansEachDropByTheCellsTheKeyWouldTake) {
    struct Row {
        int grabbed, target;
        bool copy;
        DropKind kind;
        int anchor;
    };
    const Row rows[] = {
        {1, 2, false, DropKind::Move, 2},
        {1, 1, false, DropKind::Impossible, 0}, // onto itself
        {1, 3, false, DropKind::Impossible, 0}, // a double is not a single
        {4, 5, false, DropKind::Move, 4},       // grabbed by its right cell: overlaps itself
        {3, 6, false, DropKind::Swap, 6},       // same shape
        {3, 7, false, DropKind::Swap, 6},       // any cell of the other key
        {3, 6, true, DropKind::Impossible, 0},  // a copy needs free cells
        {4, 8, false, DropKind::Impossible, 0}, // the left cell would be 7, taken
        {3, 8, false, DropKind::Impossible, 0}, // the right cell would leave the block
        {3, 57, false, DropKind::Move, 57},     // into the other block
        {10, 50, false, DropKind::Impossible, 0},
        {18, 26, false, DropKind::Move, 18},
        {10, 46, false, DropKind::Move, 46},
        {10, 56, false, DropKind::Impossible, 0}, // the lower cell would leave the grid
        {50, 53, true, DropKind::Copy, 44},       // grabbed by its lower right cell
        {50, 53, false, DropKind::Move, 44},
        {2, 5, false, DropKind::Impossible, 0}, // nothing grabbed
        {1, 0, false, DropKind::Impossible, 0},
    };
    Board b;
    for (const Row& r : rows) {
        const DropPlan plan = PlanDrop(b.doc(), r.grabbed, r.target, r.copy);
        EXPECT_EQ(plan, (DropPlan{r.kind, r.anchor})) << r.grabbed << " -> " << r.target;
    }
    b.UseKeyCount(kBlockKeys);
    EXPECT_EQ(PlanDrop(b.doc(), 3, 57, false).kind, DropKind::Impossible) << "unavailable block";
}

TEST(KeyTransfer, ClipboardTextCarriesTheWholeKeyAndRefusesAnythingElse) {
    KeyContent key{KeyShape::Quad, "Left Shift + x", {}, false, KeyMode::Mode3};
    key.codes = {0x2A, 0x2D, 0xAD, 0xAA};
    const std::string text = FormatKeyClip(key);
    EXPECT_EQ(text.rfind("Vorlan key\n", 0), 0U) << text;
    EXPECT_EQ(ParseKeyClip(text), key);
    EXPECT_NE(PlainKeyText(key).find("Left Shift + x:"), std::string::npos);

    const std::string good = "Vorlan key\nShape: single\nName: A\nCodes: 1E 9E 0 0 0 0 0 0 0 "
                             "0 0 0 0 0 0 0\nSingle key: yes\nMode: 1\n";
    ASSERT_TRUE(ParseKeyClip(good));
    const auto with = [&](const std::string& from, const std::string& to) {
        std::string t = good;
        t.replace(t.find(from), from.size(), to);
        return t;
    };
    const std::string refused[] = {
        "",
        "A: 1E 9E",
        with("Vorlan key", "Vorlan keys"),
        with("single", "triple"),
        with("Name: A\n", ""),
        with(" 0\nSingle", "\nSingle"), // 15 codes
        with("1E 9E", "1E 100"),        // above a byte
        with("1E 9E", "0 9E"),          // not programmed
        with("1E 9E", "1E xy"),
        with("Mode: 1", "Mode: 5"),
        with("yes", "maybe"),
        with("Name: A", "Name: " + std::string(100, 'n')),
    };
    for (const std::string& t : refused) {
        EXPECT_FALSE(ParseKeyClip(t)) << t;
    }
    EXPECT_TRUE(ParseKeyClip(with("\n", "\r\n"))) << "line ends of other systems";
}

TEST(KeyTransfer, PasteInsertsWhereTheCellsAreFreeAndAsksBeforeReplacing) {
    Board b;
    b.Click(3);
    b.editor.OnCopy();
    EXPECT_NE(b.view.clipboardPlain.find("Three:"), std::string::npos);

    b.Click(8); // a double right does not fit at a row end
    b.editor.OnPaste();
    ASSERT_EQ(b.view.errors.size(), 1U);
    // The cells are not taken: they do not exist, and the message says so.
    EXPECT_EQ(b.view.errors[0], "There is no room for a double key here.");
    EXPECT_EQ(b.span(8).kind, SpanKind::Empty);

    b.Click(12);
    b.editor.OnPaste();
    EXPECT_EQ(ShapeAt(b.doc(), 12), KeyShape::DoubleRight);
    EXPECT_EQ(b.key(13).name.str(), "Three");
    EXPECT_EQ(b.editor.History().UndoName(), StringId::StepPaste);
    EXPECT_TRUE(b.doc().dirty);

    b.Click(1); // onto a key: its definition, after asking; its shape stays
    b.view.answers = {false};
    b.editor.OnPaste();
    EXPECT_EQ(b.key(1).name.str(), "One");
    b.editor.OnPaste();
    EXPECT_EQ(b.key(1).name.str(), "Three");
    EXPECT_EQ(ShapeAt(b.doc(), 1), KeyShape::Single);
    EXPECT_EQ(b.view.questions.back(), "Replace key One with Three ?");

    b.view.clipboard = "Three: 1E";
    b.view.ClearRecords();
    const std::size_t steps = b.editor.History().StepCount();
    b.editor.OnPaste();
    EXPECT_EQ(b.view.errors,
              std::vector<std::string>{"The clipboard holds no key that can be pasted."});
    EXPECT_EQ(b.editor.History().StepCount(), steps);
}

TEST(KeyTransfer, CutDropAndAltArrowAreOneStepEach) {
    Board b;
    b.Put(2, {2}, KeyShape::Single, "Two");
    b.Click(1);
    b.editor.OnMoveKey(1, 0); // onto the key at 2: Alt+arrow never swaps
    EXPECT_EQ(b.key(1).name.str(), "One");
    EXPECT_FALSE(b.editor.History().CanUndo());

    b.Click(10);
    b.editor.OnCut();
    EXPECT_EQ(b.span(10).kind, SpanKind::Empty);
    EXPECT_EQ(b.span(18).kind, SpanKind::Empty);
    EXPECT_TRUE(ParseKeyClip(b.view.clipboard));
    EXPECT_TRUE(b.view.questions.empty()) << "cut does not ask";

    ASSERT_TRUE(b.editor.OnDrop(3, 6, false)); // swap
    EXPECT_EQ(b.key(3).name.str(), "Six");
    EXPECT_EQ(b.key(7).name.str(), "Three");
    EXPECT_EQ(b.editor.CurrentKey(), 6);
    ASSERT_TRUE(b.editor.OnDrop(1, 20, true)); // copy
    EXPECT_EQ(b.key(1).name.str(), "One");
    EXPECT_EQ(b.key(20).name.str(), "One");
    EXPECT_FALSE(b.editor.OnDrop(1, 3, false));

    b.Click(42);
    b.editor.OnMoveKey(1, 0); // the quad one cell right
    EXPECT_EQ(ShapeAt(b.doc(), 42), KeyShape::Quad);
    EXPECT_EQ(KeyCells(b.doc(), 51), (std::vector<int>{42, 43, 50, 51}));
    EXPECT_EQ(b.span(41).kind, SpanKind::Empty);
    EXPECT_EQ(b.editor.CurrentKey(), 43) << "the selected cell moves with the key";

    const std::vector<StringId> steps = {StringId::StepMoveKey, StringId::StepCopyOfKey,
                                         StringId::StepSwapKeys, StringId::StepCut};
    for (StringId step : steps) {
        EXPECT_EQ(b.editor.History().UndoName(), step);
        b.editor.OnUndo();
    }
    EXPECT_EQ(ShapeAt(b.doc(), 10), KeyShape::DoubleDown);
    EXPECT_EQ(b.key(3).name.str(), "Three");
}

} // namespace
} // namespace vorlan::test
