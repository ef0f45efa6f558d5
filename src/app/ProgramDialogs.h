// The main window's real dialogs (its DialogSeam): the HTML guide shows in
// the program's help window; the compiled help has a viewer of the system's
// own, as every other dialog is the system's.
#pragma once

#include "common/ui/DialogSeam.h"

namespace vorlan {

class ProgramDialogs : public DialogSeam {
public:
    void ShowHelp(QWidget* owner, const QString& path, const QString& section) override;
};

} // namespace vorlan
