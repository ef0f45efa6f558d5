#include "verify/ProgrammingLog.h"

#include "common/FilePath.h"
#include "common/StringTable.h"
#include "programming/DeviceImage.h"
#include "verify/Sha256.h"
#include "verify/TextEscaping.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vorlan {
namespace {

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

bool ParseNumber(std::string_view text, std::int64_t& value) {
    if (text.empty() || text.size() > 18) {
        return false;
    }
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    return true;
}

} // namespace

std::string RunResultText(int engineResult, bool hadLayout, std::size_t bytesWritten,
                          std::size_t imageSize) {
    if (engineResult == static_cast<int>(StringId::ProgrammingStopped)) {
        return "cancelled after " + std::to_string(bytesWritten) + " bytes";
    }
    if (engineResult != 0) {
        std::string text(StringText(engineResult));
        if (text.empty()) {
            text = "error " + std::to_string(engineResult);
        }
        return bytesWritten > 0 ? text + " (after " + std::to_string(bytesWritten) + " bytes)"
                                : text;
    }
    if (!hadLayout) {
        return "keyboard detected, nothing written";
    }
    if (imageSize == 0 || bytesWritten != imageSize) {
        return "incomplete: " + std::to_string(bytesWritten) + " of " + std::to_string(imageSize) +
               " bytes";
    }
    return "done";
}

std::string RunLayoutName(const std::string& filePath, bool unsavedChanges) {
    if (filePath.empty()) {
        return "unsaved layout";
    }
    return unsavedChanges ? filePath + " (unsaved changes)" : filePath;
}

std::string FormatLogLine(const ProgrammingRun& run) {
    std::ostringstream out;
    out << OneLine(run.dateTime) << '\t' << OneLine(run.layoutFile) << '\t'
        << (run.imageSha256.empty() ? "-" : OneLine(run.imageSha256)) << '\t'
        << (run.keyboardType < 0 ? std::string("-") : std::to_string(run.keyboardType)) << '\t'
        << run.bytesWritten << '\t' << run.durationMs << '\t' << OneLine(run.result);
    return out.str();
}

std::optional<ProgrammingRun> ParseLogLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    const std::vector<std::string_view> f = SplitTabs(line);
    if (f.size() != 7) {
        return std::nullopt;
    }
    ProgrammingRun run;
    std::int64_t type = 0;
    std::int64_t bytes = 0;
    if (!ParseNumber(f[4], bytes) || !ParseNumber(f[5], run.durationMs) ||
        (f[3] != "-" && !ParseNumber(f[3], type))) {
        return std::nullopt;
    }
    run.dateTime = f[0];
    run.layoutFile = f[1];
    run.imageSha256 = f[2] == "-" ? std::string() : std::string(f[2]);
    run.keyboardType = f[3] == "-" ? -1 : static_cast<int>(type);
    run.bytesWritten = static_cast<std::size_t>(bytes);
    run.result = f[6];
    return run;
}

std::vector<ProgrammingRun> ParseLog(std::string_view text) {
    std::vector<ProgrammingRun> runs;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        if (std::optional<ProgrammingRun> run = ParseLogLine(text.substr(start, end - start))) {
            runs.push_back(std::move(*run));
        }
        start = end + 1;
    }
    return runs;
}

std::string DefaultLogPath() {
    std::filesystem::path data;
#ifdef _WIN32
    // Read wide: a user folder such as C:\Users\Łukasz is outside the ANSI code page.
    if (const std::string appData = EnvironmentText("APPDATA"); !appData.empty()) {
        data = PathFromUtf8(appData);
    }
#else
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg == '/') {
        data = PathFromUtf8(xdg);
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != 0) {
#ifdef __APPLE__
        data = PathFromUtf8(home) / "Library" / "Application Support";
#else
        data = PathFromUtf8(home) / ".local" / "share";
#endif
    }
#endif
    if (data.empty()) {
        return {};
    }
    return Utf8FromPath(data / "Kelvane" / "vorlan" / kLogFileName);
}

FileWriteResult AppendToLog(const std::string& path, const ProgrammingRun& run,
                            const InputFiles& inputs) {
    return AppendLine(path, FormatLogLine(run), inputs);
}

std::string LocalDateTime(std::chrono::system_clock::time_point when) {
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

bool ImageOfLayoutText(std::string_view text, std::vector<std::uint8_t>& image) {
    std::istringstream stream{std::string(text)};
    DeviceImage built;
    if (BuildDeviceImage(stream, built) != ImageOk) {
        return false;
    }
    image = std::move(built.bytes);
    return true;
}

std::string ImageSha256OfLayoutFile(const std::string& path, std::size_t* imageSize) {
    std::ifstream file;
    DeviceImage image;
    if (!OpenLayoutFile(path.c_str(), file) || BuildDeviceImage(file, image) != ImageOk) {
        return {};
    }
    if (imageSize != nullptr) {
        *imageSize = image.bytes.size();
    }
    return Sha256Hex(image.bytes);
}

} // namespace vorlan
