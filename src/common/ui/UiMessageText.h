// The text of a UiMessage for the screen: the translated string-table text
// with its values filled in. Values are bytes of names (shown as Latin-1, as
// names are typed) or numbers.
#pragma once

#include "common/UiMessage.h"

#include <QString>
#include <QStringList>

namespace vorlan {

QString UiMessageText(const UiMessage& message);

// Fills "%s", "%d" and "%1".."%9" of text with values, in order of appearance.
QString FillPlaceholders(const QString& text, const QStringList& values);

} // namespace vorlan
