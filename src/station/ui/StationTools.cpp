#include "station/ui/StationTools.h"

#include "common/ui/DialogSeam.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"
#include "editor/KeyEditor.h"
#include "layout/LayoutFile.h"
#include "programming/ui/ProgrammingDialog.h"
#include "programming/ui/ProgrammingWindows.h"
#include "records/RecordPolicy.h"
#include "records/RecordText.h"
#include "records/ui/RecordsDialog.h"
#include "records/ui/WindowRecord.h"
#include "station/BatchReport.h"
#include "station/StationRules.h"
#include "station/ui/BatchDialog.h"
#include "station/ui/ReportDocument.h"
#include "station/ui/StationView.h"
#include "verify/ui/VerifyTools.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <chrono>
#include <optional>

namespace vorlan {
namespace {

// The report's order list: enough for any workshop's recent work.
constexpr int kReportOrdersOffered = 500;

} // namespace

StationTools::StationTools(QMainWindow* theWindow, KeyEditor& theEditor, VerifyTools& theVerify)
    : QObject(theWindow), window(theWindow), editor(theEditor), verify(theVerify),
      windowRecord(std::make_shared<WindowRecord>([this] { return LogPath(); })) {
    setObjectName(QStringLiteral("StationTools"));
    theVerify.SetJournal(windowRecord);
    QMenu* tools = theWindow->menuBar()->findChild<QMenu*>(QStringLiteral("toolsMenu"));
    if (tools == nullptr) {
        return;
    }
    batchAction = tools->addAction(UiText(StringId::MenuProgramBatch));
    batchAction->setObjectName(QStringLiteral("actionProgramBatch"));
    batchAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B));
    joinAction = tools->addAction(UiText(StringId::MenuJoinBatch));
    joinAction->setObjectName(QStringLiteral("actionJoinBatch"));
    joinAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_J));
    connect(joinAction, &QAction::triggered, this, &StationTools::JoinBatch);
    reportAction = tools->addAction(UiText(StringId::StationReportMenu));
    reportAction->setObjectName(QStringLiteral("actionBatchReport"));
    reportAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    recordsAction = tools->addAction(UiText(StringId::MenuRecords));
    recordsAction->setObjectName(QStringLiteral("actionRecords"));
    connect(recordsAction, &QAction::triggered, this, &StationTools::ChooseRecord);
    connect(batchAction, &QAction::triggered, this, &StationTools::StartBatch);
    connect(reportAction, &QAction::triggered, this, &StationTools::SaveReport);
}

StationTools* StationToolsOf(QMainWindow* window) {
    return window->findChild<StationTools*>(QStringLiteral("StationTools"),
                                            Qt::FindDirectChildrenOnly);
}

StationView* StationTools::Station() const {
    return station.data();
}

QString StationTools::LogPath() const {
    return verify.LogPath();
}

std::shared_ptr<RecordStore> StationTools::Record() {
    if (record) {
        return record;
    }
    QString why;
    record = windowRecord->Store(why);
    if (!record) {
        // The window goes on editing layouts; only batches wait for the record.
        ShowError(window, UiText(StringId::StationNoRecord).arg(why));
    }
    return record;
}

void StationTools::ChooseRecord() {
    // A batch in progress stays in the record it began in.
    if (station) {
        ShowError(window, UiText(StringId::RecordsStationOpen));
        return;
    }
    if (AskRecordPlace(window, LogPath())) {
        record.reset();
        windowRecord->Reset();
    }
}

void StationTools::StartBatch() {
    if (station) {
        station->raise();
        station->activateWindow();
        return;
    }
    // A batch never programs unsaved changes.
    const LayoutDocument& doc = editor.Document();
    if (doc.dirty || doc.filePath.empty()) {
        if (!AskYesNo(window, UiText(StringId::BatchSaveFirst), StringId::BatchSaveFirst)) {
            return;
        }
        editor.OnFileSave();
        if (editor.Document().dirty || editor.Document().filePath.empty()) {
            return;
        }
    }
    std::optional<BatchSettings> settings = AskBatch(window);
    if (!settings) {
        return;
    }
    if (const RecordResult bad = CheckOrder(settings->order); !bad.Ok()) {
        ShowError(window, UiMessageText(bad.Message()));
        return;
    }
    const std::shared_ptr<RecordStore> store = Record();
    if (!store) {
        return;
    }
    settings->layoutFile = editor.Document().filePath;
    settings->imageSha256 = ImageSha256OfLayoutFile(settings->layoutFile);
    BatchRecord row;
    row.order = settings->order;
    row.count = settings->count;
    row.test = settings->test;
    row.layoutFile = settings->layoutFile;
    row.fileSha256 = LayoutFileSha256(settings->layoutFile);
    row.imageSha256 = settings->imageSha256;
    row.started = LocalDateTime(std::chrono::system_clock::now());
    row.owner = CurrentProcess();
    row.ownerSeenUtcMs = NowUtcMs();
    RecordResult made = store->CreateBatch(row);
    if (made.failure == RecordFailure::Exists) {
        // The order's open batch goes on, with its own settings, once it is ours.
        std::vector<BatchRecord> open;
        made = store->OpenBatches(settings->order, open);
        if (made.Ok() && !open.empty()) {
            row = open.front();
            made = TakeBatch(*store, row.id, CurrentProcess());
        }
    }
    if (!made.Ok()) {
        ShowError(window, UiMessageText(made.Message()));
        return;
    }
    Open(row);
}

