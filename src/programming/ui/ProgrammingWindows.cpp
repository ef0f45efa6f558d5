#include "programming/ui/ProgrammingWindows.h"

#include "common/ui/QtText.h"
#include "common/ui/UiText.h"
#include "programming/ui/KeyboardSettingsDialog.h"
#include "programming/ui/ProgrammingDialog.h"
#include "programming/ui/ProgrammingHooks.h"

#include <QCoreApplication>
#include <QWidget>

namespace vorlan {
namespace {

// Keeps "[emulated keyboard, type N]" after whatever title the window is
// given, so a user never mistakes a run on the emulator for a real one.
class EmulatedTitle : public QObject {
public:
    explicit EmulatedTitle(QWidget* theWindow) : QObject(theWindow), window(theWindow) {
        setObjectName(QStringLiteral("EmulatedTitle"));
        base = theWindow->windowTitle();
        connect(theWindow, &QWidget::windowTitleChanged, this, [this](const QString& title) {
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

// Marks a window whose dialogs are made on first use, and keeps the keyboard
// chosen for the programming dialog until that dialog exists: building both
// dialogs at start delayed the main window's first paint.
class ProgrammingDialogsHome : public QObject {
public:
    explicit ProgrammingDialogsHome(QWidget* window) : QObject(window) {
        setObjectName(QStringLiteral("ProgrammingDialogsHome"));
    }

    KeyboardSelection keyboard;
};

ProgrammingDialogsHome* HomeOf(QWidget* mainWindow) {
    return mainWindow->findChild<ProgrammingDialogsHome*>(QStringLiteral("ProgrammingDialogsHome"),
                                                          Qt::FindDirectChildrenOnly);
}

QString DeviceName(const KeyboardSelection& selection) {
    if (selection.kind == KeyboardSelection::Kind::Emulator) {
        return QStringLiteral("emulator:%1").arg(selection.emulatedType);
    }
    return FromPath(selection.devicePath);
}

ProgrammingDialog* ExistingProgrammingDialog(QWidget* mainWindow) {
    return mainWindow->findChild<ProgrammingDialog*>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

void InstallProgrammingDialogs(QWidget* mainWindow, ProgrammingHooks& hooks) {
    if (HomeOf(mainWindow) == nullptr) {
        new ProgrammingDialogsHome(mainWindow);
    }
    UseKeyboard(mainWindow, SelectKeyboardFromEnvironment());

    hooks.runSettingsDialog = [mainWindow](QWidget*, const KeyboardSettingsValues& values) {
        return KeyboardSettingsDialogOf(mainWindow)->Run(values);
    };
    hooks.startProgrammingRun = [mainWindow](QWidget*, const std::string& layoutPath) {
        // Element 0 is never read by the engine; the program's name by custom.
        const std::string programName = ToPath(QCoreApplication::applicationFilePath());
        ProgrammingDialog* dialog = ProgrammingDialogOf(mainWindow);
        dialog->SetLayoutName(mainWindow->windowFilePath());
        dialog->StartRun({programName, layoutPath});
    };
}

void UseKeyboard(QWidget* mainWindow, const KeyboardSelection& selection) {
    if (ProgrammingDialogsHome* home = HomeOf(mainWindow)) {
        home->keyboard = selection;
    }
    if (ProgrammingDialog* programming = ExistingProgrammingDialog(mainWindow)) {
        programming->SetKeyboard(MakeKeyboardDriver(selection));
        programming->SetDeviceName(DeviceName(selection));
    }
    TitleOf(mainWindow)
        ->SetType(selection.kind == KeyboardSelection::Kind::Emulator ? selection.emulatedType
                                                                      : -1);
}

ProgrammingDialog* ProgrammingDialogOf(QWidget* mainWindow) {
    if (ProgrammingDialog* programming = ExistingProgrammingDialog(mainWindow)) {
        return programming;
    }
    const ProgrammingDialogsHome* home = HomeOf(mainWindow);
    if (home == nullptr) {
        return nullptr;
    }
    auto* programming = new ProgrammingDialog(mainWindow);
    programming->SetKeyboard(MakeKeyboardDriver(home->keyboard));
    programming->SetDeviceName(DeviceName(home->keyboard));
    return programming;
}

KeyboardSettingsDialog* KeyboardSettingsDialogOf(QWidget* mainWindow) {
    if (auto* settings =
            mainWindow->findChild<KeyboardSettingsDialog*>(QString(), Qt::FindDirectChildrenOnly)) {
        return settings;
    }
    return HomeOf(mainWindow) != nullptr ? new KeyboardSettingsDialog(mainWindow) : nullptr;
}

} // namespace vorlan
