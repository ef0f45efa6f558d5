#include "localization/LanguageChoice.h"

#include <algorithm>
#include <cctype>

namespace vorlan {

std::string NormalizeLanguage(std::string_view name) {
    name = name.substr(0, name.find_first_of(".@"));
    if (name == "C" || name == "POSIX") {
        return {};
    }
    std::string result(name);
    std::replace(result.begin(), result.end(), '-', '_');
    const std::size_t split = result.find('_');
    const auto lower = [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    };
    std::transform(result.begin(),
                   split == std::string::npos ? result.end() : result.begin() + split,
                   result.begin(), lower);
    return result;
}

std::string ChooseLanguage(const std::vector<std::string>& preferred,
                           const std::vector<std::string>& available) {
    const auto has = [&](const std::string& language) {
        return std::find(available.begin(), available.end(), language) != available.end();
    };
    for (const std::string& entry : preferred) {
        const std::string full = NormalizeLanguage(entry);
        if (full.empty()) {
            continue;
        }
        const std::string language = full.substr(0, full.find('_'));
        if (language == "en") {
            return {};
        }
        if (has(full)) {
            return full;
        }
        if (has(language)) {
            return language;
        }
    }
    return {};
}

std::string ChooseLanguage(std::string_view chosen, const std::vector<std::string>& system,
                           const std::vector<std::string>& available) {
    const std::string language = NormalizeLanguage(chosen);
    if (!language.empty()) {
        if (language == "en" || language.rfind("en_", 0) == 0) {
            return {};
        }
        const std::string picked = ChooseLanguage({language}, available);
        if (!picked.empty()) {
            return picked;
        }
    }
    return ChooseLanguage(system, available);
}

std::string LanguageOfFile(std::string_view fileName, std::string_view prefix,
                           std::string_view suffix) {
    if (fileName.size() <= prefix.size() + suffix.size() ||
        fileName.substr(0, prefix.size()) != prefix ||
        fileName.substr(fileName.size() - suffix.size()) != suffix) {
        return {};
    }
    const std::string_view language =
        fileName.substr(prefix.size(), fileName.size() - prefix.size() - suffix.size());
    // "de", "de_AT", "pt_BR": two or three lower-case letters, then a region.
    const std::size_t split = std::min(language.find('_'), language.size());
    const auto letters = [](std::string_view part, bool upper) {
        return std::all_of(part.begin(), part.end(), [upper](char c) {
            return upper ? (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') : c >= 'a' && c <= 'z';
        });
    };
    const std::string_view base = language.substr(0, split);
    const std::string_view region =
        split < language.size() ? language.substr(split + 1) : std::string_view();
    if (base.size() < 2 || base.size() > 3 || !letters(base, false) ||
        (split < language.size() &&
         (region.size() < 2 || region.size() > 3 || !letters(region, true)))) {
        return {};
    }
    return std::string(language);
}

} // namespace vorlan
