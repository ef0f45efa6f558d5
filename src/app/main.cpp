// The desktop program: one main window for the life of the program.
#include "app/AppOptions.h"
#include "app/AppShell.h"
#include "app/FirstPaintProbe.h"
#include "app/MainDialog.h"
#include "layout/ProgrammingFile.h"
#include "programming/ui/ProgrammingWindows.h"
#include "recovery/ui/RecoveryGuard.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString programPath = QCoreApplication::applicationFilePath();
    vorlan::SetApplicationIdentity(programPath);
    vorlan::InstallLocalTranslation(QCoreApplication::applicationDirPath());
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
        vorlan::UseKeyboard(&window, emulated);
    }
    if (const QScreen* screen = window.screen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
    if (options.reportFirstPaint) {
        new vorlan::FirstPaintProbe(&window);
    }
    window.show();
    if (!options.reportFirstPaint) {
        // After the first paint, so the window is there behind the questions.
        QTimer::singleShot(0, &window, [&window] {
            vorlan::CheckSettingsStore(&window);
            vorlan::RemoveProgrammingLeftovers();
            auto* guard =
                new vorlan::RecoveryGuard(&window, window.Editor(), vorlan::RecoveryFolder());
            guard->OfferAbandoned();
        });
    }
    return app.exec();
}
