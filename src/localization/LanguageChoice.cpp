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

} // namespace vorlan
