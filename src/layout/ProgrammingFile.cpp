#include "layout/ProgrammingFile.h"

#include "layout/DurableFile.h"

#include <filesystem>
#include <system_error>

namespace vorlan {
namespace fs = std::filesystem;

std::string ProgrammingFolder() {
    std::error_code ec;
    const fs::path folder = fs::temp_directory_path(ec);
    return ec ? std::string() : Utf8FromPath(folder);
}

std::optional<std::string> WriteProgrammingFile(std::string_view text, const std::string& folder) {
    if (folder.empty()) {
        return std::nullopt;
    }
    // The random part makes a clash unlikely; a clash only means another try.
    for (int attempt = 0; attempt < 8; ++attempt) {
        const fs::path path = PathFromUtf8(folder) / TemporaryName(kProgrammingFilePrefix, ".txt");
        if (WritePrivateFile(path, text)) {
            return Utf8FromPath(path);
        }
        std::error_code ec;
        if (!fs::exists(path, ec)) {
            return std::nullopt; // the folder refuses the write: no retry helps
        }
    }
    return std::nullopt;
}

int RemoveProgrammingLeftovers(const std::string& folder) {
    int removed = 0;
    std::error_code ec;
    if (folder.empty()) {
        return 0;
    }
    for (fs::directory_iterator it(PathFromUtf8(folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        long pid = 0;
        if (IsTemporaryNameOf(Utf8FromPath(it->path().filename()), kProgrammingFilePrefix, &pid) &&
            pid != CurrentProcessId() && !ProcessAlive(pid)) {
            std::error_code ignored;
            removed += fs::remove(it->path(), ignored) ? 1 : 0;
        }
    }
    return removed;
}

} // namespace vorlan