void StationTools::JoinBatch() {
    if (station) {
        station->raise();
        station->activateWindow();
        return;
    }
    const std::shared_ptr<RecordStore> store = Record();
    if (!store) {
        return;
    }
    std::vector<BatchRecord> open;
    if (const RecordResult read = store->OpenBatches({}, open); !read.Ok()) {
        ShowError(window, UiMessageText(read.Message()));
        return;
    }
    if (open.empty()) {
        ShowError(window, UiText(StringId::JoinBatchNone).arg(FromUtf8Text(store->Name())));
        return;
    }
    QStringList lines;
    for (const BatchRecord& row : open) {
        OrderCounts counts;
        store->CountOrder(row.order, counts);
        lines << UiText(StringId::JoinBatchRow)
                     .arg(FromUtf8Text(row.order))
                     .arg(counts.passed)
                     .arg(row.count)
                     .arg(FromUtf8Text(row.owner.host.empty() ? std::string("-") : row.owner.host),
                          FromUtf8Text(row.started));
    }
    const std::optional<int> chosen = AskJoinBatch(
        window, UiText(StringId::JoinBatchPrompt).arg(FromUtf8Text(store->Name())), lines);
    if (!chosen) {
        return;
    }
    BatchRecord row = open[static_cast<std::size_t>(*chosen)];
    // The batch's layout as it was opened: its file here, or the window's
    // saved layout when its bytes are the same (another PC keeps it elsewhere).
    const LayoutDocument& doc = editor.Document();
    if (LayoutFileSha256(row.layoutFile) != row.fileSha256) {
        if (doc.dirty || doc.filePath.empty() || LayoutFileSha256(doc.filePath) != row.fileSha256) {
            ShowError(window, UiText(StringId::JoinBatchLayout).arg(FromUtf8Text(row.layoutFile)));
            return;
        }
        row.layoutFile = doc.filePath;
    }
    Open(row, true);
}

void StationTools::Open(const BatchRecord& row, bool joined) {
    ProgrammingDialog* programming = ProgrammingDialogOf(window);
    KeyboardDriver* keyboard = programming != nullptr ? programming->Keyboard() : nullptr;
    if (keyboard == nullptr) {
        if (!joined) {
            ReleaseBatch(*record, row.id, CurrentProcess());
        }
        return;
    }
    BatchSettings settings;
    settings.order = row.order;
    settings.count = row.count;
    settings.test = row.test;
    settings.layoutFile = row.layoutFile;
    settings.imageSha256 = row.imageSha256;
    // The test expects what is programmed: the saved file, not the window's layout.
    LayoutDocument saved;
    saved.ResetToNew();
    saved.filePath = settings.layoutFile;
    if (!ReadLayout(saved)) {
        if (!joined) {
            ReleaseBatch(*record, row.id, CurrentProcess());
        }
        ShowError(window, UiText(StringId::UnableToOpenFile));
        return;
    }
    saved.RebuildAfterLoad();
    station = new StationView(Batch(settings), saved, *keyboard, clock, record, row.id, window,
                              editor.Naming());
    station->setAttribute(Qt::WA_DeleteOnClose);
    if (joined) {
        station->SetJoined();
    }
    if (pollMs > 0) {
        station->SetPollInterval(pollMs);
    }
    station->show();
    station->activateWindow();
    station->setFocus();
}

void StationTools::OfferResume() {
    const std::shared_ptr<RecordStore> store = Record();
    if (!store) {
        return;
    }
    std::vector<BatchRecord> open;
    if (!store->OpenBatches({}, open).Ok()) {
        return;
    }
    for (const BatchRecord& row : open) {
        // A batch another live window runs is not offered; one nobody runs is.
        if (!TakeBatch(*store, row.id, CurrentProcess()).Ok()) {
            continue;
        }
        OrderCounts counts;
        store->CountOrder(row.order, counts);
        // What No does is said with the question: the batch ends, nothing it did is lost.
        const QString question = UiText(StringId::StationResume)
                                     .arg(FromUtf8Text(row.order))
                                     .arg(counts.passed)
                                     .arg(row.count) +
                                 QStringLiteral("\n\n") + UiText(StringId::StationResumeNo);
        if (!AskYesNo(window, question, StringId::StationResume)) {
            store->CloseBatch(row.id, CurrentProcess(), BatchState::Ended);
            return;
        }
        Open(row);
        return;
    }
}

void StationTools::SaveReport() {
    const std::shared_ptr<RecordStore> store = Record();
    if (!store) {
        return;
    }
    std::vector<std::string> recent;
    if (const RecordResult read = store->RecentOrders(kReportOrdersOffered, recent); !read.Ok()) {
        ShowError(window, UiMessageText(read.Message()));
        return;
    }
    const std::optional<std::string> order = AskReportOrder(
        window, OrdersToChoose(recent, station ? station->TheBatch().Settings().order : ""));
    if (!order) {
        return;
    }
    const std::optional<SaveNameAnswer> answer =
        DialogsFor(window).AskSaveName(window, {UiText(StringId::StationSaveReport), QString(),
                                                UiText(StringId::StationReportFilter)});
    const QString path = answer ? answer->path : QString();
    if (path.isEmpty()) {
        return;
    }
    RecordResult read;
    const BatchReport report = ReportFromRecord(*store, *order, read);
    const bool ok = read.Ok() && WriteReportFile(report, path, {store->Name()});
    if (!ok) {
        ShowError(window, UiText(StringId::KeyTestSaveFailed).arg(path));
    }
}

} // namespace vorlan
