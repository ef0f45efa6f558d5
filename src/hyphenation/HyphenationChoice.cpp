#include "hyphenation/HyphenationChoice.h"

#include "common/FilePath.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <map>
#include <mutex>
#include <set>
#include <system_error>

namespace vorlan {
namespace {

struct State {
    std::mutex mutex;
#ifdef _WIN32
    std::vector<std::string> folders;
#else
    std::vector<std::string> folders{"/usr/share/hyphen"};
#endif
    std::string programLanguage;
    std::string namesChoice;
    std::map<std::string, std::string> files; // by language, found in folders
    std::function<void()> whenLoaded;
    unsigned generation = 0;
    // By dictionary file, loaded once (a large one takes seconds), in the
    // background; a file that would not load gives nullptr, and is not read
    // again for every name. Last, so it is destroyed first: its futures wait
    // for a load under way, which still uses the members above.
    std::map<std::string, std::shared_future<std::shared_ptr<const Hyphenator>>> loaded;
};

State& TheState() {
    static State state;
    return state;
}

bool IsLower(char c) {
    return c >= 'a' && c <= 'z';
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The country a language's patterns are mostly kept for.
std::string_view MainCountry(std::string_view language) {
    static constexpr std::pair<std::string_view, std::string_view> countries[] = {
        {"de", "DE"}, {"en", "US"}, {"es", "ES"}, {"fr", "FR"},
        {"it", "IT"}, {"nl", "NL"}, {"pl", "PL"}, {"pt", "PT"},
    };
    for (const auto& [lang, country] : countries) {
        if (lang == language) {
            return country;
        }
    }
    return {};
}

bool IsFile(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

std::filesystem::path PathOf(const std::string& folder, std::string_view name) {
    // Folders and names are UTF-8 (a program unpacked under C:\Users\Łukasz).
    return PathFromUtf8(folder) / PathFromUtf8(std::string(name));
}

} // namespace

void SetHyphenationFolders(std::vector<std::string> folders) {
    State& s = TheState();
    const std::lock_guard lock(s.mutex);
    s.folders = std::move(folders);
    s.files.clear();
}

std::vector<std::string> HyphenationFolders() {
    State& s = TheState();
    const std::lock_guard lock(s.mutex);
    return s.folders;
}

std::optional<std::string> NormalizeHyphenationLanguage(std::string_view name) {
    std::string lang;
    std::string country;
    std::size_t i = 0;
    while (i < name.size() && name[i] != '_' && name[i] != '-') {
        lang += Lower(name[i++]);
    }
    if (i < name.size()) {
        ++i;
        for (; i < name.size(); ++i) {
            country += Upper(name[i]);
        }
        if (country.size() != 2 || !std::all_of(country.begin(), country.end(),
                                                [](char c) { return c >= 'A' && c <= 'Z'; })) {
            return std::nullopt;
        }
    }
    if (lang.size() < 2 || lang.size() > 3 || !std::all_of(lang.begin(), lang.end(), IsLower)) {
        return std::nullopt;
    }
    return country.empty() ? lang : lang + '_' + country;
}

std::string HyphenationDictionary(std::string_view language,
                                  const std::vector<std::string>& folders) {
    const std::optional<std::string> normal = NormalizeHyphenationLanguage(language);
    if (!normal) {
        return {};
    }
    const std::string lang = normal->substr(0, normal->find('_'));
    std::vector<std::string> names;
    if (normal->size() > lang.size()) {
        names.push_back("hyph_" + *normal + ".dic");
    }
    if (const std::string_view main = MainCountry(lang); !main.empty()) {
        names.push_back("hyph_" + lang + '_' + std::string(main) + ".dic");
    }
    names.push_back("hyph_" + lang + ".dic");
    for (const std::string& name : names) {
        for (const std::string& folder : folders) {
            if (const auto path = PathOf(folder, name); IsFile(path)) {
                return Utf8FromPath(path);
            }
        }
    }
    // Any country of the language, the first by name so the choice is stable.
    std::set<std::string> found;
    const std::string prefix = "hyph_" + lang + '_';
    for (const std::string& folder : folders) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(PathFromUtf8(folder), ec)) {
            const std::string file = Utf8FromPath(entry.path().filename());
            if (file.starts_with(prefix) && file.ends_with(".dic") && IsFile(entry.path())) {
                found.insert(Utf8FromPath(entry.path()));
            }
        }
    }
    return found.empty() ? std::string() : *found.begin();
}

std::vector<std::string> HyphenationLanguages(const std::vector<std::string>& folders) {
    std::set<std::string> languages;
    for (const std::string& folder : folders) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(PathFromUtf8(folder), ec)) {
            const std::string file = Utf8FromPath(entry.path().filename());
            if (!file.starts_with("hyph_") || !file.ends_with(".dic") || !IsFile(entry.path())) {
                continue;
            }
            const std::optional<std::string> language =
                NormalizeHyphenationLanguage(file.substr(5, file.size() - 9));
            if (!language) {
                continue;
            }
            const std::string lang = language->substr(0, language->find('_'));
            const bool main = language->size() == lang.size() ||
                              language->substr(lang.size() + 1) == MainCountry(lang);
            languages.insert(main ? lang : *language);
        }
    }
    return {languages.begin(), languages.end()};
}

