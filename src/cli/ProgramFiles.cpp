#include "cli/ProgramFiles.h"

#include "common/FilePath.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace vorlan::cli {
namespace {

namespace fs = std::filesystem;

// Opening for appending writes nothing, and creates nothing when the file is there.
FileWriteResult OpensForWriting(const std::string& path) {
    std::error_code error;
    if (!fs::exists(PathFromUtf8(path), error)) {
        return {};
    }
    errno = 0;
    std::ofstream probe(PathFromUtf8(path), std::ios::binary | std::ios::app);
    if (!probe.is_open()) {
        const int cause = errno;
        return {WriteFailure::Other, path, cause != 0 ? std::strerror(cause) : "cannot be opened"};
    }
    return {};
}

} // namespace

FileWriteResult CheckAppendable(const std::string& path, const InputFiles& inputs) {
    const fs::path target = PathFromUtf8(path);
    // The folders on the way are made so the target can be looked at; those
    // made here go again when it is refused ("new.log/" names a folder, and
    // must not leave one behind to fail the next run).
    std::vector<fs::path> made;
    if (target.has_parent_path()) {
        std::error_code ec;
        for (fs::path folder = target.parent_path(); !folder.empty() && !fs::exists(folder, ec);
             folder = folder.parent_path()) {
            made.push_back(folder);
            if (folder == folder.parent_path()) {
                break;
            }
        }
        fs::create_directories(target.parent_path(), ec);
    }
    FileWriteResult result = CheckWriteTarget(path, inputs);
    if (result.Ok()) {
        result = OpensForWriting(path);
    }
    if (!result.Ok()) {
        for (const fs::path& folder : made) { // the deepest first
            std::error_code ignored;
            if (fs::is_directory(folder, ignored) && fs::is_empty(folder, ignored)) {
                fs::remove(folder, ignored);
            }
        }
    }
    return result;
}

FileWriteResult CheckReplaceable(const std::string& path, const InputFiles& inputs,
                                 std::size_t size) {
    if (FileWriteResult refused = CheckWriteTarget(path, inputs); !refused.Ok()) {
        return refused;
    }
    // The temporary file goes beside the file a link leads to.
    std::error_code error;
    fs::path real = fs::weakly_canonical(PathFromUtf8(path), error);
    if (error) {
        real = fs::absolute(PathFromUtf8(path), error);
    }
    const fs::path probe =
        real.parent_path() /
        PathFromUtf8(TemporaryName(SavePrefix(Utf8FromPath(real.filename())), ".tmp"));
    if (FileWriteResult made = WritePrivateNewFile(Utf8FromPath(probe), std::string(size, '\0'));
        !made.Ok()) {
        return made;
    }
    fs::remove(probe, error);
    return OpensForWriting(path);
}

FileWriteResult AppendLogCopy(const std::string& path, const std::string& line,
                              const InputFiles& inputs) {
    std::ifstream in(PathFromUtf8(path), std::ios::binary | std::ios::ate);
    bool lineEndFirst = false;
    if (in && in.tellg() > 0) {
        in.seekg(-1, std::ios::end);
        char last = '\n';
        lineEndFirst = in.get(last) && last != '\n';
    }
    return AppendLine(path, lineEndFirst ? "\n" + line : line, inputs);
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code e1;
    std::error_code e2;
    const fs::path pa = fs::weakly_canonical(fs::absolute(PathFromUtf8(a), e1), e1);
    const fs::path pb = fs::weakly_canonical(fs::absolute(PathFromUtf8(b), e2), e2);
    std::error_code e3;
    return pa == pb || fs::equivalent(pa, pb, e3);
}

} // namespace vorlan::cli
