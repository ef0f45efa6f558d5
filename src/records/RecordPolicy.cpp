#include "records/RecordPolicy.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#include <pwd.h>
#include <sys/types.h>
#include <unistd.h>
#endif

namespace vorlan {
namespace {

#ifdef __linux__
// The process's start in clock ticks after boot (field 22 of its stat), so
// a process id the kernel handed out again is not the run's process.
std::int64_t LinuxStartOf(std::int64_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
    std::string stat;
    if (!std::getline(in, stat)) {
        return 0;
    }
    // The name in parentheses may hold blanks and parentheses: count after the last one.
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos) {
        return 0;
    }
    std::istringstream fields(stat.substr(close + 1));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i) {
        if (i == 22) {
            return std::strtoll(field.c_str(), nullptr, 10);
        }
    }
    return 0;
}
#endif

#ifdef _WIN32
std::int64_t WindowsStartOf(HANDLE process) {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) {
        return 0;
    }
    return (static_cast<std::int64_t>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}
#endif

#ifndef _WIN32
// Windows asks the process's handle instead (WindowsStartOf), which it holds
// open while it checks, so the id cannot be handed out again meanwhile.
std::int64_t StartOf(std::int64_t pid) {
#ifdef __linux__
    return LinuxStartOf(pid);
#else
    (void)pid;
    return 0;
#endif
}
#endif

bool ValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t more = 0;
        unsigned code = b;
        if (b >= 0x80) {
            if ((b & 0xE0) == 0xC0) {
                more = 1;
            } else if ((b & 0xF0) == 0xE0) {
                more = 2;
            } else if ((b & 0xF8) == 0xF0) {
                more = 3;
            } else {
                return false;
            }
            code = b & (0x3Fu >> more);
        }
        if (more > 0 && i + more >= text.size()) {
            return false;
        }
        for (std::size_t k = 1; k <= more; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            if ((c & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (c & 0x3Fu);
        }
        // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
        constexpr unsigned kLeast[] = {0, 0x80, 0x800, 0x10000};
        if (code < kLeast[more] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
            return false;
        }
        i += more + 1;
    }
    return true;
}

// Whether the UTF-8 text holds a C0 or C1 control character or DEL.
bool HasControl(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x20 || b == 0x7F) {
            return true;
        }
        if (b == 0xC2 && i + 1 < text.size()) {
            const auto c = static_cast<unsigned char>(text[i + 1]);
            if (c >= 0x80 && c <= 0x9F) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

ProcessIdentity CurrentProcess() {
#ifdef _WIN32
    const auto pid = static_cast<std::int64_t>(GetCurrentProcessId());
    return {HostName(), pid, WindowsStartOf(GetCurrentProcess())};
#else
    const auto pid = static_cast<std::int64_t>(getpid());
    return {HostName(), pid, StartOf(pid)};
#endif
}

bool ProcessAlive(const ProcessIdentity& id) {
    if (id.host != HostName() || id.pid <= 0) {
        return false;
    }
#ifdef _WIN32
    HANDLE process =
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(id.pid));
    if (process == nullptr) {
        return false;
    }
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    const std::int64_t start = WindowsStartOf(process);
    CloseHandle(process);
    return running && (id.start == 0 || start == id.start);
#else
    // EPERM: alive, only another user's.
    if (kill(static_cast<pid_t>(id.pid), 0) != 0 && errno != EPERM) {
        return false;
    }
    return id.start == 0 || StartOf(id.pid) == 0 || StartOf(id.pid) == id.start;
#endif
}

std::string HostName() {
#ifdef _WIN32
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof name;
    return GetComputerNameA(name, &size) ? std::string(name, size) : std::string();
#else
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) {
        return {};
    }
    return name;
#endif
}

std::string UserName() {
#ifdef _WIN32
    char name[256] = {};
    DWORD size = sizeof name;
    return GetUserNameA(name, &size) && size > 0 ? std::string(name, size - 1) : std::string();
#else
    // The account, not $USER, which anyone can set.
    if (const passwd* entry = getpwuid(geteuid()); entry != nullptr && entry->pw_name != nullptr) {
        return entry->pw_name;
    }
    return std::to_string(geteuid());
#endif
}

std::int64_t NowUtcMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

BatchOutcome OutcomeOfRun(const RunRecord& run) {
    if (run.setAside) {
        return BatchOutcome::SetAside;
    }
    return run.state == RunState::Finished && run.result == "done" &&
                   run.keyTest != KeyTestOutcome::Failed
               ? BatchOutcome::Passed
               : BatchOutcome::Failed;
}

RecordResult SettleDeadRuns(RecordStore& store, int* settled) {
    std::vector<RunRecord> runs;
    RecordResult result = store.RunsInProgress(HostName(), runs);
    int count = 0;
    for (RunRecord& run : runs) {
        if (!result.Ok()) {
            break;
        }
        if (ProcessAlive(run.process)) {
            continue;
        }
        if (run.state == RunState::Running) {
            run.state = RunState::Interrupted;
            run.result = std::string(kInterruptedResult);
            run.bytesWritten = 0;
        } else {
            // Its bytes are known; the verdict never came, so it did not pass.
            run.state = RunState::Finished;
            run.keyTest = KeyTestOutcome::NotRun;
        }
        run.outcome = run.order.empty() ? std::nullopt : std::optional(BatchOutcome::Failed);
        result = store.UpdateRun(run);
        // Settled by another process meanwhile: not this one's to count.
        if (result.failure == RecordFailure::NotFound) {
            result = {};
            continue;
        }
        count += result.Ok() ? 1 : 0;
    }
    if (settled != nullptr) {
        *settled = count;
    }
    return result;
}

RecordResult TakeBatch(RecordStore& store, std::int64_t batchId, const ProcessIdentity& me) {
    BatchRecord batch;
    if (RecordResult read = store.ReadBatch(batchId, batch); !read.Ok()) {
        return read;
    }
    const ProcessIdentity& holder = batch.owner;
    const bool free = holder.host.empty() || holder == me;
    const bool gone = holder.host == me.host ? !ProcessAlive(holder)
                                             : NowUtcMs() - batch.ownerSeenUtcMs > kOwnerStaleMs;
    if (!free && !gone) {
        return {RecordFailure::Held, store.Name(),
                holder.host + ", process " + std::to_string(holder.pid)};
    }
    return store.ClaimBatch(batchId, me, holder, NowUtcMs());
}

RecordResult ReleaseBatch(RecordStore& store, std::int64_t batchId, const ProcessIdentity& me) {
    return store.ClaimBatch(batchId, {}, me, 0);
}

RecordResult CheckOrder(std::string_view order) {
    const auto bad = [](std::string why) {
        return RecordResult{RecordFailure::BadOrder, {}, std::move(why)};
    };
    if (order.find_first_not_of(' ') == std::string_view::npos) {
        return bad("empty");
    }
    if (order.size() > kMaxOrderBytes) {
        return bad("long");
    }
    if (!ValidUtf8(order)) {
        return bad("utf8");
    }
    if (HasControl(order)) {
        return bad("control");
    }
    return {};
}

} // namespace vorlan
