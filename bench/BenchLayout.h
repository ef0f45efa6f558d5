// The layouts the benchmarks work on: every key programmed, with names, a
// spread of code counts and joined keys in each block, so reading, rebuilding
// and drawing do all the work a full real layout asks of them.
#pragma once

#include "layout/LayoutDocument.h"

#include <string>

namespace vorlan::bench {

// Fills a reset doc with a full layout of keyCount keys (56 or 112).
void FillBenchLayout(LayoutDocument& doc, int keyCount);

// The file text of a full layout of keyCount keys in the given variant.
std::string BenchLayoutText(int keyCount, KeyboardVariant variant);

} // namespace vorlan::bench
