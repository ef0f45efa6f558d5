// What a file was when the program last read or wrote it: enough to tell
// that another program changed or removed it since (the time alone misses a
// change within the file system's time resolution, the size a same-size edit).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorlan {

struct FileStamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::int64_t modified = 0; // the file system's time, in its own ticks
    std::uint64_t hash = 0;    // of the bytes

    friend bool operator==(const FileStamp&, const FileStamp&) = default;

    // "exists size modified hash", for the recovery file.
    std::string ToText() const;
    static std::optional<FileStamp> FromText(std::string_view text);
};

// The stamp of the file at path now; a missing or unreadable file reads as
// not existing.
FileStamp StampOf(const std::string& path);

std::uint64_t HashBytes(std::string_view bytes);

} // namespace vorlan
