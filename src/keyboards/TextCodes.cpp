#include "keyboards/TextCodes.h"

#include "keyboards/PcLayouts.h"
#include "scancodes/ScanCodeTables.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>

namespace vorlan::keyboards {

namespace {

constexpr std::uint32_t kShiftLeft = 0x12, kShiftRight = 0x59, kCtrl = 0x14, kAlt = 0x11,
                        kCapsLock = 0x58, kNumLock = 0x77, kWinLeft = 0x1F, kWinRight = 0x27;

using Codes = std::vector<std::uint32_t>;

enum class Level { Base, Shift, AltGr };

Codes Press(Level level, std::uint32_t code) {
    switch (level) {
    case Level::Shift:
        return {kShiftLeft, code};
    case Level::AltGr:
        return {ExtendedPrefix, kAlt, code};
    case Level::Base:
        break;
    }
    return {code};
}

const char* SignAt(const PcKeySigns& key, Level level) {
    switch (level) {
    case Level::Shift:
        return key.shift;
    case Level::AltGr:
        return key.altGr;
    case Level::Base:
        break;
    }
    return key.sign;
}

bool DeadAt(const PcKeySigns& key, Level level) {
    const std::uint8_t bit = level == Level::Base    ? kDeadSign
                             : level == Level::Shift ? kDeadShift
                                                     : kDeadAltGr;
    return (key.dead & bit) != 0;
}

bool OnNumberPad(std::uint32_t code) {
    return StandardNameOfCode(code, 0).ends_with("_num");
}

// What a layout types and how, built once per layout.
struct LayoutSigns {
    std::map<std::string, Codes, std::less<>> direct; // sign -> its press
    std::map<std::string, Codes, std::less<>> dead;   // dead sign -> its press
    std::map<std::string, Codes, std::less<>> typed;  // every typeable text -> fewest codes
    std::map<std::string, Codes, std::less<>> digitsOnPad;
    std::size_t longest = 1;
    bool hasAltGr = false;
};

void Offer(std::map<std::string, Codes, std::less<>>& map, const std::string& text, Codes codes) {
    const auto it = map.find(text);
    if (it == map.end() || codes.size() < it->second.size()) {
        map[text] = std::move(codes);
    }
}

LayoutSigns BuildSigns(std::string_view layoutId) {
    LayoutSigns s;
    const auto& tables = PcLayoutTables();
    const auto table =
        std::find_if(tables.begin(), tables.end(),
                     [layoutId](const PcLayoutTable& t) { return t.id == layoutId; });
    if (table == tables.end()) {
        return s;
    }
    for (const PcKeySigns& key : table->keys) {
        const bool pad = OnNumberPad(key.code);
        for (const Level level : {Level::Base, Level::Shift, Level::AltGr}) {
            const std::string sign = SignAt(key, level);
            s.hasAltGr = s.hasAltGr || (level == Level::AltGr && !sign.empty());
            if (sign.empty()) {
                continue;
            }
            if (pad) {
                // The number pad types text only for --number-pad digits: a
                // user types the other signs on the main block.
                if (level == Level::Base && sign.size() == 1 && sign[0] >= '0' && sign[0] <= '9') {
                    s.digitsOnPad[sign] = {key.code};
                }
                continue;
            }
            Offer(DeadAt(key, level) ? s.dead : s.direct, sign, Press(level, key.code));
        }
    }
    s.typed = s.direct;
    for (const DeadKeyResult& r : DeadKeyResults()) {
        const auto dead = s.dead.find(r.dead);
        const auto follower = s.direct.find(r.follower);
        if (dead == s.dead.end() || follower == s.direct.end()) {
            continue;
        }
        Codes codes = dead->second;
        codes.insert(codes.end(), follower->second.begin(), follower->second.end());
        Offer(s.typed, r.result, std::move(codes));
    }
    for (const auto& [text, codes] : s.typed) {
        s.longest = std::max(s.longest, text.size());
    }
    return s;
}

const LayoutSigns& SignsOf(std::string_view layoutId) {
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<LayoutSigns>, std::less<>> built;
    const std::lock_guard lock(mutex);
    auto it = built.find(layoutId);
    if (it == built.end()) {
        it =
            built
                .emplace(std::string(layoutId), std::make_unique<LayoutSigns>(BuildSigns(layoutId)))
                .first;
    }
    return *it->second;
}

// The set-1 codes of the keys a PC reports after the extended prefix.
constexpr std::uint32_t kExtendedKeys[] = {0x1C, 0x1D, 0x35, 0x38, 0x47, 0x48, 0x49, 0x4B, 0x4D,
                                           0x4F, 0x50, 0x51, 0x52, 0x53, 0x5B, 0x5C, 0x5D};

bool SameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// The codes of a key named as the key table (or the layout) names it.
std::optional<Codes> CodesOfName(std::string_view name, std::string_view layoutId) {
    for (std::uint32_t row = 1; row < ScanCodeTable.size(); ++row) {
        if (ScanCodeTable[row] != 0 && SameName(KeyNameTable[row], name)) {
            return Codes{ScanCodeTable[row]};
        }
    }
    for (const std::uint32_t set1 : kExtendedKeys) {
        const std::size_t row =
            set1 + static_cast<std::size_t>(extendedRowOffset(static_cast<int>(set1)));
        if (row < KeyNameTable.size() && SameName(KeyNameTable[row], name)) {
            return Codes{ExtendedPrefix, ScanCodeTable[set1]};
        }
    }
    const CodeNameOverrides& names = CodeNamesFor(layoutId);
    for (std::uint32_t code = 1; code < names.size(); ++code) {
        if (!names[code].empty() && SameName(names[code], name)) {
            return Codes{code};
        }
    }
    return std::nullopt;
}

std::size_t Utf8Length(unsigned char lead) {
    return lead < 0x80         ? 1
           : (lead >> 5) == 6  ? 2
           : (lead >> 4) == 14 ? 3
           : (lead >> 3) == 30 ? 4
                               : 0;
}

bool IsModifier(std::uint32_t code, bool extended) {
    if (extended) {
        return code == kCtrl || code == kAlt || code == kWinLeft || code == kWinRight;
    }
    return code == kShiftLeft || code == kShiftRight || code == kCtrl || code == kAlt;
}

TextCodes Refuse(StringId id, std::vector<std::string> args) {
    TextCodes result;
    result.refusal = id;
    result.args = std::move(args);
    return result;
}

// The codes of a text without the key's limit; `ends` holds, per character
// read, its position and the number of codes up to its end.
struct Encoded {
    TextCodes result;
    std::vector<std::pair<std::size_t, std::size_t>> ends;
};

std::string ByteText(unsigned char byte) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    return std::string("\\x") + kHex[byte >> 4] + kHex[byte & 0xF];
}

Encoded Encode(const TextCodesRequest& request) {
    const LayoutSigns& signs = SignsOf(request.layoutId);
    const std::string_view text = request.text;
    const PcLayoutInfo* info = FindPcLayout(request.layoutId);
    const std::string layoutName =
        info == nullptr ? std::string(request.layoutId) : std::string(StringText(info->name));
    Encoded encoded;
    const auto refuse = [&encoded](StringId id, std::vector<std::string> args) {
        encoded.result = Refuse(id, std::move(args));
        return encoded;
    };
    Codes& out = encoded.result.codes;
    std::size_t character = 0; // 1-based position of the character read
    for (std::size_t i = 0; i < text.size();) {
        ++character;
        const std::size_t at = character;
        Codes codes;
        if (text.substr(i, 2) == "{{") {
            i += 2;
            const auto it = signs.typed.find("{");
            if (it == signs.typed.end()) {
                return refuse(StringId::TextCannotType, {"{", layoutName, std::to_string(at)});
            }
            codes = it->second;
        } else if (text[i] == '{') {
            const std::size_t close = text.find('}', i);
            if (close == std::string_view::npos) {
                return refuse(StringId::TextUnclosedName, {std::to_string(at)});
            }
            const std::string_view name = text.substr(i + 1, close - i - 1);
            const auto named = CodesOfName(name, request.layoutId);
            if (!named) {
                return refuse(StringId::TextUnknownName, {std::string(name), std::to_string(at)});
            }
            codes = *named;
            character += close - i; // the name's characters count as the text's
            i = close + 1;
        } else if (const auto pad = signs.digitsOnPad.find(text.substr(i, 1));
                   request.numberPad && pad != signs.digitsOnPad.end()) {
            codes = pad->second;
            ++i;
        } else {
            // The longest text one key, or a dead key and its follower, type.
            std::size_t length = std::min(signs.longest, text.size() - i);
            for (; length > 0; --length) {
                const auto it = signs.typed.find(text.substr(i, length));
                if (it != signs.typed.end()) {
                    codes = it->second;
                    break;
                }
            }
            if (length == 0) {
                const std::size_t n = Utf8Length(static_cast<unsigned char>(text[i]));
                const std::string what = n == 0 || i + n > text.size()
                                             ? ByteText(static_cast<unsigned char>(text[i]))
                                             : std::string(text.substr(i, n));
                return refuse(StringId::TextCannotType, {what, layoutName, std::to_string(at)});
            }
            for (std::size_t k = i + 1; k < i + length; ++k) {
                character += (static_cast<unsigned char>(text[k]) & 0xC0) != 0x80 ? 1 : 0;
            }
            i += length;
        }
        out.insert(out.end(), codes.begin(), codes.end());
        encoded.ends.emplace_back(at, out.size());
    }
    return encoded;
}

} // namespace

