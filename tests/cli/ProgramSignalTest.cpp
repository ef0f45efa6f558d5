// vorlanctl program stopped by a signal, as a closed terminal, a kill or
// Ctrl-C stop it: the run ends between two bytes, says so, and is logged.
#include "testing/CliRunner.h"
#include "testing/TempFolder.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace vorlan {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const std::string kLayout = std::string(VORLAN_TEST_DATA_DIR) + "/programming/layout57.txt";

// Waits until the run has marked itself beside the log (it is about to
// touch the keyboard), then lets it write a few bytes.
void AwaitWriting(const fs::path& log) {
    const auto until = Clock::now() + std::chrono::seconds(10);
    const std::string prefix = "." + log.filename().string() + ".run-";
    for (bool marked = false; !marked && Clock::now() < until;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        for (const auto& entry : fs::directory_iterator(log.parent_path())) {
            marked = marked || entry.path().filename().string().starts_with(prefix);
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
}

std::size_t LogLineCount(const fs::path& log) {
    const std::string text = test::ReadFileBytes(log);
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

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
    const test::TempFolder temp;
    const fs::path& folder = temp.Path();
    const fs::path log = folder / "runs.log";
    for (const Row& row : rows) {
        const std::string what = std::string(row.name) + " " + row.keyboard;
        const pid_t pid = test::StartVorlanctl(
            {"program", "--emulate", row.keyboard, "--log", log.string(), kLayout}, folder);
        ASSERT_GT(pid, 0);
        AwaitWriting(log);
        const auto signalled = Clock::now();
        ASSERT_EQ(kill(pid, row.signal), 0);
        const test::CliRun run = test::FinishVorlanctl(pid, folder);
        // Far less than the 10 s the hanging request would wait by itself.
        EXPECT_LT(Clock::now() - signalled, std::chrono::seconds(5)) << what;

        // Ended by the signal itself, as a shell expects of a stopped command.
        EXPECT_EQ(run.signal, row.signal) << what << " status " << run.status;
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
}

// A script programming three keyboards stops at Ctrl-C (SIGINT to its process
// group, as a terminal sends it) instead of going on with the next; a run
// killed without its line is logged as interrupted by the next run.
TEST(ProgramSignals, AScriptStopsAtCtrlCAndAKilledRunIsLoggedByTheNext) {
    const test::TempFolder temp;
    const fs::path& folder = temp.Path();
    const std::string log = (folder / "runs.log").string();
    const pid_t shell = fork();
    if (shell == 0) {
        setpgid(0, 0);
        execl("/bin/bash", "bash", "-c",
              "for i in 1 2 3; do \"$0\" program --emulate 1,slow=5 --log \"$1\" \"$2\" "
              ">/dev/null 2>&1; done",
              VORLAN_VORLANCTL, log.c_str(), kLayout.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    ASSERT_GT(shell, 0);
    AwaitWriting(log);
    ASSERT_EQ(kill(-shell, SIGINT), 0);
    int raw = 0;
    ASSERT_EQ(waitpid(shell, &raw, 0), shell);
    EXPECT_TRUE(WIFSIGNALED(raw) && WTERMSIG(raw) == SIGINT) << "the loop went on: " << raw;
    EXPECT_EQ(LogLineCount(log), 1u);
    EXPECT_EQ(LastLogLine(log).back(),
              "cancelled after " + LastLogLine(log)[4] + " bytes (SIGINT)");

    const pid_t killed =
        test::StartVorlanctl({"program", "--emulate", "1,slow=5", "--log", log, kLayout}, folder);
    AwaitWriting(log);
    ASSERT_EQ(kill(killed, SIGKILL), 0);
    test::FinishVorlanctl(killed, folder);
    EXPECT_EQ(LogLineCount(log), 1u) << "a killed run writes nothing itself";
    ASSERT_EQ(
        test::RunVorlanctl({"program", "--emulate", "1", "--log", log, kLayout}, folder).status, 0);
    ASSERT_EQ(LogLineCount(log), 3u);
    const std::vector<std::string> done = LastLogLine(log);
    std::istringstream lines(test::ReadFileBytes(log));
    std::string line;
    for (int i = 0; i < 2; ++i) {
        std::getline(lines, line);
    }
    EXPECT_EQ(line.substr(line.find('\t')),
              "\t" + done[1] + "\t" + done[2] + "\t-\t0\t0\tinterrupted (bytes written not known)");
    EXPECT_EQ(done[6], "done");
}

} // namespace
} // namespace vorlan
