// vorlanctl program stopped by a signal, as a closed terminal, a kill or
// Ctrl-C stop it: the run ends between two bytes, says so, and is logged.
#include "cli/CliRunner.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace vorlan {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const std::string kLayout = std::string(VORLAN_TEST_DATA_DIR) + "/programming/layout57.txt";

// The last line of the log, split at its tabs.
std::vector<std::string> LastLogLine(const fs::path& log) {
    std::istringstream lines(test::ReadFileBytes(log));
    std::string last;
    for (std::string line; std::getline(lines, line);) {
        last = line;
    }
    std::vector<std::string> fields;
    std::istringstream cells(last);
    for (std::string cell; std::getline(cells, cell, '\t');) {
        fields.push_back(cell);
    }
    return fields;
}

TEST(ProgramSignals, EachStopSignalEndsTheRunWithAMessageAndALogLine) {
    struct Row {
        int signal;
        const char* name;
        const char* keyboard; // a slow write, or a request that hangs for 10 s
    };
    const std::vector<Row> rows = {
        {SIGINT, "SIGINT", "1,slow=20"},
        {SIGTERM, "SIGTERM", "1,slow=20"},
        {SIGHUP, "SIGHUP", "1,slow=20"},
        {SIGINT, "SIGINT", "1,hang-at=10,timeout=10000"},
        {SIGTERM, "SIGTERM", "1,hang-at=10,timeout=10000"},
        {SIGHUP, "SIGHUP", "1,hang-at=10,timeout=10000"},
    };
    const fs::path folder =
        fs::temp_directory_path() / ("vorlan-signals-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    const fs::path log = folder / "runs.log";
    for (const Row& row : rows) {
        const std::string what = std::string(row.name) + " " + row.keyboard;
        const pid_t pid = test::StartVorlanctl(
            {"program", "--emulate", row.keyboard, "--log", log.string(), kLayout}, folder);
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        const auto signalled = Clock::now();
        ASSERT_EQ(kill(pid, row.signal), 0);
        const test::CliRun run = test::FinishVorlanctl(pid, folder);
        // Far less than the 10 s the hanging request would wait by itself.
        EXPECT_LT(Clock::now() - signalled, std::chrono::seconds(5)) << what;

        EXPECT_EQ(run.status, 1) << what;
        EXPECT_NE(run.err.find("Programming was stopped"), std::string::npos) << what << run.err;
        EXPECT_NE(run.err.find("Stopped by " + std::string(row.name) + "."), std::string::npos)
            << what << run.err;
        EXPECT_NE(run.err.find(" of 1014 bytes reached the keyboard."), std::string::npos)
            << what << run.err;
        const std::vector<std::string> fields = LastLogLine(log);
        ASSERT_EQ(fields.size(), 7u) << what;
        const int bytes = std::stoi(fields[4]);
        EXPECT_GT(bytes, 0) << what;
        EXPECT_LT(bytes, 1014) << what;
        EXPECT_EQ(fields[6], "cancelled after " + fields[4] + " bytes (" + row.name + ")") << what;
    }
    fs::remove_all(folder);
}

} // namespace
} // namespace vorlan
