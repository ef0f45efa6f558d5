// Paths on Windows: UTF-8 in the program, UTF-16 for the system. The system's
// own converters are used rather than the standard library's, since those
// throw on a malformed sequence; here an invalid byte or a lone surrogate
// becomes U+FFFD and the file is reported missing instead.
#include "common/FilePath.h"

#include <cstdlib>
#include <windows.h>

namespace vorlan {

namespace {

std::wstring Wide(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), size);
    return out;
}

std::string Narrow(std::wstring_view wide) {
    if (wide.empty()) {
        return {};
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), size,
                        nullptr, nullptr);
    return out;
}

} // namespace

std::filesystem::path PathFromUtf8(std::string_view text) {
    return std::filesystem::path(Wide(text));
}

std::string Utf8FromPath(const std::filesystem::path& path) {
    return Narrow(path.native());
}

std::string EnvironmentText(const char* name) {
    const wchar_t* value = _wgetenv(Wide(name).c_str());
    return value != nullptr ? Narrow(value) : std::string();
}

} // namespace vorlan
