#include "common/ui/UiMessageText.h"

#include "common/ui/QtText.h"
#include "common/ui/UiText.h"

#include <QFile>

namespace vorlan {

QString UiMessageText(const UiMessage& message) {
    QStringList values;
    for (const UiArg& arg : message.args) {
        values << FromUiArg(arg);
    }
    return FillPlaceholders(UiText(message.id), values);
}

// Works like FormatString on the English text, so a translation may use the
// placeholders it likes.
QString FillPlaceholders(const QString& text, const QStringList& values) {
    QString out;
    qsizetype next = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool placeholder =
            c == QLatin1Char('%') && i + 1 < text.size() &&
            (text.at(i + 1) == QLatin1Char('s') || text.at(i + 1) == QLatin1Char('d') ||
             (text.at(i + 1) >= QLatin1Char('1') && text.at(i + 1) <= QLatin1Char('9')));
        if (placeholder && next < values.size()) {
            out += values.at(next++);
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

QString WriteFailureUiText(const FileWriteResult& failure) {
    return FillPlaceholders(UiText(WriteFailureId(failure.failure)),
                            {FromPath(failure.path), FromLocalText(failure.detail)});
}

} // namespace vorlan
