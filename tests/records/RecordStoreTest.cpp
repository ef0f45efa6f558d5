#include "records/RecordCopy.h"
#include "records/RecordPolicy.h"
#include "records/SqliteRecordStore.h"
#include "testing/PostgresServer.h"
#include "testing/TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <numeric>
#include <sqlite3.h>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace vorlan {
namespace {

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

RunRecord NewRun(const std::string& order, const ProcessIdentity& process = CurrentProcess()) {
    RunRecord run;
    run.process = process;
    run.user = "tester";
    run.started = "2026-12-09 10:00:00";
    run.layoutGiven = "a.vkl";
    run.layoutResolved = "/tmp/a.vkl";
    run.imageSha256 = std::string(64, 'a');
    run.bytesPlanned = 40;
    run.order = order;
    return run;
}

void Finish(RecordStore& store, RunRecord& run, const std::string& result,
            KeyTestOutcome test = KeyTestOutcome::Passed) {
    run.state = RunState::Finished;
    run.result = result;
    run.bytesWritten = result == "done" ? run.bytesPlanned : 3;
    run.keyTest = test;
    run.outcome = OutcomeOfRun(run);
    ASSERT_TRUE(store.UpdateRun(run).Ok());
}

#ifdef _WIN32
// A copy of this test program that runs no test, started suspended: alive
// until it is ended.
PROCESS_INFORMATION StartSelf(DWORD flags) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(self) + L"\" --gtest_filter=-*";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(self, command.data(), nullptr, nullptr, FALSE, flags, nullptr, nullptr,
                        &startup, &process)) {
        ADD_FAILURE() << "cannot start the test program again: " << GetLastError();
    }
    return process;
}

// A process that has ended and whose handles are closed.
ProcessIdentity DeadProcess() {
    const PROCESS_INFORMATION child = StartSelf(0);
    WaitForSingleObject(child.hProcess, INFINITE);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);
    return {HostName(), static_cast<std::int64_t>(child.dwProcessId), 1};
}

// Another process that lives while the test runs.
class OtherLiveProcess {
public:
    OtherLiveProcess() : process_(StartSelf(CREATE_SUSPENDED)) {}
    ~OtherLiveProcess() {
        TerminateProcess(process_.hProcess, 0);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    OtherLiveProcess(const OtherLiveProcess&) = delete;
    OtherLiveProcess& operator=(const OtherLiveProcess&) = delete;
    std::int64_t Pid() const { return static_cast<std::int64_t>(process_.dwProcessId); }

private:
    PROCESS_INFORMATION process_;
};
#else
// A process that has ended: a child reaped at once.
ProcessIdentity DeadProcess() {
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return {HostName(), child, 1};
}

// Another process that lives while the test runs: the test's parent.
class OtherLiveProcess {
public:
    std::int64_t Pid() const { return getppid(); }
};
#endif

// The contract every backend keeps, run on each: an SQLite file, and a
// database on the test's own PostgreSQL server.
class RecordStoreTest : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        if (GetParam() == "postgresql") {
            test::PostgresServer& server = test::PostgresServer::Shared();
            if (!server.Running()) {
                GTEST_SKIP() << "no PostgreSQL server for the test: " << server.Why();
            }
            location_ = server.NewDatabase();
            ASSERT_FALSE(location_.empty());
        }
        store_ = OpenRecordStore(location_, opened_);
        ASSERT_TRUE(opened_.Ok()) << opened_.English();
    }
    // Another process's view of the same record.
    std::unique_ptr<RecordStore> Reopen() const {
        RecordResult again;
        std::unique_ptr<RecordStore> store = OpenRecordStore(location_, again);
        EXPECT_TRUE(again.Ok()) << again.English();
        return store;
    }
    test::TempFolder folder_;
    std::string path_ = folder_.File("records.db");
    std::string location_ = path_;
    RecordResult opened_;
    std::unique_ptr<RecordStore> store_;
};

INSTANTIATE_TEST_SUITE_P(Backends, RecordStoreTest, ::testing::Values("sqlite", "postgresql"),
                         [](const auto& backend) { return backend.param; });

