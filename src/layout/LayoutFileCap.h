// The most of a file any reader of layouts takes (the editor, check, the
// device image): a layout is a few kilobytes, and an endless file must not
// freeze the program or be programmed from bytes the check never read.
#pragma once

#include <cstddef>

namespace vorlan {

inline constexpr std::size_t kMaxLayoutFileBytes = 16u * 1024u * 1024u;

} // namespace vorlan
