#include "common/StringTable.h"

#include <array>

namespace vorlan {
namespace {

constexpr StringEntry kEntries[] = {
#define VORLAN_STRING(name, id, text) {id, text},
#include "common/strings/all.inc"
#undef VORLAN_STRING
};

struct Disambiguation {
    StringId id;
    std::string_view note;
};

constexpr Disambiguation kDisambiguations[] = {
#define VORLAN_DISAMBIGUATE(name, note) {StringId::name, note},
#include "common/strings/disambiguation.inc"
#undef VORLAN_DISAMBIGUATE
};

} // namespace

std::string_view StringDisambiguation(int id) {
    for (const Disambiguation& d : kDisambiguations) {
        if (static_cast<int>(d.id) == id) {
            return d.note;
        }
    }
    return {};
}

std::string_view StringDisambiguation(StringId id) {
    return StringDisambiguation(static_cast<int>(id));
}

std::span<const StringEntry> StringEntries() {
    return kEntries;
}

std::string_view StringText(int id) {
    for (const StringEntry& e : kEntries) {
        if (e.id == id) {
            return e.text;
        }
    }
    return {};
}

std::string_view StringText(StringId id) {
    return StringText(static_cast<int>(id));
}

std::string EnglishWords(StringId id, int count) {
    std::string text(StringText(id));
    if (const std::size_t n = text.find("%n"); count >= 0 && n != std::string::npos) {
        text.replace(n, 2, std::to_string(count));
    }
    return text;
}

std::string FormatString(std::string_view text, std::initializer_list<std::string> args) {
    std::string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool placeholder = text[i] == '%' && i + 1 < text.size() &&
                                 (text[i + 1] == 's' || text[i + 1] == 'd' ||
                                  (text[i + 1] >= '1' && text[i + 1] <= '9'));
        if (placeholder && next != args.end()) {
            out += *next++;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace vorlan
