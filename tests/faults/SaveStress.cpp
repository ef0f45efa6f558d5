// The save loop the kill test aims at: saves two large layouts over one target
// in turn, for ever, until it is killed. "check" tells whether the target is
// whole: exactly one of the two layouts.
#include "layout/LayoutFile.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using namespace vorlan;

// Every key programmed with 16 codes and a long name, so a save takes long
// enough to be cut in the middle.
LayoutDocument Large(char letter) {
    LayoutDocument doc;
    doc.settings.keyCount = kMaxKeys;
    for (int k = 1; k <= kMaxKeys; ++k) {
        KeyRecord& key = doc.keys[static_cast<std::size_t>(k)];
        for (std::size_t i = 0; i < key.codes.size(); ++i) {
            key.codes[i] = static_cast<std::uint32_t>(1 + (k + static_cast<int>(i)) % 200);
        }
        key.name = std::string(90, letter) + std::to_string(k);
    }
    return doc;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: vorlan_save_stress run|check TARGET\n");
        return 2;
    }
    const std::string target = argv[2];
    LayoutDocument a = Large('a');
    LayoutDocument b = Large('b');
    if (std::strcmp(argv[1], "check") == 0) {
        std::ifstream in(target, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        const std::string text = bytes.str();
        return text == FormatLayout(a, KeyboardVariant::SixteenScan) ||
                       text == FormatLayout(b, KeyboardVariant::SixteenScan)
                   ? 0
                   : 1;
    }
    a.filePath = target;
    b.filePath = target;
    for (bool first = true;; first = !first) {
        if (!WriteLayout(first ? a : b, KeyboardVariant::SixteenScan)) {
            std::fprintf(stderr, "vorlan_save_stress: a save failed\n");
            return 1;
        }
    }
}
