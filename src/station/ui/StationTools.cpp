#include "station/ui/StationTools.h"

#include "common/FilePath.h"
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
#include "station/BatchReport.h"
#include "station/ui/ReportDocument.h"
#include "station/ui/StationView.h"
#include "verify/ui/VerifyTools.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <chrono>
#include <optional>

namespace vorlan {
namespace {

// The order, the number and the test; nothing when cancelled.
std::optional<BatchSettings> AskBatch(QWidget* parent) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("BatchDialog"));
    dialog.setProperty("helpSection", QStringLiteral("batch"));
    dialog.setWindowTitle(UiText(StringId::BatchCaption));
    auto* form = new QFormLayout(&dialog);
    auto* order = new QLineEdit(&dialog);
    order->setObjectName(QStringLiteral("batchOrder"));
    auto* count = new QSpinBox(&dialog);
    count->setObjectName(QStringLiteral("batchCount"));
    count->setRange(1, 100000);
    count->setValue(1);
    auto* test = new QComboBox(&dialog);
    test->setObjectName(QStringLiteral("batchTest"));
    test->addItem(UiText(StringId::BatchTestNone));
    test->addItem(UiText(StringId::BatchTestProgrammed));
    test->addItem(UiText(StringId::BatchTestEvery));
    test->setCurrentIndex(1);
    form->addRow(UiText(StringId::BatchOrder), order);
    form->addRow(UiText(StringId::BatchCount), count);
    form->addRow(UiText(StringId::BatchTestLabel), test);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    BatchSettings settings;
    settings.order = ToUtf8Text(order->text().trimmed());
    settings.count = count->value();
    settings.test = static_cast<BatchTest>(test->currentIndex());
    return settings;
}

} // namespace

StationTools::StationTools(QMainWindow* theWindow, KeyEditor& theEditor,
                           const VerifyTools& theVerify)
    : QObject(theWindow), window(theWindow), editor(theEditor), verify(theVerify) {
    setObjectName(QStringLiteral("StationTools"));
    QMenu* tools = theWindow->menuBar()->findChild<QMenu*>(QStringLiteral("toolsMenu"));
    if (tools == nullptr) {
        return;
    }
    batchAction = tools->addAction(UiText(StringId::MenuProgramBatch));
    batchAction->setObjectName(QStringLiteral("actionProgramBatch"));
    batchAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_B));
    reportAction = tools->addAction(UiText(StringId::StationReportMenu));
    reportAction->setObjectName(QStringLiteral("actionBatchReport"));
    reportAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
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
    // The record beside the programming log, which it imports once.
    const std::string log = ToPath(LogPath());
    const std::string path =
        Utf8FromPath(PathFromUtf8(log).parent_path() / PathFromUtf8(std::string(kRecordFileName)));
    RecordResult opened;
    record = OpenRecord(path, log, opened);
    if (!record) {
        // The window goes on editing layouts; only batches wait for the record.
        ShowError(window, UiText(StringId::StationNoRecord).arg(UiMessageText(opened.Message())));
    }
    return record;
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

void StationTools::Open(const BatchRecord& row) {
    ProgrammingDialog* programming = ProgrammingDialogOf(window);
    KeyboardDriver* keyboard = programming != nullptr ? programming->Keyboard() : nullptr;
    if (keyboard == nullptr) {
        ReleaseBatch(*record, row.id, CurrentProcess());
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
        ReleaseBatch(*record, row.id, CurrentProcess());
        ShowError(window, UiText(StringId::UnableToOpenFile));
        return;
    }
    saved.RebuildAfterLoad();
    station = new StationView(Batch(settings), saved, *keyboard, clock, record, row.id, window,
                              editor.Naming());
    station->setAttribute(Qt::WA_DeleteOnClose);
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
        // No or Escape leaves the batch open and its keyboards recorded.
        if (!AskYesNo(window,
                      UiText(StringId::StationResume)
                          .arg(FromUtf8Text(row.order))
                          .arg(counts.passed)
                          .arg(row.count),
                      StringId::StationResume)) {
            ReleaseBatch(*store, row.id, CurrentProcess());
            return;
        }
        Open(row);
        return;
    }
}

void StationTools::SaveReport() {
    const std::optional<SaveNameAnswer> answer =
        DialogsFor(window).AskSaveName(window, {UiText(StringId::StationSaveReport), QString(),
                                                UiText(StringId::StationReportFilter)});
    const QString path = answer ? answer->path : QString();
    if (path.isEmpty()) {
        return;
    }
    const std::shared_ptr<RecordStore> store = Record();
    if (!store) {
        return;
    }
    RecordResult read;
    const BatchReport report = ReportFromRecord(*store, {}, read);
    const bool ok = read.Ok() && WriteReportFile(report, path, {store->Name()});
    if (!ok) {
        ShowError(window, UiText(StringId::KeyTestSaveFailed).arg(path));
    }
}

} // namespace vorlan
