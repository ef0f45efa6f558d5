// The drawing half of vorlanctl legends / sheet: Qt Gui on the offscreen
// platform, so no display is needed. On Windows the native platform serves:
// it needs no visible window, and it is the only platform plugin shipped.
#include "cli/OffscreenGui.h"
#include "cli/PrintJob.h"
#include "cli/StopSignals.h"
#include "common/TerminalText.h"
#include "common/ui/QtText.h"
#include "hyphenation/HyphenationChoice.h"
#include "localization/LanguageChoice.h"
#include "printing/ui/PrintExport.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <csignal>
#include <iostream>
#include <iterator>

namespace vorlan::cli {

namespace {

volatile std::sig_atomic_t exportStop = 0;

extern "C" void StopExport(int signal) {
    exportStop = signal;
}

// Ctrl-C, a kill or a closed terminal during an export stop it before the
// next page, with no file replaced; the program then ends by that signal,
// so a calling script stops too.
class ExportSignals {
public:
    ExportSignals() {
        for (std::size_t i = 0; i < std::size(kSignals); ++i) {
            previous_[i] = std::signal(kSignals[i], StopExport);
        }
    }
    ~ExportSignals() {
        for (std::size_t i = 0; i < std::size(kSignals); ++i) {
            std::signal(kSignals[i], previous_[i]);
        }
    }
    ExportSignals(const ExportSignals&) = delete;
    ExportSignals& operator=(const ExportSignals&) = delete;

private:
#ifdef _WIN32
    static constexpr int kSignals[] = {SIGINT, SIGTERM};
#else
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
#endif
    using Handler = void (*)(int);
    Handler previous_[std::size(kSignals)]{};
};

} // namespace

bool PrintingAvailable() {
    return true;
}

int WritePrintJob(const LayoutDocument& doc, const PrintJob& job) {
    const std::unique_ptr<QGuiApplication> app = StartOffscreenGui();
    // Names are in the user's language unless --hyphenate says otherwise; the
    // dictionaries shipped beside the program come before the system's.
    SetDefaultNamesLanguage(NormalizeLanguage(QLocale::system().name().toStdString()));
    std::vector<std::string> folders = HyphenationFolders();
    folders.insert(
        folders.begin(),
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath() + QStringLiteral("/hyphen"))
            .toStdString());
    SetHyphenationFolders(std::move(folders));
    const std::string& hyphenation = job.legends.hyphenation;
    if (!hyphenation.empty() && hyphenation != kNoHyphenation &&
        HyphenatorFor(hyphenation) == nullptr) {
        std::cerr << "vorlanctl: no hyphenation dictionary is installed for " << hyphenation
                  << " (looked in";
        for (const std::string& folder : HyphenationFolders()) {
            std::cerr << ' ' << folder;
        }
        std::cerr << "); --hyphenate none sets long names smaller\n";
        return 2;
    }

    const QString out = FromPath(job.outPath);
    const auto format = ExportFormatOf(out);
    const auto fail = [&job](StringId id) {
        std::cerr << StringText(StringId::Error) << ": "
                  << ToLocalText(PrintText(id).arg(FromPath(TerminalArgument(job.outPath))))
                  << '\n';
        return 1;
    };
    if (!format) {
        std::cerr << StringText(StringId::Error) << ": "
                  << StringText(StringId::ExportUnknownFormat) << '\n';
        return 2;
    }
    const std::string fileName = ToUtf8Text(QFileInfo(FromPath(job.layoutPath)).fileName());
    const QtTextMeasurer measurer;
    const InputFiles inputs{job.layoutPath};
    ExportResult result;
    QString note;
    const ExportSignals stopSignals;
    const ExportProgress stopOnSignal = [](int) { return exportStop == 0; };
    if (job.sheet) {
        SheetPlan plan = PlanSheet(doc, job.legends.page, fileName, measurer, EnglishWords,
                                   job.naming, job.legends.hyphenation);
        if (plan.error) {
            return fail(*plan.error);
        }
        const SheetInk ink = job.saveInk ? SheetInk::Saving : SheetInk::Colours;
        result = ExportDocument(SheetDocument(std::move(plan), ink), job.outPath, *format, job.dpi,
                                inputs, stopOnSignal);
    } else {
        LegendPlan plan = PlanLegends(doc, job.legends, fileName, measurer);
        if (plan.error) {
            return fail(*plan.error);
        }
        note = SmallerLegendsNote(plan);
        result = ExportDocument(LegendDocument(std::move(plan)), job.outPath, *format, job.dpi,
                                inputs, stopOnSignal);
    }
    // The export is whole or nothing by now; a signal that came ends the program.
    const auto endBySignal = [] {
        const int signal = exportStop;
        std::cout.flush();
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return 1;
    };
    if (result.cancelled) {
        std::cerr << FormatString(StringText(StringId::StoppedBySignal), {SignalName(exportStop)})
                  << ' ' << StringText(StringId::ExportNothingReplaced) << '\n';
        return endBySignal();
    }
    if (result.error) {
        std::cerr << StringText(StringId::Error) << ": "
                  << TerminalLine(ToLocalText(result.errorText)) << '\n';
        return 1;
    }
    // The names as given, byte for byte, made safe for the terminal.
    for (const std::string& file : result.paths) {
        std::cout << TerminalArgument(file) << '\n';
    }
    if (exportStop != 0) {
        return endBySignal();
    }
    // Standard output stays the list of files; the note goes with the messages.
    if (!note.isEmpty()) {
        std::cerr << ToLocalText(FromUtf8Text(TerminalLine(ToUtf8Text(note)))) << '\n';
    }
    return 0;
}

} // namespace vorlan::cli
