// The Qt half of vorlanctl report: the locale's separator and paper, the
// translation of the user's language and the PDF, on the offscreen platform.
#include "cli/FileArguments.h"
#include "cli/OffscreenGui.h"
#include "cli/ReportJob.h"
#include "common/TerminalText.h"
#include "common/ui/QtText.h"
#include "printing/ui/PrintExport.h"
#include "station/ui/ReportDocument.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QTranslator>
#include <iostream>

namespace vorlan::cli {

char ReportListSeparator() {
    return LocaleListSeparator();
}

namespace {

// The program's translation of the user's language, where the window
// program keeps it: beside it in a build, in the share folder installed.
void LoadTranslation(QTranslator& translator) {
    const QString bin = QCoreApplication::applicationDirPath();
    for (const QString& dir :
         {bin + QStringLiteral("/translations"), bin + QStringLiteral("/../app/translations"),
          bin + QStringLiteral("/../share/vorlan/translations")}) {
        if (translator.load(QLocale::system(), QStringLiteral("vorlan"), QStringLiteral("_"),
                            dir)) {
            QCoreApplication::installTranslator(&translator);
            return;
        }
    }
}

} // namespace

int WriteReportPdf(const BatchReport& report, const std::string& outPath,
                   const InputFiles& inputs) {
    const std::unique_ptr<QGuiApplication> app = StartOffscreenGui();
    QTranslator translator;
    LoadTranslation(translator);
    const ReportDocument document(report, StandardPage(LocalePaper()));
    const ExportResult result =
        ExportDocument(document, outPath, ExportFormat::Pdf, kDefaultPngDpi, inputs);
    if (result.error) {
        std::cerr << StringText(StringId::Error) << ": "
                  << TerminalLine(ToLocalText(result.errorText)) << '\n';
        return 1;
    }
    return 0;
}

int WriteReportCsv(const BatchReport& report, const std::string& outPath, char separator,
                   const InputFiles& inputs) {
    const std::unique_ptr<QGuiApplication> app = StartOffscreenGui();
    QTranslator translator;
    LoadTranslation(translator);
    const FileWriteResult written = ReplaceFile(
        outPath,
        ReportCsv(report, separator != 0 ? separator : LocaleListSeparator(), TranslatedCsvWords()),
        inputs);
    if (!written.Ok()) {
        ShowWriteFailure(written);
        return 1;
    }
    return 0;
}

} // namespace vorlan::cli
