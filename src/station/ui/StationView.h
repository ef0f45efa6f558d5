// The station: a batch's keyboards one after the other, readable from two
// metres. It polls the driver's detection while no keyboard answers,
// programs the one that does, tests it with the keys typed on it, and keeps
// each keyboard in the record: a row before the keyboard is touched, its
// verdict committed before the screen says it. Enter goes on, R retries the
// keyboard (programmed when it answers), S sets it aside, Escape pauses and
// asks whether to end; during programming Escape asks before it stops.
// Ctrl+S (or the button's access key) saves the report between keyboards.
#pragma once

#include "scancodes/ScanCodeTables.h"

#include <QDialog>
#include <QElapsedTimer>
#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <thread>

class QLabel;
class QKeyEvent;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimer;

namespace vorlan {

// Declared only, so moc need not read the string table behind them.
class Batch;
class CountingDriver;
class KeyTestSession;
class KeyboardDriver;
class LayoutDocument;
class PacingClock;
class RecordStore;
struct RecordResult;
struct RunRecord;
enum class KeyTestOutcome;
enum class BatchOutcome;

class StationView : public QDialog {
    Q_OBJECT
public:
    // Paused: the record cannot take what the station must keep in it.
    enum class State { Waiting, Programming, Testing, Passed, Failed, Complete, Paused };

    // keyboard is not owned and outlives the view; doc is copied for the test.
    // The batch is the record's batchId, which this process holds; naming:
    // how the key test names codes (the window's PC layout).
    StationView(Batch batch, const LayoutDocument& doc, KeyboardDriver& keyboard,
                std::shared_ptr<PacingClock> clock, std::shared_ptr<RecordStore> record,
                std::int64_t batchId, QWidget* parent, CodeNaming naming = {});
    ~StationView() override;

    State CurrentState() const { return state; }
    const Batch& TheBatch() const { return *batch; }
    QListWidget* Rows() const { return rows; }
    QLabel* StateLine() const { return stateLine; }
    QLabel* KeysLine() const { return keysLine; }
    QPushButton* ReportButton() const { return reportButton; }
    void SetPollInterval(int ms);
    std::int64_t BatchId() const { return batchId; }
    // A batch another station opened and holds: this one programs its
    // keyboards beside it, and leaving it leaves the batch open.
    void SetJoined();
    bool Joined() const { return joined; }

    // Writes the report of this batch (PDF or CSV by the name's extension).
    bool SaveReport(const QString& path);

Q_SIGNALS:
    void StateChanged(State state);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Poll();
    void StartProgramming();
    void RunEnded(int result, std::int64_t durationMs);
    // The programmed keyboard in the record, then its test or its verdict.
    void AfterProgrammed();
    void TakeTestKey(const QKeyEvent& key);
    void CheckTest();
    void Judge(KeyTestOutcome test);
    void Decide(bool setAside);
    void AddRow(int place, int count, const std::string& dateTime, BatchOutcome outcome);
    void Show(State next, const QString& text);
    // A keyboard in progress recorded with what it holds, as failed.
    bool FinishPending();
    // Stops the batch with the record's reason (nothing is counted that the
    // record does not hold).
    void PauseFor(const RecordResult& why);
    // Enter while paused: what was kept is sent, and what the record could
    // not take is tried again.
    void Retry();
    // The batch completed or ended by other stations: said, true.
    bool FinishedElsewhere();
    void EndBatch(bool complete);
    void Pause();
    void AskStop();
    void ChooseReport();
    void ShowPlace();
    // The order's counts and the stations sharing the batch, from the record.
    void ReadShared();
    void ShowKeys();
    bool IsReportKey(const QKeyEvent& key) const;
    void FitScreen();
    QString FailureDetails() const;

    CodeNaming naming;
    std::unique_ptr<Batch> batch;
    std::unique_ptr<LayoutDocument> doc;
    std::shared_ptr<CountingDriver> driver;
    std::shared_ptr<PacingClock> clock;
    std::shared_ptr<RecordStore> record;
    std::int64_t batchId = 0;
    std::string batchFileSha; // the layout file's bytes when the batch began
    int stations = 0;         // with runs of the batch, this one too
    State state = State::Waiting;
    bool keyboardStillThere = false; // after a verdict: wait until it is taken away
    bool joined = false;
    int pollsSinceRead = 0; // other stations' progress is read every few polls
    // Where a pause stopped the keyboard in progress, to go on there.
    enum class Step { None, Programmed, Verdict };
    Step pausedAt = Step::None;
    bool verdictSetAside = false;
    int runResult = 0; // the programming engine's result of the keyboard in progress

    // The keyboard between its first commit and its verdict (id 0: none).
    std::unique_ptr<RunRecord> run;
    KeyTestOutcome pendingTest{}; // not run
    QString failReason;
    std::unique_ptr<KeyTestSession> test;
    QElapsedTimer testClock;
    // Escape's question is open while programming: the run's end waits for the answer.
    bool askingStop = false;
    std::optional<std::pair<int, std::int64_t>> endWaiting;

    std::thread worker;
    std::atomic<bool> stop{false};
    std::atomic<int> bytesTotal{0};
    std::atomic<int> bytesSent{0};

    QLabel* orderLine = nullptr;
    QLabel* keysLine = nullptr;
    QLabel* placeLine = nullptr;
    QLabel* stateLine = nullptr;
    QProgressBar* bar = nullptr;
    QListWidget* rows = nullptr;
    QPushButton* reportButton = nullptr;
    QTimer* pollTimer = nullptr;
    QTimer* testTimer = nullptr;
    QTimer* ownerTimer = nullptr;
};

} // namespace vorlan
