// The parts of the file writer that are the same on every system: the names
// of temporary files and the words of a failure.
#include "common/FileWriter.h"

#include "common/FilePath.h"

#include <cstdint>
#include <filesystem>
#include <random>
#include <system_error>

namespace vorlan {
namespace fs = std::filesystem;

namespace {

// One engine per thread: an export's worker thread names its files while the
// window's timers write recovery files, and an engine is not safe to share.
std::string RandomHex() {
    thread_local std::mt19937_64 engine{[] {
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

fs::path PathOf(const std::string& text) {
    return PathFromUtf8(text);
}

std::string TextOf(const fs::path& path) {
    return Utf8FromPath(path);
}

} // namespace

StringId ReadFailureId(PathCheck check) {
    return check == PathCheck::NotPlain ? StringId::NotAPlainFile : StringId::CannotOpenFile;
}

std::string SavePrefix(const std::string& fileName) {
    return "." + fileName + ".vorlan-save-";
}

void RemoveSaveLeftovers(const std::string& target) {
    const fs::path path = PathOf(target);
    const std::string prefix = SavePrefix(TextOf(path.filename()));
    std::error_code ec;
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        long pid = 0;
        const std::string name = TextOf(it->path().filename());
        if (IsTemporaryNameOf(name, prefix, &pid) &&
            (pid == CurrentProcessId() || !ProcessAlive(pid))) {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
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

StringId WriteFailureId(WriteFailure failure) {
    switch (failure) {
    case WriteFailure::None:
        break;
    case WriteFailure::NotPlain:
        return StringId::WriteNotPlainFile;
    case WriteFailure::SameAsInput:
        return StringId::WriteSameAsInput;
    case WriteFailure::DiskFull:
        return StringId::WriteDiskFull;
    case WriteFailure::FolderNotWritable:
        return StringId::WriteFolderNotWritable;
    case WriteFailure::FolderMissing:
        return StringId::WriteFolderMissing;
    case WriteFailure::Other:
        return StringId::WriteFailedBecause;
    }
    return StringId::WriteFailedBecause;
}

std::string WriteFailureText(const FileWriteResult& result) {
    return FormatString(StringText(WriteFailureId(result.failure)), {result.path, result.detail});
}

} // namespace vorlan
