// The File menu's print and export entries, with the dialogs answered by the seams.
#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "editor/KeyEditor.h"
#include "printing/ui/PrintActions.h"
#include "testing/MainWindowFixture.h"
#include "testing/PrintTestLayouts.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QPrinter>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

class PrintUiTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        dialogs->printOptions = [this](const PrintChoices& saved) {
            offered = saved;
            return answer;
        };
    }

    MessageResult& reply = dialogs->reply;
    std::optional<PrintChoices> answer;
    PrintChoices offered;
    QString& path = dialogs->saveName;
    QTemporaryDir dir;
};

TEST_F(PrintUiTest, ExportEntriesWriteTheChosenFileAndRememberTheSizes) {
    MainDialog w(dialogs);
    w.Editor().Document() = test::FullLayout(56);
    w.Editor().Document().keys[5].name = "Supercalifragilisticexpialidocious";
    auto* exportPdf = w.findChild<QAction*>(QStringLiteral("actionExportLegendsPdf"));
    ASSERT_NE(nullptr, exportPdf);

    // Cancelled options: nothing is asked or written.
    exportPdf->trigger();
    EXPECT_TRUE(messages.isEmpty());

    answer = PrintChoices{};
    answer->legends.pitchMm = 18;
    answer->legends.legendWidthMm = answer->legends.legendHeightMm = 12;
    path = dir.filePath(QStringLiteral("out.pdf"));
    exportPdf->trigger();
    EXPECT_TRUE(QFile::exists(path));
    ASSERT_EQ(1, messages.size());
    EXPECT_TRUE(messages[0].contains(QStringLiteral("out.pdf")));
    EXPECT_TRUE(messages[0].contains(QStringLiteral("set smaller: 5 Supercal"))) << "names the key";
    exportPdf->trigger();
    EXPECT_DOUBLE_EQ(18, offered.legends.pitchMm) << "the sizes are offered again";

    // The sheet as PNG asks for the resolution; a folder that is not there is an error.
    messages.clear();
    path = dir.filePath(QStringLiteral("missing/sheet.png"));
    w.findChild<QAction*>(QStringLiteral("actionExportSheetPng"))->trigger();
    ASSERT_EQ(1, messages.size());
    EXPECT_EQ(messages[0], QStringLiteral("The folder %1 does not exist.")
                               .arg(dir.filePath(QStringLiteral("missing"))))
        << messages[0].toStdString();
}

QByteArray Contents(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Put(const QString& file, const QByteArray& bytes) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

TEST_F(PrintUiTest, ExportAsksBeforeReplacingAnyFileItWillWrite) {
    MainDialog w(dialogs);
    w.Editor().Document() = test::FullLayout(112); // a sheet of two pages
    answer = PrintChoices{};
    answer->pngDpi = 30;
    struct Case {
        const char* action;
        QString typed;          // the name given in the file dialog
        QStringList written;    // the files the export writes
        QStringList bystanders; // files there that it must not touch
    };
    const auto in = [this](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    const std::vector<Case> cases = {
        {"actionExportSheetPng",
         in("leg.png"),
         {in("leg-1.png"), in("leg-2.png")},
         {in("leg.png")}},
        {"actionExportSheetPdf", in("sheet"), {in("sheet.pdf")}, {in("sheet")}},
    };
    for (const Case& c : cases) {
        for (const QString& f : c.written + c.bystanders) {
            Put(f, "old");
        }
        path = c.typed;
        for (const MessageResult answerGiven : {MessageResult::No, MessageResult::Yes}) {
            messages.clear();
            reply = answerGiven;
            w.findChild<QAction*>(QString::fromLatin1(c.action))->trigger();
            ASSERT_FALSE(messages.isEmpty()) << c.action;
            for (const QString& f : c.written) {
                EXPECT_TRUE(messages[0].contains(QDir::toNativeSeparators(f)))
                    << messages[0].toStdString();
                EXPECT_EQ(answerGiven == MessageResult::Yes, Contents(f) != "old")
                    << f.toStdString();
            }
            for (const QString& f : c.bystanders) {
                EXPECT_FALSE(messages[0].contains(QDir::toNativeSeparators(f) + QLatin1Char('\n')));
                EXPECT_EQ("old", Contents(f)) << f.toStdString();
            }
            // No: only the question. Yes: the question, then what was written.
            EXPECT_EQ(answerGiven == MessageResult::Yes ? 2 : 1, messages.size());
        }
    }
}

TEST_F(PrintUiTest, AHighResolutionExportLeavesTheWindowRunningAndCanBeCancelled) {
    MainDialog w(dialogs);
    w.Editor().Document() = test::FullLayout(112); // two pages
    answer = PrintChoices{};
    answer->pngDpi = 300;
    for (const bool cancelled : {false, true}) {
        messages.clear();
        path = dir.filePath(cancelled ? QStringLiteral("cut.png") : QStringLiteral("big.png"));
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            ++ticks;
            if (auto* progress = w.findChild<QProgressDialog*>(); progress && cancelled) {
                progress->cancel();
            }
        });
        timer.start(5);
        w.findChild<QAction*>(QStringLiteral("actionExportSheetPng"))->trigger();
        timer.stop();
        EXPECT_GT(ticks, 0) << "the window's timers ran during the export";
        const QString stem = path.chopped(4);
        for (const QString& page :
             {stem + QStringLiteral("-1.png"), stem + QStringLiteral("-2.png")}) {
            EXPECT_EQ(!cancelled, QFile::exists(page)) << page.toStdString();
        }
        EXPECT_EQ(cancelled ? 0 : 1, messages.size()) << "nothing said about a cancelled export";
    }
}

