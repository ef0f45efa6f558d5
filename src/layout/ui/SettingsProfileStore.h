// The profile store of the window program: the user's settings under the
// organisation "Kelvane" and the application named after the program file
// (set at start-up). Sections are settings groups, entries their keys.
#pragma once

#include "layout/ProfileStore.h"

namespace vorlan {

class SettingsProfileStore : public ProfileStore {
public:
    std::string ReadString(std::string_view section, std::string_view entry) override;
    void WriteString(std::string_view section, std::string_view entry,
                     std::string_view value) override;
};

} // namespace vorlan
