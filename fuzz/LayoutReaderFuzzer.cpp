// libFuzzer entry: the editor's reader and the rebuild after loading.
#include "fuzz/FuzzHarness.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem = vorlan::hardening::RunLayoutReader(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "layout reader check failed: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
