// Text that comes from a file or from the user goes to the user's terminal,
// which obeys some bytes instead of showing them: an ESC sequence can clear
// the screen or retitle the window, a newline can forge a line of its own.
// Such bytes are shown as \xHH, and a field too long to read is cut. JSON
// output needs none of this: its encoder escapes them.
#pragma once

#include "common/StringTable.h"
#include "common/Text.h"
#include "common/UiMessage.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vorlan {

inline constexpr std::size_t kMaxFieldBytes = 200;

// A field of file bytes (Latin-1) as UTF-8, cut after kMaxFieldBytes with
// the length it had.
inline std::string TerminalField(std::string_view latin1) {
    if (latin1.size() <= kMaxFieldBytes) {
        return Latin1ToUtf8(latin1);
    }
    return Latin1ToUtf8(latin1.substr(0, kMaxFieldBytes)) +
           FormatString(StringText(StringId::CliFieldCut), {std::to_string(latin1.size())});
}

// A UTF-8 line with its control characters (C0, DEL and the C1 range, which
// a Latin-1 byte 0x80..0x9F becomes) written as \xHH of the code point.
inline std::string TerminalLine(std::string_view utf8) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    out.reserve(utf8.size());
    const auto escape = [&out](unsigned code) {
        out += "\\x";
        out += kHex[(code >> 4) & 0xF];
        out += kHex[code & 0xF];
    };
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x20 || b == 0x7F) {
            escape(b);
        } else if (b == 0xC2 && i + 1 < utf8.size() &&
                   static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
            escape(static_cast<unsigned char>(utf8[++i]));
        } else {
            out += utf8[i];
        }
    }
    return out;
}

// A path, file name or argument as every message shows it: the bytes the
// user gave (UTF-8 or not), controls escaped, cut after kMaxFieldBytes at
// the start of a character, with the length it had.
inline std::string TerminalArgument(std::string_view bytes) {
    if (bytes.size() <= kMaxFieldBytes) {
        return TerminalLine(bytes);
    }
    std::size_t cut = kMaxFieldBytes;
    while (cut > kMaxFieldBytes - 3 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return TerminalLine(bytes.substr(0, cut)) +
           FormatString(StringText(StringId::CliFieldCut), {std::to_string(bytes.size())});
}

// A message's value for the terminal as its kind needs: file bytes as
// TerminalField shows them, a path or text as TerminalArgument does.
inline UiArg TerminalValue(const UiArg& arg) {
    if (arg.kind == TextKind::Latin1) {
        return TerminalLine(TerminalField(arg.bytes));
    }
    return TerminalArgument(arg.bytes);
}

// The English text of a message for the terminal, each value shown as
// TerminalValue shows it.
inline std::string TerminalMessage(UiMessage message) {
    for (UiArg& arg : message.args) {
        arg = TerminalValue(arg);
    }
    return message.English();
}

} // namespace vorlan
