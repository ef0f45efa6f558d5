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
// A text that counts ("%n of %2 keys tested"): the translation's plural form
// for count, with count put in for "%n".
QString UiText(StringId id, int count);

// A key's name as the platform writes it in the user's language ("Échap"
// for Qt::Key_Escape in French), for instructions that name keys.
QString KeyCapName(int qtKey);

} // namespace vorlan
