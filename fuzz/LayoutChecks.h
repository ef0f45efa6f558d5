// Checks shared by the fuzzers and the property tests: what must hold for any
// layout the reader can produce, and what a write followed by a read must give
// back in each variant. Each returns an empty text when everything holds,
// otherwise a description of the first thing that does not.
#pragma once

#include "layout/LayoutDocument.h"

#include <string>

namespace vorlan::hardening {

// Ranges, span symmetry, shared group numbers and the catalogue's order, for a
// document that has been read and rebuilt (RebuildAfterLoad).
std::string CheckLoadedLayout(const LayoutDocument& doc);

// Every line of the file text ends in CR LF and is at most 198 bytes before
// it; a header and 112 key lines.
std::string CheckFileText(const std::string& text);

// Writes doc in the variant, reads the text into a fresh document, and
// compares what the variant carries (group numbers as written, before any
// rebuild). With compareRebuild, for a doc that is itself freshly rebuilt, and
// when the whole layout travels (16scan, 112 keys), the rebuild of the read
// document must also give the same spans, group numbers and catalogue.
std::string CheckRoundTrip(const LayoutDocument& doc, KeyboardVariant variant,
                           bool compareRebuild = false);

} // namespace vorlan::hardening
