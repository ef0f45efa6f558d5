// Layout file texts and files for the reader's and writer's tests.
#pragma once

#include "layout/LayoutFile.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace vorlan::test {

// Each line followed by the line end `end`.
template <typename Lines> std::string Joined(const Lines& lines, std::string_view end) {
    std::string out;
    for (std::string_view line : lines) {
        out += line;
        out += end;
    }
    return out;
}

inline std::string Crlf(std::initializer_list<std::string_view> lines) {
    return Joined(lines, "\r\n");
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find("\r\n", pos);
        if (end == std::string::npos) {
            lines.push_back(text.substr(pos) + "<no CR LF>");
            break;
        }
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

inline void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A document read from text the way the editor opens a file.
inline LayoutDocument Parsed(std::string_view text) {
    LayoutDocument doc;
    ParseLayout(doc, text);
    return doc;
}

inline LayoutDocument WorkedExample() {
    LayoutDocument doc;
    doc.keys[1].name = "A";
    doc.keys[1].codes[0] = 28;
    return doc;
}

inline std::string SixteenKeyLine(int k, std::string_view codes, std::string_view tail) {
    return std::to_string(k) + "; " + std::string(codes) + "; " + std::string(tail);
}

// A 16scan key line with one code.
inline std::string Key16(int k, int code, std::string_view name) {
    return std::to_string(k) + "; " + std::to_string(code) +
           ", 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0; 2;0;" + std::string(name);
}

} // namespace vorlan::test