void SetDefaultNamesLanguage(std::string language) {
    State& s = TheState();
    const std::lock_guard lock(s.mutex);
    s.programLanguage = std::move(language);
}

std::string DefaultNamesLanguage() {
    State& s = TheState();
    const std::lock_guard lock(s.mutex);
    return s.programLanguage.empty() ? std::string("en") : s.programLanguage;
}

std::string ChosenHyphenationLanguage(std::string_view choice) {
    if (choice == kNoHyphenation) {
        return {};
    }
    return choice.empty() ? DefaultNamesLanguage() : std::string(choice);
}

namespace {

// The load of a choice's dictionary, started if it is not yet; no future
// for "none" and when no dictionary is installed.
std::optional<std::shared_future<std::shared_ptr<const Hyphenator>>>
Loading(std::string_view choice) {
    const std::string language = ChosenHyphenationLanguage(choice);
    if (language.empty()) {
        return std::nullopt;
    }
    State& s = TheState();
    const std::lock_guard lock(s.mutex);
    // The grid asks for every name it lays out: the folders are searched once.
    auto known = s.files.find(language);
    if (known == s.files.end()) {
        known = s.files.emplace(language, HyphenationDictionary(language, s.folders)).first;
    }
    const std::string file = known->second;
    if (file.empty()) {
        return std::nullopt;
    }
    auto it = s.loaded.find(file);
    if (it == s.loaded.end()) {
        std::future<std::shared_ptr<const Hyphenator>> load =
            std::async(std::launch::async, [file, language]() -> std::shared_ptr<const Hyphenator> {
                std::shared_ptr<const Hyphenator> h = Hyphenator::Load(file, language);
                std::function<void()> tell;
                {
                    State& st = TheState();
                    const std::lock_guard done(st.mutex);
                    ++st.generation;
                    tell = st.whenLoaded;
                }
                if (tell) {
                    tell();
                }
                return h;
            });
        it = s.loaded.emplace(file, load.share()).first;
    }
    return it->second;
}

} // namespace

std::shared_ptr<const Hyphenator> HyphenatorFor(std::string_view choice) {
    const auto loading = Loading(choice);
    return loading ? loading->get() : nullptr;
}

std::shared_ptr<const Hyphenator> LoadedHyphenatorFor(std::string_view choice) {
    const auto loading = Loading(choice);
    if (!loading || loading->wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        return nullptr;
    }
    return loading->get();
}

void WhenHyphenatorLoaded(std::function<void()> tell) {
    State& s = TheState();
    const std::lock_guard lock(s.mutex);
    s.whenLoaded = std::move(tell);
}

unsigned HyphenationGeneration() {
    State& s = TheState();
    const std::lock_guard lock(s.mutex);
    return s.generation;
}

void SetNamesHyphenation(std::string choice) {
    {
        State& s = TheState();
        const std::lock_guard lock(s.mutex);
        if (s.namesChoice == choice) {
            return;
        }
        s.namesChoice = std::move(choice);
        ++s.generation;
    }
    // Loaded now, so the grid has it by the time it draws a long name.
    Loading(NamesHyphenation());
}

std::string NamesHyphenation() {
    State& s = TheState();
    const std::lock_guard lock(s.mutex);
    return s.namesChoice;
}

std::shared_ptr<const Hyphenator> NamesHyphenator() {
    std::string choice;
    {
        State& s = TheState();
        const std::lock_guard lock(s.mutex);
        choice = s.namesChoice;
    }
    return LoadedHyphenatorFor(choice);
}

} // namespace vorlan
