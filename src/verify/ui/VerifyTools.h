// How the key test, the programming log and batch programming join the main
// window: a Tools menu before Help with "Test keyboard..." and "Programming
// log", a log line for every programming run, and after a successful run a
// dialog that offers "Test keyboard" and "Program next keyboard".
#pragma once

#include "scancodes/ScanCodeTables.h"

#include <QObject>
#include <QString>
#include <functional>
#include <string>

class QAction;
class QDialog;
class QMainWindow;

namespace vorlan {

class KeyTestView;
class LayoutDocument;
class ProgrammingLogWindow;
struct ProgrammingHooks;

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
    void SetLogPath(QString path) { logPath = std::move(path); }
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
    void BeforeRun(const std::string& layoutPath);
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
