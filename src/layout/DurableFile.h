// The layout's names for the program's one file writer (common/FileWriter.h).
#pragma once

#include "common/FilePath.h"
#include "common/FileWriter.h"
#include "common/UiMessage.h"

#include <filesystem>
#include <string_view>

namespace vorlan {

// Replaces target with bytes through the file writer; false on any failure,
// with the old file untouched.
inline bool DurableReplace(const std::filesystem::path& target, std::string_view bytes) {
    return ReplaceFile(Utf8FromPath(target), bytes).Ok();
}

// A new file private to the user; false when the path exists or the write fails.
inline bool WritePrivateFile(const std::filesystem::path& path, std::string_view bytes) {
    return WritePrivateNewFile(Utf8FromPath(path), bytes).Ok();
}

// A failed write as a message the window translates.
inline UiMessage WriteFailureMessage(const FileWriteResult& result) {
    return {WriteFailureId(result.failure), {PathText(result.path), result.detail}};
}

} // namespace vorlan
