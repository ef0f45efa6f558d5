// The File menu's print and export entries, with the dialogs answered by the seams.
#include "PrintTestLayouts.h"
#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "grid/KeyEditor.h"
#include "printing/ui/PrintActions.h"

#include <QAction>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFile>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

class PrintUiTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Kelvane"));
        QCoreApplication::setApplicationName(
            QStringLiteral("vorlan_print_test_%1").arg(QCoreApplication::applicationPid()));
        QSettings().clear();
        SetMessageHandler([this](const MessageRequest& r) {
            messages << r.text;
            return MessageResult::Ok;
        });
        PrintDialogHooks hooks;
        hooks.askLegendOptions = [this](QWidget*, LegendOptionsDialog::Purpose,
                                        const PrintChoices& saved) -> std::optional<PrintChoices> {
            offered = saved;
            return answer;
        };
        hooks.askExportPath = [this](QWidget*, ExportFormat,
                                     const QString&) -> std::optional<QString> {
            if (path.isEmpty()) {
                return std::nullopt;
            }
            return path;
        };
        SetPrintDialogHooks(hooks);
    }
    void TearDown() override {
        SetMessageHandler({});
        SetPrintDialogHooks({});
        QSettings settings;
        settings.clear();
        settings.sync();
        QFile::remove(settings.fileName());
    }

    QStringList messages;
    std::optional<PrintChoices> answer;
    PrintChoices offered;
    QString path;
    QTemporaryDir dir;
};

TEST_F(PrintUiTest, ExportEntriesWriteTheChosenFileAndRememberTheSizes) {
    MainDialog w;
    w.Editor().Document() = test::FullLayout(56);
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

TEST_F(PrintUiTest, OptionsDialogRefusesALegendLargerThanThePitch) {
    LegendOptionsDialog dialog(LegendOptionsDialog::Purpose::Print, PrintChoices{});
    dialog.findChild<QDoubleSpinBox*>(QStringLiteral("legendWidth"))->setValue(25);
    dialog.accept();
    EXPECT_EQ(1, messages.size());
    EXPECT_NE(QDialog::Accepted, dialog.result());
    dialog.findChild<QDoubleSpinBox*>(QStringLiteral("legendWidth"))->setValue(15);
    dialog.accept();
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_DOUBLE_EQ(15, dialog.Choices().legends.legendWidthMm);
    EXPECT_TRUE(dialog.Choices().paperFromPrinter);
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

} // namespace
} // namespace vorlan
