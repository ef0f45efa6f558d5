// Names over the key images, found marks, tooltips and the find bar, in the
// grid canvas and the main window (offscreen).
#include "app/GridViewActions.h"
#include "app/MainDialog.h"
#include "editor/KeyEditor.h"
#include "editor/ui/KeyFindBar.h"
#include "grid/ui/KeyGridWidget.h"
#include "grid/ui/KeyImages.h"
#include "grid/ui/KeyNamePainter.h"
#include "grid/ui/KeyTexts.h"
#include "hyphenation/HyphenationChoice.h"
#include "testing/PrivateSettings.h"

#include <QAction>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

// Pixels of the canvas inside (or, with outside, around) `inner` within the
// image's rect that differ from the plain image drawn there.
int ChangedPixels(const KeyGridWidget& grid, int slot, KeyImage image, const QRect& inner,
                  bool outside) {
    const QImage& canvas = grid.Canvas();
    const qreal r = canvas.devicePixelRatio();
    const QImage plain = RenderKeyImage(image, r).convertToFormat(canvas.format());
    const QPoint origin = KeyGridWidget::CanvasCellOrigin(slot) * r;
    int changed = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            const bool in = inner.contains(QPoint(qFloor(x / r), qFloor(y / r)));
            if (in != outside && canvas.pixel(origin + QPoint(x, y)) != plain.pixel(x, y)) {
                ++changed;
            }
        }
    }
    return changed;
}

int ChangedInImage(const KeyGridWidget& grid, int slot, KeyImage image) {
    const QRect all(QPoint(0, 0), KeyImageDrawnSize(image));
    return ChangedPixels(grid, slot, image, all, false);
}

TEST(KeyNamesOnGrid, NamesShowOnlyWhenOnAndStayOnTheFace) {
    KeyGridWidget grid;
    struct Row {
        int slot;
        KeyImage image;
        const char* name;
    };
    const Row rows[] = {
        {1, KeyImage::Single, "Esc"},
        {2, KeyImage::SelectedKey, "Shift_left"},
        {3, KeyImage::Single, "A name far too long for any cell of the grid"},
        {5, KeyImage::DoubleRight, "Backspace"},
        {20, KeyImage::Quad, "Enter"},
        {30, KeyImage::DoubleDown, "Page down"},
        {8, KeyImage::Empty, ""},
    };
    for (const Row& r : rows) {
        grid.DrawKeyImage(r.slot, r.image, QString::fromLatin1(r.name));
    }
    for (const Row& r : rows) {
        EXPECT_EQ(0, ChangedInImage(grid, r.slot, r.image)) << r.slot; // off: plain images
    }
    grid.SetShowNames(true);
    for (const Row& r : rows) {
        SCOPED_TRACE(r.slot);
        const QRect face =
            KeyNamePainter::FaceRect(QRect(QPoint(0, 0), KeyImageDrawnSize(r.image)), r.image);
        EXPECT_EQ(*r.name != 0, ChangedPixels(grid, r.slot, r.image, face, false) > 0);
        EXPECT_EQ(0, ChangedPixels(grid, r.slot, r.image, face, true));
    }
    // A selection over one cell of the double key leaves no half name behind.
    grid.DrawKeyImage(6, KeyImage::SelectedKey, QStringLiteral("Backspace"));
    const QRect leftHalf(0, 0, KeyGridWidget::kCell, KeyGridWidget::kCell);
    EXPECT_EQ(0, ChangedPixels(grid, 5, KeyImage::DoubleRight, leftHalf, false));
    EXPECT_GT(ChangedInImage(grid, 6, KeyImage::SelectedKey), 0);
    grid.SetShowNames(false);
    EXPECT_EQ(0, ChangedInImage(grid, 1, KeyImage::Single));
    EXPECT_EQ(0, ChangedInImage(grid, 6, KeyImage::SelectedKey));
}

// The grid's own painter with the window's font: a name too long for a
// single key is broken where its language's dictionary breaks it, or not at all.
TEST(KeyNamesOnGrid, LongNamesBreakWhereTheirLanguageAllows) {
    const QSize face =
        KeyNamePainter::FaceRect(QRect(QPoint(0, 0), KeyImageDrawnSize(KeyImage::Single)),
                                 KeyImage::Single)
            .size();
    const char* names[] = {"Fleischpflanzerl", "Schweinsbraten", "Aufschnitt",
                           "Échappement",      "Kiełbasa",       "Weißwurstfrühstück"};
    for (const char* language : {"de", "fr", "pl", "none"}) {
        SetNamesHyphenation(language);
        // The grid does not wait for a dictionary loading in the background.
        const std::shared_ptr<const Hyphenator> h = HyphenatorFor(language);
        ASSERT_EQ(h, NamesHyphenator());
        KeyNamePainter painter;
        int broken = 0;
        for (const char* name : names) {
            SCOPED_TRACE(std::string(language) + " " + name);
            const LabelLayout& layout = painter.Layout(QString::fromUtf8(name), face);
            ASSERT_FALSE(layout.lines.empty());
            if (layout.lines.size() == 2 && layout.lines[0].ends_with('-')) {
                ASSERT_NE(nullptr, h) << "broken without a dictionary";
                const std::size_t cut = layout.lines[0].size() - 1;
                const std::vector<std::size_t> points = h->Points(name);
                EXPECT_NE(points.end(), std::find(points.begin(), points.end(), cut));
                ++broken;
            }
        }
        if (std::string_view(language) == "de") {
            EXPECT_GT(broken, 0); // the butcher's words are too long for one cell
        }
    }
    SetNamesHyphenation({});
}

