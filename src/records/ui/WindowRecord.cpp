#include "records/ui/WindowRecord.h"

#include "common/FilePath.h"
#include "common/ui/QtText.h"
#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"
#include "records/RecordLocation.h"
#include "records/RecordPolicy.h"
#include "records/RecordStore.h"
#include "records/RecordText.h"
#include "records/ui/RecordsDialog.h"
#include "verify/ProgrammingLog.h"

#include <chrono>
#include <deque>

namespace vorlan {
namespace {

// The log window lists the newest runs; a long record keeps the rest for
// vorlanctl log and the reports.
constexpr std::size_t kRunsShown = 10000;

} // namespace

WindowRecord::WindowRecord(std::function<QString()> theLogPath)
    : logPath(std::move(theLogPath)), run(std::make_unique<RunRecord>()) {}

WindowRecord::~WindowRecord() = default;

std::shared_ptr<RecordStore> WindowRecord::Store(QString& why) {
    if (store) {
        return store;
    }
    // The server the settings name, or the record beside the programming
    // log, which imports that log once.
    const WindowRecordPlace place = WindowRecordAt(ToUtf8Text(RecordSetting()), ToPath(logPath()));
    RecordResult opened;
    store = OpenRecord(place.location, place.importLog, opened, nullptr, place.keepAt);
    if (!store) {
        why = UiMessageText(opened.Message());
    }
    return store;
}

void WindowRecord::Reset() {
    store.reset();
    *run = RunRecord{};
}

bool WindowRecord::Begin(const Planned& planned, QString& why) {
    const std::shared_ptr<RecordStore> record = Store(why);
    if (!record) {
        why = UiText(StringId::RecordRunRefused).arg(why);
        return false;
    }
    *run = RunRecord{};
    run->process = CurrentProcess();
    run->user = UserName();
    run->started = LocalDateTime(std::chrono::system_clock::now());
    run->startedUtcMs = NowUtcMs();
    // As the log names it, so the log window and `vorlanctl log` say
    // "(unsaved)" and "(changed)" as they always did.
    run->layoutGiven = planned.layoutFile;
    run->layoutResolved = planned.layoutFile;
    run->fileSha256 = LayoutFileSha256(planned.layoutPath);
    run->imageSha256 = planned.imageSha256;
    run->bytesPlanned = static_cast<std::int64_t>(planned.imageSize);
    run->emulated = planned.emulated;
    if (const RecordResult begun = record->BeginRun(*run); !begun.Ok()) {
        *run = RunRecord{};
        why = UiText(StringId::RecordRunRefused).arg(UiMessageText(begun.Message()));
        return false;
    }
    return true;
}

bool WindowRecord::End(const ProgrammingRun& ended, QString& why) {
    if (run->id == 0 || !store) {
        return true;
    }
    run->state = RunState::Finished;
    run->keyboardType = ended.keyboardType;
    run->bytesWritten = static_cast<std::int64_t>(ended.bytesWritten);
    run->durationMs = ended.durationMs;
    run->result = ended.result;
    const RecordResult recorded = store->UpdateRun(*run);
    *run = RunRecord{};
    if (recorded.failure == RecordFailure::Kept) {
        why = UiMessageText(recorded.Message()); // nothing lost, but said
        return false;
    }
    if (!recorded.Ok()) {
        // The next program to open the record marks the run interrupted.
        why = UiText(StringId::LogWriteFailed).arg(FromUtf8Text(store->Name())) +
              QLatin1Char('\n') + UiMessageText(recorded.Message());
        return false;
    }
    return true;
}

std::vector<ProgrammingRun> WindowRecord::Read(QString& why) {
    const std::shared_ptr<RecordStore> record = Store(why);
    if (!record) {
        return {};
    }
    std::deque<ProgrammingRun> newest;
    const RecordResult read = record->ReadRuns({}, [&](const RunRecord& r) {
        newest.push_back(LogRunOf(r));
        if (newest.size() > kRunsShown) {
            newest.pop_front();
        }
        return true;
    });
    if (!read.Ok()) {
        why = UiMessageText(read.Message());
    }
    return {newest.begin(), newest.end()};
}

} // namespace vorlan
