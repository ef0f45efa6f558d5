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
    const char* alsoReads = nullptr; // another target's seeds that fit this one
};

void PrintTo(const Target& target, std::ostream* out) {
    *out << target.name;
}

const Target kTargets[] = {
    {"layout_reader", RunLayoutReader},
    {"capture", RunCapture},
    {"image_builder", RunImageBuilder, "layout_reader"},
    {"engine", RunEngine},
};

std::vector<std::filesystem::path> InputsOf(const Target& target) {
    std::vector<std::filesystem::path> files;
    auto addAll = [&files](const std::filesystem::path& dir) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
            if (entry.is_regular_file()) {
                files.push_back(entry.path());
            }
        }
    };
    const std::filesystem::path root(VORLAN_FUZZ_DIR);
    addAll(root / "seeds" / target.name);
    addAll(root / "regressions" / target.name);
    if (target.alsoReads != nullptr) {
        addAll(root / "seeds" / target.alsoReads);
    }
    return files;
}

class FuzzCorpus : public testing::TestWithParam<Target> {};

TEST_P(FuzzCorpus, EveryKeptInputPassesTheChecks) {
    const Target& target = GetParam();
    const std::vector<std::filesystem::path> files = InputsOf(target);
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
                         [](const testing::TestParamInfo<Target>& test) {
                             return std::string(test.param.name);
                         });

} // namespace
} // namespace vorlan::hardening
