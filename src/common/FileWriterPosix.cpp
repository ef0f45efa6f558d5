// The file writer on POSIX systems: open without blocking and fstat, a
// temporary file renamed over the target, every write, flush and close checked.
#include "common/FileWriter.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <signal.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace vorlan {
namespace fs = std::filesystem;

namespace {

PathCheck OpenFailure() {
    if (errno == ENOENT || errno == ENOTDIR) {
        return PathCheck::Missing;
    }
    // A socket, or a device without its driver, cannot be opened at all.
    return errno == ENXIO || errno == ENODEV ? PathCheck::NotPlain : PathCheck::Unreadable;
}

PathCheck Classify(int fd) {
    struct stat info {};
    if (fstat(fd, &info) != 0) {
        return PathCheck::Unreadable;
    }
    return S_ISREG(info.st_mode) ? PathCheck::Plain : PathCheck::NotPlain;
}

int OpenForReading(const std::string& path) {
    int fd = -1;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// The current folder when the system can no longer name it (it was
// removed): Linux still tells where it was, a shell keeps its PWD.
fs::path RemovedCurrentFolder() {
    std::error_code ec;
    std::string where = fs::read_symlink("/proc/self/cwd", ec).string();
    constexpr std::string_view kGone = " (deleted)";
    if (!ec && where.starts_with('/')) {
        if (where.ends_with(kGone)) {
            where.resize(where.size() - kGone.size());
        }
        return where;
    }
    if (const char* pwd = std::getenv("PWD"); pwd != nullptr && *pwd == '/') {
        return pwd;
    }
    return {};
}

// The folder's name as the user can find it: "." becomes the current folder.
std::string FolderText(const fs::path& folder) {
    const fs::path given = folder.empty() ? fs::path(".") : folder;
    const auto named = [](const fs::path& path) {
        std::string text = path.lexically_normal().string();
        if (text.size() > 1 && text.ends_with('/')) {
            text.pop_back(); // "/work/." reads as "/work"
        }
        return text;
    };
    std::error_code ec;
    const fs::path absolute = fs::absolute(given, ec);
    if (!ec) {
        return named(absolute);
    }
    if (const fs::path current = RemovedCurrentFolder(); given.is_relative() && !current.empty()) {
        return named(current / given);
    }
    return given.string();
}

FileWriteResult Failure(WriteFailure failure, std::string path, int error = 0) {
    FileWriteResult result;
    result.failure = failure;
    result.path = std::move(path);
    if (error != 0) {
        result.detail = std::strerror(error);
    }
    return result;
}

// A failed write, flush or close in words: a full disk is told apart.
FileWriteResult WriteError(const std::string& path, int error) {
    if (error == ENOSPC || error == EDQUOT) {
        return Failure(WriteFailure::DiskFull, path);
    }
    return Failure(WriteFailure::Other, path, error);
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool IsInput(const struct stat& target, const InputFiles& inputs) {
    for (const std::string& input : inputs) {
        struct stat info {};
        if (::stat(input.c_str(), &info) == 0 && SameFile(info, target)) {
            return true;
        }
    }
    return false;
}

// Where a write to target lands: the file at the end of its links (a
// dangling link names the file to create), or a descriptor of this process,
// and what is there now.
struct Target {
    fs::path real;
    int stream = -1;
    bool exists = false;
    struct stat info {};
};

constexpr int kMaxLinks = 40; // as many as the kernel follows

// Why the folder of a path cannot be found, as precisely as the system says:
// the part that is a file, a loop of links, or a missing folder.
FileWriteResult FolderFailure(const fs::path& folder, int error, const std::string& target) {
    if (error == ELOOP) {
        return Failure(WriteFailure::LinkLoop, target);
    }
    if (error == EACCES) {
        return Failure(WriteFailure::FolderNotWritable, FolderText(folder));
    }
    if (error == ENOTDIR) {
        fs::path prefix;
        for (const fs::path& part : folder) {
            prefix /= part;
            struct stat info {};
            if (::stat(prefix.c_str(), &info) == 0 && !S_ISDIR(info.st_mode)) {
                return Failure(WriteFailure::NotAFolder, prefix.string());
            }
        }
    }
    if (error == ENOENT || error == ENOTDIR) {
        return Failure(WriteFailure::FolderMissing, FolderText(folder));
    }
    return Failure(WriteFailure::Other, target, error);
}

// The descriptor a path in this process's descriptor folder stands for
// (/dev/stdout, /dev/fd/N and /proc/self/fd/N all end there), or -1.
int StreamOf(const fs::path& realFolder, const fs::path& name) {
    const std::string own = "/proc/" + std::to_string(::getpid()) + "/fd";
    const std::string text = name.string();
    if (realFolder != own || text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos) {
        return -1;
    }
    return std::stoi(text);
}

FileWriteResult Prepare(const std::string& target, const InputFiles& inputs, Target& out) {
    // Each folder on the way is resolved by the system, so "link/.." is the
    // folder above where the link leads, as the kernel has it, not the
    // folder that holds the link.
    fs::path path(target);
    for (int hops = 0;; ++hops) {
        const fs::path folder = path.parent_path();
        char* resolved = ::realpath(folder.empty() ? "." : folder.c_str(), nullptr);
        if (resolved == nullptr) {
            return FolderFailure(folder, errno, target);
        }
        const fs::path realFolder(resolved);
        std::free(resolved);
        struct stat folderInfo {};
        if (::stat(realFolder.c_str(), &folderInfo) != 0 || !S_ISDIR(folderInfo.st_mode)) {
            return Failure(WriteFailure::NotAFolder, folder.string());
        }
        out.real = realFolder / path.filename();
        out.stream = StreamOf(realFolder, path.filename());
        if (out.stream >= 0) {
            if (::fstat(out.stream, &out.info) != 0) {
                return Failure(WriteFailure::Other, target, errno);
            }
            if (S_ISDIR(out.info.st_mode)) {
                return Failure(WriteFailure::NotPlain, target);
            }
            if (S_ISREG(out.info.st_mode) && IsInput(out.info, inputs)) {
                return Failure(WriteFailure::SameAsInput, target);
            }
            return {};
        }
        struct stat link {};
        if (::lstat(out.real.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) {
            break;
        }
        if (hops == kMaxLinks) {
            return Failure(WriteFailure::LinkLoop, target);
        }
        std::array<char, 4096> buffer{};
        const ssize_t size = ::readlink(out.real.c_str(), buffer.data(), buffer.size() - 1);
        if (size < 0) {
            break;
        }
        const fs::path next(std::string(buffer.data(), static_cast<std::size_t>(size)));
        path = next.is_absolute() ? next : realFolder / next;
    }
    // stat never blocks, whatever the path is; nothing is opened here.
    if (::stat(out.real.c_str(), &out.info) == 0) {
        out.exists = true;
        if (!S_ISREG(out.info.st_mode)) {
            return Failure(WriteFailure::NotPlain, target);
        }
        if (IsInput(out.info, inputs)) {
            return Failure(WriteFailure::SameAsInput, target);
        }
    } else if (errno == ELOOP) {
        return Failure(WriteFailure::LinkLoop, target);
    } else if (errno != ENOENT) {
        return Failure(WriteFailure::Other, target, errno);
    }
    return {};
}

bool WriteAll(int fd, std::string_view bytes, std::size_t* written = nullptr) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) {
            continue;
        }
        if (wrote <= 0) {
            if (wrote == 0) {
                errno = ENOSPC;
            }
            break;
        }
        done += static_cast<std::size_t>(wrote);
    }
    if (written != nullptr) {
        *written = done;
    }
    return done == bytes.size();
}

// Writes a file that must not exist yet and flushes it to the disk; with
// like, it takes that file's owner and permissions before it is renamed.
FileWriteResult WriteNew(const fs::path& path, std::string_view bytes, mode_t mode,
                         const struct stat* like, const std::string& shownPath, bool& created) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
    if (fd < 0) {
        const int error = errno;
        if (error == EACCES || error == EPERM || error == EROFS) {
            return Failure(WriteFailure::FolderNotWritable, FolderText(path.parent_path()));
        }
        return WriteError(shownPath, error);
    }
    created = true;
    int error = 0;
    if (!WriteAll(fd, bytes)) {
        error = errno;
    }
    if (error == 0 && like != nullptr) {
        // The owner may only be kept by a privileged user; the group where the
        // user belongs to it. Failing that the file is the saver's, as any
        // editor's new file would be.
        if (fchown(fd, like->st_uid, like->st_gid) != 0) {
            [[maybe_unused]] const int ignored = fchown(fd, static_cast<uid_t>(-1), like->st_gid);
        }
        if (fchmod(fd, like->st_mode & 07777) != 0) {
            error = errno;
        }
    }
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    return error == 0 ? FileWriteResult{} : WriteError(shownPath, error);
}

