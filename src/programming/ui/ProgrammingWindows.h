// How the programming subsystem's windows join the main window: the
// programming run and the keyboard settings dialog are its children, made
// once on first use and plugged into its hooks; the keyboard the runs talk to is
// chosen here, and an emulated keyboard is named in the window's title.
#pragma once

#include "programming/KeyboardSelection.h"

class QWidget;

namespace vorlan {

struct ProgrammingHooks;
class KeyboardSettingsDialog;
class ProgrammingDialog;

// Fills mainWindow's settings and programming hooks, and takes the keyboard
// from VORLAN_DEVICE; the dialogs themselves are made when first needed.
void InstallProgrammingDialogs(QWidget* mainWindow, ProgrammingHooks& hooks);

// The keyboard of the following runs. An emulated keyboard is a fresh one
// of its type, and the title says so for as long as it is in use.
void UseKeyboard(QWidget* mainWindow, const KeyboardSelection& selection);

// The window's dialog, made now if it does not exist yet; nullptr for a
// window the dialogs were never installed in.
ProgrammingDialog* ProgrammingDialogOf(QWidget* mainWindow);
KeyboardSettingsDialog* KeyboardSettingsDialogOf(QWidget* mainWindow);

} // namespace vorlan
