// The desktop program's record: records.db beside the programming log, or
// the server Tools > Records... keeps in the settings, opened once when first needed and shared by
// the window's single runs, the log window and the station. A single run is a row of the record
// before the keyboard is touched, and it does not start when the record cannot take it.
#pragma once

#include "verify/ui/VerifyTools.h"

#include <QString>
#include <functional>
#include <memory>

namespace vorlan {

class RecordStore;
struct RunRecord;

class WindowRecord : public RunJournal {
public:
    // logPath: where the programming log is (read when the record is first opened).
    explicit WindowRecord(std::function<QString()> logPath);
    ~WindowRecord() override;

    // The record, or null with why when it cannot be opened (asked again next time).
    std::shared_ptr<RecordStore> Store(QString& why);
    // Forgets the record, so the next use opens the one the settings name now.
    void Reset();

    bool Begin(const Planned& run, QString& why) override;
    bool End(const ProgrammingRun& run, QString& why) override;
    std::vector<ProgrammingRun> Read(QString& why) override;

private:
    std::function<QString()> logPath;
    std::shared_ptr<RecordStore> store;
    std::unique_ptr<RunRecord> run; // the single run in progress (id 0: none)
};

} // namespace vorlan
