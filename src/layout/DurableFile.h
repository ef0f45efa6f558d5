// Reading and replacing files so that nothing waits forever and nothing is
// lost: paths that are not plain files are refused before a byte is read,
// and a replaced file is either the whole old one or the whole new one, on
// the disk, even after a crash or a power cut.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace vorlan {

enum class PathCheck {
    Plain,      // a regular file that could be opened for reading
    Missing,    // nothing at the path (or a folder on the way is missing)
    NotPlain,   // a folder, pipe, socket or device
    Unreadable, // there, but it cannot be opened (permissions, ...)
};

// Opens the path without blocking (a pipe without a writer would otherwise
// wait forever) and looks at what the opened thing is.
PathCheck CheckPlainFile(const std::string& path);

// Reads up to maxBytes of a plain file through the same open that was
// checked, so a path swapped for a pipe in between cannot block. out is
// set only on success.
PathCheck ReadPlainFile(const std::string& path, std::string& out, std::size_t maxBytes);

// Replaces target (or the file a link at target points to) with bytes: a
// temporary file beside it, created exclusively under a unique name, written,
// flushed to the disk and given the old file's owner and permissions, is
// renamed over the target and the folder flushed after it. The program's own
// temporary files that killed saves left beside the target are removed first.
// The old file is untouched when anything fails.
bool DurableReplace(const std::filesystem::path& target, std::string_view bytes);

// Writes a new file that must not exist yet, private to the user (0600),
// flushed to the disk. False when the path exists or the write fails.
bool WritePrivateFile(const std::filesystem::path& path, std::string_view bytes);

// The temporary file names this program uses carry the process id, so
// another instance's file in use is told from a dead one's leftover.
bool IsTemporaryNameOf(const std::string& fileName, std::string_view prefix, long* pid);
std::string TemporaryName(std::string_view prefix, std::string_view suffix);
// True when a process with this id is running (or it cannot be told).
bool ProcessAlive(long pid);
long CurrentProcessId();

} // namespace vorlan
