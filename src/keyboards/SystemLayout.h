// Which of the offered PC keyboard layouts the system uses, from what the
// platform reports; the ui asks the platform, this decides.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorlan::keyboards {

// The layout of an X11 keyboard setting: the layout and variant lists of the
// root window's rules names ("de,us" and "nodeadkeys,"); the first group is
// the one in use at start. A variant that is not offered falls back to its
// layout ("de(nodeadkeys)" is named as "de").
std::optional<std::string> LayoutOfXkbNames(std::string_view layouts, std::string_view variants);

// The layout of a Windows keyboard layout's language id (the low word of
// the keyboard layout handle).
std::optional<std::string> LayoutOfWindowsLanguage(std::uint16_t languageId);

// The layout a locale's country suggests ("de_AT" gives "at", "fr_CH" gives
// "ch-fr"), for when the platform tells nothing better.
std::optional<std::string> LayoutOfLocale(std::string_view localeName);

// The user's choice as stored: automatic, standard names, or a layout id.
struct PcLayoutChoice {
    enum class Kind { Automatic, Standard, Layout };
    Kind kind = Kind::Automatic;
    std::string id;

    bool operator==(const PcLayoutChoice&) const = default;
};

// Reads a stored choice ("auto", "standard" or an id); anything else is
// Automatic, so a damaged setting names codes as the system types them.
PcLayoutChoice ParsePcLayoutChoice(std::string_view stored);
std::string StoredPcLayoutChoice(const PcLayoutChoice& choice);

// The layout id whose names are shown; empty for the standard names.
std::string EffectiveLayoutId(const PcLayoutChoice& choice,
                              const std::optional<std::string>& detected);

} // namespace vorlan::keyboards
