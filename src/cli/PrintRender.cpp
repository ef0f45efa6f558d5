// The drawing half of vorlanctl legends / sheet: Qt Gui on the offscreen
// platform, so no display is needed. On Windows the native platform serves:
// it needs no visible window, and it is the only platform plugin shipped.
#include "cli/PrintJob.h"
#include "cli/TerminalText.h"
#include "common/ui/QtText.h"
#include "printing/ui/PrintExport.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <iostream>

namespace vorlan::cli {

bool PrintingAvailable() {
    return true;
}

int WritePrintJob(const LayoutDocument& doc, const PrintJob& job) {
#ifndef _WIN32
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
#endif
    static int argc = 1;
    static char name[] = "vorlanctl";
    static char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    const QString out = FromPath(job.outPath);
    const auto format = ExportFormatOf(out);
    const auto fail = [](StringId id, const QString& path) {
        std::cerr << StringText(StringId::Error) << ": " << ToLocalText(PrintText(id).arg(path))
                  << '\n';
        return 1;
    };
    if (!format) {
        std::cerr << StringText(StringId::Error) << ": "
                  << StringText(StringId::ExportUnknownFormat) << '\n';
        return 2;
    }
    const std::string fileName = QFileInfo(FromPath(job.layoutPath)).fileName().toStdString();
    const QtTextMeasurer measurer;
    const InputFiles inputs{job.layoutPath};
    ExportResult result;
    QString note;
    if (job.sheet) {
        SheetPlan plan = PlanSheet(doc, job.legends.page, fileName, measurer);
        if (plan.error) {
            return fail(*plan.error, out);
        }
        const SheetInk ink = job.saveInk ? SheetInk::Saving : SheetInk::Colours;
        result = ExportDocument(SheetDocument(std::move(plan), ink), out, *format, job.dpi, inputs);
    } else {
        LegendPlan plan = PlanLegends(doc, job.legends, fileName, measurer);
        if (plan.error) {
            return fail(*plan.error, out);
        }
        note = SmallerLegendsNote(plan);
        result = ExportDocument(LegendDocument(std::move(plan)), out, *format, job.dpi, inputs);
    }
    if (result.error) {
        std::cerr << StringText(StringId::Error) << ": " << ToLocalText(result.errorText) << '\n';
        return 1;
    }
    for (const QString& file : result.files) {
        std::cout << ToPath(file) << '\n';
    }
    // Standard output stays the list of files; the note goes with the messages.
    if (!note.isEmpty()) {
        std::cerr << ToLocalText(QString::fromStdString(TerminalLine(note.toStdString()))) << '\n';
    }
    return 0;
}

} // namespace vorlan::cli
