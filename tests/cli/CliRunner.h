// Runs the built vorlanctl as a user runs it, with standard output and error
// caught in files, on Linux and under Wine alike.
#pragma once

#include "common/FilePath.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace vorlan::test {

inline std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
    int signal = 0; // the signal that ended the process (POSIX), 0 for none
};

// Standard output and error go to vorlanctl.stdout and vorlanctl.stderr in folder.
inline CliRun RunVorlanctl(const std::vector<std::string>& arguments,
                           const std::filesystem::path& folder) {
    std::string program = VORLAN_VORLANCTL;
#ifdef _WIN32
    // Under Wine the build's paths are Unix paths, which cmd.exe cannot start.
    if (program.starts_with("/")) {
        program = "Z:" + program;
    }
#endif
    std::string command = "\"" + program + "\"";
    for (const std::string& argument : arguments) {
        command += " \"" + argument + "\"";
    }
    const auto outFile = folder / "vorlanctl.stdout";
    const auto errFile = folder / "vorlanctl.stderr";
    command += " >\"" + Utf8FromPath(outFile) + "\" 2>\"" + Utf8FromPath(errFile) + "\"";
#ifdef _WIN32
    // cmd.exe drops the first and the last quote of the whole line.
    command = "\"" + command + "\"";
    // The wide call, so arguments outside the ANSI code page arrive whole.
    const int raw = _wsystem(PathFromUtf8(command).c_str());
#else
    const int raw = std::system(command.c_str());
#endif
    CliRun run;
#ifdef _WIN32
    run.status = raw;
#else
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    run.out = ReadFileBytes(outFile);
    run.err = ReadFileBytes(errFile);
    // Windows writes text-mode line ends.
    std::erase(run.out, '\r');
    std::erase(run.err, '\r');
    return run;
}

#ifndef _WIN32
// Starts vorlanctl in the background, for tests that signal it while it runs;
// standard output and error go to the same files as RunVorlanctl's.
inline pid_t StartVorlanctl(const std::vector<std::string>& arguments,
                            const std::filesystem::path& folder) {
    const std::string out = (folder / "vorlanctl.stdout").string();
    const std::string err = (folder / "vorlanctl.stderr").string();
    std::vector<std::string> words{VORLAN_VORLANCTL};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        const int outFd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (outFd < 0 || errFd < 0 || dup2(outFd, STDOUT_FILENO) < 0 ||
            dup2(errFd, STDERR_FILENO) < 0) {
            _exit(127);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

// Waits for a run StartVorlanctl began; status -1 and the signal when a
// signal ended it.
inline CliRun FinishVorlanctl(pid_t pid, const std::filesystem::path& folder) {
    int raw = 0;
    CliRun run;
    if (waitpid(pid, &raw, 0) == pid) {
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.signal = WIFSIGNALED(raw) ? WTERMSIG(raw) : 0;
    }
    run.out = ReadFileBytes(folder / "vorlanctl.stdout");
    run.err = ReadFileBytes(folder / "vorlanctl.stderr");
    return run;
}
#endif

} // namespace vorlan::test
