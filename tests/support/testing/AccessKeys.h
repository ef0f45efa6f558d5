// Access keys ("&" letters) as a language's keyboard types them.
#pragma once

#include <QString>

namespace vorlan::test {

// The access key of a caption, lower case; null when it has none ("&&" is
// an ampersand shown).
inline QChar AccessKey(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && caption[++i] != QLatin1Char('&')) {
            return caption[i].toLower();
        }
    }
    return {};
}

// A letter or digit of every layout, or one the language's keyboard has on
// a key of its own: Alt with it needs no AltGr.
inline bool Typeable(QChar key, const QString& language) {
    return (key >= QLatin1Char('a') && key <= QLatin1Char('z')) || key.isDigit() ||
           (language.startsWith(QLatin1String("de")) && QStringLiteral("äöü").contains(key)) ||
           (language.startsWith(QLatin1String("es")) && key == QChar(0xF1));
}

} // namespace vorlan::test
