// The desktop program: one main window for the life of the program.
#include "app/AppOptions.h"
#include "app/AppShell.h"
#include "app/FirstPaintProbe.h"
#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiText.h"
#include "editor/KeyEditor.h"
#include "hyphenation/HyphenationChoice.h"
#include "layout/ProgrammingFile.h"
#include "localization/ui/Translations.h"
#include "printing/ui/PrintSettings.h"
#include "programming/ui/ProgrammingWindows.h"
#include "recovery/ui/RecoveryGuard.h"
#include "station/ui/StationTools.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <optional>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// A Windows program without a console has nowhere to print: borrow the console
// of the command prompt it was started from, if any.
void AttachParentConsole() {
#ifdef Q_OS_WIN
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
#endif
}

// --help and --version answer before any window system is asked for, so they
// work without a display.
bool AnswerWithoutWindow(int argc, char** argv, int& status) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << vorlan::FromLocalText(argv[i]);
    }
    const vorlan::AppOptions options = vorlan::ParseAppOptions(arguments, {});
    if (!options.showHelp && !options.showVersion && options.error.isEmpty()) {
        return false;
    }
    AttachParentConsole();
    if (!options.error.isEmpty() || options.showHelp) {
        // What the user reads comes in the user's language; the guide named
        // is the one the program would open.
        QCoreApplication core(argc, argv);
        vorlan::SetApplicationIdentity(QCoreApplication::applicationFilePath());
        vorlan::InstallProgramTranslations(QCoreApplication::applicationDirPath());
        const QString error = vorlan::ParseAppOptions(arguments, {}).error;
        if (!error.isEmpty()) {
            std::fprintf(stderr, "vorlan: %s\n", qPrintable(error));
            status = 2;
        } else {
            std::fputs(qPrintable(vorlan::AppUsageText()), stdout);
            std::puts(qPrintable(vorlan::UiText(vorlan::StringId::AppUserGuide)
                                     .arg(QDir::toNativeSeparators(vorlan::HelpFilePath(
                                         QCoreApplication::applicationFilePath())))));
            status = 0;
        }
    } else {
        std::printf("vorlan %s\n", qPrintable(vorlan::ProgramVersion().value_or(QString())));
        status = 0;
    }
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    int status = 0;
    if (AnswerWithoutWindow(argc, argv, status)) {
        return status;
    }
    QApplication app(argc, argv);
    const QString programPath = QCoreApplication::applicationFilePath();
    vorlan::SetApplicationIdentity(programPath);
    // Before the translations or the window read a setting (see the function).
    const std::optional<QString> unreadableSettings = vorlan::SetAsideUnreadableSettings();
    const QString programDir = QCoreApplication::applicationDirPath();
    vorlan::InstallProgramTranslations(programDir);
    vorlan::InstallLocalTranslation(programDir);
    // The grid breaks names in the language the legend options keep.
    vorlan::SetNamesHyphenation(vorlan::LoadPrintChoices().legends.hyphenation);
    QApplication::setWindowIcon(vorlan::ProgramIcon());

    const vorlan::AppOptions options = vorlan::ParseAppOptions(app.arguments(), programPath);
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "vorlan: %s\n", qPrintable(options.error));
        return 2;
    }
    vorlan::MainDialog window(options.programPath);
    if (options.emulatedKeyboard) {
        vorlan::KeyboardSelection emulated;
        emulated.kind = vorlan::KeyboardSelection::Kind::Emulator;
        emulated.emulatedType = *options.emulatedKeyboard;
        emulated.receivedPath = vorlan::ToPath(options.receivedPath);
        emulated.faults = options.faults;
        vorlan::UseKeyboard(&window, emulated);
    }
    if (const QScreen* screen = window.screen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
    if (options.reportFirstPaint) {
        new vorlan::FirstPaintProbe(&window);
    }
    window.show();
    if (!options.layoutPath.isEmpty()) {
        // Once the window is up, so a message about the file has its window.
        QTimer::singleShot(0, &window,
                           [&window, path = options.layoutPath] { window.OpenGivenFile(path); });
    }
    if (!options.reportFirstPaint) {
        // After the first paint, so the window is there behind the questions.
        QTimer::singleShot(0, &window, [&window, unreadableSettings] {
            if (unreadableSettings) {
                vorlan::ShowError(&window, vorlan::SettingsUnreadableMessage(*unreadableSettings));
            }
            vorlan::RemoveProgrammingLeftovers();
            auto* guard = window.KeepRecovery(vorlan::RecoveryFolder());
            guard->OfferAbandoned();
            if (auto* station = vorlan::StationToolsOf(&window)) {
                station->OfferResume();
            }
        });
    }
    return app.exec();
}
