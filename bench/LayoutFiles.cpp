// Writes the layout files the programming-pace runs program: full layouts
// whose device images are 450, 1014 and 2022 bytes.
#include "BenchLayout.h"

#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vorlan_bench_layouts FOLDER\n");
        return 2;
    }
    using vorlan::KeyboardVariant;
    struct File {
        const char* name;
        int keyCount;
        KeyboardVariant variant;
    };
    // 112 keys in 7/3scan and 56 and 112 keys in 16scan.
    const File files[] = {{"image-450.txt", 112, KeyboardVariant::SevenThreeScan},
                          {"image-1014.txt", 56, KeyboardVariant::SixteenScan},
                          {"image-2022.txt", 112, KeyboardVariant::SixteenScan}};
    for (const File& file : files) {
        const std::string path = std::string(argv[1]) + "/" + file.name;
        std::ofstream out(path, std::ios::binary);
        out << vorlan::bench::BenchLayoutText(file.keyCount, file.variant);
        out.close();
        if (!out) {
            std::fprintf(stderr, "vorlan_bench_layouts: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
