// Paths travel through the program as text: UTF-8 on Windows, where the file
// system's names are UTF-16, and the bytes the file system gives elsewhere,
// where any byte sequence but '/' and NUL is a name. These are the only
// crossings between that text and the system's own path type.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace vorlan {

// A path from the program's text; on Windows the UTF-8 becomes UTF-16, never
// the ANSI code page, so a name outside it still names its file.
std::filesystem::path PathFromUtf8(std::string_view text);

// The program's text of a path: the inverse of PathFromUtf8.
std::string Utf8FromPath(const std::filesystem::path& path);

// Opens a plain file for reading through the same path conversion; false
// (and nothing opened) for a missing file, a folder, a pipe or a device, as
// those could block the open or never end.
bool OpenForReading(const std::string& path, std::ifstream& file,
                    std::ios::openmode mode = std::ios::in);

// An environment variable as program text (UTF-8 on Windows, whose narrow
// environment is in the ANSI code page); empty when unset.
std::string EnvironmentText(const char* name);

} // namespace vorlan
