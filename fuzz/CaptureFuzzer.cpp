// libFuzzer entry: the capture logic fed random key events.
#include "fuzz/FuzzHarness.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem = vorlan::hardening::RunCapture(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "capture check failed: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
