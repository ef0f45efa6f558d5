// The command line's text in and out as UTF-8, whatever the system's code
// page: arguments are taken as the system gives them in full (UTF-16 on
// Windows, where the narrow ones lose every character outside the ANSI code
// page), and text printed to a console is shown as the characters it holds.
#pragma once

#include <string>
#include <vector>

namespace vorlan::cli {

// The program's arguments as UTF-8 (on Windows read wide from the system;
// elsewhere the bytes of argv as they are).
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Makes std::cout and std::cerr print their UTF-8 as characters where they
// are a console; output to a file or pipe stays the same UTF-8 bytes.
void UseUtf8Console();

} // namespace vorlan::cli
