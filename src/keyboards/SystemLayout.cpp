#include "keyboards/SystemLayout.h"

#include "keyboards/PcLayouts.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace vorlan::keyboards {

namespace {

std::string_view FirstOf(std::string_view list) {
    return list.substr(0, std::min(list.find(','), list.size()));
}

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::optional<std::string> Offered(std::string id) {
    if (FindPcLayout(id) == nullptr) {
        return std::nullopt;
    }
    return id;
}

} // namespace

std::optional<std::string> LayoutOfXkbNames(std::string_view layouts, std::string_view variants) {
    std::string layout = Lower(FirstOf(layouts));
    std::string variant = Lower(FirstOf(variants));
    // "ch(fr)" is another way to write the layout "ch" with variant "fr".
    if (const std::size_t open = layout.find('('); open != std::string::npos) {
        const std::size_t close = layout.find(')', open);
        variant = layout.substr(open + 1, close == std::string::npos ? close : close - open - 1);
        layout.resize(open);
    }
    if (!variant.empty()) {
        if (auto withVariant = Offered(layout + "-" + variant)) {
            return withVariant;
        }
    }
    return Offered(layout);
}

std::optional<std::string> LayoutOfWindowsLanguage(std::uint16_t languageId) {
    static constexpr std::array<std::pair<std::uint16_t, std::string_view>, 22> kLanguages = {{
        {0x0409, "us"},    {0x0809, "gb"}, {0x0407, "de"}, {0x0C07, "at"}, {0x0807, "ch"},
        {0x100C, "ch-fr"}, {0x040C, "fr"}, {0x080C, "be"}, {0x0813, "be"}, {0x0C0A, "es"},
        {0x040A, "es"},    {0x0410, "it"}, {0x0816, "pt"}, {0x0413, "nl"}, {0x041D, "se"},
        {0x040B, "fi"},    {0x0406, "dk"}, {0x0414, "no"}, {0x0415, "pl"}, {0x0405, "cz"},
        {0x040E, "hu"},    {0x041F, "tr"},
    }};
    for (const auto& [language, id] : kLanguages) {
        if (language == languageId) {
            return std::string(id);
        }
    }
    return std::nullopt;
}

std::optional<std::string> LayoutOfLocale(std::string_view localeName) {
    // language[_COUNTRY][.charset][@modifier]
    const std::string_view name =
        localeName.substr(0, std::min(localeName.find_first_of(".@"), localeName.size()));
    const std::size_t sep = name.find_first_of("_-");
    if (sep == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string language = Lower(name.substr(0, sep));
    const std::string country = Lower(name.substr(sep + 1));
    if (country == "ch" && language == "fr") {
        return std::string("ch-fr");
    }
    // The offered ids are the countries' own codes.
    return Offered(country);
}

PcLayoutChoice ParsePcLayoutChoice(std::string_view stored) {
    if (stored == "standard") {
        return {PcLayoutChoice::Kind::Standard, {}};
    }
    if (FindPcLayout(stored) != nullptr) {
        return {PcLayoutChoice::Kind::Layout, std::string(stored)};
    }
    return {};
}

std::string StoredPcLayoutChoice(const PcLayoutChoice& choice) {
    switch (choice.kind) {
    case PcLayoutChoice::Kind::Standard:
        return "standard";
    case PcLayoutChoice::Kind::Layout:
        return choice.id;
    case PcLayoutChoice::Kind::Automatic:
        break;
    }
    return "auto";
}

std::string EffectiveLayoutId(const PcLayoutChoice& choice,
                              const std::optional<std::string>& detected) {
    switch (choice.kind) {
    case PcLayoutChoice::Kind::Standard:
        return {};
    case PcLayoutChoice::Kind::Layout:
        return choice.id;
    case PcLayoutChoice::Kind::Automatic:
        break;
    }
    return detected.value_or(std::string());
}

} // namespace vorlan::keyboards
