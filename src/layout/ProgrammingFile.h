// The layout file of a programming run: private to the user, uniquely named
// in the user's temporary folder, so no folder needs to be writable, no
// user's file is ever touched and two windows never share one.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorlan {

inline constexpr std::string_view kProgrammingFilePrefix = "vorlan-run-";

// The user's temporary folder (TMPDIR, TEMP, ...); empty when there is none.
std::string ProgrammingFolder();

// Writes text to a new file (0600, created exclusively) in folder; its path,
// or nullopt when it could not be written.
std::optional<std::string> WriteProgrammingFile(std::string_view text,
                                                const std::string& folder = ProgrammingFolder());

// Removes the files of runs whose program has died (a crash, a kill); the
// files of runs going on in other instances stay. Returns how many went.
int RemoveProgrammingLeftovers(const std::string& folder = ProgrammingFolder());

} // namespace vorlan
