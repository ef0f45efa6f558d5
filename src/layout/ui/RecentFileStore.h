// The recent-file list in the user's profile store: organisation "Kelvane",
// application named after the program file, group "Recent File List",
// entries "File1" (most recent) to "File4".
#pragma once

#include <array>
#include <string>

namespace vorlan {

using RecentFileList = std::array<std::string, 4>;

// A missing entry reads as empty.
RecentFileList ReadRecentFiles();

// Writes all four entries at once, empty ones as empty texts.
void WriteRecentFiles(const RecentFileList& files);

} // namespace vorlan
