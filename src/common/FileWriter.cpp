// The parts of the file writer that are the same on every system: the names
// of temporary files and the words of a failure.
#include "common/FileWriter.h"

#include "common/FilePath.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <random>
#include <system_error>
#include <thread>

namespace vorlan {
namespace fs = std::filesystem;

namespace {

// One engine per thread: an export's worker thread names its files while the
// window's timers write recovery files, and an engine is not safe to share.
std::string RandomHex() {
    thread_local std::mt19937_64 engine{[] {
        std::random_device device;
        const auto now =
            static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        return ((static_cast<std::uint64_t>(device()) << 32) ^ device() ^ now) +
               std::hash<std::thread::id>{}(std::this_thread::get_id());
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
    // What a temporary name adds: ".", ".vorlan-save-", a process id of up to
    // ten digits, "-", sixteen hex digits and ".tmp".
    constexpr std::size_t kNameMax = 255;
    constexpr std::size_t kLongestName = kNameMax - 45;
    if (fileName.size() <= kLongestName) {
        return "." + fileName + ".vorlan-save-";
    }
    std::uint32_t hash = 2166136261u; // FNV-1a of the whole name
    for (const char c : fileName) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string mark = "~";
    for (int shift = 28; shift >= 0; shift -= 4) {
        mark += kDigits[(hash >> shift) & 0xF];
    }
    // Cut at the start of a character, so the name stays UTF-8 where it was.
    std::size_t cut = kLongestName - mark.size();
    while (cut > 0 && (static_cast<unsigned char>(fileName[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return "." + fileName.substr(0, cut) + mark + ".vorlan-save-";
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
    case WriteFailure::NotAFolder:
        return StringId::WriteNotAFolder;
    case WriteFailure::LinkLoop:
        return StringId::WriteLinkLoop;
    case WriteFailure::Other:
        return StringId::WriteFailedBecause;
    }
    return StringId::WriteFailedBecause;
}

FileWriteResult FileSetWriter::Add(const std::string& target, std::string_view bytes) {
    StagedFile staged;
    FileWriteResult result = StageFile(target, bytes, inputs_, staged);
    if (result.Ok()) {
        staged_.push_back(std::move(staged));
    }
    return result;
}

FileWriteResult FileSetWriter::Commit() {
    // Each old file keeps a second name until all new ones are in place, so a
    // failed rename can put back those already replaced.
    std::vector<std::string> keep(staged_.size());
    for (std::size_t i = 0; i < staged_.size(); ++i) {
        if (staged_[i].replacesExisting) {
            const fs::path real = PathOf(staged_[i].real);
            const fs::path kept =
                real.parent_path() /
                PathOf(TemporaryName(SavePrefix(TextOf(real.filename())), ".old"));
            std::error_code ec;
            fs::create_hard_link(real, kept, ec);
            keep[i] = ec ? std::string() : TextOf(kept);
        }
    }
    FileWriteResult result;
    std::size_t placed = 0;
    for (; placed < staged_.size(); ++placed) {
        const StagedFile& staged = staged_[placed];
        result = MoveOver(staged.temp, staged.real, staged.target);
        if (!result.Ok()) {
            break;
        }
    }
    std::error_code ignored;
    for (std::size_t i = 0; i < placed && !result.Ok(); ++i) {
        if (!keep[i].empty()) {
            MoveOver(keep[i], staged_[i].real, staged_[i].target);
        } else if (!staged_[i].replacesExisting) {
            fs::remove(PathOf(staged_[i].real), ignored);
        }
    }
    for (const std::string& kept : keep) {
        if (!kept.empty()) {
            fs::remove(PathOf(kept), ignored);
        }
    }
    if (result.Ok()) {
        staged_.clear();
    } else {
        staged_.erase(staged_.begin(), staged_.begin() + static_cast<std::ptrdiff_t>(placed));
        Discard();
    }
    return result;
}

void FileSetWriter::Discard() {
    for (const StagedFile& staged : staged_) {
        std::error_code ignored;
        fs::remove(PathOf(staged.temp), ignored);
    }
    staged_.clear();
}

std::string WriteFailureText(const FileWriteResult& result) {
    return FormatString(StringText(WriteFailureId(result.failure)), {result.path, result.detail});
}

} // namespace vorlan
