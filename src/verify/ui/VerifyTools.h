// How the key test, the programming log and batch programming join the main
// window: a Tools menu before Help with "Test keyboard..." and "Programming
// log", every programming run kept in the journal, and after a successful run
// a dialog that offers "Test keyboard" and "Program next keyboard".
#pragma once

#include "scancodes/ScanCodeTables.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QDialog;
class QMainWindow;

namespace vorlan {

class KeyTestView;
class LayoutDocument;
class ProgrammingLogWindow;
struct ProgrammingHooks;
struct ProgrammingRun;

// Where the window's runs are kept: the record, given by a room above this
// one. A run is kept before the keyboard is touched and its end after it.
class RunJournal {
public:
    struct Planned {
        std::string layoutPath; // the file programmed (the run's own copy)
        std::string layoutFile; // the layout as the log names it
        std::string userFile;   // the window's file; empty when never saved
        std::string imageSha256;
        std::size_t imageSize = 0;
        bool emulated = false;
    };
    virtual ~RunJournal() = default;
    // False: the run does not start; why says it (empty: already said).
    virtual bool Begin(const Planned& run, QString& why) = 0;
    // The end of the run begun last; false with why when it cannot be kept.
    virtual bool End(const ProgrammingRun& run, QString& why) = 0;
    // The runs, oldest first, as the log window lists them.
    virtual std::vector<ProgrammingRun> Read(QString& why) = 0;
};

class VerifyTools : public QObject {
    Q_OBJECT
public:
    // document is the window's layout, tested and logged as it is at the
    // time; programming is the window's Programming command, run again for
    // the next keyboard. The tools live as long as the window.
    // naming is the window's (the editor's), read when a test starts.
    VerifyTools(QMainWindow* window, ProgrammingHooks& hooks, const LayoutDocument& document,
                const CodeNaming& naming, QAction* programming);

    // Where runs are logged; the user's data folder unless a test chooses.
    // The record lives beside it.
    void SetLogPath(QString path) { logPath = std::move(path); }
    // Without a journal the runs go to the text log at LogPath().
    void SetJournal(std::shared_ptr<RunJournal> theJournal) { journal = std::move(theJournal); }
    const QString& LogPath() const { return logPath; }
    int KeyboardsDone() const { return keyboardsDone; }

    // Made and shown modally (the test) or modelessly (the log).
    void OpenKeyTest();
    void OpenLog();

    // Tests: replace the modal runs with something that returns at once.
    std::function<void(KeyTestView&)> runKeyTest;
    std::function<void(QDialog&)> runDoneDialog;

    QAction* TestAction() const { return testAction; }

private:
    // False when the run must not start (the journal cannot keep it).
    bool BeforeRun(const std::string& layoutPath);
    // When the run ends, before any message: the log line. After the
    // message: the offer of the next keyboard.
    void LogRun(int result);
    void AfterRun(int result);
    void OfferNext();

    QMainWindow* window;
    const LayoutDocument& document;
    const CodeNaming& naming;
    QAction* programming;
    QAction* testAction = nullptr;
    QAction* logAction = nullptr;
    QString logPath;
    std::shared_ptr<RunJournal> journal;
    ProgrammingLogWindow* logWindow = nullptr;
    bool watchingDialog = false;

    // The run in progress and the batch it belongs to.
    std::string runLayoutFile;
    QString runLayoutShown; // the same, as the done window says it
    std::string runSha;
    std::size_t runImageSize = 0;
    std::string runMarker; // beside the log while the run goes on
    bool runDone = false;  // the run just logged sent its whole image
    std::string batchSha;
    int keyboardsDone = 0;
};

// The window's tools; nullptr when none were installed.
VerifyTools* VerifyToolsOf(QMainWindow* window);

} // namespace vorlan