TextCodes CodesOfText(const TextCodesRequest& request) {
    Encoded encoded = Encode(request);
    TextCodes& result = encoded.result;
    if (result.refusal) {
        return result;
    }
    if (result.codes.size() > kTextCodeLimit) {
        const auto over = std::find_if(encoded.ends.begin(), encoded.ends.end(),
                                       [](const auto& end) { return end.second > kTextCodeLimit; });
        return Refuse(StringId::TextTooManyCodes,
                      {std::to_string(result.codes.size()), std::to_string(over->first)});
    }
    const CodesText typed = TextOfCodes(result.codes, request.layoutId);
    // The text read back may be written another way ({enter}, a composed
    // sign the layout also has on a key): what counts is that it needs the
    // same codes.
    if (!typed.text ||
        (*typed.text != request.text &&
         Encode({*typed.text, request.layoutId, request.numberPad}).result.codes != result.codes)) {
        result.typesInstead = typed.text.value_or(std::string());
    }
    return result;
}

CodesText TextOfCodes(const std::vector<std::uint32_t>& codes, std::string_view layoutId,
                      ModifierRelease release) {
    const auto& tables = PcLayoutTables();
    const auto table =
        std::find_if(tables.begin(), tables.end(),
                     [layoutId](const PcLayoutTable& t) { return t.id == layoutId; });
    const bool hasAltGr = SignsOf(layoutId).hasAltGr;
    const auto fail = [](NotTextReason reason, std::uint32_t code) {
        return CodesText{std::nullopt, reason, code};
    };
    std::string text;
    bool shift = false, altGr = false, shortcut = false, lastWasModifier = false;
    std::string pendingDead;
    std::uint32_t deadCode = 0;
    for (std::size_t i = 0; i < codes.size() && codes[i] != 0; ++i) {
        const bool extended = codes[i] == ExtendedPrefix;
        if (extended && (i + 1 == codes.size() || codes[i + 1] == 0)) {
            return fail(NotTextReason::UnknownCode, ExtendedPrefix);
        }
        const std::uint32_t code = extended ? codes[++i] : codes[i];
        lastWasModifier = IsModifier(code, extended);
        if (lastWasModifier) {
            if (code == kShiftLeft || code == kShiftRight) {
                shift = true;
            } else if (extended && code == kAlt && hasAltGr) {
                altGr = true;
            } else {
                shortcut = true;
            }
            continue;
        }
        // The modifiers pressed before this key; typed one key at a time they
        // are let go after it.
        const bool shiftNow = shift, altGrNow = altGr, shortcutNow = shortcut;
        if (release == ModifierRelease::AfterEachKey) {
            shift = altGr = shortcut = false;
        }
        const std::string name = StandardNameOfCode(code, extended ? ExtendedPrefix : 0);
        if (name.empty() || name.starts_with("key_")) {
            return fail(NotTextReason::UnknownCode, code);
        }
        if (shortcutNow) {
            return fail(NotTextReason::Shortcut, code);
        }
        const PcKeySigns* key =
            extended || table == tables.end() ? nullptr : FindKeySigns(layoutId, code);
        if (key == nullptr || code == kCapsLock || code == kNumLock) {
            // A key that types no sign: written by its name, unless it changes
            // what the keys after it type.
            if (code == kCapsLock || code == kNumLock || !pendingDead.empty()) {
                return fail(NotTextReason::NoSign, code);
            }
            text += "{" + name + "}";
            continue;
        }
        if (shiftNow && altGrNow) {
            return fail(NotTextReason::NoSign, code); // a fourth level no table holds
        }
        // A key without a third level types its first one under AltGr.
        const bool thirdLevel = altGrNow && *SignAt(*key, Level::AltGr) != '\0';
        const Level level = thirdLevel ? Level::AltGr : shiftNow ? Level::Shift : Level::Base;
        const std::string sign = SignAt(*key, level);
        if (sign.empty()) {
            return fail(NotTextReason::NoSign, code);
        }
        if (DeadAt(*key, level)) {
            if (!pendingDead.empty()) {
                return fail(NotTextReason::NoSign, code);
            }
            pendingDead = sign;
            deadCode = code;
            continue;
        }
        if (!pendingDead.empty()) {
            const auto results = DeadKeyResults();
            const auto r =
                std::find_if(results.begin(), results.end(), [&](const DeadKeyResult& d) {
                    return pendingDead == d.dead && sign == d.follower;
                });
            if (r == results.end()) {
                return fail(NotTextReason::NoSign, code);
            }
            pendingDead.clear();
            text += r->result;
        } else {
            text += sign == "{" ? "{{" : sign;
        }
    }
    if (!pendingDead.empty()) {
        return fail(NotTextReason::DeadKeyAtEnd, deadCode);
    }
    if (lastWasModifier) {
        return fail(NotTextReason::ModifierAtEnd, 0);
    }
    return {text, NotTextReason::None, 0};
}