TEST_P(RecordStoreTest, ANewRecordIsMarkedOursAndReopens) {
    if (GetParam() == "sqlite") {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path_.c_str(), &db), SQLITE_OK);
        const auto pragma = [db](const char* sql) {
            sqlite3_stmt* s = nullptr;
            sqlite3_prepare_v2(db, sql, -1, &s, nullptr);
            sqlite3_step(s);
            std::string value = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
            sqlite3_finalize(s);
            return value;
        };
        EXPECT_EQ(pragma("PRAGMA application_id"), std::to_string(kSqliteApplicationId));
        EXPECT_EQ(pragma("PRAGMA user_version"), std::to_string(kSqliteSchemaVersion));
        EXPECT_EQ(pragma("PRAGMA journal_mode"), "wal");
        sqlite3_close(db);
    }
    RunRecord run = NewRun("");
    ASSERT_TRUE(store_->BeginRun(run).Ok());
    store_.reset();
    auto reopened = Reopen();
    ASSERT_NE(reopened, nullptr);
    std::vector<RunRecord> runs;
    ASSERT_TRUE(reopened
                    ->ReadRuns({},
                               [&](const RunRecord& r) {
                                   runs.push_back(r);
                                   return true;
                               })
                    .Ok());
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].state, RunState::Running);
    EXPECT_EQ(runs[0].layoutResolved, "/tmp/a.vkl");
    EXPECT_EQ(runs[0].process, CurrentProcess());
}

