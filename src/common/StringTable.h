// The program's string table: every text a user reads has an id and an English
// text here. The core passes ids around; the ui translates the English text.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace vorlan {

// Each subsystem keeps its entries in its own list (strings/*.inc) as
// VORLAN_STRING(Name, id, "English text").
enum class StringId : int {
#define VORLAN_STRING(name, id, text) name = id,
#include "common/strings/all.inc"
#undef VORLAN_STRING
};

// One entry of the table. The texts are string literals, so text.data() is
// also a C string.
struct StringEntry {
    int id;
    std::string_view text;
};

// What tells a text the table holds more than once apart for the translators
// (strings/disambiguation.inc), a C string; empty for every other id.
std::string_view StringDisambiguation(int id);
std::string_view StringDisambiguation(StringId id);

// The whole table in list order (the translation template and its check).
std::span<const StringEntry> StringEntries();

// The English text of an id; empty when the id is not in the table.
std::string_view StringText(StringId id);
std::string_view StringText(int id);

// The words a core text is made of where the core lays out what the user
// reads (a report, a printed table): the table's English by default; the ui
// passes its translation. A count (not -1) chooses the plural form of a
// text with "%n" and is put in for it.
using WordsOf = std::function<std::string(StringId, int count)>;
std::string EnglishWords(StringId id, int count = -1);

// Replaces the first "%s", "%d" or "%1"/"%2" style placeholders in order.
// Kept deliberately small: the program's texts use at most three arguments.
std::string FormatString(std::string_view text, std::initializer_list<std::string> args);

} // namespace vorlan
