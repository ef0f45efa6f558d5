// A text for the user as the core hands it to the screen: a string-table id
// and the values for its placeholders. The ui translates the id and fills in
// the values (FormatString), so the core never holds translated text.
#pragma once

#include "common/StringTable.h"

#include <string>
#include <vector>

namespace vorlan {

struct UiMessage {
    StringId id{};
    std::vector<std::string> args;

    // The English text, for logs, the command line and tests.
    std::string English() const {
        const std::string_view text = StringText(id);
        switch (args.size()) {
        case 0:
            return FormatString(text, {});
        case 1:
            return FormatString(text, {args[0]});
        case 2:
            return FormatString(text, {args[0], args[1]});
        case 3:
            return FormatString(text, {args[0], args[1], args[2]});
        default: // the table's texts take at most four values
            return FormatString(text, {args[0], args[1], args[2], args[3]});
        }
    }
    friend bool operator==(const UiMessage&, const UiMessage&) = default;
};

} // namespace vorlan
