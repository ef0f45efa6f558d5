// A programming run that dies without its log line (killed, a power cut) is
// still logged: before the keyboard is touched the run writes the line it
// would leave if it ended there ("interrupted", with what is known then) to a
// small marker beside the log, and removes the marker after its own line.
// Whoever finds a marker whose process is gone (the next `vorlanctl program`
// with that log, the window's next start) appends its line to the log.
#pragma once

#include "common/FileWriter.h"
#include "verify/ProgrammingLog.h"

#include <string>

namespace vorlan {

// Writes the marker of run beside logPath (its folders made), with the
// result "interrupted"; markerPath is set on success. A folder the marker
// cannot be made in is one the log line cannot be added in either.
FileWriteResult WriteRunMarker(const std::string& logPath, ProgrammingRun run,
                               std::string& markerPath);
void RemoveRunMarker(const std::string& markerPath);

// Appends the line of every marker beside logPath whose process is gone and
// removes the marker; returns the count of lines appended.
int LogInterruptedRuns(const std::string& logPath);

} // namespace vorlan
