// Which of the installed translations the program speaks, from the user's
// preferred languages (most preferred first), so the rule is testable
// without a locale or a file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

// A locale name reduced to the form translation files are named by:
// "de-DE", "de_DE.UTF-8" and "de_DE@euro" all give "de_DE"; "C" and
// "POSIX" give "" (no language).
std::string NormalizeLanguage(std::string_view name);

// The first preferred language that a translation exists for, trying the
// full name ("de_AT") before its language ("de"). English is the program's
// own language: a preference for it (or for "C") before any translated one
// keeps the texts untranslated, which the empty result means.
std::string ChooseLanguage(const std::vector<std::string>& preferred,
                           const std::vector<std::string>& available);

// The language chosen in the program's own settings wins over the system's
// when a translation is shipped for it ("en" picks the untranslated texts);
// an empty choice, or one no longer shipped, leaves the system's languages.
std::string ChooseLanguage(std::string_view chosen, const std::vector<std::string>& system,
                           const std::vector<std::string>& available);

// The language a shipped file is named for: "vorlan_pt_BR.qm" with the prefix
// "vorlan_" and the suffix ".qm" gives "pt_BR"; "" when the name does not
// have that form or what is left is no language name.
std::string LanguageOfFile(std::string_view fileName, std::string_view prefix,
                           std::string_view suffix);

} // namespace vorlan