// The rename is durable only once the folder's entry is on the disk.
void SyncFolder(const fs::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

PathCheck CheckPlainFile(const std::string& path) {
    const int fd = OpenForReading(path);
    if (fd < 0) {
        return OpenFailure();
    }
    const PathCheck kind = Classify(fd);
    ::close(fd);
    return kind;
}

PathCheck ReadPlainFile(const std::string& path, std::string& out, std::size_t maxBytes) {
    std::string bytes;
    std::array<char, 8192> buffer{};
    const int fd = OpenForReading(path);
    if (fd < 0) {
        return OpenFailure();
    }
    PathCheck kind = Classify(fd);
    // A plain file never blocks; the flag only mattered for the open.
    if (kind == PathCheck::Plain) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        // Room for the whole file (and the byte that tells one past the cap)
        // at once: growing by doubling copied a large file twice over.
        struct stat info {};
        if (::fstat(fd, &info) == 0 && info.st_size > 0) {
            bytes.reserve(std::min(static_cast<std::size_t>(info.st_size) + 1, maxBytes));
        }
    }
    while (kind == PathCheck::Plain && bytes.size() < maxBytes) {
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            kind = PathCheck::Unreadable;
        } else if (got == 0) {
            break;
        } else {
            bytes.append(buffer.data(), static_cast<std::size_t>(got));
        }
    }
    ::close(fd);
    if (kind == PathCheck::Plain) {
        out = std::move(bytes);
    }
    return kind;
}

