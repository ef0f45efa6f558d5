// The grid's texts about a key for the screen: its name as drawn on its cell
// and its tooltip, translated.
#pragma once

#include "layout/LayoutDocument.h"
#include "scancodes/ScanCodeTables.h"

#include <QString>

namespace vorlan {

// The name to draw over the image at slot (see GridLabel).
QString KeyNameText(const LayoutDocument& doc, int slot, KeyImage image, const CodeNaming& naming);

// The tooltip of slot, as rich text whose key names are escaped (a name such
// as "<b>" shows as typed); empty outside the layout.
QString KeyToolTipText(const LayoutDocument& doc, int slot, const CodeNaming& naming);

} // namespace vorlan
