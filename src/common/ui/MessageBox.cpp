#include "common/ui/MessageBox.h"

#include "common/ui/DialogSeam.h"
#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"

#include <QFile>
#include <QTextStream>

namespace vorlan {
namespace {

// With VORLAN_MESSAGE_LOG set, every message shown is also appended to that
// file as "Caption: text", so a check from outside the process (the Windows
// program under Wine, driven by xdotool) can read what the user was told.
void LogMessage(const MessageRequest& r) {
    const QString path = qEnvironmentVariable("VORLAN_MESSAGE_LOG");
    if (path.isEmpty()) {
        return;
    }
    QFile log(path);
    if (log.open(QIODevice::Append | QIODevice::Text)) {
        QTextStream(&log) << r.caption << QStringLiteral(": ") << r.text << QLatin1Char('\n');
    }
}

} // namespace

MessageResult ShowMessage(const MessageRequest& request) {
    LogMessage(request);
    return DialogsFor(request.parent).ShowMessage(request);
}

void ShowError(QWidget* parent, const QString& text) {
    ShowMessage({parent, MessageIcon::Stop, UiText(StringId::Error), text, MessageButtons::Ok});
}

bool AskYesNo(QWidget* parent, const QString& text, StringId question) {
    return ShowMessage({parent, MessageIcon::Exclamation, UiText(StringId::Warning), text,
                        MessageButtons::YesNo, DefaultAnswerOf(question)}) == MessageResult::Yes;
}

bool AskYesNo(QWidget* parent, const UiMessage& question) {
    return AskYesNo(parent, UiMessageText(question), question.id);
}

MessageResult AskYesNoCancel(QWidget* parent, const QString& text) {
    return ShowMessage({parent, MessageIcon::Exclamation, UiText(StringId::Warning), text,
                        MessageButtons::YesNoCancel});
}

} // namespace vorlan
