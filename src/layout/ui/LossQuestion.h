// The question before a save into a variant that cannot hold the layout:
// lists what would be lost, key by key, and asks. Through the message-box
// seam, so tests answer it at once.
#pragma once

#include "layout/LayoutDocument.h"

#include <QString>

class QWidget;

namespace vorlan {

// The text of the question, or an empty text when nothing would be lost.
// showsSaved: the window then reads the file back (Save As), which the
// question says, with the way back through Undo.
QString LossQuestionText(const LayoutDocument& doc, KeyboardVariant variant,
                         bool showsSaved = false);

// True when nothing would be lost or the user chose to save all the same.
bool ConfirmLossySave(QWidget* parent, const LayoutDocument& doc, KeyboardVariant variant,
                      bool showsSaved = false);

} // namespace vorlan