std::optional<UiMessage> TextCodesNote(const TextCodes& result, std::string_view text) {
    if (result.refusal) {
        return UiMessage{*result.refusal, result.args};
    }
    if (!result.typesInstead) {
        return std::nullopt;
    }
    if (result.typesInstead->empty()) {
        return UiMessage{StringId::TextHeldNotText, {std::string(text)}};
    }
    return UiMessage{StringId::TextHeldTypesOther,
                     {DisplayText(*result.typesInstead), std::string(text)}};
}

std::string TextCodesMessage(const TextCodes& result, std::string_view text) {
    // One call to FormatString: a value holding "%1" stays as typed.
    const std::optional<UiMessage> note = TextCodesNote(result, text);
    return note ? note->English() : std::string();
}

bool OnlyModifiers(const std::vector<std::uint32_t>& codes) {
    for (std::size_t i = 0; i < codes.size() && codes[i] != 0; ++i) {
        const bool extended = codes[i] == ExtendedPrefix && i + 1 < codes.size();
        if (!IsModifier(extended ? codes[++i] : codes[i], extended)) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> CodeNamesIn(std::string_view layoutId,
                                     const std::vector<std::uint32_t>& codes) {
    const CodeNameOverrides& names = CodeNamesFor(layoutId);
    std::vector<std::string> out;
    std::uint32_t previous = 0;
    for (const std::uint32_t code : codes) {
        const bool chosen =
            previous != ExtendedPrefix && code < names.size() && !names[code].empty();
        out.push_back(chosen ? names[code] : StandardNameOfCode(code, previous));
        previous = code;
    }
    return out;
}

std::string DisplayText(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, 2) == "{{") {
            out += '{';
            ++i;
            continue;
        }
        const std::size_t close = text[i] == '{' ? text.find('}', i) : std::string_view::npos;
        if (close == std::string_view::npos) {
            out += text[i];
            continue;
        }
        const std::string_view name = text.substr(i + 1, close - i - 1);
        out += SameName(name, "Enter") || SameName(name, "Enter_num") ? "⏎"
               : SameName(name, "Tab")                                ? "⇥"
                                       : std::string(text.substr(i, close - i + 1));
        i = close;
    }
    return out;
}

std::optional<std::string> KeyTypes(std::span<const std::int32_t> codes, const CodeNaming& naming) {
    if (codes.empty() || codes[0] == 0) {
        return std::nullopt;
    }
    const std::vector<std::uint32_t> list(codes.begin(), codes.end());
    return TextOfCodes(list, LayoutOfNaming(naming)).text;
}

std::optional<std::string> KeyTypesShown(std::span<const std::int32_t> codes,
                                         std::string_view layoutId) {
    const std::size_t used =
        static_cast<std::size_t>(std::find(codes.begin(), codes.end(), 0) - codes.begin());
    if (used < 2) {
        return std::nullopt;
    }
    const std::optional<std::string> text =
        TextOfCodes(std::vector<std::uint32_t>(codes.begin(), codes.begin() + used), layoutId).text;
    const bool oneNamedKey = text && text->size() > 2 && text->front() == '{' &&
                             (*text)[1] != '{' && text->find('}') == text->size() - 1;
    if (!text || oneNamedKey) {
        return std::nullopt;
    }
    return DisplayText(*text);
}

} // namespace vorlan::keyboards
