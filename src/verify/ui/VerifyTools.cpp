#include "verify/ui/VerifyTools.h"

#include "common/FilePath.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"
#include "layout/LayoutDocument.h"
#include "layout/LayoutFile.h"
#include "programming/EmulatedKeyboard.h"
#include "programming/ui/ProgrammingDialog.h"
#include "programming/ui/ProgrammingHooks.h"
#include "programming/ui/ProgrammingWindows.h"
#include "verify/ProgrammingLog.h"
#include "verify/RunMarker.h"
#include "verify/Sha256.h"
#include "verify/ui/KeyTestView.h"
#include "verify/ui/ProgrammingLogWindow.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <chrono>
#include <filesystem>

namespace vorlan {
namespace {

// The Tools menu, made before Help when no other part of the window made it.
QMenu* ToolsMenu(QMainWindow* window) {
    QMenuBar* bar = window->menuBar();
    if (auto* tools = bar->findChild<QMenu*>(QStringLiteral("toolsMenu"))) {
        return tools;
    }
    auto* tools = new QMenu(UiText(StringId::MenuTools), bar);
    tools->setObjectName(QStringLiteral("toolsMenu"));
    auto* help = bar->findChild<QMenu*>(QStringLiteral("helpMenu"));
    bar->insertMenu(help != nullptr ? help->menuAction() : nullptr, tools);
    return tools;
}

std::string ImageSha256Of(const LayoutDocument& doc) {
    const KeyboardVariant variant = doc.loadedVariant == KeyboardVariant::SevenThreeScan
                                        ? KeyboardVariant::SevenThreeScan
                                        : KeyboardVariant::SixteenScan;
    std::vector<std::uint8_t> image;
    return ImageOfLayoutText(FormatLayout(doc, variant), image) ? Sha256Hex(image) : std::string();
}

} // namespace

VerifyTools::VerifyTools(QMainWindow* theWindow, ProgrammingHooks& hooks,
                         const LayoutDocument& theDocument, const CodeNaming& theNaming,
                         QAction* theProgramming)
    : QObject(theWindow), window(theWindow), document(theDocument), naming(theNaming),
      programming(theProgramming) {
    setObjectName(QStringLiteral("VerifyTools"));
    logPath = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                  .filePath(FromUtf8Text(kLogFileName));
    // Runs that died without their line (this program or vorlanctl killed,
    // a power cut) are logged at the next start.
    LogInterruptedRuns(ToPath(logPath));

    QMenu* tools = ToolsMenu(theWindow);
    testAction = tools->addAction(UiText(StringId::MenuTestKeyboard));
    testAction->setObjectName(QStringLiteral("actionTestKeyboard"));
    testAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    logAction = tools->addAction(UiText(StringId::MenuProgrammingLog));
    logAction->setObjectName(QStringLiteral("actionProgrammingLog"));
    logAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    connect(testAction, &QAction::triggered, this, &VerifyTools::OpenKeyTest);
    connect(logAction, &QAction::triggered, this, &VerifyTools::OpenLog);

    // Every run passes through here, so every run is logged.
    auto start = std::move(hooks.startProgrammingRun);
    hooks.startProgrammingRun = [this, start](QWidget* parent, const std::string& layoutPath) {
        if (!BeforeRun(layoutPath)) {
            std::error_code ignored;
            std::filesystem::remove(PathFromUtf8(layoutPath), ignored); // the run's own copy
            return;
        }
        if (start) {
            start(parent, layoutPath);
        }
        ProgrammingDialog* dialog = ProgrammingDialogOf(this->window);
        if (dialog != nullptr && !watchingDialog) {
            watchingDialog = true;
            connect(dialog, &ProgrammingDialog::RunEnded, this, &VerifyTools::LogRun);
            connect(dialog, &ProgrammingDialog::RunFinished, this, &VerifyTools::AfterRun);
        }
    };
}

VerifyTools* VerifyToolsOf(QMainWindow* window) {
    return window->findChild<VerifyTools*>(QStringLiteral("VerifyTools"),
                                           Qt::FindDirectChildrenOnly);
}

bool VerifyTools::BeforeRun(const std::string& layoutPath) {
    const LayoutDocument& doc = document;
    runLayoutFile = RunLayoutName(doc.filePath, doc.dirty);
    const QString path = FromPath(doc.filePath);
    runLayoutShown =
        doc.filePath.empty()
            ? UiText(StringId::DoneLayoutUnsaved)
            : UiText(doc.dirty ? StringId::DoneLayoutChanged : StringId::DoneLayout).arg(path);
    runImageSize = 0;
    runSha = ImageSha256OfLayoutFile(layoutPath, &runImageSize);
    if (journal) {
        ProgrammingDialog* dialog = ProgrammingDialogOf(window);
        RunJournal::Planned planned{
            layoutPath,
            runLayoutFile,
            doc.filePath,
            runSha,
            runImageSize,
            dialog != nullptr && dynamic_cast<EmulatedKeyboard*>(dialog->Keyboard()) != nullptr};
        QString why;
        if (!journal->Begin(planned, why)) {
            if (!why.isEmpty()) {
                ShowError(window, why);
            }
            return false;
        }
        return true;
    }
    // The line this run leaves should it never end, beside the log; a marker
    // that cannot be written leaves the run as it was (its own line then
    // fails too, and says so).
    RemoveRunMarker(runMarker);
    runMarker.clear();
    ProgrammingRun planned;
    planned.dateTime = LocalDateTime(std::chrono::system_clock::now());
    planned.layoutFile = runLayoutFile;
    planned.imageSha256 = runSha;
    WriteRunMarker(ToPath(logPath), planned, runMarker);
    return true;
}

void VerifyTools::LogRun(int result) {
    ProgrammingDialog* dialog = ProgrammingDialogOf(window);
    const ProgrammingDialog::RunFacts facts =
        dialog != nullptr ? dialog->LastRun() : ProgrammingDialog::RunFacts{};
    ProgrammingRun run;
    run.dateTime = LocalDateTime(std::chrono::system_clock::now());
    run.layoutFile = runLayoutFile;
    run.imageSha256 = runSha;
    run.keyboardType = facts.keyboardType;
    run.bytesWritten = facts.bytesWritten;
    run.durationMs = facts.duration.count();
    run.result = RunResultText(result, true, facts.bytesWritten, runImageSize);
    if (journal) {
        if (QString why; !journal->End(run, why)) {
            ShowError(window, why);
        }
    } else if (const FileWriteResult logged = AppendToLog(ToPath(logPath), run, {runLayoutFile});
               !logged.Ok()) {
        ShowError(window, UiText(StringId::LogWriteFailed).arg(logPath) + QLatin1Char('\n') +
                              WriteFailureUiText(logged));
    }
    RemoveRunMarker(runMarker);
    runMarker.clear();
    if (logWindow != nullptr) {
        logWindow->Reload();
    }
    runDone = run.result == "done";
}

void VerifyTools::AfterRun(int /*result*/) {
    if (!runDone) {
        return;
    }
    runDone = false;
    // A batch is one image: another layout starts counting again.
    if (runSha != batchSha) {
        batchSha = runSha;
        keyboardsDone = 0;
    }
    ++keyboardsDone;
    // After the dialog has finished its own end of the run.
    QTimer::singleShot(0, this, &VerifyTools::OfferNext);
}

void VerifyTools::OfferNext() {
    QDialog done(window);
    done.setObjectName(QStringLiteral("ProgrammingDoneDialog"));
    done.setWindowTitle(UiText(StringId::DoneCaption));
    auto* layout = new QVBoxLayout(&done);
    auto* text = new QLabel(
        UiText(StringId::DoneText).arg(keyboardsDone) + QLatin1Char('\n') + runLayoutShown, &done);
    text->setObjectName(QStringLiteral("doneText"));
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(&done);
    QPushButton* test =
        buttons->addButton(UiText(StringId::DoneTest), QDialogButtonBox::ActionRole);
    test->setObjectName(QStringLiteral("doneTest"));
    QPushButton* next =
        buttons->addButton(UiText(StringId::DoneNext), QDialogButtonBox::AcceptRole);
    next->setObjectName(QStringLiteral("doneNext"));
    next->setDefault(true);
    QPushButton* close =
        buttons->addButton(UiText(StringId::DoneClose), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("doneClose"));
    layout->addWidget(buttons);
    connect(test, &QPushButton::clicked, this, &VerifyTools::OpenKeyTest);
    connect(buttons, &QDialogButtonBox::accepted, &done, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &done, &QDialog::reject);
    const bool again = runDoneDialog ? (runDoneDialog(done), done.result() == QDialog::Accepted)
                                     : done.exec() == QDialog::Accepted;
    if (again && programming != nullptr) {
        // The same layout, written and checked again; the keyboard's type is
        // asked anew, so a keyboard of another type is refused as before.
        QTimer::singleShot(0, programming, &QAction::trigger);
    }
}

void VerifyTools::OpenKeyTest() {
    ProgrammingDialog* dialog = ProgrammingDialogOf(window);
    auto* emulator =
        dialog != nullptr ? dynamic_cast<EmulatedKeyboard*>(dialog->Keyboard()) : nullptr;
    QWidget* parent = QApplication::activeModalWidget() != nullptr
                          ? QApplication::activeModalWidget()
                          : static_cast<QWidget*>(window);
    KeyTestView view(document, emulator, parent, naming);
    const LayoutDocument& doc = document;
    view.SetReportHeader(doc.filePath.empty() ? std::string("untitled") : doc.filePath,
                         ImageSha256Of(doc));
    if (runKeyTest) {
        runKeyTest(view);
    } else {
        view.exec();
    }
}

void VerifyTools::OpenLog() {
    if (logWindow == nullptr) {
        logWindow = new ProgrammingLogWindow(
            [this](QString& why) {
                return journal ? journal->Read(why) : ReadLogFile(ToPath(logPath));
            },
            window);
    }
    logWindow->Reload();
    logWindow->show();
    logWindow->raise();
    logWindow->activateWindow();
}

} // namespace vorlan
