// The file writer on Windows: paths are UTF-8 and go to the wide functions,
// so any file name works; a temporary file replaces the target with a
// write-through move.
#include "common/FilePath.h"
#include "common/FileWriter.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>
#include <windows.h>
// windows.h names a system function ReplaceFile; the writer's own is meant.
#undef ReplaceFile

namespace vorlan {
namespace fs = std::filesystem;

namespace {

// The one UTF-8 crossing is FilePath's; these name its uses here.
std::wstring Wide(const std::string& utf8) {
    return PathFromUtf8(utf8).native();
}

fs::path PathOf(const std::string& utf8) {
    return PathFromUtf8(utf8);
}

std::string Utf8(const fs::path& path) {
    return Utf8FromPath(path);
}

HANDLE OpenForReading(const std::wstring& path) {
    return CreateFileW(path.c_str(), GENERIC_READ,
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

std::string SystemWords(DWORD error) {
    std::array<wchar_t, 512> buffer{};
    const DWORD size =
        FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                       0, buffer.data(), static_cast<DWORD>(buffer.size()), nullptr);
    std::wstring text(buffer.data(), size);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L'.')) {
        text.pop_back();
    }
    return Utf8(fs::path(text));
}

FileWriteResult Failure(WriteFailure failure, std::string path, DWORD error = 0) {
    FileWriteResult result;
    result.failure = failure;
    result.path = std::move(path);
    if (error != 0) {
        result.detail = SystemWords(error);
    }
    return result;
}

FileWriteResult WriteError(const std::string& path, DWORD error) {
    if (error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL) {
        return Failure(WriteFailure::DiskFull, path);
    }
    return Failure(WriteFailure::Other, path, error);
}

// The file id: volume and index, the same for every path and hard link.
bool FileId(const std::wstring& path, BY_HANDLE_FILE_INFORMATION& info) {
    HANDLE file = OpenForReading(path);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool ok = GetFileInformationByHandle(file, &info) != 0;
    CloseHandle(file);
    return ok;
}

bool SameFile(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b) {
    return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
           a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

struct Target {
    fs::path real;
    bool exists = false;
};

FileWriteResult Prepare(const std::string& target, const InputFiles& inputs, Target& out) {
    fs::path path = PathOf(target);
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(path, ec); ++hops) {
        const fs::path next = fs::read_symlink(path, ec);
        if (ec) {
            break;
        }
        path = (next.is_absolute() ? next : path.parent_path() / next).lexically_normal();
    }
    out.real = path;
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    if (!fs::is_directory(folder, ec)) {
        return Failure(WriteFailure::FolderMissing, Utf8(fs::absolute(folder, ec)));
    }
    HANDLE file = OpenForReading(path.wstring());
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
            return {};
        }
        return Failure(WriteFailure::Other, target, error);
    }
    out.exists = true;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool plain =
        Classify(file) == PathCheck::Plain && GetFileInformationByHandle(file, &info);
    CloseHandle(file);
    if (!plain) {
        return Failure(WriteFailure::NotPlain, target);
    }
    for (const std::string& input : inputs) {
        BY_HANDLE_FILE_INFORMATION other{};
        if (FileId(Wide(input), other) && SameFile(info, other)) {
            return Failure(WriteFailure::SameAsInput, target);
        }
    }
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return Failure(WriteFailure::Other, target, ERROR_ACCESS_DENIED);
    }
    return {};
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD wrote = 0;
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        if (WriteFile(file, bytes.data() + done, chunk, &wrote, nullptr) == 0 || wrote == 0) {
            if (GetLastError() == ERROR_SUCCESS) {
                SetLastError(ERROR_DISK_FULL);
            }
            return false;
        }
        done += wrote;
    }
    return true;
}

FileWriteResult WriteNew(const fs::path& path, std::string_view bytes, const std::string& shownPath,
                         bool& created) {
    HANDLE file = CreateFileW(path.wstring().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT) {
            std::error_code ec;
            return Failure(WriteFailure::FolderNotWritable,
                           Utf8(fs::absolute(path.parent_path(), ec)));
        }
        return WriteError(shownPath, error);
    }
    created = true;
    DWORD error = 0;
    if (!WriteAll(file, bytes) || FlushFileBuffers(file) == 0) {
        error = GetLastError();
    }
    if (CloseHandle(file) == 0 && error == 0) {
        error = GetLastError();
    }
    return error == 0 ? FileWriteResult{} : WriteError(shownPath, error);
}

} // namespace

