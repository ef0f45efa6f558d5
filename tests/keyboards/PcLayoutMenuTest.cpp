// View > PC keyboard layout in the real main window (offscreen): the code
// fields, tooltips and find follow the choice, which is remembered.
#include "keyboards/ui/PcLayoutMenu.h"

#include "app/GridViewActions.h"
#include "app/MainDialog.h"
#include "editor/KeyEditor.h"
#include "editor/ui/KeyFindBar.h"
#include "grid/ui/KeyGridWidget.h"
#include "scancodes/ScanCodeTables.h"
#include "testing/PrivateSettings.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QStandardPaths>
#include <QToolTip>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

class PcLayoutMenuTest : public ::testing::Test {
protected:
    void SetUp() override { test::UsePrivateSettings("pc_layout"); }
    void TearDown() override { test::DropPrivateSettings(); }

    // Key 1 sends the keys of US Y, US ; and the left Shift.
    static void FillLayout(MainDialog& w) {
        LayoutDocument& doc = w.Editor().Document();
        doc.keys[1].name = "Key";
        doc.keys[1].codes = {0x35, 0x4C, 0x12};
        doc.RebuildAfterLoad();
        w.Editor().DrawGrid();
        w.Editor().ShowKey(1);
    }

    static std::vector<std::string> CodeFields(MainDialog& w) {
        std::vector<std::string> texts;
        // The first three code fields, by their control ids.
        for (const char* name : {"code1000", "code1001", "code1003"}) {
            auto* field = w.findChild<QLineEdit*>(QString::fromLatin1(name));
            texts.push_back(field != nullptr ? field->text().toStdString() : "(missing)");
        }
        return texts;
    }

    // The tooltip the grid shows for a cell when the mouse rests on it.
    static QString CellToolTip(MainDialog& w, int slot) {
        KeyGridWidget* grid = w.Grid();
        const QPoint at = grid->CellRect(slot).center();
        QHelpEvent help(QEvent::ToolTip, at, grid->mapToGlobal(at));
        QCoreApplication::sendEvent(grid, &help);
        return QToolTip::text();
    }

    static QAction* Entry(MainDialog& w, const char* stored) {
        QAction* entry = w.ViewActions().PcLayouts().Entry(stored);
        EXPECT_NE(entry, nullptr) << stored;
        return entry;
    }
};

TEST_F(PcLayoutMenuTest, TheChoiceNamesCodesInTheWindowAndIsRemembered) {
    {
        MainDialog w;
        FillLayout(w);
        w.show();
        QMenu* menu = w.ViewActions().PcLayouts().Menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->actions().size(), 2 + 1 + 20); // automatic, standard, separator, layouts
        EXPECT_TRUE(Entry(w, "auto")->isChecked());    // the first choice
        EXPECT_TRUE(Entry(w, "auto")->text().startsWith(QStringLiteral("&Automatic (")));

        struct Step {
            const char* choice;
            std::vector<std::string> fields;
            const char* tipCodes;
        };
        const Step steps[] = {
            {"de", {"Z", "Ö", "Shift_left"}, "Codes: Z, \u00D6, Shift_left"},
            {"standard", {"Y", ";", "Shift_left"}, "Codes: Y, ;, Shift_left"},
            {"fr", {"Y", "M", "Shift_left"}, "Codes: Y, M, Shift_left"},
            // Signs beyond Latin-1 show in the field and the tooltip alike.
            {"tr", {"Y", "Ş", "Shift_left"}, "Codes: Y, Ş, Shift_left"},
            {"cz", {"Z", "ů", "Shift_left"}, "Codes: Z, ů, Shift_left"},
            {"de", {"Z", "Ö", "Shift_left"}, "Codes: Z, \u00D6, Shift_left"},
        };
        for (const Step& s : steps) {
            SCOPED_TRACE(s.choice);
            Entry(w, s.choice)->trigger();
            EXPECT_TRUE(Entry(w, s.choice)->isChecked());
            EXPECT_EQ(CodeFields(w), s.fields);
            const QString tip = CellToolTip(w, 1);
            EXPECT_TRUE(tip.contains(QString::fromUtf8(s.tipCodes))) << tip.toStdString();
        }

        // Find matches the layout's names and the standard ones.
        GridViewActions& view = w.ViewActions();
        view.FindAction()->trigger();
        ASSERT_TRUE(view.FindBarOpen());
        for (const QString& query :
             {QStringLiteral("ö"), QStringLiteral(";"), QStringLiteral("z"), QStringLiteral("y")}) {
            // Typed as a text: the test's key clicks know only ASCII keys.
            view.FindBar()->Field()->setText(query);
            EXPECT_EQ(QStringLiteral("1 found"), view.FindBar()->ResultText())
                << query.toStdString();
        }
        // A sign beyond Latin-1 finds its key in either case; the key name
        // (Latin-1) is found as before.
        Entry(w, "tr")->trigger();
        const std::pair<QString, const char*> finds[] = {
            {QStringLiteral("ş"), "1 found"},      {QStringLiteral("Ş"), "1 found"},
            {QStringLiteral("ö"), "No key found"}, {QStringLiteral("kEY"), "1 found"},
            {QStringLiteral(";"), "1 found"},
        };
        for (const auto& [query, result] : finds) {
            view.FindBar()->Field()->setText(query);
            EXPECT_EQ(QString::fromUtf8(result), view.FindBar()->ResultText())
                << query.toStdString();
        }
        Entry(w, "de")->trigger();
    }
    MainDialog w;
    FillLayout(w);
    EXPECT_TRUE(Entry(w, "de")->isChecked());
    EXPECT_EQ(w.ViewActions().PcLayouts().LayoutInUse(), "de");
    EXPECT_EQ(CodeFields(w), (std::vector<std::string>{"Z", "Ö", "Shift_left"}));
}

} // namespace
} // namespace vorlan
