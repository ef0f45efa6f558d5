// How the station joins the main window: Tools > "Program a batch..." (the
// layout saved first, then the batch dialog and the station view), Tools >
// "Batch report..." for any batch in the log, and at start the offer to
// resume a batch that stopped before its end.
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

class QAction;
class QMainWindow;

namespace vorlan {

class KeyEditor;
class PacingClock;
class StationView;
class VerifyTools;
struct BatchSettings;

class StationTools : public QObject {
    Q_OBJECT
public:
    // verify: the window's key test and programming log tools, whose log the
    // batch counts and writes.
    StationTools(QMainWindow* window, KeyEditor& editor, const VerifyTools& verify);

    void StartBatch();
    void SaveReport();
    // When a batch's state file is left: asks whether to resume it.
    void OfferResume();

    StationView* Station() const;
    QAction* BatchAction() const { return batchAction; }
    // Tests: the clock that paces the writes (a fake one runs them at once).
    void SetClock(std::shared_ptr<PacingClock> pacing) { clock = std::move(pacing); }
    void SetPollInterval(int ms) { pollMs = ms; }

private:
    QString LogPath() const;
    void Open(const BatchSettings& settings, const std::string& pendingLine);

    QMainWindow* window;
    KeyEditor& editor;
    const VerifyTools& verify;
    QAction* batchAction = nullptr;
    QAction* reportAction = nullptr;
    QPointer<StationView> station;
    std::shared_ptr<PacingClock> clock;
    int pollMs = 0;
};

StationTools* StationToolsOf(QMainWindow* window);

} // namespace vorlan
