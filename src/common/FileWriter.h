// The one way files are read for checking and written: paths that are not
// plain files are refused before a byte is read or written, nothing waits on
// a pipe, a write never lands on a file the same command reads, and a
// replaced file is either the whole old one or the whole new one, on the
// disk, even after a crash or a power cut.
#pragma once

#include "common/StringTable.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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

// Why a path could not be read, as every command and the window say it:
// "not a plain file" for a folder, pipe, socket or device, otherwise
// "Cannot open file!".
StringId ReadFailureId(PathCheck check);

enum class WriteFailure {
    None,
    NotPlain,          // a folder, pipe, socket or device
    SameAsInput,       // the file a command reads (same device and inode)
    DiskFull,          // no space or quota left
    FolderNotWritable, // the temporary file cannot be made beside the target
    FolderMissing,     // the folder of the target does not exist
    NotAFolder,        // a part of the target's folder is a file
    LinkLoop,          // the target's links go round in a circle (or too deep)
    Other,             // anything else; detail has the system's words
};

struct FileWriteResult {
    WriteFailure failure = WriteFailure::None;
    std::string path;   // the file or folder the failure is about
    std::string detail; // the system's words, for Other
    bool Ok() const { return failure == WriteFailure::None; }
};

// The files a command reads; a write to any of them (by whatever path,
// link or hard link) is refused.
using InputFiles = std::vector<std::string>;

// The refusals a write would make before it writes anything, so a command
// that writes several files can refuse all of them before the first one.
FileWriteResult CheckWriteTarget(const std::string& target, const InputFiles& inputs = {});

// Replaces target (or the file a link at target points to) with bytes: a
// temporary file beside it, created exclusively under a unique name, written,
// flushed to the disk and given the old file's owner and permissions, is
// renamed over the target and the folder flushed after it. The program's own
// temporary files that killed saves left beside the target are removed first.
// On any failure the temporary file is removed and the old file untouched.
// Links are followed as the system follows them, a folder at a time.
// A descriptor this process has open (/dev/stdout, /dev/fd/N,
// /proc/self/fd/N, or a link to one) is written as a stream: the bytes go
// where it stands (at the end when it was opened to append); nothing of
// what it holds is replaced.
FileWriteResult ReplaceFile(const std::string& target, std::string_view bytes,
                            const InputFiles& inputs = {});

// A file written and flushed beside its target under a temporary name, not
// yet in place: what ReplaceFile does before its rename.
struct StagedFile {
    std::string target; // as given, for messages
    std::string real;   // where it goes, links followed
    std::string temp;   // where it is now
    bool replacesExisting = false;
};
// Refuses what ReplaceFile refuses, and streams: they cannot be taken back.
FileWriteResult StageFile(const std::string& target, std::string_view bytes,
                          const InputFiles& inputs, StagedFile& out);
// Renames from over to and makes the rename durable; shownPath names a failure.
FileWriteResult MoveOver(const std::string& from, const std::string& to,
                         const std::string& shownPath);

// Several files replaced together, all or none (the pages of an export):
// each is staged as it comes, Commit puts them all in place, and when one
// cannot be, those already placed are taken back so every old file is whole
// again. Whatever is not committed is removed, also when this is destroyed.
class FileSetWriter {
public:
    explicit FileSetWriter(InputFiles inputs = {}) : inputs_(std::move(inputs)) {}
    FileSetWriter(const FileSetWriter&) = delete;
    FileSetWriter& operator=(const FileSetWriter&) = delete;
    ~FileSetWriter() { Discard(); }

    FileWriteResult Add(const std::string& target, std::string_view bytes);
    FileWriteResult Commit();
    void Discard();

private:
    InputFiles inputs_;
    std::vector<StagedFile> staged_;
};

// Appends one whole line (a line end is added) in a single write to an
// append-only file, creating it and its folders when missing.
FileWriteResult AppendLine(const std::string& target, std::string_view line,
                           const InputFiles& inputs = {});

// Writes a new file that must not exist yet, private to the user (0600),
// flushed to the disk. Fails when the path exists.
FileWriteResult WritePrivateNewFile(const std::string& path, std::string_view bytes);

// The message of a failure: its id (with %1 the path, %2 the detail) and
// the English text filled in.
StringId WriteFailureId(WriteFailure failure);
std::string WriteFailureText(const FileWriteResult& result);

// The temporary file names this program uses carry the process id, so
// another instance's file in use is told from a dead one's leftover.
bool IsTemporaryNameOf(const std::string& fileName, std::string_view prefix, long* pid);
std::string TemporaryName(std::string_view prefix, std::string_view suffix);
// The prefix of the temporary files of saves of the file named fileName: a
// long name is shortened (and told apart by a hash of the whole), so the
// temporary name fits where the name itself fits (255 bytes).
std::string SavePrefix(const std::string& fileName);
// Removes temporary files of saves of target whose process is gone.
void RemoveSaveLeftovers(const std::string& target);
// True when a process with this id is running (or it cannot be told).
bool ProcessAlive(long pid);
long CurrentProcessId();

} // namespace vorlan
