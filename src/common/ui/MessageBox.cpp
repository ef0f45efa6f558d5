#include "common/ui/MessageBox.h"

#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"

#include <QFile>
#include <QMessageBox>
#include <QTextStream>

namespace vorlan {
namespace {

MessageHandler& Handler() {
    static MessageHandler handler;
    return handler;
}

MessageResult ShowReal(const MessageRequest& r) {
    QMessageBox box(r.parent);
    switch (r.icon) {
    case MessageIcon::Stop:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    box.setWindowTitle(r.caption);
    box.setText(r.text);
    if (r.buttons == MessageButtons::YesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::Cancel);
        const int answer = box.exec();
        return answer == QMessageBox::Yes  ? MessageResult::Yes
               : answer == QMessageBox::No ? MessageResult::No
                                           : MessageResult::Cancel;
    }
    if (r.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(r.defaultAnswer == DefaultAnswer::No ? QMessageBox::No
                                                                  : QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? MessageResult::Yes : MessageResult::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageResult::Ok;
}

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
    if (Handler()) {
        return Handler()(request);
    }
    return ShowReal(request);
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

MessageHandler SetMessageHandler(MessageHandler handler) {
    MessageHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}

} // namespace vorlan