FileWriteResult CheckWriteTarget(const std::string& target, const InputFiles& inputs) {
    Target where;
    return Prepare(target, inputs, where);
}

FileWriteResult StageFile(const std::string& target, std::string_view bytes,
                          const InputFiles& inputs, StagedFile& out) {
    Target where;
    if (FileWriteResult refused = Prepare(target, inputs, where); !refused.Ok()) {
        return refused;
    }
    if (where.stream >= 0) {
        return Failure(WriteFailure::NotPlain, target);
    }
    if (where.exists) {
        // The old file must be one we may write, as opening it would require.
        const int fd = ::open(where.real.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd < 0) {
            return Failure(WriteFailure::Other, target, errno);
        }
        ::close(fd);
    }
    RemoveSaveLeftovers(where.real.string());
    const fs::path temp = where.real.parent_path() /
                          TemporaryName(SavePrefix(where.real.filename().string()), ".tmp");
    bool created = false;
    // A new file gets the permissions any new file of the user would (the
    // umask applies); a replaced one starts private and takes the old ones.
    FileWriteResult result = WriteNew(temp, bytes, where.exists ? 0600 : 0666,
                                      where.exists ? &where.info : nullptr, target, created);
    if (!result.Ok()) {
        if (created) {
            ::unlink(temp.c_str());
        }
        return result;
    }
    out = {target, where.real.string(), temp.string(), where.exists};
    return {};
}

