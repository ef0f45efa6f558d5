// Every hand-made seed and every input an earlier fuzzing run found is run
// through the fuzz target's checks, so a finding stays fixed without clang.
#include "fuzz/FuzzHarness.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace vorlan::hardening {
namespace {

using Harness = std::string (*)(const std::uint8_t*, std::size_t);

struct Target {
    const char* name;
    Harness run;
};

void PrintTo(const Target& target, std::ostream* out) {
    *out << target.name;
}

const Target kTargets[] = {
    {"layout_reader", RunLayoutReader},
    {"capture", RunCapture},
};

std::vector<std::filesystem::path> InputsOf(const std::string& target) {
    std::vector<std::filesystem::path> files;
    for (const char* kind : {"seeds", "regressions"}) {
        const std::filesystem::path dir = std::filesystem::path(VORLAN_FUZZ_DIR) / kind / target;
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
    }
    return files;
}

class FuzzCorpus : public testing::TestWithParam<Target> {};

TEST_P(FuzzCorpus, EveryKeptInputPassesTheChecks) {
    const Target& target = GetParam();
    const std::vector<std::filesystem::path> files = InputsOf(target.name);
    ASSERT_FALSE(files.empty()) << "no seeds for " << target.name;
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        ASSERT_TRUE(in) << file;
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
        EXPECT_EQ(target.run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), "")
            << file.filename();
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, FuzzCorpus, testing::ValuesIn(kTargets),
                         [](const testing::TestParamInfo<Target>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace vorlan::hardening
