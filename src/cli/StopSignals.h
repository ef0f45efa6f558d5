// How vorlanctl program is stopped: Ctrl-C (SIGINT), a kill (SIGTERM) and a
// closed terminal (SIGHUP) only raise a flag; the run stops between two bytes
// (a thread gives up a request that waits on the keyboard), is logged, and
// then ends by the same signal, so a calling shell sees what ended it.
#pragma once

#include "programming/KeyboardDriver.h"

#include <atomic>
#include <condition_variable>
#include <csignal>
#include <mutex>
#include <string>
#include <thread>

#ifndef _WIN32
#include <array>
#endif

namespace vorlan::cli {

// Set by the handlers; the signal that set it, 0 for none.
extern std::atomic<bool> stopRequested;
extern std::atomic<int> stopSignal;

// "SIGINT", "SIGTERM", "SIGHUP".
std::string SignalName(int signal);

// The handlers while it lives; a closed pipe on standard error is ignored,
// so it cannot end the run before its log line. Without SA_RESTART a request
// blocked in the driver returns early instead of being resumed.
class StopSignals {
public:
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

private:
#ifdef _WIN32
    void (*previousInt_)(int) = nullptr;
    void (*previousTerm_)(int) = nullptr;
#else
    std::array<struct sigaction, 3> previous_{};
    struct sigaction previousPipe_ {};
#endif
};

// A request that waits on the keyboard cannot see the stop flag; this thread
// does, and gives the request up through the driver (which a signal handler
// must not call: it takes locks).
class StopWatcher {
public:
    explicit StopWatcher(KeyboardDriver& driver);
    ~StopWatcher();
    StopWatcher(const StopWatcher&) = delete;
    StopWatcher& operator=(const StopWatcher&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::thread thread_;
};

// After the run's cleanup and log line: flushes the standard streams and ends
// the process by signal with its default action (on Windows, where a shell
// does not look for it, returns and the exit status says the failure).
void EndBySignal(int signal);

} // namespace vorlan::cli
