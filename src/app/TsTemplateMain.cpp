// Writes the translation template of the program's string table: one Qt
// Linguist message per text, in the context the program looks texts up in.
// A translator fills it in and compiles it with lrelease to "local.qm",
// which the program loads from its own folder at start.
//   vorlan_ts_template OUT.ts
//   vorlan_ts_template --pseudo OUT.ts
// The second writes a pseudo-language for tests: every text between "⟦"
// and "⟧" and about 40 % longer, so a text that escaped the translation
// shows unmarked and one a control cuts shows cut.
#include "common/StringTable.h"
#include "common/ui/UiText.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

namespace {

std::string Escape(const std::string& text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

bool IsVowel(char c) {
    return std::string_view("aeiouAEIOU").find(c) != std::string_view::npos;
}

// Vowels doubled, placeholders ("%1", "%n"), access keys and "&&" kept,
// then filler words up to 40 % more than the English text.
std::string Stretch(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        out += c;
        if ((c == '%' || c == '&') && i + 1 < text.size()) {
            out += text[++i];
        } else if (IsVowel(c)) {
            out += c;
        }
    }
    const std::size_t target = text.size() + (text.size() * 2 + 4) / 5;
    while (out.size() < target) {
        out += out.size() + 6 <= target ? " ~~~~~" : "~";
    }
    return out;
}

// Each part of a file dialog filter ("Text (*.txt);;JSON (*.json)") is
// marked before its pattern, which the dialog must still find at the end.
std::string Pseudo(std::string_view text) {
    std::string out;
    for (std::size_t start = 0;;) {
        const std::size_t end = std::min(text.find(";;", start), text.size());
        std::string_view part = text.substr(start, end - start);
        std::string_view pattern;
        if (const std::size_t open = part.rfind(" (*"); open != std::string_view::npos) {
            pattern = part.substr(open);
            part = part.substr(0, open);
        }
        out += "\u27e6" + Stretch(part) + "\u27e7";
        out += pattern;
        if (end == text.size()) {
            return out;
        }
        out += ";;";
        start = end + 2;
    }
}

// What a translator must know of the letter after "&".
constexpr const char* kAccessKeyNote =
    ". The letter after &amp; is the access key: no other entry of the same menu, of the menu "
    "bar or of the same dialog may have it, and Alt with it must be typed without AltGr on the "
    "language's usual keyboard (not \u00C9 or \u0104; German \u00E4, \u00F6, \u00FC and "
    "Spanish \u00F1 are fine).";

std::string Template(bool pseudo) {
    std::ostringstream ts;
    ts << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\""
       << (pseudo ? " language=\"en\"" : "") << ">\n"
       << "<context>\n    <name>" << vorlan::kTranslationContext << "</name>\n";
    // One message per entry: a text the table holds twice has a note the
    // second time (strings/disambiguation.inc), which the program looks it up with.
    for (const vorlan::StringEntry& e : vorlan::StringEntries()) {
        const std::string_view note = vorlan::StringDisambiguation(e.id);
        // A text with "%n" counts: its translation has a form per plural.
        const bool counts = e.text.find("%n") != std::string_view::npos;
        const std::string text = Escape(std::string(e.text));
        std::string translation = pseudo ? Escape(Pseudo(e.text)) : std::string();
        if (counts) {
            translation = "<numerusform>" + translation + "</numerusform>";
            translation += pseudo ? translation : std::string();
        }
        ts << "    <message" << (counts ? " numerus=\"yes\"" : "") << ">\n"
           << "        <extracomment>string " << e.id
           << (e.text.find('&') != std::string_view::npos ? kAccessKeyNote : "")
           << "</extracomment>\n"
           << "        <source>" << text << "</source>\n"
           << (note.empty() ? std::string()
                            : "        <comment>" + Escape(std::string(note)) + "</comment>\n")
           << "        <translation" << (pseudo ? "" : " type=\"unfinished\"") << ">" << translation
           << "</translation>\n"
           << "    </message>\n";
    }
    ts << "</context>\n</TS>\n";
    return ts.str();
}

} // namespace

int main(int argc, char** argv) {
    const bool pseudo = argc == 3 && std::string_view(argv[1]) == "--pseudo";
    if (argc != 2 && !pseudo) {
        std::fprintf(stderr, "usage: vorlan_ts_template [--pseudo] OUT.ts\n");
        return 2;
    }
    const std::string text = Template(pseudo);
    std::ofstream out(argv[argc - 1], std::ios::binary);
    out << text;
    return out ? 0 : 1;
}
