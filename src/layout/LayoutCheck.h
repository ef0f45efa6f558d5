// The layout check: reads a file exactly as the editor opens it, with the
// reader's report, and adds what is legal but probably a mistake once the
// layout is rebuilt (keys without codes or names, keys that cannot be told
// apart, group keys that join nothing, names the programmed-keys list cuts).
#pragma once

#include "layout/LayoutDocument.h"
#include "layout/LayoutFile.h"
#include "layout/ReadReport.h"

#include <string>
#include <string_view>

namespace vorlan {

// Adds the warnings about doc (freshly read and rebuilt) to report, located
// at the lines the report took its keys from, and sorts the report by line.
void AddLayoutWarnings(const LayoutDocument& doc, ReadReport& report);

// Opens path into doc as the editor does (reset, read, rebuild) and returns
// the full report in doc.readReport; the read result says when the file
// could not be read.
LayoutReadResult CheckLayoutFile(const std::string& path, LayoutDocument& doc);

// Whether text starts as a layout file does: a first field of 56, 57, 112 or
// 113 (spaces around it allowed) ending at ";" or the line's end. Whatever
// else reads as a layout only by the reader's defaults is no layout here.
bool LooksLikeLayout(std::string_view text);

} // namespace vorlan
