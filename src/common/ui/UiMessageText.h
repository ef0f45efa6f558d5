// The text of a UiMessage for the screen: the translated string-table text
// with its values filled in. Values are bytes of names (shown as Latin-1, as
// names are typed) or numbers.
#pragma once

#include "layout/UiMessage.h"

#include <QString>

namespace vorlan {

QString UiMessageText(const UiMessage& message);

} // namespace vorlan
