// libFuzzer entry: the strict device image builder.
#include "fuzz/FuzzHarness.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem = vorlan::hardening::RunImageBuilder(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "image builder check failed: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
