#include "verify/RunMarker.h"

#include "common/FilePath.h"
#include "common/StringTable.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace vorlan {
namespace {

namespace fs = std::filesystem;

// ".programming.log.run-PID-RANDOM": hidden, and told apart per log.
// The log's name is cut so that the marker's name, with its process id and
// random part, stays within the 255 bytes a name may have.
std::string MarkerPrefix(const fs::path& log) {
    constexpr std::size_t kMostOfName = 255 - 33; // ".", ".run-", 10 digits, "-", 16 hex
    std::string name = Utf8FromPath(log.filename());
    if (name.size() > kMostOfName) {
        std::size_t cut = kMostOfName;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) {
            --cut; // not inside a UTF-8 sequence
        }
        name.resize(cut);
    }
    return "." + name + ".run-";
}

fs::path FolderOf(const fs::path& log) {
    return log.has_parent_path() ? log.parent_path() : fs::path(".");
}

} // namespace

FileWriteResult WriteRunMarker(const std::string& logPath, ProgrammingRun run,
                               std::string& markerPath) {
    const fs::path log = PathFromUtf8(logPath);
    std::error_code ignored;
    fs::create_directories(FolderOf(log), ignored);
    run.result = std::string(StringText(StringId::LogInterrupted));
    const fs::path marker = FolderOf(log) / PathFromUtf8(TemporaryName(MarkerPrefix(log), ""));
    const std::string path = Utf8FromPath(marker);
    FileWriteResult written = WritePrivateNewFile(path, FormatLogLine(run) + "\n");
    if (written.Ok()) {
        markerPath = path;
    }
    return written;
}

void RemoveRunMarker(const std::string& markerPath) {
    std::error_code ignored;
    fs::remove(PathFromUtf8(markerPath), ignored);
}

int LogInterruptedRuns(const std::string& logPath) {
    const fs::path log = PathFromUtf8(logPath);
    const std::string prefix = MarkerPrefix(log);
    std::vector<fs::path> markers;
    std::error_code ec;
    for (fs::directory_iterator it(FolderOf(log), ec), end; !ec && it != end; it.increment(ec)) {
        long pid = 0;
        if (IsTemporaryNameOf(Utf8FromPath(it->path().filename()), prefix, &pid) &&
            pid != CurrentProcessId() && !ProcessAlive(pid)) {
            markers.push_back(it->path());
        }
    }
    int logged = 0;
    for (const fs::path& marker : markers) {
        // Taken by a rename first, so two finders at once log it only once.
        fs::path taken = marker;
        taken += ".taken";
        std::error_code renamed;
        fs::rename(marker, taken, renamed);
        if (renamed) {
            continue;
        }
        std::string line;
        ReadPlainFile(Utf8FromPath(taken), line, 64 * 1024);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
            line.pop_back();
        }
        // Only a line of ours goes into the log; anything else is dropped.
        if (ParseLogLine(line)) {
            if (!AppendLine(logPath, line).Ok()) {
                fs::rename(taken, marker, renamed);
                continue;
            }
            ++logged;
        }
        std::error_code ignored;
        fs::remove(taken, ignored);
    }
    return logged;
}

} // namespace vorlan
