#include "common/UiMessage.h"

namespace vorlan {

// Fills the placeholders as FormatString does, each value converted straight
// into the text (a value can be a field of megabytes).
std::string UiMessage::English() const {
    const std::string_view text = StringText(id);
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool placeholder = text[i] == '%' && i + 1 < text.size() &&
                                 (text[i + 1] == 's' || text[i + 1] == 'd' ||
                                  (text[i + 1] >= '1' && text[i + 1] <= '9'));
        if (placeholder && next < args.size()) {
            args[next++].AppendUtf8(out);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace vorlan
