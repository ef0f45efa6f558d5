#include "layout/FileStamp.h"

#include "common/FilePath.h"
#include "layout/DurableFile.h"

#include <charconv>
#include <filesystem>
#include <system_error>

namespace vorlan {

std::uint64_t HashBytes(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}

FileStamp StampOf(const std::string& path) {
    FileStamp stamp;
    std::string bytes;
    // Layouts are small; the cap matches what the reader takes.
    if (ReadPlainFile(path, bytes, 16u * 1024u * 1024u) != PathCheck::Plain) {
        return stamp;
    }
    std::error_code ec;
    const auto time = std::filesystem::last_write_time(PathFromUtf8(path), ec);
    stamp.exists = true;
    stamp.size = bytes.size();
    stamp.modified = ec ? 0 : static_cast<std::int64_t>(time.time_since_epoch().count());
    stamp.hash = HashBytes(bytes);
    return stamp;
}

std::string FileStamp::ToText() const {
    return std::to_string(exists ? 1 : 0) + " " + std::to_string(size) + " " +
           std::to_string(modified) + " " + std::to_string(hash);
}

std::optional<FileStamp> FileStamp::FromText(std::string_view text) {
    FileStamp stamp;
    int exists = 0;
    const char* p = text.data();
    const char* end = text.data() + text.size();
    const auto field = [&](auto& value) {
        while (p < end && *p == ' ') {
            ++p;
        }
        const auto [next, error] = std::from_chars(p, end, value);
        p = next;
        return error == std::errc();
    };
    if (!field(exists) || !field(stamp.size) || !field(stamp.modified) || !field(stamp.hash) ||
        p != end || exists < 0 || exists > 1) {
        return std::nullopt;
    }
    stamp.exists = exists == 1;
    return stamp;
}

} // namespace vorlan
