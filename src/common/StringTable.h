// The program's string table: every text a user reads has an id and an English
// text here. The core passes ids around; the ui translates the English text.
#pragma once

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

// The whole table in list order (the translation template and its check).
std::span<const StringEntry> StringEntries();

// The English text of an id; empty when the id is not in the table.
std::string_view StringText(StringId id);
std::string_view StringText(int id);

// Replaces the first "%s", "%d" or "%1"/"%2" style placeholders in order.
// Kept deliberately small: the program's texts use at most three arguments.
std::string FormatString(std::string_view text, std::initializer_list<std::string> args);

} // namespace vorlan