PathCheck CheckPlainFile(const std::string& path) {
    HANDLE file = OpenForReading(Wide(path));
    if (file == INVALID_HANDLE_VALUE) {
        return OpenFailure();
    }
    const PathCheck kind = Classify(file);
    CloseHandle(file);
    return kind;
}

PathCheck ReadPlainFile(const std::string& path, std::string& out, std::size_t maxBytes) {
    std::string bytes;
    std::array<char, 8192> buffer{};
    HANDLE file = OpenForReading(Wide(path));
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
    RemoveSaveLeftovers(Utf8(where.real));
    const fs::path folder = where.real.has_parent_path() ? where.real.parent_path() : fs::path();
    const fs::path temp =
        folder / PathOf(TemporaryName(SavePrefix(Utf8(where.real.filename())), ".tmp"));
    bool created = false;
    FileWriteResult result = WriteNew(temp, bytes, target, created);
    if (!result.Ok()) {
        if (created) {
            DeleteFileW(temp.wstring().c_str());
        }
        return result;
    }
    out = {target, Utf8(where.real), Utf8(temp), where.exists};
    return {};
}

FileWriteResult MoveOver(const std::string& from, const std::string& to,
                         const std::string& shownPath) {
    if (MoveFileExW(Wide(from).c_str(), Wide(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        return WriteError(shownPath, GetLastError());
    }
    return {};
}

FileWriteResult ReplaceFile(const std::string& target, std::string_view bytes,
                            const InputFiles& inputs) {
    StagedFile staged;
    if (FileWriteResult result = StageFile(target, bytes, inputs, staged); !result.Ok()) {
        return result;
    }
    FileWriteResult result = MoveOver(staged.temp, staged.real, target);
    if (!result.Ok()) {
        DeleteFileW(Wide(staged.temp).c_str());
    }
    return result;
}

FileWriteResult AppendLine(const std::string& target, std::string_view line,
                           const InputFiles& inputs) {
    const fs::path path = PathOf(target);
    if (path.has_parent_path()) {
        std::error_code ignored;
        fs::create_directories(path.parent_path(), ignored);
    }
    Target where;
    if (FileWriteResult refused = Prepare(target, inputs, where); !refused.Ok()) {
        return refused;
    }
    HANDLE file =
        CreateFileW(path.wstring().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (!where.exists && error == ERROR_ACCESS_DENIED) {
            std::error_code ec;
            return Failure(WriteFailure::FolderNotWritable,
                           Utf8(fs::absolute(where.real.parent_path(), ec)));
        }
        return WriteError(target, error);
    }
    if (Classify(file) != PathCheck::Plain) {
        CloseHandle(file);
        return Failure(WriteFailure::NotPlain, target);
    }
    const std::string whole = std::string(line) + "\n";
    DWORD error = 0;
    if (!WriteAll(file, whole) || FlushFileBuffers(file) == 0) {
        error = GetLastError();
    }
    LARGE_INTEGER size{};
    const bool madeEmpty =
        error != 0 && !where.exists && GetFileSizeEx(file, &size) != 0 && size.QuadPart == 0;
    if (CloseHandle(file) == 0 && error == 0) {
        error = GetLastError();
    }
    // A log this call made and could not write a line to is not left empty.
    if (madeEmpty) {
        DeleteFileW(path.wstring().c_str());
    }
    return error == 0 ? FileWriteResult{} : WriteError(target, error);
}

FileWriteResult WritePrivateNewFile(const std::string& path, std::string_view bytes) {
    bool created = false;
    // The user's temporary folder is private to the user on Windows.
    FileWriteResult result = WriteNew(PathOf(path), bytes, path, created);
    if (!result.Ok() && created) {
        DeleteFileW(Wide(path).c_str());
    }
    return result;
}

long CurrentProcessId() {
    return static_cast<long>(GetCurrentProcessId());
}

bool ProcessAlive(long pid) {
    if (pid <= 0) {
        return false;
    }
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
    if (process == nullptr) {
        return GetLastError() == ERROR_ACCESS_DENIED;
    }
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}

} // namespace vorlan
