#include "station/ui/StationTools.h"

#include "common/ui/DialogSeam.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiText.h"
#include "editor/KeyEditor.h"
#include "layout/LayoutFile.h"
#include "programming/ui/ProgrammingDialog.h"
#include "programming/ui/ProgrammingWindows.h"
#include "station/BatchReport.h"
#include "station/BatchStateFile.h"
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
#include <optional>

namespace vorlan {
namespace {

std::vector<ProgrammingRun> LogRuns(const QString& path) {
    return ReadLogFile(ToPath(path));
}

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
    settings->layoutFile = editor.Document().filePath;
    settings->imageSha256 = ImageSha256OfLayoutFile(settings->layoutFile);
    Open(*settings, {});
}

void StationTools::Open(const BatchSettings& settings, const std::string& pendingLine) {
    ProgrammingDialog* programming = ProgrammingDialogOf(window);
    KeyboardDriver* keyboard = programming != nullptr ? programming->Keyboard() : nullptr;
    if (keyboard == nullptr) {
        return;
    }
    Batch batch(settings);
    // Places already passed in the log count: an order goes on where it was.
    batch.CountLog(LogRuns(LogPath()));
    // The test expects what is programmed: the saved file, not the window's layout.
    LayoutDocument saved;
    saved.ResetToNew();
    saved.filePath = settings.layoutFile;
    if (!ReadLayout(saved)) {
        ShowError(window, UiText(StringId::UnableToOpenFile));
        return;
    }
    saved.RebuildAfterLoad();
    station = new StationView(std::move(batch), saved, *keyboard, clock, LogPath(), window,
                              editor.Naming());
    station->setAttribute(Qt::WA_DeleteOnClose);
    if (pollMs > 0) {
        station->SetPollInterval(pollMs);
    }
    if (!pendingLine.empty()) {
        station->LogPendingLine(pendingLine);
    }
    station->show();
    station->activateWindow();
    station->setFocus();
}

void StationTools::OfferResume() {
    const std::string statePath = BatchStatePathFor(ToPath(LogPath()));
    const std::optional<BatchStateFile> state = LoadBatchState(statePath);
    if (!state) {
        return;
    }
    Batch counted(state->settings);
    counted.CountLog(LogRuns(LogPath()));
    if (!AskYesNo(window,
                  UiText(StringId::StationResume)
                      .arg(FromUtf8Text(state->settings.order))
                      .arg(counted.Passed())
                      .arg(state->settings.count),
                  StringId::StationResume)) {
        RemoveBatchState(statePath);
        return;
    }
    Open(state->settings, state->pendingLine);
}

void StationTools::SaveReport() {
    const std::optional<SaveNameAnswer> answer =
        DialogsFor(window).AskSaveName(window, {UiText(StringId::StationSaveReport), QString(),
                                                UiText(StringId::StationReportFilter)});
    const QString path = answer ? answer->path : QString();
    if (path.isEmpty()) {
        return;
    }
    const bool ok = WriteReportFile(ReportFromLog(LogRuns(LogPath()), {}, StationName()), path,
                                    {ToPath(LogPath())});
    if (!ok) {
        ShowError(window, UiText(StringId::KeyTestSaveFailed).arg(path));
    }
}

} // namespace vorlan
