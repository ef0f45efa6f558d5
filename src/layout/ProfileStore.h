// The per-user settings store that keeps the recent-file list between runs.
// The ui backs it with the platform's settings; tests use a map.
#pragma once

#include <string>
#include <string_view>

namespace vorlan {

class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    // A missing entry reads as empty.
    virtual std::string ReadString(std::string_view section, std::string_view entry) = 0;
    virtual void WriteString(std::string_view section, std::string_view entry,
                             std::string_view value) = 0;
};

} // namespace vorlan
