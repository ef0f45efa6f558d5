// How the station joins the main window: Tools > "Program a batch..." (the
// layout saved first, then the batch dialog and the station view), Tools >
// "Join a batch..." for one another station opened, Tools >
// "Batch report..." for the last order in the record, and at start the offer
// to resume a batch that stopped before its end. Batches live in the record
// beside the programming log, or on the server Tools > "Records..." names.
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

class QAction;
class QMainWindow;

namespace vorlan {

class KeyEditor;
class PacingClock;
class RecordStore;
class StationView;
class VerifyTools;
class WindowRecord;
struct BatchRecord;

class StationTools : public QObject {
    Q_OBJECT
public:
    // verify: the window's key test and programming log tools; the record of
    // runs and batches is beside that log, and keeps the window's runs too.
    StationTools(QMainWindow* window, KeyEditor& editor, VerifyTools& verify);

    void StartBatch();
    // Tools > Join a batch...: an open batch of the record, programmed here
    // beside the station that opened it.
    void JoinBatch();
    void SaveReport();
    // Tools > Records...: where the record is (refused while a batch runs).
    void ChooseRecord();
    // When the record holds an open batch nobody runs: asks whether to resume it.
    void OfferResume();

    StationView* Station() const;
    QAction* BatchAction() const { return batchAction; }
    // Tests: the clock that paces the writes (a fake one runs them at once).
    void SetClock(std::shared_ptr<PacingClock> pacing) { clock = std::move(pacing); }
    void SetPollInterval(int ms) { pollMs = ms; }

private:
    QString LogPath() const;
    // The record beside the log, opened once; null (and said) when it cannot be.
    std::shared_ptr<RecordStore> Record();
    void Open(const BatchRecord& row, bool joined = false);

    QMainWindow* window;
    KeyEditor& editor;
    const VerifyTools& verify;
    std::shared_ptr<WindowRecord> windowRecord;
    QAction* batchAction = nullptr;
    QAction* joinAction = nullptr;
    QAction* reportAction = nullptr;
    QAction* recordsAction = nullptr;
    QPointer<StationView> station;
    std::shared_ptr<PacingClock> clock;
    std::shared_ptr<RecordStore> record; // once opened, the one windowRecord holds
    int pollMs = 0;
};

StationTools* StationToolsOf(QMainWindow* window);

} // namespace vorlan
