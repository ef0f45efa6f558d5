#include "station/BatchStateFile.h"

#include "common/FilePath.h"
#include "verify/TextEscaping.h"

#include <charconv>
#include <filesystem>

namespace vorlan {
namespace {

constexpr std::size_t kMaxStateBytes = 64 * 1024;

// A line's value keeps its tabs (a log line has them); only line ends go.
std::string OneValue(std::string_view text) {
    std::string value(text);
    for (char& c : value) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return value;
}

} // namespace

std::string BatchStatePathFor(const std::string& logPath) {
    return Utf8FromPath(PathFromUtf8(logPath).parent_path() /
                        PathFromUtf8(std::string(kBatchStateFileName)));
}

std::string FormatBatchState(const BatchStateFile& state) {
    std::string text = "vorlan-batch 1\n";
    text += "order=" + OneLine(state.settings.order) + "\n";
    text += "count=" + std::to_string(state.settings.count) + "\n";
    text += "test=" + std::string(BatchTestName(state.settings.test)) + "\n";
    text += "layout=" + OneLine(state.settings.layoutFile) + "\n";
    text += "sha256=" + OneLine(state.settings.imageSha256) + "\n";
    if (!state.pendingLine.empty()) {
        text += "pending=" + OneValue(state.pendingLine) + "\n";
    }
    return text;
}

std::optional<BatchStateFile> ParseBatchState(std::string_view text) {
    constexpr std::string_view kFirst = "vorlan-batch 1\n";
    if (text.substr(0, kFirst.size()) != kFirst) {
        return std::nullopt;
    }
    text.remove_prefix(kFirst.size());
    BatchStateFile state;
    bool haveCount = false;
    bool haveOrder = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            return std::nullopt; // cut short: not a whole file
        }
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view key = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        if (key == "order") {
            state.settings.order = value;
            haveOrder = true;
        } else if (key == "count") {
            const auto [ptr, error] =
                std::from_chars(value.data(), value.data() + value.size(), state.settings.count);
            haveCount = error == std::errc() && ptr == value.data() + value.size() &&
                        state.settings.count > 0;
        } else if (key == "test") {
            const auto test = BatchTestFromName(value);
            if (!test) {
                return std::nullopt;
            }
            state.settings.test = *test;
        } else if (key == "layout") {
            state.settings.layoutFile = value;
        } else if (key == "sha256") {
            state.settings.imageSha256 = value;
        } else if (key == "pending") {
            state.pendingLine = value;
        }
    }
    if (!haveCount || !haveOrder) {
        return std::nullopt;
    }
    return state;
}

FileWriteResult SaveBatchState(const std::string& path, const BatchStateFile& state) {
    std::error_code error;
    std::filesystem::create_directories(PathFromUtf8(path).parent_path(), error);
    return ReplaceFile(path, FormatBatchState(state));
}

std::optional<BatchStateFile> LoadBatchState(const std::string& path) {
    std::string text;
    if (ReadPlainFile(path, text, kMaxStateBytes) != PathCheck::Plain) {
        return std::nullopt;
    }
    return ParseBatchState(text);
}

void RemoveBatchState(const std::string& path) {
    std::error_code error;
    std::filesystem::remove(PathFromUtf8(path), error);
}

} // namespace vorlan
