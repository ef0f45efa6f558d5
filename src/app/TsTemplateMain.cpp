// Writes the translation template of the program's string table: one Qt
// Linguist message per text, in the context the program looks texts up in.
// A translator fills it in and compiles it with lrelease to "local.qm",
// which the program loads from its own folder at start.
//   vorlan_ts_template OUT.ts
#include "common/StringTable.h"
#include "common/ui/UiText.h"

#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

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

std::string Template() {
    std::ostringstream ts;
    ts << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\">\n"
       << "<context>\n    <name>" << vorlan::kTranslationContext << "</name>\n";
    std::set<std::string> seen; // one message per text: the program looks texts up by text
    for (const vorlan::StringEntry& e : vorlan::StringEntries()) {
        if (!seen.insert(std::string(e.text)).second) {
            continue;
        }
        ts << "    <message>\n"
           << "        <extracomment>string " << e.id << "</extracomment>\n"
           << "        <source>" << Escape(std::string(e.text)) << "</source>\n"
           << "        <translation type=\"unfinished\"></translation>\n"
           << "    </message>\n";
    }
    ts << "</context>\n</TS>\n";
    return ts.str();
}

} // namespace

int main(int argc, char** argv) {
    const std::string text = Template();
    if (argc != 2) {
        std::fprintf(stderr, "usage: vorlan_ts_template OUT.ts\n");
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << text;
    return out ? 0 : 1;
}
