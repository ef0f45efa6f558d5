// Writes src/keyboards/PcLayoutTables.cpp: for each PC keyboard layout, what
// each key types, read from the system's keyboard data with libxkbcommon.
// Usage: vorlan_generate_pc_layouts OUT.cpp
// The output depends only on the keyboard data, so rerunning it on the same
// data reproduces the checked-in file byte for byte.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>
#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon.h>

namespace {

// The layouts the program offers, by the keyboard data's own names
// (a variant after a hyphen).
constexpr std::string_view kLayoutIds[] = {
    "us", "gb", "de", "at", "ch", "ch-fr", "fr", "be", "es", "it",
    "pt", "nl", "se", "fi", "dk", "no",    "pl", "cz", "hu", "tr",
};

// Keys read: set-1 codes with their set-2 make codes. The evdev key number is
// the set-1 code for these keys, and the keyboard data's key code is that
// number plus 8. Keys that never type a sign on any layout (Shift, F keys,
// Enter, ...) are read too: they come out empty and keep their names.
struct Key {
    int set1;
    int set2;
};
constexpr Key kKeys[] = {
    {0x02, 0x16}, {0x03, 0x1E}, {0x04, 0x26}, {0x05, 0x25}, {0x06, 0x2E}, {0x07, 0x36},
    {0x08, 0x3D}, {0x09, 0x3E}, {0x0A, 0x46}, {0x0B, 0x45}, {0x0C, 0x4E}, {0x0D, 0x55},
    {0x10, 0x15}, {0x11, 0x1D}, {0x12, 0x24}, {0x13, 0x2D}, {0x14, 0x2C}, {0x15, 0x35},
    {0x16, 0x3C}, {0x17, 0x43}, {0x18, 0x44}, {0x19, 0x4D}, {0x1A, 0x54}, {0x1B, 0x5B},
    {0x1E, 0x1C}, {0x1F, 0x1B}, {0x20, 0x23}, {0x21, 0x2B}, {0x22, 0x34}, {0x23, 0x33},
    {0x24, 0x3B}, {0x25, 0x42}, {0x26, 0x4B}, {0x27, 0x4C}, {0x28, 0x52}, {0x29, 0x0E},
    {0x2B, 0x5D}, {0x2C, 0x1A}, {0x2D, 0x22}, {0x2E, 0x21}, {0x2F, 0x2A}, {0x30, 0x32},
    {0x31, 0x31}, {0x32, 0x3A}, {0x33, 0x41}, {0x34, 0x49}, {0x35, 0x4A}, {0x37, 0x7C},
    {0x39, 0x29}, {0x47, 0x6C}, {0x48, 0x75}, {0x49, 0x7D}, {0x4A, 0x7B}, {0x4B, 0x6B},
    {0x4C, 0x73}, {0x4D, 0x74}, {0x4E, 0x79}, {0x4F, 0x69}, {0x50, 0x72}, {0x51, 0x7A},
    {0x52, 0x70}, {0x53, 0x71}, {0x56, 0x61},
};

constexpr xkb_keycode_t kLeftShift = 42 + 8;
constexpr xkb_keycode_t kRightAlt = 100 + 8; // AltGr where the layout has a third level
constexpr xkb_keycode_t kNumLock = 69 + 8;

// Dead keys have no character of their own: the sign their key cap shows.
struct DeadSign {
    xkb_keysym_t sym;
    const char* sign;
};
constexpr DeadSign kDeadSigns[] = {
    {XKB_KEY_dead_grave, "`"},       {XKB_KEY_dead_acute, "´"},     {XKB_KEY_dead_circumflex, "^"},
    {XKB_KEY_dead_tilde, "~"},       {XKB_KEY_dead_macron, "¯"},    {XKB_KEY_dead_breve, "˘"},
    {XKB_KEY_dead_abovedot, "˙"},    {XKB_KEY_dead_diaeresis, "¨"}, {XKB_KEY_dead_abovering, "°"},
    {XKB_KEY_dead_doubleacute, "˝"}, {XKB_KEY_dead_caron, "ˇ"},     {XKB_KEY_dead_cedilla, "¸"},
    {XKB_KEY_dead_ogonek, "˛"},      {XKB_KEY_dead_iota, "ͺ"},      {XKB_KEY_dead_belowdot, "̣"},
    {XKB_KEY_dead_hook, "̉"},         {XKB_KEY_dead_horn, "̛"},       {XKB_KEY_dead_stroke, "/"},
    {XKB_KEY_dead_greek, "µ"},       {XKB_KEY_dead_currency, "¤"},
};

struct Sign {
    std::string text;
    bool dead = false;
};

// What the layouts hold, for the dead keys' table: their dead keys and the
// signs that can follow one.
struct Seen {
    std::set<xkb_keysym_t> dead;
    std::set<xkb_keysym_t> followers;
};

bool IsDead(xkb_keysym_t sym) {
    for (const DeadSign& d : kDeadSigns) {
        if (d.sym == sym) {
            return true;
        }
    }
    return false;
}

Sign SignOf(xkb_keysym_t sym) {
    for (const DeadSign& d : kDeadSigns) {
        if (d.sym == sym) {
            return {d.sign, true};
        }
    }
    const std::uint32_t cp = xkb_keysym_to_utf32(sym);
    // Control characters (Enter, Tab, Backspace, Escape) type no sign.
    if (cp < 0x20 || cp == 0x7F) {
        return {};
    }
    char buf[16] = {};
    if (xkb_keysym_to_utf8(sym, buf, sizeof buf) <= 0) {
        return {};
    }
    return {buf, false};
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

std::string SymbolOf(std::string_view id) {
    std::string symbol = "k_" + std::string(id);
    if (const std::size_t dash = symbol.find('-'); dash != std::string::npos) {
        symbol[dash] = '_';
    }
    return symbol;
}

struct KeymapDeleter {
    void operator()(xkb_keymap* k) const { xkb_keymap_unref(k); }
};
struct StateDeleter {
    void operator()(xkb_state* s) const { xkb_state_unref(s); }
};

xkb_keysym_t SymWith(xkb_keymap* keymap, xkb_keycode_t key,
                     std::initializer_list<xkb_keycode_t> held) {
    std::unique_ptr<xkb_state, StateDeleter> state(xkb_state_new(keymap));
    // Number lock on: the number pad types its digits, as its key caps show.
    xkb_state_update_key(state.get(), kNumLock, XKB_KEY_DOWN);
    xkb_state_update_key(state.get(), kNumLock, XKB_KEY_UP);
    for (xkb_keycode_t h : held) {
        xkb_state_update_key(state.get(), h, XKB_KEY_DOWN);
    }
    return xkb_state_key_get_one_sym(state.get(), key);
}

bool WriteLayout(xkb_context* context, std::string_view id, std::ostream& out, Seen& seen) {
    const std::string full(id);
    const std::size_t dash = full.find('-');
    const std::string layout = full.substr(0, dash);
    const std::string variant = dash == std::string::npos ? "" : full.substr(dash + 1);
    const xkb_rule_names names{"evdev", "pc105", layout.c_str(), variant.c_str(), ""};
    std::unique_ptr<xkb_keymap, KeymapDeleter> keymap(
        xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap) {
        std::cerr << "vorlan_generate_pc_layouts: no keymap for layout " << id << "\n";
        return false;
    }
    out << "constexpr PcKeySigns " << SymbolOf(id) << "[] = {";
    // Several keys a line keep the file short enough to read and review.
    constexpr int kKeysPerLine = 4;
    int column = 0;
    for (const Key& k : kKeys) {
        const xkb_keycode_t code = static_cast<xkb_keycode_t>(k.set1 + 8);
        const xkb_keysym_t base = SymWith(keymap.get(), code, {});
        const xkb_keysym_t shift = SymWith(keymap.get(), code, {kLeftShift});
        const xkb_keysym_t altGr = SymWith(keymap.get(), code, {kRightAlt});
        for (const xkb_keysym_t sym : {base, shift, altGr}) {
            if (IsDead(sym)) {
                seen.dead.insert(sym);
            } else if (!SignOf(sym).text.empty()) {
                seen.followers.insert(sym);
            }
        }
        const Sign b = SignOf(base);
        const Sign s = SignOf(shift);
        // A key without a third level repeats its first one under AltGr.
        const Sign a = altGr == base ? Sign{} : SignOf(altGr);
        // A letter key: Shift types a capital that is the base sign's own
        // (or the base has no capital the data knows, as the Turkish dotless i).
        const xkb_keysym_t upper = xkb_keysym_to_upper(base);
        const bool letter = shift != base && xkb_keysym_to_lower(shift) != shift &&
                            (upper == shift || upper == base);
        const int dead = (b.dead ? 1 : 0) | (s.dead ? 2 : 0) | (a.dead ? 4 : 0);
        char codeText[8];
        std::snprintf(codeText, sizeof codeText, "0x%02X", k.set2);
        out << (column == 0 ? "\n   " : "") << " {" << codeText << ", " << Quoted(b.text) << ", "
            << Quoted(s.text) << ", " << Quoted(a.text) << ", " << dead << ", "
            << (letter ? "true" : "false") << "},";
        column = (column + 1) % kKeysPerLine;
    }
    out << "\n};\n\n";
    return true;
}

// The system's compose rules, as the X server's clients read them (not the
// user's own ~/.XCompose, so the tables do not depend on who generates them).
constexpr const char* kComposeFile = "/usr/share/X11/locale/en_US.UTF-8/Compose";

struct ComposeTableDeleter {
    void operator()(xkb_compose_table* t) const { xkb_compose_table_unref(t); }
};
struct ComposeStateDeleter {
    void operator()(xkb_compose_state* s) const { xkb_compose_state_unref(s); }
};

// What each dead key makes of each sign typed after it, by the compose rules.
bool WriteDeadKeys(xkb_context* context, const Seen& seen, std::ostream& out) {
    std::FILE* file = std::fopen(kComposeFile, "r");
    if (file == nullptr) {
        std::cerr << "vorlan_generate_pc_layouts: cannot read " << kComposeFile << "\n";
        return false;
    }
    std::unique_ptr<xkb_compose_table, ComposeTableDeleter> table(xkb_compose_table_new_from_file(
        context, file, "en_US.UTF-8", XKB_COMPOSE_FORMAT_TEXT_V1, XKB_COMPOSE_COMPILE_NO_FLAGS));
    std::fclose(file);
    if (!table) {
        std::cerr << "vorlan_generate_pc_layouts: cannot read the compose rules\n";
        return false;
    }
    out << "constexpr DeadKeyResult kDeadKeys[] = {";
    constexpr int kPerLine = 6;
    int column = 0;
    for (const DeadSign& d : kDeadSigns) {
        if (seen.dead.count(d.sym) == 0) {
            continue;
        }
        // Space after a dead key types its accent alone.
        std::set<xkb_keysym_t> followers = seen.followers;
        followers.insert(XKB_KEY_space);
        for (const xkb_keysym_t follower : followers) {
            std::unique_ptr<xkb_compose_state, ComposeStateDeleter> state(
                xkb_compose_state_new(table.get(), XKB_COMPOSE_STATE_NO_FLAGS));
            xkb_compose_state_feed(state.get(), d.sym);
            xkb_compose_state_feed(state.get(), follower);
            if (xkb_compose_state_get_status(state.get()) != XKB_COMPOSE_COMPOSED) {
                continue;
            }
            char result[32] = {};
            if (xkb_compose_state_get_utf8(state.get(), result, sizeof result) <= 0) {
                continue;
            }
            const std::string followerText =
                follower == XKB_KEY_space ? std::string(" ") : SignOf(follower).text;
            out << (column == 0 ? "\n   " : "") << " {" << Quoted(d.sign) << ", "
                << Quoted(followerText) << ", " << Quoted(result) << "},";
            column = (column + 1) % kPerLine;
        }
    }
    out << "\n};\n\n";
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vorlan_generate_pc_layouts OUT.cpp\n";
        return 2;
    }
    std::unique_ptr<xkb_context, void (*)(xkb_context*)> context(
        xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES), xkb_context_unref);
    if (!context) {
        std::cerr << "vorlan_generate_pc_layouts: no keyboard data\n";
        return 1;
    }
    std::ostringstream out;
    out << "// Generated by src/keyboards/generator/GeneratePcLayouts.cpp from the system's\n"
           "// keyboard data (rules evdev, model pc105). Do not edit: rerun the generator\n"
           "// (cmake --build build --target vorlan_pc_layout_tables).\n"
           "// Columns: set-2 code, sign, with Shift, with AltGr, dead (1 sign, 2 Shift,\n"
           "// 4 AltGr), letter key. Then what a dead key makes of the sign after it.\n"
           "// clang-format off\n"
           "#include \"keyboards/PcLayoutTables.h\"\n\n"
           "namespace vorlan::keyboards {\n\nnamespace {\n\n";
    Seen seen;
    for (std::string_view id : kLayoutIds) {
        if (!WriteLayout(context.get(), id, out, seen)) {
            return 1;
        }
    }
    if (!WriteDeadKeys(context.get(), seen, out)) {
        return 1;
    }
    out << "} // namespace\n\nconst std::vector<PcLayoutTable>& PcLayoutTables() {\n"
           "    static const std::vector<PcLayoutTable> tables = {\n";
    for (std::string_view id : kLayoutIds) {
        out << "        {\"" << id << "\", " << SymbolOf(id) << "},\n";
    }
    out << "    };\n    return tables;\n}\n\nstd::span<const DeadKeyResult> DeadKeyResults() {\n"
           "    return kDeadKeys;\n}\n\n} // namespace vorlan::keyboards\n";
    std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
    file << out.str();
    file.close();
    if (!file) {
        std::cerr << "vorlan_generate_pc_layouts: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
