// Runs the built vorlanctl as a user runs it, with standard output and error
// caught in files, on Linux and under Wine alike.
#pragma once

#include "common/FilePath.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
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

#ifdef _WIN32
// One argument as the C runtime splits a command line: quoted, a quote as
// \", backslashes doubled only where a quote follows them.
inline std::wstring QuotedArgument(const std::wstring& argument) {
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(2 * backslashes, L'\\');
    return out + L"\"";
}

// Standard output and error go to vorlanctl.stdout and vorlanctl.stderr in
// folder. The process is started directly, never through cmd.exe, so no
// sign in an argument means anything but itself.
inline CliRun RunVorlanctl(const std::vector<std::string>& arguments,
                           const std::filesystem::path& folder) {
    std::string program = VORLAN_VORLANCTL;
    // Under Wine the build's paths are Unix paths.
    if (program.starts_with("/")) {
        program = "Z:" + program;
    }
    std::wstring line = QuotedArgument(PathFromUtf8(program).wstring());
    for (const std::string& argument : arguments) {
        line += L" " + QuotedArgument(PathFromUtf8(argument).wstring());
    }
    const auto outFile = folder / "vorlanctl.stdout";
    const auto errFile = folder / "vorlanctl.stderr";
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const auto create = [&inherit](const std::filesystem::path& path) {
        return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    HANDLE out = create(outFile);
    HANDLE err = create(errFile);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    CliRun run;
    if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                       &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        run.status = static_cast<int>(code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(out);
    CloseHandle(err);
    run.out = ReadFileBytes(outFile);
    run.err = ReadFileBytes(errFile);
    // Windows writes text-mode line ends.
    std::erase(run.out, '\r');
    std::erase(run.err, '\r');
    return run;
}
#endif

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

// Runs vorlanctl to its end, started directly (no shell): quotes, $ and
// backticks in a name reach it as they are.
inline CliRun RunVorlanctl(const std::vector<std::string>& arguments,
                           const std::filesystem::path& folder) {
    return FinishVorlanctl(StartVorlanctl(arguments, folder), folder);
}
#endif

} // namespace vorlan::test
