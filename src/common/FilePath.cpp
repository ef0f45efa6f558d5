// The parts of the path conversion that are the same on every system.
#include "common/FilePath.h"

#include "common/FileWriter.h"

namespace vorlan {

bool OpenForReading(const std::string& path, std::ifstream& file, std::ios::openmode mode) {
    if (CheckPlainFile(path) != PathCheck::Plain) {
        return false;
    }
    // libstdc++ opens a path with _wfopen on Windows, with the bytes elsewhere.
    file.open(PathFromUtf8(path), mode | std::ios::in);
    return file.is_open();
}

} // namespace vorlan
