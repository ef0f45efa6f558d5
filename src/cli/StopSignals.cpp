#include "cli/StopSignals.h"

#include <chrono>
#include <cstdio>
#include <iostream>

namespace vorlan::cli {

std::atomic<bool> stopRequested{false};
std::atomic<int> stopSignal{0};

namespace {

// Only sets flags: that is all a signal handler may safely do.
extern "C" void RequestStop(int signal) {
    stopSignal = signal;
    stopRequested = true;
}

#ifndef _WIN32
constexpr std::array<int, 3> kSignals{SIGINT, SIGTERM, SIGHUP};
#endif

} // namespace

std::string SignalName(int signal) {
    switch (signal) {
    case SIGINT:
        return "SIGINT";
    case SIGTERM:
        return "SIGTERM";
#ifndef _WIN32
    case SIGHUP:
        return "SIGHUP";
#endif
    default:
        return "signal " + std::to_string(signal);
    }
}

StopSignals::StopSignals() {
#ifdef _WIN32
    previousInt_ = std::signal(SIGINT, RequestStop);
    previousTerm_ = std::signal(SIGTERM, RequestStop);
#else
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &action, &previous_[i]);
        // A signal ignored when the program started stays ignored: a job a
        // script started in the background, or under nohup, is not meant to
        // stop at the terminal's Ctrl-C or hang-up.
        if (previous_[i].sa_handler == SIG_IGN) {
            sigaction(kSignals[i], &previous_[i], nullptr);
        }
    }
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGPIPE, &ignore, &previousPipe_);
#endif
}

StopSignals::~StopSignals() {
#ifdef _WIN32
    std::signal(SIGINT, previousInt_);
    std::signal(SIGTERM, previousTerm_);
#else
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &previous_[i], nullptr);
    }
    sigaction(SIGPIPE, &previousPipe_, nullptr);
#endif
}

StopWatcher::StopWatcher(KeyboardDriver& driver)
    : thread_([this, &driver] {
          std::unique_lock lock(mutex_);
          while (!done_) {
              if (stopRequested) {
                  driver.Abort();
                  return;
              }
              wake_.wait_for(lock, std::chrono::milliseconds(10));
          }
      }) {}

StopWatcher::~StopWatcher() {
    {
        const std::lock_guard lock(mutex_);
        done_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void EndBySignal(int signal) {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
#ifndef _WIN32
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, signal);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
    std::raise(signal);
#else
    static_cast<void>(signal);
#endif
}

} // namespace vorlan::cli
