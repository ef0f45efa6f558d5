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

// The record's runs as `vorlanctl log` prints them, one line each.
std::vector<std::string> LogLines(const fs::path& record) {
    const test::TempFolder scratch;
    const test::CliRun run =
        test::RunVorlanctl({"log", "--records", record.string()}, scratch.Path());
    std::vector<std::string> lines;
    std::istringstream in(run.out);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Waits until the run is a row of the record (it is about to touch the
// keyboard), then lets it write a few bytes.
void AwaitWriting(const fs::path& record) {
    const auto until = Clock::now() + std::chrono::seconds(10);
    for (bool running = false; !running && Clock::now() < until;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        for (const std::string& line : LogLines(record)) {
            running = running || line.ends_with("\trunning");
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
}

std::size_t LogLineCount(const fs::path& record) {
    return LogLines(record).size();
}

// The last run of the record, split at its tabs.
std::vector<std::string> LastLogLine(const fs::path& record) {
    const std::vector<std::string> lines = LogLines(record);
    std::vector<std::string> fields;
    std::istringstream cells(lines.empty() ? std::string() : lines.back());
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
    const fs::path log = folder / "records.db";
    for (const Row& row : rows) {
        const std::string what = std::string(row.name) + " " + row.keyboard;
        const pid_t pid = test::StartVorlanctl(
            {"program", "--emulate", row.keyboard, "--records", log.string(), kLayout}, folder);
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
// killed before its end is marked interrupted by the next that opens the record.
TEST(ProgramSignals, AScriptStopsAtCtrlCAndAKilledRunIsLoggedByTheNext) {
    const test::TempFolder temp;
    const fs::path& folder = temp.Path();
    const std::string log = (folder / "records.db").string();
    const pid_t shell = fork();
    if (shell == 0) {
        setpgid(0, 0);
        execl("/bin/bash", "bash", "-c",
              "for i in 1 2 3; do \"$0\" program --emulate 1,slow=5 --records \"$1\" \"$2\" "
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

    const pid_t killed = test::StartVorlanctl(
        {"program", "--emulate", "1,slow=5", "--records", log, kLayout}, folder);
    AwaitWriting(log);
    ASSERT_EQ(kill(killed, SIGKILL), 0);
    test::FinishVorlanctl(killed, folder);
    ASSERT_EQ(
        test::RunVorlanctl({"program", "--emulate", "1", "--records", log, kLayout}, folder).status,
        0);
    ASSERT_EQ(LogLineCount(log), 3u);
    const std::vector<std::string> done = LastLogLine(log);
    const std::string line = LogLines(log)[1];
    EXPECT_EQ(line.substr(line.find('\t')),
              "\t" + done[1] + "\t" + done[2] + "\t-\t0\t0\tinterrupted (bytes written not known)");
    EXPECT_EQ(done[6], "done");
}

// kill -9 at every moment of a run, from before the record is opened to
// after its end: each run is one row at most, none is doubled, none is left
// running once another program has opened the record, and every run that
// had begun writing is there.
TEST(ProgramSignals, AKillAtAnyMomentLeavesEachRunOnceAndSettled) {
    const test::TempFolder temp;
    const fs::path& folder = temp.Path();
    const std::string record = (folder / "records.db").string();
    const int delaysMs[] = {0, 2, 10, 40, 120, 400, 1200, 4000};
    std::size_t surelyBegun = 0;
    std::size_t started = 0;
    for (const int delay : delaysMs) {
        ++started;
        const pid_t pid = test::StartVorlanctl(
            {"program", "--emulate", "1,slow=2", "--records", record, kLayout}, folder);
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        kill(pid, SIGKILL);
        test::FinishVorlanctl(pid, folder);
        surelyBegun += delay >= 400 ? 1 : 0;
        const std::vector<std::string> lines = LogLines(record);
        EXPECT_LE(lines.size(), started) << delay;
        for (const std::string& line : lines) {
            EXPECT_FALSE(line.ends_with("\trunning")) << delay << ": " << line;
            EXPECT_TRUE(line.ends_with("\tinterrupted (bytes written not known)") ||
                        line.ends_with("\tdone"))
                << delay << ": " << line;
        }
    }
    EXPECT_GE(LogLineCount(record), surelyBegun);
    EXPECT_EQ(LogLines(record), LogLines(record)) << "reading settles nothing twice";
}

// Writers at once on one record: every run is recorded, and the keyboards of
// one order get places no two share.
TEST(ProgramSignals, ConcurrentRunsOfOneOrderGetTheirOwnPlaces) {
    const test::TempFolder temp;
    const fs::path& folder = temp.Path();
    const std::string record = (folder / "records.db").string();
    std::vector<pid_t> runs;
    for (int i = 0; i < 4; ++i) {
        const fs::path own = folder / std::to_string(i);
        fs::create_directories(own);
        runs.push_back(test::StartVorlanctl(
            {"program", "--emulate", "1,slow=1", "--records", record, "--order", "PO 5", kLayout},
            own));
    }
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(test::FinishVorlanctl(runs[i], folder / std::to_string(i)).status, 0);
    }
    std::vector<std::string> places;
    for (const std::string& line : LogLines(record)) {
        places.push_back(line.substr(line.rfind('\t') + 1));
    }
    std::sort(places.begin(), places.end());
    EXPECT_EQ(places, (std::vector<std::string>{"PO 5 1", "PO 5 2", "PO 5 3", "PO 5 4"}));
}

} // namespace
} // namespace vorlan
