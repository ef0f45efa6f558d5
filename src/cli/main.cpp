// vorlanctl: the command line of the keyboard programmer. It works on layout
// files and the keyboard without a window, through the same core as the
// desktop program.
#include "cli/Commands.h"
#include "cli/Utf8Console.h"
#include "common/CommandLine.h"
#include "common/StringTable.h"
#include "common/TerminalText.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

#ifndef _WIN32
// Standard output written with write(2), so the cause of its first failure
// is kept for the message at the end: the C library's buffer forgets it.
class StandardOutputBuffer : public std::streambuf {
public:
    StandardOutputBuffer() { setp(buffer_, buffer_ + sizeof buffer_); }
    int Error() const { return error_; }

protected:
    int_type overflow(int_type c) override {
        if (!Drain()) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return Drain() ? 0 : -1; }

private:
    bool Drain() {
        for (const char* p = pbase(); p < pptr() && error_ == 0;) {
            const ssize_t wrote = ::write(STDOUT_FILENO, p, static_cast<std::size_t>(pptr() - p));
            if (wrote > 0) {
                p += wrote;
            } else if (wrote == 0 || errno != EINTR) {
                error_ = wrote == 0 ? EIO : errno;
            }
        }
        setp(buffer_, buffer_ + sizeof buffer_);
        return error_ == 0;
    }

    char buffer_[1 << 16];
    int error_ = 0;
};

// Never destroyed: the library flushes std::cout after every destructor.
StandardOutputBuffer& standardOutput = *new StandardOutputBuffer;
#endif

// Standard output is checked once all of it is written, so a full disk or a
// closed descriptor fails the command instead of losing its output
// unnoticed. A reader that went away (`| head -1`) ends the program quietly,
// as it ends cat. diff's failure is 2: its 1 means "different".
int FinishStandardOutput(std::string_view command, int status) {
    errno = 0;
    std::cout.flush();
    const bool flushed = std::fflush(stdout) == 0;
#ifdef _WIN32
    const int error = errno;
#else
    const int error = standardOutput.Error() != 0 ? standardOutput.Error() : errno;
#endif
    if (flushed && std::cout.good() && std::ferror(stdout) == 0) {
        return status;
    }
#ifdef SIGPIPE
    if (error == EPIPE) {
        std::signal(SIGPIPE, SIG_DFL);
        std::raise(SIGPIPE);
    }
#endif
    std::cerr << vorlan::StringText(vorlan::StringId::Error) << ": "
              << vorlan::FormatString(vorlan::StringText(vorlan::StringId::StandardOutputFailed),
                                      {std::strerror(error != 0 ? error : EIO)})
              << '\n';
    return command == "diff" ? 2 : 1;
}

// A closed standard descriptor would go to the next file the command opens,
// and text meant for the terminal would land in that file. Its place is
// held by /dev/null opened for reading, where a write fails as on the closed
// descriptor.
void HoldClosedStandardDescriptors() {
#ifndef _WIN32
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) < 0 && errno == EBADF) {
            const int held = ::open("/dev/null", O_RDONLY);
            if (held >= 0 && held != fd) {
                ::dup2(held, fd);
                ::close(held);
            }
        }
    }
#endif
}

} // namespace

int main(int argc, char** narrowArgv) {
    using namespace vorlan::cli;
    HoldClosedStandardDescriptors();
#ifndef _WIN32
    std::cout.rdbuf(&standardOutput);
#endif
#ifdef __GLIBC__
    // A file's buffers of megabytes go back to the system once freed; the
    // allocator would otherwise keep them after the first, and every further
    // file of a command would add to the memory held.
    mallopt(M_MMAP_THRESHOLD, 1024 * 1024);
#endif
    UseUtf8Console();
    // Every command takes its file names as UTF-8 (bytes on POSIX systems).
    std::vector<std::string> arguments = Utf8Arguments(argc, narrowArgv);
    std::vector<char*> pointers;
    for (std::string& argument : arguments) {
        pointers.push_back(argument.data());
    }
    pointers.push_back(nullptr);
    char** argv = pointers.data();
    if (argc < 2) {
        std::cerr << vorlan::cmdline::VorlanctlHelp();
        return 2;
    }
    const std::string_view command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
        std::cout << vorlan::cmdline::VorlanctlHelp();
        return FinishStandardOutput(command, 0);
    }
    if (command == "--version") {
        std::cout << "vorlanctl " << VORLAN_VERSION << '\n';
        return FinishStandardOutput(command, 0);
    }
    const Args rest(argv + 2, static_cast<std::size_t>(argc - 2));
    struct Entry {
        std::string_view name;
        int (*run)(Args);
    };
    // Every command the declaration names has its entry here (a test runs each).
    static constexpr Entry kEntries[] = {
        {"convert", RunConvert},
        {"show", RunShowWithPcLayout},
        {"check", RunCheck},
        {"diff", RunDiff},
        {"program", RunProgram},
        {"image", RunImage},
        {"legends", RunLegends},
        {"sheet", RunSheetWithPcLayout},
        {"pc-layouts", RunPcLayouts},
        {"report", RunReport},
        {"log", RunLog},
    };
    for (const Entry& entry : kEntries) {
        if (entry.name == command) {
            return FinishStandardOutput(command, entry.run(rest));
        }
    }
    std::cerr << "vorlanctl: unknown command '" << vorlan::TerminalArgument(command) << "'\n\n"
              << vorlan::cmdline::VorlanctlHelp();
    return 2;
}
