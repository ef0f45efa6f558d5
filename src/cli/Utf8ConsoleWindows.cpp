// Windows: arguments come from the wide command line, and text for a console
// goes through WriteConsoleW, which shows any character whatever the
// console's code page.
#include "cli/Utf8Console.h"

#include <array>
#include <iostream>
#include <streambuf>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

namespace vorlan::cli {

namespace {

std::string Narrow(const wchar_t* wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return {};
    }
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, out.data(), size, nullptr, nullptr);
    out.pop_back(); // the terminating NUL
    return out;
}

// The length of the longest prefix of bytes that does not end inside a UTF-8
// sequence, so a character split between two writes is converted whole.
std::size_t CompletePrefix(const std::string& bytes) {
    std::size_t n = bytes.size();
    for (std::size_t back = 1; back <= 3 && back <= n; ++back) {
        const auto c = static_cast<unsigned char>(bytes[n - back]);
        if ((c & 0xC0) == 0x80) {
            continue; // a continuation byte: look further back for its lead
        }
        const std::size_t needed = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return needed > back ? n - back : n;
    }
    return n;
}

class ConsoleBuffer : public std::streambuf {
public:
    explicit ConsoleBuffer(HANDLE console) : console_(console) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }

protected:
    int_type overflow(int_type c) override {
        Flush(false);
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }

    int sync() override { return Flush(true) ? 0 : -1; }

private:
    bool Flush(bool all) {
        pending_.append(pbase(), pptr());
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        const std::size_t ready = all ? pending_.size() : CompletePrefix(pending_);
        if (ready == 0) {
            return true;
        }
        const int size =
            MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(ready), nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(size), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, pending_.data(), static_cast<int>(ready), wide.data(),
                            size);
        pending_.erase(0, ready);
        DWORD written = 0;
        return WriteConsoleW(console_, wide.data(), static_cast<DWORD>(wide.size()), &written,
                             nullptr) != 0;
    }

    HANDLE console_;
    std::array<char, 4096> buffer_{};
    std::string pending_;
};

// A console handle, or nullptr for a file, pipe or nothing.
HANDLE ConsoleOf(DWORD which) {
    HANDLE handle = GetStdHandle(which);
    DWORD mode = 0;
    return handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode)
               ? handle
               : nullptr;
}

} // namespace

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr || count != argc) {
        // Cannot happen with a command line the C runtime parsed the same way;
        // the narrow arguments are still better than none.
        if (wide != nullptr) {
            LocalFree(wide);
        }
        return std::vector<std::string>(argv, argv + argc);
    }
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        out.push_back(Narrow(wide[i]));
    }
    LocalFree(wide);
    return out;
}

void UseUtf8Console() {
    // The console's code page is left alone: it outlives this process. Only
    // ASCII goes through C stdio (the progress bar).
    static ConsoleBuffer* out = nullptr;
    static ConsoleBuffer* err = nullptr;
    if (HANDLE console = ConsoleOf(STD_OUTPUT_HANDLE); console != nullptr && out == nullptr) {
        std::cout.flush();
        out = new ConsoleBuffer(console); // lives as long as the stream
        std::cout.rdbuf(out);
    }
    if (HANDLE console = ConsoleOf(STD_ERROR_HANDLE); console != nullptr && err == nullptr) {
        err = new ConsoleBuffer(console);
        std::cerr.rdbuf(err);
        std::cerr.setf(std::ios::unitbuf);
    }
}

} // namespace vorlan::cli