TEST_F(PrintUiTest, TheSheetsOptionsOfferOnlyWhatASheetUses) {
    using Purpose = LegendOptionsDialog::Purpose;
    enum class Ink { None, Saving, Colours }; // the ink offered first
    struct Case {
        Purpose purpose;
        QString title;
        bool legendChoices;
        bool resolution;
        Ink ink;
    };
    for (const Case& c :
         {Case{Purpose::ExportPng, QStringLiteral("Legends"), true, true, Ink::None},
          Case{Purpose::SheetPrint, QStringLiteral("Print layout sheet"), false, false,
               Ink::Saving},
          Case{Purpose::SheetPdf, QStringLiteral("Layout sheet as PDF"), false, false, Ink::Saving},
          Case{Purpose::SheetSvg, QStringLiteral("Layout sheet as SVG"), false, false,
               Ink::Colours},
          Case{Purpose::SheetPng, QStringLiteral("Layout sheet as PNG"), false, true,
               Ink::Colours}}) {
        SCOPED_TRACE(c.title.toStdString());
        LegendOptionsDialog dialog(c.purpose, LoadPrintChoices());
        EXPECT_EQ(c.title, dialog.windowTitle());
        for (const char* name : {"pitch", "legendWidth", "legendHeight", "typeSize"}) {
            EXPECT_EQ(c.legendChoices,
                      dialog.findChild<QWidget*>(QString::fromLatin1(name))->isVisibleTo(&dialog))
                << name;
        }
        EXPECT_TRUE(dialog.findChild<QWidget*>(QStringLiteral("paper"))->isVisibleTo(&dialog));
        EXPECT_EQ(c.resolution, dialog.findChild<QWidget*>(QStringLiteral("dpi")) != nullptr);
        auto* ink = dialog.findChild<QCheckBox*>(QStringLiteral("inkSaving"));
        ASSERT_EQ(c.ink != Ink::None, ink != nullptr);
        if (ink == nullptr) {
            continue;
        }
        EXPECT_EQ(c.ink == Ink::Saving, ink->isChecked());
        // The other choice is taken and remembered for this kind of output only.
        ink->setChecked(!ink->isChecked());
        const bool image = c.purpose == Purpose::SheetSvg || c.purpose == Purpose::SheetPng;
        SavePrintChoices(dialog.Choices());
        const PrintChoices kept = LoadPrintChoices();
        EXPECT_EQ(ink->isChecked() ? SheetInk::Saving : SheetInk::Colours, SheetInkOf(kept, image));
        EXPECT_EQ(image ? SheetInk::Saving : SheetInk::Colours, SheetInkOf(kept, !image));
        SavePrintChoices(PrintChoices{});
    }
}

TEST_F(PrintUiTest, OptionsDialogRefusesALegendLargerThanThePitch) {
    LegendOptionsDialog dialog(LegendOptionsDialog::Purpose::Print, PrintChoices{});
    SetDialogSeam(&dialog, dialogs);
    dialog.findChild<QDoubleSpinBox*>(QStringLiteral("legendWidth"))->setValue(25);
    dialog.accept();
    EXPECT_EQ(1, messages.size());
    EXPECT_NE(QDialog::Accepted, dialog.result());
    dialog.findChild<QDoubleSpinBox*>(QStringLiteral("legendWidth"))->setValue(15);
    dialog.accept();
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_DOUBLE_EQ(15, dialog.Choices().legends.legendWidthMm);
    EXPECT_TRUE(dialog.Choices().paperFromPrinter);
    // The type size: automatic, or from the least a hand may choose upwards.
    auto* typeSize = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("typeSize"));
    EXPECT_EQ(QStringLiteral("Automatic"), typeSize->text());
    EXPECT_EQ(0, dialog.Choices().legends.typeSizeMm);
    QTest::keyClick(typeSize, Qt::Key_Up);
    EXPECT_DOUBLE_EQ(kMinTypeSizeMm, dialog.Choices().legends.typeSizeMm);
}

TEST_F(PrintUiTest, PrinterGetsEveryPageOfLegendsAndSheet) {
    const LayoutDocument doc = test::FullLayout();
    for (const PrintWhat what : {PrintWhat::Legends, PrintWhat::Sheet}) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString file = dir.filePath(QStringLiteral("printed%1.pdf").arg(int(what)));
        printer.setOutputFileName(file);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        EXPECT_FALSE(PrintOn(printer, what, doc, PrintChoices{}));
        EXPECT_GT(QFile(file).size(), 1000);
    }
}

TEST_F(PrintUiTest, AVeryLargeExportNamesItsSizeFirst) {
    MainDialog w(dialogs);
    w.Editor().Document() = test::FullLayout(112);
    answer = PrintChoices{};
    answer->pngDpi = 1177; // the most a grey A4 page image may have
    answer->legends.pitchMm = answer->legends.legendWidthMm = answer->legends.legendHeightMm = 60;
    path = dir.filePath(QStringLiteral("huge.png"));
    reply = MessageResult::No;
    w.findChild<QAction*>(QStringLiteral("actionExportLegendsPng"))->trigger();
    ASSERT_EQ(1, messages.size());
    const auto size =
        QRegularExpression(QStringLiteral("about ([0-9,]+) MB \\(([0-9]+) pages at 1177 dpi\\)"))
            .match(messages[0]);
    ASSERT_TRUE(size.hasMatch()) << messages[0].toStdString();
    EXPECT_GT(size.captured(1).remove(QLatin1Char(',')).toInt(), 50);
    EXPECT_TRUE(QDir(dir.path()).entryList({QStringLiteral("huge*")}).isEmpty())
        << "No writes nothing";
}

} // namespace
} // namespace vorlan
