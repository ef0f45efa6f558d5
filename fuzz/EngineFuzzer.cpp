// libFuzzer entry: the programming engine on an emulated keyboard.
#include "fuzz/FuzzHarness.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem = vorlan::hardening::RunEngine(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "engine check failed: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
