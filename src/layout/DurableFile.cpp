#include "layout/DurableFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vorlan {
namespace fs = std::filesystem;

namespace {

std::string RandomHex() {
    static std::mt19937_64 engine{[] {
        std::random_device device;
        return (static_cast<std::uint64_t>(device()) << 32) ^ device();
    }()};
    static constexpr char kDigits[] = "0123456789abcdef";
    std::uint64_t value = engine();
    std::string out(16, '0');
    for (char& c : out) {
        c = kDigits[value & 0xF];
        value >>= 4;
    }
    return out;
}

std::string SavePrefix(const fs::path& target) {
    return "." + target.filename().string() + ".vorlan-save-";
}

// Leftovers of this program's own saves of target whose process is gone; a
// save running in another instance keeps its file.
void RemoveSaveLeftovers(const fs::path& target) {
    const std::string prefix = SavePrefix(target);
    std::error_code ec;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        long pid = 0;
        const std::string name = it->path().filename().string();
        if (IsTemporaryNameOf(name, prefix, &pid) &&
            (pid == CurrentProcessId() || !ProcessAlive(pid))) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
}

#ifdef _WIN32

HANDLE OpenForReading(const std::string& path) {
    return CreateFileW(fs::path(path).wstring().c_str(), GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

PathCheck Classify(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return PathCheck::NotPlain;
    }
    return PathCheck::Plain;
}

PathCheck OpenFailure() {
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? PathCheck::Missing
                                                                          : PathCheck::Unreadable;
}

bool WriteNew(const fs::path& path, std::string_view bytes, bool* created = nullptr) {
    HANDLE file = CreateFileW(path.wstring().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    if (created != nullptr) {
        *created = true;
    }
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        DWORD wrote = 0;
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        ok = WriteFile(file, bytes.data() + done, chunk, &wrote, nullptr) != 0 && wrote > 0;
        done += wrote;
    }
    ok = ok && FlushFileBuffers(file) != 0;
    ok = CloseHandle(file) != 0 && ok;
    return ok;
}

bool MoveInPlace(const fs::path& from, const fs::path& to) {
    return MoveFileExW(from.wstring().c_str(), to.wstring().c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

#else

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

bool WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) {
            continue;
        }
        if (wrote <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

// Writes a file that must not exist yet and flushes it to the disk; with
// like, it takes that file's owner and permissions before it is renamed.
bool WriteNew(const fs::path& path, std::string_view bytes, mode_t mode,
              const struct stat* like = nullptr, bool* created = nullptr) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, mode);
    if (fd < 0) {
        return false;
    }
    if (created != nullptr) {
        *created = true;
    }
    bool ok = WriteAll(fd, bytes);
    if (ok && like != nullptr) {
        // The owner may only be kept by a privileged user; the group where the
        // user belongs to it. Failing that the file is the saver's, as any
        // editor's new file would be.
        if (fchown(fd, like->st_uid, like->st_gid) != 0) {
            [[maybe_unused]] const int ignored = fchown(fd, static_cast<uid_t>(-1), like->st_gid);
        }
        ok = fchmod(fd, like->st_mode & 07777) == 0;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    return ok;
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

#endif

} // namespace

PathCheck CheckPlainFile(const std::string& path) {
#ifdef _WIN32
    HANDLE file = OpenForReading(path);
    if (file == INVALID_HANDLE_VALUE) {
        return OpenFailure();
    }
    const PathCheck kind = Classify(file);
    CloseHandle(file);
    return kind;
#else
    const int fd = OpenForReading(path);
    if (fd < 0) {
        return OpenFailure();
    }
    const PathCheck kind = Classify(fd);
    ::close(fd);
    return kind;
#endif
}

PathCheck ReadPlainFile(const std::string& path, std::string& out, std::size_t maxBytes) {
    std::string bytes;
    std::array<char, 8192> buffer{};
#ifdef _WIN32
    HANDLE file = OpenForReading(path);
    if (file == INVALID_HANDLE_VALUE) {
        return OpenFailure();
    }
    PathCheck kind = Classify(file);
    DWORD got = 0;
    while (kind == PathCheck::Plain && bytes.size() < maxBytes) {
        if (ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) == 0) {
            kind = PathCheck::Unreadable;
        } else if (got == 0) {
            break;
        } else {
            bytes.append(buffer.data(), got);
        }
    }
    CloseHandle(file);
#else
    const int fd = OpenForReading(path);
    if (fd < 0) {
        return OpenFailure();
    }
    PathCheck kind = Classify(fd);
    // A plain file never blocks; the flag only mattered for the open.
    if (kind == PathCheck::Plain) {
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
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
#endif
    if (kind == PathCheck::Plain) {
        out = std::move(bytes);
    }
    return kind;
}

bool DurableReplace(const fs::path& target, std::string_view bytes) {
    std::error_code ec;
    // Replace the file a link points to, not the link.
    fs::path real = target;
    if (fs::is_symlink(target, ec)) {
        real = fs::canonical(target, ec);
        if (ec) {
            return false;
        }
    }
    const auto status = fs::status(real, ec);
    const bool existed = !ec && status.type() != fs::file_type::not_found;
    if (ec && status.type() != fs::file_type::not_found) {
        return false;
    }
    if (existed && status.type() != fs::file_type::regular) {
        return false;
    }
    const fs::path folder = real.parent_path();
#ifndef _WIN32
    struct stat old {};
    if (existed) {
        // The old file must be one we may write, as opening it would require.
        const int fd = ::open(real.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        if (fd < 0 || fstat(fd, &old) != 0 || !S_ISREG(old.st_mode)) {
            if (fd >= 0) {
                ::close(fd);
            }
            return false;
        }
        ::close(fd);
    }
#else
    if (existed && (GetFileAttributesW(real.wstring().c_str()) & FILE_ATTRIBUTE_READONLY) != 0) {
        return false;
    }
#endif
    RemoveSaveLeftovers(real);
    const fs::path temp = folder / TemporaryName(SavePrefix(real), ".tmp");
#ifdef _WIN32
    bool ok = WriteNew(temp, bytes) && MoveInPlace(temp, real);
#else
    // A new file gets the permissions any new file of the user would (the
    // umask applies); a replaced one starts private and takes the old ones.
    bool ok = WriteNew(temp, bytes, existed ? 0600 : 0666, existed ? &old : nullptr);
    ok = ok && ::rename(temp.c_str(), real.c_str()) == 0;
    if (ok) {
        SyncFolder(folder);
    }
#endif
    if (!ok) {
        fs::remove(temp, ec);
    }
    return ok;
}

bool WritePrivateFile(const fs::path& path, std::string_view bytes) {
    bool created = false;
#ifdef _WIN32
    // The user's temporary folder is private to the user on Windows.
    const bool ok = WriteNew(path, bytes, &created);
#else
    const bool ok = WriteNew(path, bytes, 0600, nullptr, &created);
#endif
    // Only a file this call created may go; an existing one is not ours.
    if (!ok && created) {
        std::error_code ec;
        fs::remove(path, ec);
    }
    return ok;
}

std::string TemporaryName(std::string_view prefix, std::string_view suffix) {
    return std::string(prefix) + std::to_string(CurrentProcessId()) + "-" + RandomHex() +
           std::string(suffix);
}

bool IsTemporaryNameOf(const std::string& fileName, std::string_view prefix, long* pid) {
    if (!std::string_view(fileName).starts_with(prefix)) {
        return false;
    }
    std::size_t i = prefix.size();
    long value = 0;
    const std::size_t digitsStart = i;
    while (i < fileName.size() && fileName[i] >= '0' && fileName[i] <= '9' &&
           i - digitsStart < 10) {
        value = value * 10 + (fileName[i] - '0');
        ++i;
    }
    if (i == digitsStart || i + 17 > fileName.size() || fileName[i] != '-') {
        return false;
    }
    for (std::size_t k = i + 1; k < i + 17; ++k) {
        const char c = fileName[k];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) {
            return false;
        }
    }
    if (pid != nullptr) {
        *pid = value;
    }
    return true;
}

long CurrentProcessId() {
#ifdef _WIN32
    return static_cast<long>(GetCurrentProcessId());
#else
    return static_cast<long>(::getpid());
#endif
}

bool ProcessAlive(long pid) {
    if (pid <= 0) {
        return false;
    }
#ifdef _WIN32
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
    if (process == nullptr) {
        return GetLastError() == ERROR_ACCESS_DENIED;
    }
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
#else
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
#endif
}

} // namespace vorlan
