#include "recovery/RecoveryFile.h"

#include "common/FilePath.h"
#include "layout/DurableFile.h"
#include "layout/LayoutFile.h"

#include <algorithm>
#include <charconv>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace vorlan {
namespace {

constexpr std::string_view kMagic = "VORLAN-RECOVERY 1";
constexpr std::size_t kShownNames = 8;

// One "name=value" line; false when the line is not that field.
bool TakeField(std::string_view& rest, std::string_view name, std::string_view& value) {
    const std::size_t end = rest.find('\n');
    if (end == std::string_view::npos) {
        return false;
    }
    const std::string_view line = rest.substr(0, end);
    if (!line.starts_with(name) || line.size() <= name.size() || line[name.size()] != '=') {
        return false;
    }
    value = line.substr(name.size() + 1);
    rest.remove_prefix(end + 1);
    return true;
}

template <typename T> bool Number(std::string_view text, T& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

} // namespace

std::string FormatRecovery(const LayoutDocument& doc, std::int64_t savedAt,
                           const std::optional<FileStamp>& stamp) {
    const std::string layout = FormatLayout(doc, KeyboardVariant::SixteenScan);
    std::string out(kMagic);
    out += "\npath=" + doc.filePath.substr(0, doc.filePath.find('\n'));
    out += "\ntime=" + std::to_string(savedAt);
    out += "\nvariant=" + std::to_string(static_cast<int>(doc.loadedVariant));
    out += "\nstamp=" + (stamp ? stamp->ToText() : std::string("-"));
    // The length and hash tell a whole file from a cut or damaged one.
    out += "\nlength=" + std::to_string(layout.size());
    out += "\nhash=" + std::to_string(HashBytes(layout));
    out += "\n";
    out += layout;
    return out;
}

std::optional<RecoveryRecord> ParseRecovery(std::string_view bytes) {
    if (!bytes.starts_with(kMagic) || bytes.size() <= kMagic.size() ||
        bytes[kMagic.size()] != '\n') {
        return std::nullopt;
    }
    std::string_view rest = bytes.substr(kMagic.size() + 1);
    std::string_view path, time, variant, stamp, length, hash;
    if (!TakeField(rest, "path", path) || !TakeField(rest, "time", time) ||
        !TakeField(rest, "variant", variant) || !TakeField(rest, "stamp", stamp) ||
        !TakeField(rest, "length", length) || !TakeField(rest, "hash", hash)) {
        return std::nullopt;
    }
    RecoveryRecord record;
    int variantNumber = 0;
    std::size_t size = 0;
    std::uint64_t sum = 0;
    if (!Number(time, record.savedAt) || !Number(variant, variantNumber) || !Number(length, size) ||
        !Number(hash, sum) || size != rest.size() || HashBytes(rest) != sum) {
        return std::nullopt;
    }
    // A layout is loaded as 7/3scan or 16scan only.
    const std::optional<KeyboardVariant> loaded = KeyboardVariantFromNumber(variantNumber);
    if (loaded != KeyboardVariant::SevenThreeScan && loaded != KeyboardVariant::SixteenScan) {
        return std::nullopt;
    }
    if (stamp != "-") {
        record.stamp = FileStamp::FromText(stamp);
        if (!record.stamp) {
            return std::nullopt;
        }
    }
    record.loadedVariant = *loaded;
    record.originalPath = std::string(path);
    record.layoutText = std::string(rest);
    return record;
}

std::vector<std::string> FindAbandonedRecoveries(const std::string& folder) {
    std::vector<std::pair<std::filesystem::file_time_type, std::string>> found;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(PathFromUtf8(folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        long pid = 0;
        const std::string name = Utf8FromPath(it->path().filename());
        if (IsTemporaryNameOf(name, kRecoveryPrefix, &pid) && name.ends_with(".txt") &&
            pid != CurrentProcessId() && !ProcessAlive(pid)) {
            std::error_code ignored;
            found.emplace_back(std::filesystem::last_write_time(it->path(), ignored),
                               Utf8FromPath(it->path()));
        }
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> paths;
    for (auto& entry : found) {
        paths.push_back(std::move(entry.second));
    }
    return paths;
}

std::string FormatLocalTime(std::int64_t secondsSinceEpoch) {
    const std::time_t time = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &time);
#else
    localtime_r(&time, &local);
#endif
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

UiMessage RecoveryQuestion(const RecoveryRecord& record) {
    LayoutDocument doc;
    ParseLayout(doc, record.layoutText);
    doc.RebuildAfterLoad(); // the joined keys, counted once
    std::string names;
    std::size_t shown = 0;
    int programmed = 0;
    for (int k = 1; k <= doc.settings.keyCount; ++k) {
        // Keys as the key test counts them: a double or quad key once.
        if (!doc.IsProgrammed(k) || doc.IsLaterCellOfJoinedKey(k)) {
            continue;
        }
        ++programmed;
        if (shown < kShownNames) {
            const std::string_view name = doc.keys[static_cast<std::size_t>(k)].name;
            names +=
                (shown == 0 ? "" : ", ") + (name.empty() ? std::to_string(k) : Latin1ToUtf8(name));
            ++shown;
        }
    }
    if (programmed > static_cast<int>(shown)) {
        names += ", ...";
    }
    std::string list = std::to_string(programmed);
    if (!names.empty()) {
        list += " (" + names + ")";
    }
    const std::string keys = std::to_string(doc.settings.keyCount);
    const std::string time = FormatLocalTime(record.savedAt);
    if (record.originalPath.empty()) {
        return {StringId::AskRecoverUntitled, {time, keys, list}};
    }
    return {StringId::AskRecover, {PathText(record.originalPath), time, keys, list}};
}

} // namespace vorlan
