// Writes the generated seed corpora of the fuzzers: layout files as the writer
// produces them in all four variants, for the reader, the builder and the
// engine (behind the six bytes that choose the engine's arguments).
//   vorlan_fuzz_seeds OUTPUT_DIR
// Files go to OUTPUT_DIR/<target>/; hand-made odd inputs live in fuzz/seeds/.
#include "layout/LayoutFile.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace vorlan;

bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && ok;
}

void Program(LayoutDocument& doc, int k, const KeyCodes& codes, const std::string& name, bool group,
             KeyMode mode = KeyMode::Mode1) {
    KeyRecord& key = doc.keys[static_cast<std::size_t>(k)];
    key.codes = codes;
    key.name = name;
    key.SetGroupKey(group);
    key.SetMode(mode);
}

// The worked example: a new 56-key layout with key 1 named A sending 28.
LayoutDocument Small() {
    LayoutDocument doc;
    Program(doc, 1, {28}, "A", false);
    return doc;
}

// A full 112-key layout: a double-down, a double-right across the blocks, a
// quad, long names, extended codes, every setting at its top.
LayoutDocument Large() {
    LayoutDocument doc;
    doc.settings = {112, 1, 1, 3, 31, 255};
    doc.rfid = {13, false, 255, true, 254, true};
    for (int k = 1; k <= kMaxKeys; ++k) {
        KeyCodes codes{};
        for (int i = 0; i < kCodesPerKey; ++i) {
            codes[static_cast<std::size_t>(i)] = (k * 7 + i * 13) % 256;
        }
        codes[0] = k % 2 == 0 ? 0xE0 : 1 + k;
        Program(doc, k, codes, std::string(static_cast<std::size_t>(k % 103), 'a' + k % 26), false,
                *KeyModeFromNumber(k % 4));
    }
    const KeyCodes pair{0xE0, 0x75};
    Program(doc, 3, pair, "Up", true);
    Program(doc, 11, pair, "Up", true);
    const KeyCodes across{0x14, 0x21};
    Program(doc, 56, across, "Copy", true);
    Program(doc, 57, across, "Copy", true);
    const KeyCodes quad{0x5A};
    for (int k : {20, 21, 28, 29}) {
        Program(doc, k, quad, "Enter", true, KeyMode::Mode3);
    }
    doc.RebuildAfterLoad();
    return doc;
}

// Group keys that cannot be joined: a pair too far apart, three twins, two
// names shared by keys with different codes.
LayoutDocument Odd() {
    LayoutDocument doc;
    doc.settings.keysPause = 1;
    doc.rfid = {0, true, 0, false, 0, false};
    Program(doc, 1, {0x1C}, "far", true);
    Program(doc, 40, {0x1C}, "far", true);
    Program(doc, 5, {0x32}, "three", true);
    Program(doc, 6, {0x32}, "three", true);
    Program(doc, 14, {0x32}, "three", true);
    Program(doc, 30, {0x21}, "same", false);
    Program(doc, 31, {0x22}, "same", false);
    Program(doc, 60, {0x23}, "beyond the key count", false);
    return doc;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vorlan_fuzz_seeds OUTPUT_DIR\n");
        return 2;
    }
    const std::filesystem::path root = argv[1];
    std::error_code ec;
    for (const char* target : {"layout_reader", "image_builder", "engine"}) {
        std::filesystem::create_directories(root / target, ec);
    }

    bool ok = true;
    const std::vector<std::pair<std::string, LayoutDocument>> docs = {
        {"small", Small()}, {"large", Large()}, {"odd", Odd()}};
    const std::vector<std::pair<std::string, KeyboardVariant>> variants = {
        {"73scan", KeyboardVariant::SevenThreeScan},
        {"16scan", KeyboardVariant::SixteenScan},
        {"left", KeyboardVariant::SingleLeft},
        {"right", KeyboardVariant::SingleRight}};
    for (const auto& [docName, doc] : docs) {
        for (const auto& [variantName, variant] : variants) {
            const std::string text = FormatLayout(doc, variant);
            const std::string name = docName + "-" + variantName;
            ok &= WriteFile(root / "layout_reader" / (name + ".txt"), text);
            ok &= WriteFile(root / "image_builder" / (name + ".txt"), text);
            // Engine inputs: two arguments, the file, a keyboard of the type
            // the file needs (the emulated type is the fourth byte mod 3).
            const int typeNumber =
                variant == KeyboardVariant::SevenThreeScan ? doc.settings.keyCount
                : variant == KeyboardVariant::SixteenScan  ? doc.settings.keyCount + 1
                                                           : 57;
            const char keyboard = typeNumber == 57 ? 1 : typeNumber == 113 ? 2 : 0;
            ok &= WriteFile(root / "engine" / (name + ".bin"),
                            std::string{1, 5, 0, keyboard, 0, 0} + text);
        }
    }

    if (!ok) {
        std::fprintf(stderr, "vorlan_fuzz_seeds: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
