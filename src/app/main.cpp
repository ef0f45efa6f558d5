// The desktop program: one main window for the life of the program.
#include "app/AppOptions.h"
#include "app/AppShell.h"
#include "app/FirstPaintProbe.h"
#include "app/MainDialog.h"
#include "grid/KeyEditor.h"
#include "localization/ui/Translations.h"
#include "programming/ui/ProgrammingWindows.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QScreen>
#include <cstdio>

int main(int argc, char** argv) {
    if (const auto info = vorlan::FindInfoOption(argc, argv); info != vorlan::InfoOption::None) {
        std::fputs(vorlan::InfoOptionText(info).c_str(), stdout);
        if (info == vorlan::InfoOption::Help) {
            // The guide the program would open, in the user's language.
            QCoreApplication core(argc, argv);
            vorlan::InstallTranslations(QCoreApplication::applicationDirPath(),
                                        QLocale::system().uiLanguages());
            std::printf("%s\n", qPrintable(QDir::toNativeSeparators(vorlan::HelpFilePath(
                                    QCoreApplication::applicationFilePath()))));
        }
        return 0;
    }
    QApplication app(argc, argv);
    const QString programPath = QCoreApplication::applicationFilePath();
    vorlan::SetApplicationIdentity(programPath);
    const QString programDir = QCoreApplication::applicationDirPath();
    vorlan::InstallTranslations(programDir, QLocale::system().uiLanguages());
    vorlan::InstallLocalTranslation(programDir);
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
    if (const QString file = vorlan::StartFile(options); !file.isEmpty()) {
        // The same path form the file dialogs give the editor.
        window.Editor().OpenStartFile(
            QFile::encodeName(QDir::toNativeSeparators(QDir().absoluteFilePath(file)))
                .toStdString());
    }
    if (const QScreen* screen = window.screen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
    if (options.reportFirstPaint) {
        new vorlan::FirstPaintProbe(&window);
    }
    window.show();
    return app.exec();
}