FileWriteResult MoveOver(const std::string& from, const std::string& to,
                         const std::string& shownPath) {
    if (::rename(from.c_str(), to.c_str()) != 0) {
        return WriteError(shownPath, errno);
    }
    SyncFolder(fs::path(to).parent_path());
    return {};
}

FileWriteResult ReplaceFile(const std::string& target, std::string_view bytes,
                            const InputFiles& inputs) {
    Target where;
    if (FileWriteResult refused = Prepare(target, inputs, where); !refused.Ok()) {
        return refused;
    }
    if (where.stream >= 0) {
        // What the program printed before goes first.
        std::cout.flush();
        std::fflush(stdout);
        return WriteAll(where.stream, bytes) ? FileWriteResult{} : WriteError(target, errno);
    }
    StagedFile staged;
    if (FileWriteResult result = StageFile(target, bytes, inputs, staged); !result.Ok()) {
        return result;
    }
    FileWriteResult result = MoveOver(staged.temp, staged.real, target);
    if (!result.Ok()) {
        ::unlink(staged.temp.c_str());
    }
    return result;
}

FileWriteResult AppendLine(const std::string& target, std::string_view line,
                           const InputFiles& inputs) {
    const fs::path path(target);
    if (path.has_parent_path()) {
        std::error_code ignored;
        fs::create_directories(path.parent_path(), ignored);
    }
    Target where;
    if (FileWriteResult refused = Prepare(target, inputs, where); !refused.Ok()) {
        return refused;
    }
    if (where.stream >= 0) {
        return WriteAll(where.stream, std::string(line) + "\n") ? FileWriteResult{}
                                                                : WriteError(target, errno);
    }
    const int fd = ::open(target.c_str(),
                          O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) {
        const int error = errno;
        if (error == ENXIO || error == ENODEV || error == EISDIR) {
            return Failure(WriteFailure::NotPlain, target);
        }
        if (!where.exists && (error == EACCES || error == EPERM || error == EROFS)) {
            return Failure(WriteFailure::FolderNotWritable, FolderText(where.real.parent_path()));
        }
        return WriteError(target, error);
    }
    // The path may have been swapped between the look and the open.
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || IsInput(info, inputs)) {
        ::close(fd);
        return Failure(S_ISREG(info.st_mode) ? WriteFailure::SameAsInput : WriteFailure::NotPlain,
                       target);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    // One write of the whole line, so runs of two programs never interleave
    // within a line.
    const std::string whole = std::string(line) + "\n";
    std::size_t written = 0;
    int error = 0;
    if (!WriteAll(fd, whole, &written)) {
        error = errno;
        // A part of a line would run into the next one: take it back, unless
        // another program has appended since.
        struct stat now {};
        if (written > 0 && fstat(fd, &now) == 0 &&
            now.st_size == info.st_size + static_cast<off_t>(written)) {
            [[maybe_unused]] const int ignored = ::ftruncate(fd, info.st_size);
        }
    }
    if (error == 0 && ::fdatasync(fd) != 0) {
        error = errno;
    }
    // A log this call made and could not write a line to is not left empty.
    struct stat now {};
    const bool madeEmpty = error != 0 && !where.exists && fstat(fd, &now) == 0 && now.st_size == 0;
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (madeEmpty) {
        ::unlink(target.c_str());
    }
    return error == 0 ? FileWriteResult{} : WriteError(target, error);
}

FileWriteResult WritePrivateNewFile(const std::string& path, std::string_view bytes) {
    bool created = false;
    FileWriteResult result = WriteNew(fs::path(path), bytes, 0600, nullptr, path, created);
    // Only a file this call created may go; an existing one is not ours.
    if (!result.Ok() && created) {
        ::unlink(path.c_str());
    }
    return result;
}

long CurrentProcessId() {
    return static_cast<long>(::getpid());
}

bool ProcessAlive(long pid) {
    if (pid <= 0) {
        return false;
    }
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

} // namespace vorlan
