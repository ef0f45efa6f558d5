// The layout check: reads a file exactly as the editor opens it, with the
// reader's report, and adds what is legal but probably a mistake once the
// layout is rebuilt (keys without codes or names, keys that cannot be told
// apart, group keys that join nothing, names the programmed-keys list cuts).
#pragma once

#include "layout/LayoutDocument.h"
#include "layout/ReadReport.h"

#include <string>

namespace vorlan {

// Adds the warnings about doc (freshly read and rebuilt) to report, located
// at the lines the report took its keys from, and sorts the report by line.
void AddLayoutWarnings(const LayoutDocument& doc, ReadReport& report);

// Opens path into doc as the editor does (reset, read, rebuild) and returns
// the full report in doc.readReport. False when the file cannot be read.
bool CheckLayoutFile(const std::string& path, LayoutDocument& doc);

} // namespace vorlan
