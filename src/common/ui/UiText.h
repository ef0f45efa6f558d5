// Looks up the string table's texts through Qt's translation, so a
// translation file loaded at start replaces them.
#pragma once

#include "common/StringTable.h"

#include <QString>

namespace vorlan {

// The translation context of every text of the string table.
inline constexpr const char* kTranslationContext = "Vorlan";

QString UiText(StringId id);
QString UiText(int id);

} // namespace vorlan
