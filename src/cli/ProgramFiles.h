// Whether the files a programming run writes can be written, asked before
// the keyboard is touched: a run that could not log itself or save what the
// keyboard received is refused while the keyboard is still as it was.
#pragma once

#include "common/FileWriter.h"

#include <cstddef>
#include <string>

namespace vorlan::cli {

// The log, appended to: its folders are made when missing; an existing log
// must open for appending.
FileWriteResult CheckAppendable(const std::string& path, const InputFiles& inputs);

// A file replaced through a temporary file beside it (--received): a file of
// size bytes can be made in its folder (a full disk is found here too), and
// an existing one opens for writing.
FileWriteResult CheckReplaceable(const std::string& path, const InputFiles& inputs,
                                 std::size_t size);

// The --log copy of a run's line, appended after the record's commit; a line
// end goes first where the file's last line has none, so the copy never
// joins another line.
FileWriteResult AppendLogCopy(const std::string& path, const std::string& line,
                              const InputFiles& inputs);

// Whether two names are one file (or would be, for files not made yet).
bool SameFile(const std::string& a, const std::string& b);

} // namespace vorlan::cli
