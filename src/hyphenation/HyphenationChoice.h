// Which dictionary hyphenates key names. A choice is "" (the program's
// language), "none", or a language name ("de", "fr_CH", "pt-BR"). The grid
// follows the choice the legend options keep, so screen and paper break a
// name alike; the printed legends and the sheet take theirs as an option.
#pragma once

#include "hyphenation/Hyphenator.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

inline constexpr std::string_view kNoHyphenation = "none";

// Folders the dictionaries (hyph_<lang>[_<COUNTRY>].dic) are looked for in,
// first first. The system's folder by default; the program adds its own.
void SetHyphenationFolders(std::vector<std::string> folders);
std::vector<std::string> HyphenationFolders();

// "de-DE", "de_de" and "DE_DE" give "de_DE"; nullopt for no language name.
std::optional<std::string> NormalizeHyphenationLanguage(std::string_view name);

// The dictionary file for a language: its own country, else the country the
// language is mostly written in (de_DE, fr_FR, en_US...), else the bare
// language, else the first country found. "" when none is installed.
std::string HyphenationDictionary(std::string_view language,
                                  const std::vector<std::string>& folders);

// The languages a dictionary is installed for, sorted, one per language
// (the bare language when its main country's dictionary is there).
std::vector<std::string> HyphenationLanguages(const std::vector<std::string>& folders);

// The language the program speaks ("" or "en": English), for the choice "".
void SetDefaultNamesLanguage(std::string language);
std::string DefaultNamesLanguage();

// The language a choice stands for; "" for "none".
std::string ChosenHyphenationLanguage(std::string_view choice);

// The hyphenator of a choice, loaded once (waiting for a load under way);
// nullptr for "none", for a name that is no language and when no
// dictionary is installed for it.
std::shared_ptr<const Hyphenator> HyphenatorFor(std::string_view choice);

// The same without waiting: nullptr while the dictionary is still loading in
// the background (the German one takes seconds), which this starts.
std::shared_ptr<const Hyphenator> LoadedHyphenatorFor(std::string_view choice);

// Called from the loading thread whenever a dictionary has loaded, so a
// window can draw its names again.
void WhenHyphenatorLoaded(std::function<void()> tell);

// Changes with every load finished and every new choice for the grid: what
// was laid out with an older one may break otherwise now.
unsigned HyphenationGeneration();

// The choice the key grid hyphenates in; setting it starts its load.
void SetNamesHyphenation(std::string choice);
std::string NamesHyphenation();
// The grid's hyphenator, without waiting (see LoadedHyphenatorFor).
std::shared_ptr<const Hyphenator> NamesHyphenator();

} // namespace vorlan
