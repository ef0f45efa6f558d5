// Paths on POSIX systems: the bytes themselves, whatever their encoding.
#include "common/FilePath.h"

#include <cstdlib>

namespace vorlan {

std::filesystem::path PathFromUtf8(std::string_view text) {
    return std::filesystem::path(std::string(text));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
    return path.native();
}

std::string EnvironmentText(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

} // namespace vorlan
