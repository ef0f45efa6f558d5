// The text of a UiMessage for the screen: the translated string-table text
// with its values filled in. Values are bytes of names (shown as Latin-1, as
// names are typed) or numbers.
#pragma once

#include "common/FileWriter.h"
#include "common/UiMessage.h"

#include <QString>
#include <QStringList>

namespace vorlan {

QString UiMessageText(const UiMessage& message);

// Fills "%s", "%d" and "%1".."%9" of text with values, in order of appearance.
QString FillPlaceholders(const QString& text, const QStringList& values);

// Why a file could not be written, translated; the path as the file system
// names it, not as Latin-1.
QString WriteFailureUiText(const FileWriteResult& failure);

} // namespace vorlan
