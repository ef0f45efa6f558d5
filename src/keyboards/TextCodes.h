// Text to codes for a PC keyboard layout, and back: the codes a key needs to
// type a text on a PC of that layout, as the capture records the text typed
// there, and the text a key's codes type.
#pragma once

#include "common/StringTable.h"
#include "common/UiMessage.h"
#include "scancodes/ScanCodeTables.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan::keyboards {

inline constexpr std::size_t kTextCodeLimit = 16;

struct TextCodesRequest {
    std::string_view text; // UTF-8; {Name} for a named key, {{ for a brace
    std::string_view layoutId;
    bool numberPad = false; // digits from the number pad
};

// The codes of a text, or why not: `message` with `args` (English, filled in
// by FormatString) names what and where; `codes` is then empty.
struct TextCodes {
    std::vector<std::uint32_t> codes;
    std::optional<StringId> refusal;
    std::vector<std::string> args;
    // Set when the codes, as the keyboard sends them (held down until the
    // key is let go), type something else than the text: what they type, or
    // empty when they do not read as text.
    std::optional<std::string> typesInstead;
};

// Each character is typed as a PC user types it: the key, after Shift or
// AltGr where the layout needs them (pressed for each character, as the
// capture records it), or a dead key and the character it accents.
TextCodes CodesOfText(const TextCodesRequest& request);

// The message of a refusal or of typesInstead (values UTF-8); nothing when
// the codes type the text.
std::optional<UiMessage> TextCodesNote(const TextCodes& result, std::string_view text);
// The same in English.
std::string TextCodesMessage(const TextCodes& result, std::string_view text);

// Why codes do not read as a text (for check).
enum class NotTextReason {
    None,
    ModifierAtEnd, // Shift, Ctrl, Alt or AltGr with no key after it
    DeadKeyAtEnd,  // a dead key with nothing for it to accent
    UnknownCode,   // a code no key of the layout makes
    Shortcut,      // a key pressed with Ctrl, Alt or the Windows key
    NoSign,        // a key that types nothing this way (Caps Lock, a dead pair)
};

// What codes type: the text in the form CodesOfText takes ({Enter} for a
// named key), when they read as one. Codes stop at the first 0.
struct CodesText {
    std::optional<std::string> text;
    NotTextReason reason = NotTextReason::None;
    std::uint32_t code = 0; // the code the reason is about
};
// The keyboard holds every code until its key is let go; a user typing the
// same presses lets Shift or AltGr go after the key it was pressed for.
enum class ModifierRelease { AtKeyEnd, AfterEachKey };
CodesText TextOfCodes(const std::vector<std::uint32_t>& codes, std::string_view layoutId,
                      ModifierRelease release = ModifierRelease::AtKeyEnd);

// The names of codes as a PC of the layout names them (the standard names
// for an unknown id).
std::vector<std::string> CodeNamesIn(std::string_view layoutId,
                                     const std::vector<std::uint32_t>& codes);

// Whether codes are modifiers only (Shift, Ctrl, Alt, AltGr, the Windows
// keys): a key that is a modifier of its own.
bool OnlyModifiers(const std::vector<std::uint32_t>& codes);

// A text as a key shows it: Enter as ⏎, Tab as ⇥, braces written once.
std::string DisplayText(std::string_view text);

// What a key's stored codes type in the PC layout whose names `naming` gives
// (a US keyboard's for the standard names), in the form CodesOfText takes;
// nothing for an empty key or codes that do not read as a text. What show
// says a key types, single keys included.
std::optional<std::string> KeyTypes(std::span<const std::int32_t> codes, const CodeNaming& naming);

// What the key panel, the tooltip and the layout sheet say a key types: the
// text as a key shows it ("158745⏎"), where it says more than the code names
// do; nothing for one key alone (a single code, or a named key like {Up}).
std::optional<std::string> KeyTypesShown(std::span<const std::int32_t> codes,
                                         std::string_view layoutId);

} // namespace vorlan::keyboards