// Files that are not this program's record are refused by name and left byte for byte.
TEST(RecordFileTest, AFileThatIsNotOurRecordIsRefusedAndLeftAlone) {
    test::TempFolder folder;
    const std::string other = folder.File("other.db");
    {
        sqlite3* db = nullptr;
        sqlite3_open(other.c_str(), &db);
        sqlite3_exec(db, "CREATE TABLE t(x); INSERT INTO t VALUES(1)", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    const std::string newer = folder.File("newer.db");
    {
        sqlite3* db = nullptr;
        sqlite3_open(newer.c_str(), &db);
        sqlite3_exec(db,
                     ("PRAGMA application_id=" + std::to_string(kSqliteApplicationId) +
                      "; PRAGMA user_version=99; CREATE TABLE runs(x)")
                         .c_str(),
                     nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    std::string damaged = std::string("SQLite format 3") + '\0' + std::string(4000, '\x5a');
    struct Case {
        std::string path;
        RecordFailure failure;
    } cases[] = {
        {folder.Write("notes.txt", "order 1\tpassed\n"), RecordFailure::Foreign},
        {folder.Write("short.db", "SQLite"), RecordFailure::Foreign},
        {folder.Write("damaged.db", damaged), RecordFailure::Damaged},
        {other, RecordFailure::Foreign},
        {newer, RecordFailure::Newer},
    };
    for (const Case& c : cases) {
        const std::string before = Bytes(c.path);
        RecordResult result;
        EXPECT_EQ(SqliteRecordStore::Open(c.path, result), nullptr) << c.path;
        EXPECT_EQ(result.failure, c.failure) << c.path << ": " << result.English();
        EXPECT_NE(result.English().find(c.path), std::string::npos) << result.English();
        EXPECT_TRUE(Bytes(c.path) == before) << c.path;
        EXPECT_FALSE(std::filesystem::exists(c.path + "-wal")) << c.path;
    }
}

#ifndef _WIN32
// Links are refused where users can make them; on Windows making one takes
// a privilege a user does not have.
TEST(RecordFileTest, ARecordOrJournalReachedThroughALinkIsRefused) {
    test::TempFolder folder;
    const std::string secret = folder.Write("secret", "root only");
    std::filesystem::create_symlink(secret, folder.File("linked.db"));
    RecordResult result;
    EXPECT_EQ(SqliteRecordStore::Open(folder.File("linked.db"), result), nullptr);
    EXPECT_EQ(result.failure, RecordFailure::Link);
    // A journal planted beside a record not yet made.
    std::filesystem::create_symlink(secret, folder.File("fresh.db-wal"));
    EXPECT_EQ(SqliteRecordStore::Open(folder.File("fresh.db"), result), nullptr);
    EXPECT_EQ(result.failure, RecordFailure::Link);
    EXPECT_EQ(Bytes(secret), "root only");
}
#endif

TEST_P(RecordStoreTest, PlacesAreNeverSharedByKeyboardsInProgressOrPassed) {
    RunRecord a = NewRun("PO 7");
    RunRecord b = NewRun("PO 7");
    RunRecord other = NewRun("PO 8");
    ASSERT_TRUE(store_->BeginRun(a).Ok()) << store_->BeginRun(a).English();
    ASSERT_TRUE(store_->BeginRun(b).Ok());
    ASSERT_TRUE(store_->BeginRun(other).Ok());
    EXPECT_EQ(a.place, 1);
    EXPECT_EQ(b.place, 2);
    EXPECT_EQ(other.place, 1);
    Finish(*store_, a, "cannot open the port"); // failed: place 1 is free again
    Finish(*store_, b, "done");
    RunRecord c = NewRun("PO 7");
    ASSERT_TRUE(store_->BeginRun(c).Ok());
    EXPECT_EQ(c.place, 1);
    Finish(*store_, c, "done", KeyTestOutcome::Failed);
    RunRecord d = NewRun("PO 7");
    ASSERT_TRUE(store_->BeginRun(d).Ok());
    EXPECT_EQ(d.place, 1);
    Finish(*store_, d, "done");
    RunRecord e = NewRun("PO 7");
    ASSERT_TRUE(store_->BeginRun(e).Ok());
    EXPECT_EQ(e.place, 3);
    OrderCounts counts;
    ASSERT_TRUE(store_->CountOrder("PO 7", counts).Ok());
    EXPECT_EQ(counts, (OrderCounts{2, 2, 0, 1}));
    // A run's end is recorded once: a second update of a finished run is refused.
    EXPECT_EQ(store_->UpdateRun(d).failure, RecordFailure::NotFound);
    std::string last;
    ASSERT_TRUE(store_->LastOrder(last).Ok());
    EXPECT_EQ(last, "PO 7");
    std::vector<std::string> recent;
    ASSERT_TRUE(store_->RecentOrders(10, recent).Ok());
    EXPECT_EQ(recent, (std::vector<std::string>{"PO 7", "PO 8"}));
    ASSERT_TRUE(store_->RecentOrders(1, recent).Ok());
    EXPECT_EQ(recent, std::vector<std::string>{"PO 7"});
}

TEST_P(RecordStoreTest, RunsOfDeadProcessesAreSettledAndLiveOnesLeft) {
    const ProcessIdentity dead = DeadProcess();
    RunRecord running = NewRun("PO 1", dead);
    RunRecord programmed = NewRun("PO 1", dead);
    RunRecord mine = NewRun("PO 1");
    RunRecord elsewhere = NewRun("", {"another-host", dead.pid, 1});
    for (RunRecord* run : {&running, &programmed, &mine, &elsewhere}) {
        ASSERT_TRUE(store_->BeginRun(*run).Ok());
    }
    programmed.state = RunState::Programmed;
    programmed.result = "done";
    programmed.bytesWritten = 40;
    ASSERT_TRUE(store_->UpdateRun(programmed).Ok());
    int settled = 0;
    ASSERT_TRUE(SettleDeadRuns(*store_, &settled).Ok());
    EXPECT_EQ(settled, 2);
    std::vector<RunRecord> runs;
    ASSERT_TRUE(store_
                    ->ReadRuns({},
                               [&](const RunRecord& r) {
                                   runs.push_back(r);
                                   return true;
                               })
                    .Ok());
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0].state, RunState::Interrupted);
    EXPECT_EQ(runs[0].result, kInterruptedResult);
    EXPECT_EQ(runs[0].outcome, BatchOutcome::Failed);
    EXPECT_EQ(runs[1].state, RunState::Finished);
    EXPECT_EQ(runs[1].bytesWritten, 40);
    EXPECT_EQ(runs[1].outcome, BatchOutcome::Failed);
    EXPECT_EQ(runs[2].state, RunState::Running);
    EXPECT_EQ(runs[3].state, RunState::Running); // another host's: not ours to judge
    ASSERT_TRUE(SettleDeadRuns(*store_, &settled).Ok());
    EXPECT_EQ(settled, 0);
}

TEST_P(RecordStoreTest, ABatchHasOneLiveOwner) {
    const ProcessIdentity me = CurrentProcess();
    const OtherLiveProcess other;
    const ProcessIdentity parent{HostName(), other.Pid(), 0};
    BatchRecord batch;
    batch.order = "PO 9";
    batch.count = 3;
    batch.owner = parent;
    batch.ownerSeenUtcMs = NowUtcMs();
    ASSERT_TRUE(store_->CreateBatch(batch).Ok());
    BatchRecord twin = batch;
    EXPECT_EQ(store_->CreateBatch(twin).failure, RecordFailure::Exists);
    const RecordResult held = TakeBatch(*store_, batch.id, me);
    EXPECT_EQ(held.failure, RecordFailure::Held);
    EXPECT_NE(held.English().find("process " + std::to_string(other.Pid())), std::string::npos);
    EXPECT_EQ(store_->TouchBatch(batch.id, me, NowUtcMs()).failure, RecordFailure::Held);
    // The owner's process is gone: the batch is taken over, once.
    ASSERT_TRUE(store_->ClaimBatch(batch.id, DeadProcess(), parent, NowUtcMs()).Ok());
    ASSERT_TRUE(TakeBatch(*store_, batch.id, me).Ok());
    EXPECT_EQ(store_->ClaimBatch(batch.id, parent, {}, NowUtcMs()).failure, RecordFailure::Held);
    RunRecord run = NewRun("PO 9");
    ASSERT_TRUE(store_->BeginRun(run).Ok());
    EXPECT_EQ(run.batchId, batch.id);
    EXPECT_EQ(run.count, 3);
    ASSERT_TRUE(store_->CloseBatch(batch.id, me, BatchState::Ended).Ok());
    std::vector<BatchRecord> open;
    ASSERT_TRUE(store_->OpenBatches("", open).Ok());
    EXPECT_TRUE(open.empty());
    OrderCounts counts;
    ASSERT_TRUE(store_->CountOrder("PO 9", counts).Ok());
    EXPECT_EQ(counts.inProgress, 1); // ending the batch kept its keyboard
    BatchRecord next = batch;
    EXPECT_TRUE(store_->CreateBatch(next).Ok()); // the order may be opened again
}

TEST_P(RecordStoreTest, ImportingTheSameRunsTwiceAddsThemOnce) {
    std::vector<RunRecord> runs{NewRun("PO 1"), NewRun("PO 1"), NewRun("")};
    for (std::size_t i = 0; i < runs.size(); ++i) {
        runs[i].state = RunState::Finished;
        runs[i].importKey = "line " + std::to_string(i);
    }
    int added = 0;
    ASSERT_TRUE(store_->ImportRuns(runs, added).Ok());
    EXPECT_EQ(added, 3);
    runs.push_back(NewRun(""));
    runs.back().importKey = "line 3";
    ASSERT_TRUE(store_->ImportRuns(runs, added).Ok());
    EXPECT_EQ(added, 1);
    // What the record notes of itself (the old log imported) is kept, last value only.
    std::string note;
    ASSERT_TRUE(store_->ReadNote("imported", note).Ok());
    EXPECT_EQ(note, "");
    ASSERT_TRUE(store_->WriteNote("imported", "programming.log").Ok());
    ASSERT_TRUE(store_->WriteNote("imported", "programming.log 2").Ok());
    ASSERT_TRUE(Reopen()->ReadNote("imported", note).Ok());
    EXPECT_EQ(note, "programming.log 2");
}

// A station's history joins another record: finished runs once, however
// often it is copied; a run still in progress waits for a later copy.
TEST_P(RecordStoreTest, CopyingAStationsHistoryAddsEachFinishedRunOnce) {
    RecordResult opened;
    auto station = SqliteRecordStore::Open(folder_.File("station.db"), opened);
    ASSERT_NE(station, nullptr) << opened.English();
    BatchRecord batch;
    batch.order = "PO 3";
    batch.count = 3;
    ASSERT_TRUE(station->CreateBatch(batch).Ok());
    std::vector<RunRecord> runs{NewRun("PO 3"), NewRun("PO 3"), NewRun(""), NewRun("PO 3")};
    for (RunRecord& run : runs) {
        ASSERT_TRUE(station->BeginRun(run).Ok());
    }
    Finish(*station, runs[0], "done");
    Finish(*station, runs[1], "cannot open the port");
    Finish(*station, runs[2], "done");
    CopyCounts counts;
    ASSERT_TRUE(CopyRuns(*station, *store_, counts).Ok());
    EXPECT_EQ(counts.read, 3);
    EXPECT_EQ(counts.added, 3);
    EXPECT_EQ(counts.inProgress, 1);
    Finish(*station, runs[3], "done");
    ASSERT_TRUE(CopyRuns(*station, *store_, counts).Ok());
    EXPECT_EQ(counts.added, 1);
    ASSERT_TRUE(CopyRuns(*station, *store_, counts).Ok());
    EXPECT_EQ(counts.added, 0);
    std::vector<RunRecord> copied;
    ASSERT_TRUE(store_
                    ->ReadRuns({},
                               [&](const RunRecord& r) {
                                   copied.push_back(r);
                                   return true;
                               })
                    .Ok());
    ASSERT_EQ(copied.size(), 4u);
    EXPECT_EQ(copied[0].place, runs[0].place);
    EXPECT_EQ(copied[0].order, "PO 3");
    EXPECT_EQ(copied[0].batchId, 0);
    EXPECT_EQ(copied[1].result, "cannot open the port");
    EXPECT_EQ(copied[3].outcome, BatchOutcome::Passed);
    EXPECT_EQ(copied[3].imageSha256, runs[3].imageSha256);
    EXPECT_FALSE(CopyRuns(*store_, *store_, counts).Ok());
    // Copied back, the station's own runs are known; the target's own is new,
    // and going out again it is known there too.
    RunRecord own = NewRun("");
    ASSERT_TRUE(store_->BeginRun(own).Ok());
    Finish(*store_, own, "done");
    ASSERT_TRUE(CopyRuns(*store_, *station, counts).Ok());
    EXPECT_EQ(counts.added, 1);
    EXPECT_EQ(counts.known, 4);
    ASSERT_TRUE(CopyRuns(*station, *store_, counts).Ok());
    EXPECT_EQ(counts.added, 0);
    EXPECT_EQ(counts.known, 5);
    // The station's file under another name is the same record: nothing doubles.
    std::error_code error;
    std::filesystem::create_directories(folder_.File("again"), error);
    auto same = SqliteRecordStore::Open(folder_.File("again/../station.db"), opened);
    ASSERT_NE(same, nullptr) << opened.English();
    ASSERT_TRUE(CopyRuns(*same, *station, counts).Ok());
    EXPECT_EQ(counts.added, 0);
}

#ifndef _WIN32 // the stations are forked
// Three stations at once on one batch: every place once, none past the number.
TEST_P(RecordStoreTest, ThreeProcessesFillOneBatchEachPlaceOnceAndNoMore) {
    constexpr int kKeyboards = 30;
    BatchRecord batch;
    batch.order = "PO 30";
    batch.count = kKeyboards;
    batch.owner = CurrentProcess();
    batch.ownerSeenUtcMs = NowUtcMs();
    ASSERT_TRUE(store_->CreateBatch(batch).Ok());
    // The stations begin together: each waits until the start is closed.
    int start[2];
    ASSERT_EQ(pipe(start), 0);
    std::vector<pid_t> stations;
    for (int i = 0; i < 3; ++i) {
        const pid_t child = fork();
        if (child == 0) {
            close(start[1]);
            char ignored;
            (void)!read(start[0], &ignored, 1);
            // Its own connection; _exit leaves the parent's untouched.
            RecordResult opened;
            std::unique_ptr<RecordStore> store = OpenRecordStore(location_, opened);
            int code = store ? 0 : 1;
            while (code == 0) {
                RunRecord run = NewRun(batch.order);
                const RecordResult begun = store->BeginRun(run);
                if (begun.failure == RecordFailure::Full) {
                    break;
                }
                run.state = RunState::Finished;
                run.result = "done";
                run.bytesWritten = run.bytesPlanned;
                run.keyTest = KeyTestOutcome::Passed;
                run.outcome = BatchOutcome::Passed;
                code = !begun.Ok() ? 2 : !store->UpdateRun(run).Ok() ? 3 : 0;
            }
            store.reset();
            _exit(code);
        }
        stations.push_back(child);
    }
    close(start[0]);
    close(start[1]);
    for (const pid_t station : stations) {
        int status = -1;
        waitpid(station, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    std::vector<int> places;
    ASSERT_TRUE(store_
                    ->ReadRuns({false, batch.order},
                               [&](const RunRecord& r) {
                                   places.push_back(r.place);
                                   EXPECT_EQ(r.batchId, batch.id);
                                   EXPECT_EQ(r.outcome, BatchOutcome::Passed);
                                   return true;
                               })
                    .Ok());
    std::sort(places.begin(), places.end());
    std::vector<int> expected(kKeyboards);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(places, expected);
    RunRecord extra = NewRun(batch.order);
    const RecordResult full = store_->BeginRun(extra);
    EXPECT_EQ(full.failure, RecordFailure::Full);
    EXPECT_NE(full.English().find("PO 30"), std::string::npos) << full.English();
}
#endif

TEST(OrderReferenceTest, ControlCharactersBadUtf8AndLongOrEmptyReferencesAreRefused) {
    const struct {
        std::string order;
        bool ok;
    } cases[] = {
        {"PO 4711", true},
        {"Auftrag Müller/5", true},
        {"ＰＯ－１", true},
        {"", false},
        {"   ", false},
        {"PO\t1", false},
        {"PO\x1b[2J", false},
        {"PO \xc2\x9b", false},     // C1 control
        {"PO \xc3", false},         // cut sequence
        {"PO \xc0\xaf", false},     // overlong
        {"PO \xed\xa0\x80", false}, // surrogate
        {std::string(kMaxOrderBytes, 'x'), true},
        {std::string(kMaxOrderBytes + 1, 'x'), false},
    };
    for (const auto& c : cases) {
        const RecordResult result = CheckOrder(c.order);
        EXPECT_EQ(result.Ok(), c.ok) << c.order;
        if (!c.ok) {
            EXPECT_EQ(result.failure, RecordFailure::BadOrder);
            EXPECT_FALSE(result.English().empty());
        }
    }
}

} // namespace
} // namespace vorlan
