// Every message box of the program: shown through the dialog seam of the
// window its parent belongs to (DialogSeam.h), so a test's scripted window
// answers at once and no test ever waits for a click.
#pragma once

#include "common/QuestionDefaults.h"
#include "common/UiMessage.h"

#include <QString>

class QWidget;

namespace vorlan {

enum class MessageIcon { Stop, Exclamation, Information, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageResult { Ok, Yes, No, Cancel };

struct MessageRequest {
    QWidget* parent = nullptr;
    MessageIcon icon = MessageIcon::Stop;
    QString caption;
    QString text;
    MessageButtons buttons = MessageButtons::Ok;
    DefaultAnswer defaultAnswer = DefaultAnswer::Yes; // the button Enter presses
};

MessageResult ShowMessage(const MessageRequest& request);

// An error box: caption "Error", stop icon, OK.
void ShowError(QWidget* parent, const QString& text);

// A Yes/No question: caption "Warning", exclamation icon; the question's id
// decides the default button (DefaultAnswerOf).
bool AskYesNo(QWidget* parent, const QString& text, StringId question);
bool AskYesNo(QWidget* parent, const UiMessage& question);

// A Yes/No/Cancel question (caption "Warning", exclamation icon); Escape and
// the close box answer Cancel.
MessageResult AskYesNoCancel(QWidget* parent, const QString& text);

} // namespace vorlan
