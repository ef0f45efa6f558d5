#include "common/ui/UiMessageText.h"

#include "common/ui/UiText.h"

namespace vorlan {

// Fills "%s", "%d" and "%1".."%9" in order of appearance, as FormatString does
// for the English text, so a translation may keep the placeholders it needs.
QString UiMessageText(const UiMessage& message) {
    const QString text = UiText(message.id);
    QString out;
    std::size_t next = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool placeholder =
            c == QLatin1Char('%') && i + 1 < text.size() &&
            (text.at(i + 1) == QLatin1Char('s') || text.at(i + 1) == QLatin1Char('d') ||
             (text.at(i + 1) >= QLatin1Char('1') && text.at(i + 1) <= QLatin1Char('9')));
        if (placeholder && next < message.args.size()) {
            const std::string& arg = message.args[next++];
            out += QString::fromLatin1(arg.data(), static_cast<qsizetype>(arg.size()));
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace vorlan
