// What the capture dialog's "Type a text..." asks of whoever knows the PC
// layouts: the codes of a text, their names, and what to tell the user.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan {

struct TypedText {
    std::vector<std::uint32_t> codes; // empty when the text was refused
    std::vector<std::string> names;   // one a code, as the layout names them
    // The refusal or the warning: a string-table id and its values (UTF-8);
    // 0 for none.
    int messageId = 0;
    std::vector<std::string> args;
    bool refused = false;
};

struct TextTypist {
    // The layout's name for the prompt, in English.
    std::function<std::string()> layoutName;
    std::function<TypedText(std::string_view text, bool numberPad)> type;
};

} // namespace vorlan
