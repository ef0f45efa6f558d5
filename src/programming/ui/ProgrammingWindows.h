// How the programming subsystem's windows join the main window: the
// programming run and the keyboard settings dialog are created once as its
// children and plugged into its hooks; the keyboard the runs talk to is
// chosen here, and an emulated keyboard is named in the window's title.
#pragma once

#include "programming/KeyboardSelection.h"

class QWidget;

namespace vorlan {

struct MainWindowHooks;
class KeyboardSettingsDialog;
class ProgrammingDialog;

// Creates both dialogs for mainWindow, fills the settings and programming
// hooks, and takes the keyboard from VORLAN_DEVICE.
void InstallProgrammingDialogs(QWidget* mainWindow, MainWindowHooks& hooks);

// The keyboard of the following runs. An emulated keyboard is a fresh one
// of its type, and the title says so for as long as it is in use.
void UseKeyboard(QWidget* mainWindow, const KeyboardSelection& selection);

ProgrammingDialog* ProgrammingDialogOf(QWidget* mainWindow);
KeyboardSettingsDialog* KeyboardSettingsDialogOf(QWidget* mainWindow);

} // namespace vorlan
