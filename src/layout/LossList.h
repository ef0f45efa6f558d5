// What saving a layout in a variant would lose: the layout compared, key by
// key, with what the written file reads back as. The variants carry less than
// the editor holds (7/3scan: 7 or 3 codes and no RFID options or keys pause;
// a single half: 56 keys), and no variant carries ';', ',' or a line end in a
// name. Changes nothing; the caller asks before it saves.
#pragma once

#include "layout/LayoutDiff.h"
#include "layout/LayoutDocument.h"

#include <vector>

namespace vorlan {

// Empty when the file would read back as the editor holds the layout. key is
// the layout's key number; otherKey the number the key gets in the file.
std::vector<Difference> LossesOnSave(const LayoutDocument& doc, KeyboardVariant variant);

} // namespace vorlan
