#include "verify/ProgrammingLog.h"

#include "common/FilePath.h"
#include "common/FileWriter.h"
#include "common/StringTable.h"
#include "common/UiMessage.h"
#include "programming/DeviceImage.h"
#include "programming/LayoutImageFile.h"
#include "verify/Sha256.h"
#include "verify/TextEscaping.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
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

std::vector<UiMessage> RunResultMessages(int engineResult, bool hadLayout, std::size_t bytesWritten,
                                         std::size_t imageSize) {
    const std::string written = std::to_string(bytesWritten);
    if (engineResult == static_cast<int>(StringId::ProgrammingStopped)) {
        return {{StringId::LogCancelled, {written}}};
    }
    if (engineResult != 0) {
        std::vector<UiMessage> messages{
            StringText(engineResult).empty()
                ? UiMessage{StringId::LogError, {std::to_string(engineResult)}}
                : UiMessage{static_cast<StringId>(engineResult), {}}};
        if (bytesWritten > 0) {
            messages.push_back({StringId::LogAfterBytes, {written}});
        }
        return messages;
    }
    if (!hadLayout) {
        return {{StringId::LogDetectedOnly, {}}};
    }
    if (imageSize == 0 || bytesWritten != imageSize) {
        return {{StringId::LogIncomplete, {written, std::to_string(imageSize)}}};
    }
    return {{StringId::LogDone, {}}};
}

std::string RunResultText(int engineResult, bool hadLayout, std::size_t bytesWritten,
                          std::size_t imageSize) {
    std::string text;
    for (const UiMessage& m : RunResultMessages(engineResult, hadLayout, bytesWritten, imageSize)) {
        text += (text.empty() ? "" : " ") + m.English();
    }
    return text;
}

std::string RunLayoutName(const std::string& filePath, bool unsavedChanges) {
    if (filePath.empty()) {
        return std::string(StringText(StringId::LogUnsavedLayout));
    }
    return unsavedChanges ? FormatString(StringText(StringId::LogUnsavedChanges), {filePath})
                          : filePath;
}

namespace {

// The values of text written from the English pattern ("cancelled after %1
// bytes"); false when text is not of that form.
bool MatchPattern(std::string_view pattern, std::string_view text,
                  std::vector<std::string>& values) {
    values.clear();
    while (!pattern.empty()) {
        const std::size_t hole = pattern.find('%');
        if (hole == std::string_view::npos) {
            return text == pattern;
        }
        if (text.substr(0, hole) != pattern.substr(0, hole)) {
            return false;
        }
        text.remove_prefix(hole);
        pattern.remove_prefix(hole + 2);
        // A value runs to the pattern's next literal (or to the end).
        const std::string_view literal = pattern.substr(0, pattern.find('%'));
        const std::size_t end = literal.empty() ? text.size() : text.find(literal);
        if (end == std::string_view::npos || end == 0) {
            return false;
        }
        values.emplace_back(text.substr(0, end));
        text.remove_prefix(end);
    }
    return text.empty();
}

std::optional<UiMessage> MessageOf(std::string_view text, std::initializer_list<StringId> ids) {
    std::vector<std::string> values;
    for (const StringId id : ids) {
        if (MatchPattern(StringText(id), text, values)) {
            return UiMessage{id, values};
        }
    }
    return std::nullopt;
}

} // namespace

std::vector<UiMessage> RunResultMessages(std::string_view result) {
    std::vector<UiMessage> messages;
    std::optional<UiMessage> after;
    if (const std::size_t open = result.rfind(" ("); open != std::string_view::npos) {
        after = MessageOf(result.substr(open + 1), {StringId::LogAfterBytes});
        if (after) {
            result = result.substr(0, open);
        }
    }
    std::optional<UiMessage> main =
        MessageOf(result, {StringId::LogDone, StringId::LogDetectedOnly, StringId::LogCancelled,
                           StringId::LogIncomplete, StringId::LogError});
    for (const StringEntry& e : StringEntries()) {
        if (!main && e.text == result && e.text.find('%') == std::string_view::npos) {
            main = UiMessage{static_cast<StringId>(e.id), {}};
        }
    }
    if (!main) {
        return {};
    }
    messages.push_back(std::move(*main));
    if (after) {
        messages.push_back(std::move(*after));
    }
    return messages;
}

std::optional<UiMessage> RunLayoutMessage(std::string_view layout) {
    return MessageOf(layout, {StringId::LogUnsavedLayout, StringId::LogUnsavedChanges});
}

std::string FormatLogLine(const ProgrammingRun& run) {
    std::ostringstream out;
    out << OneLine(run.dateTime) << '\t' << OneLine(run.layoutFile) << '\t'
        << (run.imageSha256.empty() ? "-" : OneLine(run.imageSha256)) << '\t'
        << (run.keyboardType < 0 ? std::string("-") : std::to_string(run.keyboardType)) << '\t'
        << run.bytesWritten << '\t' << run.durationMs << '\t' << OneLine(run.result);
    if (!run.batch.empty()) {
        out << '\t' << OneLine(run.batch);
    }
    return out.str();
}

std::optional<ProgrammingRun> ParseLogLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    const std::vector<std::string_view> f = SplitTabs(line);
    // Fields after the eighth are a later program's: read what is known.
    if (f.size() < 7) {
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
    if (f.size() > 7) {
        run.batch = f[7];
    }
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

std::vector<ProgrammingRun> ReadLogFile(const std::string& path) {
    std::string text;
    if (ReadPlainFile(path, text, kMaxLogBytes) != PathCheck::Plain) {
        return {};
    }
    return ParseLog(text);
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
    DeviceImage image;
    if (!ReadLayoutImage(path, image).Ok()) {
        return {};
    }
    if (imageSize != nullptr) {
        *imageSize = image.bytes.size();
    }
    return Sha256Hex(image.bytes);
}

} // namespace vorlan
