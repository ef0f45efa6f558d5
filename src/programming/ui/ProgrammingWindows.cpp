#include "programming/ui/ProgrammingWindows.h"

#include "app/MainWindowHooks.h"
#include "common/ui/UiText.h"
#include "programming/ui/KeyboardSettingsDialog.h"
#include "programming/ui/ProgrammingDialog.h"

#include <QCoreApplication>
#include <QWidget>

namespace vorlan {
namespace {

// Keeps "[emulated keyboard, type N]" after whatever title the window is
// given, so a user never mistakes a run on the emulator for a real one.
class EmulatedTitle : public QObject {
public:
    explicit EmulatedTitle(QWidget* window) : QObject(window), window(window) {
        setObjectName(QStringLiteral("EmulatedTitle"));
        base = window->windowTitle();
        connect(window, &QWidget::windowTitleChanged, this, [this](const QString& title) {
            if (title != marked) {
                base = title;
                Apply();
            }
        });
    }

    // -1: no emulated keyboard.
    void SetType(int type) {
        emulatedType = type;
        Apply();
    }

private:
    void Apply() {
        marked =
            emulatedType < 0 ? base : UiText(StringId::EmulatedTitle).arg(base).arg(emulatedType);
        window->setWindowTitle(marked);
    }

    QWidget* window;
    QString base;
    QString marked;
    int emulatedType = -1;
};

EmulatedTitle* TitleOf(QWidget* mainWindow) {
    auto* title = mainWindow->findChild<EmulatedTitle*>(QStringLiteral("EmulatedTitle"),
                                                        Qt::FindDirectChildrenOnly);
    return title != nullptr ? title : new EmulatedTitle(mainWindow);
}

} // namespace

void InstallProgrammingDialogs(QWidget* mainWindow, MainWindowHooks& hooks) {
    auto* programming = new ProgrammingDialog(mainWindow);
    auto* settings = new KeyboardSettingsDialog(mainWindow);
    UseKeyboard(mainWindow, SelectKeyboardFromEnvironment());

    hooks.runSettingsDialog = [settings](QWidget*, const KeyboardSettingsValues& values) {
        return settings->Run(values);
    };
    hooks.startProgrammingRun = [programming](QWidget*, const std::string& layoutPath) {
        // Element 0 is never read by the engine; the program's name by custom.
        const std::string programName =
            QCoreApplication::applicationFilePath().toLocal8Bit().toStdString();
        programming->StartRun({programName, layoutPath});
    };
}

void UseKeyboard(QWidget* mainWindow, const KeyboardSelection& selection) {
    if (ProgrammingDialog* programming = ProgrammingDialogOf(mainWindow)) {
        programming->SetKeyboard(MakeKeyboardDriver(selection));
    }
    TitleOf(mainWindow)
        ->SetType(selection.kind == KeyboardSelection::Kind::Emulator ? selection.emulatedType
                                                                      : -1);
}

ProgrammingDialog* ProgrammingDialogOf(QWidget* mainWindow) {
    return mainWindow->findChild<ProgrammingDialog*>(QString(), Qt::FindDirectChildrenOnly);
}

KeyboardSettingsDialog* KeyboardSettingsDialogOf(QWidget* mainWindow) {
    return mainWindow->findChild<KeyboardSettingsDialog*>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace vorlan
