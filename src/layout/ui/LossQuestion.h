// The question before a save into a variant that cannot hold the layout:
// lists what would be lost, key by key, and asks. The core's FileCommands
// decides when; this is its text and its message box.
#pragma once

#include "layout/LayoutDiff.h"
#include "layout/LayoutDocument.h"

#include <QString>
#include <vector>

class QWidget;

namespace vorlan {

// The text of the question about losses (LossesOnSave), which are not none.
// showsSaved: the window then reads the file back (Save As), which the
// question says, with the way back through Undo.
QString LossQuestionText(KeyboardVariant variant, const std::vector<Difference>& losses,
                         bool showsSaved = false);

// True when the user chose to save all the same.
bool AskToSaveLosing(QWidget* parent, KeyboardVariant variant,
                     const std::vector<Difference>& losses, bool showsSaved = false);

} // namespace vorlan
