// A text for the user as the core hands it to the screen: a string-table id
// and the values for its placeholders. The ui translates the id and fills in
// the values (FormatString), so the core never holds translated text.
#pragma once

#include "common/StringTable.h"
#include "common/Text.h"

#include <string>
#include <vector>

namespace vorlan {

// A placeholder's value and the kind of text it holds: plain strings (numbers,
// the program's own words) are UTF-8; key names and paths say what they are
// (Latin1Text, PathText), so each screen decodes them right.
struct UiArg {
    TextKind kind = TextKind::Utf8;
    std::string bytes;

    UiArg() = default;
    UiArg(std::string utf8) : bytes(std::move(utf8)) {} // NOLINT: implicit on purpose
    UiArg(const char* utf8) : bytes(utf8) {}            // NOLINT
    UiArg(Latin1Text text) : kind(TextKind::Latin1), bytes(std::move(text.bytes)) {} // NOLINT
    UiArg(PathText path) : kind(TextKind::Path), bytes(std::move(path.bytes)) {}     // NOLINT

    void AppendUtf8(std::string& out) const {
        switch (kind) {
        case TextKind::Latin1:
            AppendLatin1AsUtf8(out, bytes);
            return;
        case TextKind::Path:
            AppendPathAsUtf8(out, bytes);
            return;
        case TextKind::Utf8:
            break;
        }
        out += bytes;
    }
    std::string Utf8() const {
        std::string out;
        AppendUtf8(out);
        return out;
    }
    friend bool operator==(const UiArg&, const UiArg&) = default;
};

// A message's values; plain strings given together are UTF-8 each.
struct UiArgs : std::vector<UiArg> {
    using std::vector<UiArg>::vector;
    UiArgs() = default;
    UiArgs(const std::vector<std::string>& utf8)
        : std::vector<UiArg>(utf8.begin(), utf8.end()) {} // NOLINT
};

struct UiMessage {
    StringId id{};
    UiArgs args;

    // The English text as UTF-8, for logs, the command line and tests.
    std::string English() const;
    friend bool operator==(const UiMessage&, const UiMessage&) = default;
};

} // namespace vorlan
