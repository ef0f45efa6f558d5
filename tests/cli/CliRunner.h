// Runs the built vorlanctl as a user runs it, with standard output and error
// caught in files, on Linux and under Wine alike.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
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
    command += " >\"" + outFile.string() + "\" 2>\"" + errFile.string() + "\"";
#ifdef _WIN32
    // cmd.exe drops the first and the last quote of the whole line.
    command = "\"" + command + "\"";
#endif
    const int raw = std::system(command.c_str());
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

} // namespace vorlan::test