TEST(KeyNamesOnGrid, FoundKeysCarryAMarkUntilTheSearchEnds) {
    KeyGridWidget grid;
    grid.DrawKeyImage(1, KeyImage::Single, QString());
    grid.DrawKeyImage(2, KeyImage::Single, QString());
    grid.SetFoundCells({2});
    EXPECT_EQ(0, ChangedInImage(grid, 1, KeyImage::Single));
    EXPECT_GT(ChangedInImage(grid, 2, KeyImage::Single), 0);
    grid.DrawKeyImage(2, KeyImage::SelectedKey, QString()); // the mark survives a redraw
    EXPECT_GT(ChangedInImage(grid, 2, KeyImage::SelectedKey), 0);
    grid.SetFoundCells({});
    EXPECT_EQ(0, ChangedInImage(grid, 2, KeyImage::SelectedKey));
}

class KeyFindWindowTest : public ::testing::Test {
protected:
    void SetUp() override { test::UsePrivateSettings("find"); }
    void TearDown() override { test::DropPrivateSettings(); }

    // A 112-key layout with three keys that match "shift" in different ways.
    static void FillLayout(MainDialog& w) {
        LayoutDocument& doc = w.Editor().Document();
        doc.settings.keyCount = kMaxKeys;
        const struct {
            int key;
            const char* name;
            std::int32_t code;
        } keys[] = {
            {5, "Shift", 0x1C}, {20, "Upper", 0x12}, {70, "SHIFT lock", 0x5A}, {90, "Other", 0x1C}};
        for (const auto& k : keys) {
            doc.keys[static_cast<std::size_t>(k.key)].name = k.name;
            doc.keys[static_cast<std::size_t>(k.key)].codes[0] = k.code; // 0x12: Shift_left
        }
        doc.RebuildAfterLoad();
        w.Editor().DrawGrid();
    }
};

TEST_F(KeyFindWindowTest, StepsThroughThreeKeysWrapsAndClosesKeepingTheSelection) {
    MainDialog w;
    FillLayout(w);
    w.show();
    GridViewActions& view = w.ViewActions();
    EXPECT_EQ(QKeySequence(QKeySequence::Find), view.FindAction()->shortcut());
    view.FindAction()->trigger();
    ASSERT_TRUE(view.FindBarOpen());
    QLineEdit* field = view.FindBar()->Field();
    QTest::keyClicks(field, QStringLiteral("shift"));
    EXPECT_EQ(QStringLiteral("3 found"), view.FindBar()->ResultText());
    EXPECT_GT(ChangedInImage(*w.Grid(), 20, KeyImage::Single), 0); // marked
    EXPECT_EQ(0, ChangedInImage(*w.Grid(), 90, KeyImage::Single));

    const int heightOpen = w.height();
    struct Step {
        int key;
        Qt::KeyboardModifiers modifiers;
        int selected;
        const char* result;
    };
    const Step steps[] = {
        {Qt::Key_Return, {}, 5, "1 of 3"},
        {Qt::Key_Enter, {}, 20, "2 of 3"},
        {Qt::Key_F3, {}, 70, "3 of 3"},
        {Qt::Key_Return, {}, 5, "1 of 3"},
        {Qt::Key_F3, Qt::ShiftModifier, 70, "3 of 3"},
    };
    for (const Step& s : steps) {
        if (s.key == Qt::Key_F3) {
            (s.modifiers ? view.FindPreviousAction() : view.FindNextAction())->trigger();
        } else {
            QTest::keyClick(field, static_cast<Qt::Key>(s.key), s.modifiers);
        }
        EXPECT_EQ(s.selected, w.Editor().CurrentKey()) << s.result;
        EXPECT_EQ(QString::fromLatin1(s.result), view.FindBar()->ResultText());
    }
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible()); // Escape closed the bar, not the window
    EXPECT_FALSE(view.FindBarOpen());
    EXPECT_LT(w.height(), heightOpen);
    EXPECT_EQ(70, w.Editor().CurrentKey());
    EXPECT_EQ(0, ChangedInImage(*w.Grid(), 20, KeyImage::Single));
}

TEST_F(KeyFindWindowTest, KeyNamesAreRememberedAndToolTipsEscapeNames) {
    {
        MainDialog w;
        EXPECT_FALSE(w.ViewActions().KeyNamesAction()->isChecked()); // off by default
        w.ViewActions().KeyNamesAction()->trigger();
        EXPECT_TRUE(w.Grid()->ShowNames());
    }
    MainDialog w;
    EXPECT_TRUE(w.ViewActions().KeyNamesAction()->isChecked());
    EXPECT_TRUE(w.Grid()->ShowNames());

    LayoutDocument& doc = w.Editor().Document();
    doc.keys[3].name = "<b>&";
    const QString tip = KeyToolTipText(doc, 3, {});
    EXPECT_TRUE(tip.contains(QStringLiteral("Name: &lt;b&gt;&amp;"))) << tip.toStdString();
    EXPECT_TRUE(tip.contains(QStringLiteral("Key 3<br>"))) << tip.toStdString();
    EXPECT_TRUE(KeyToolTipText(doc, 57, {}).isEmpty()); // a 56-key layout
}

} // namespace
} // namespace vorlan
