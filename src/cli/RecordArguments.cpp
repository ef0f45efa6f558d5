#include "cli/RecordArguments.h"

#include "common/FilePath.h"
#include "common/StringTable.h"
#include "common/TerminalText.h"
#include "records/RecordPolicy.h"
#include "records/RecordText.h"
#include "verify/ProgrammingLog.h"

#include <cstdlib>
#include <iostream>

namespace vorlan::cli {

std::string RecordPathOf(const cmdline::Parsed& parsed, bool* isDefault) {
    if (isDefault != nullptr) {
        *isDefault = false;
    }
    if (const auto given = parsed.Value("--records")) {
        return *given;
    }
    if (const char* env = std::getenv(std::string(kRecordsVariable).c_str());
        env != nullptr && *env != 0) {
        return env;
    }
    if (isDefault != nullptr) {
        *isDefault = true;
    }
    return DefaultRecordPath();
}

void ShowRecordFailure(std::string_view command, const RecordResult& result) {
    std::cerr << "vorlanctl " << command << ": " << TerminalLine(result.English()) << '\n';
}

std::unique_ptr<RecordStore> OpenRecordOf(const cmdline::Parsed& parsed, std::string_view command,
                                          bool untouched) {
    bool isDefault = false;
    const std::string path = RecordPathOf(parsed, &isDefault);
    const auto refuse = [&](const RecordResult& result) {
        ShowRecordFailure(command, result);
        if (untouched) {
            std::cerr << "The keyboard was not touched.\n";
        }
        return nullptr;
    };
    if (path.empty()) {
        return refuse({RecordFailure::CannotOpen, "(no data folder)",
                       "HOME (APPDATA on Windows) is not set; name a record with --records PATH"});
    }
    RecordResult opened;
    TextLogImport imported;
    // A server's record keeps what it cannot take in the station's own file.
    const std::string keepAt = IsServerRecord(path) ? DefaultRecordPath() : std::string();
    int sent = 0;
    std::unique_ptr<RecordStore> store = OpenRecord(
        path, isDefault ? DefaultLogPath() : std::string(), opened, &imported, keepAt, &sent);
    if (!store) {
        return refuse(opened);
    }
    if (sent > 0) {
        std::cerr << "vorlanctl " << command << ": " << sent << " results kept in "
                  << TerminalLine(keepAt) << " were sent to " << TerminalLine(store->Name())
                  << ".\n";
    }
    if (!imported.unreadable.empty()) {
        std::cerr << "vorlanctl " << command << ": " << imported.unreadable.size() << " lines of "
                  << TerminalLine(DefaultLogPath())
                  << " could not be read; vorlanctl log import lists them.\n";
    }
    return store;
}

} // namespace vorlan::cli
