// The key test window: the layout's grid, the list of sequences that matched
// no key and of card reads, the counter, Reset and Save report. While it is
// the active window it takes every key press, Tab, Escape and Alt+F4
// included, as the scan-code capture does, and feeds the codes to the test;
// Escape held down for two seconds closes it (the test ignores the repeats). With an emulated
// keyboard a click on a key makes that keyboard type the key's sequence as key events.
#pragma once

#include "scancodes/ScanCodeTables.h"

#include <QDialog>
#include <QElapsedTimer>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QScrollArea;
class QTimer;

namespace vorlan {

// Declared only, so moc need not read the string table behind them.
class EmulatedKeyboard;
class KeyTestGrid;
class KeyTestSession;
class LayoutDocument;
struct ReportHeader;

class KeyTestView : public QDialog {
    Q_OBJECT
public:
    // doc is copied: the test goes on from the layout as it was when it began.
    // emulator may be null (a real keyboard); it is not owned.
    // Codes are named as `naming` names them (the window's PC layout).
    KeyTestView(const LayoutDocument& doc, EmulatedKeyboard* emulator, QWidget* parent,
                const CodeNaming& naming = {});
    ~KeyTestView() override;

    const KeyTestSession& Session() const { return *session; }
    QListWidget* Lines() const { return lines; }
    QLabel* Counter() const { return counter; }
    QPushButton* ResetButton() const { return resetButton; }
    QPushButton* CloseButton() const { return closeButton; }
    QPushButton* SaveButton() const { return saveButton; }
    KeyTestGrid* Grid() const { return grid; }

    // How long Escape is held to close the window; tests shorten it.
    void SetHoldToCloseMs(qint64 ms) { holdToCloseMs = ms; }

    // What the report names: the layout's file and its image's digest.
    void SetReportHeader(std::string layoutFile, std::string imageSha256);
    ReportHeader Header() const;

    // A click on a slot: it becomes the expected key; an emulated keyboard types it.
    void ClickSlot(int slot);
    // Save report... without the file dialog (JSON when the name ends in .json).
    bool SaveReport(const QString& path);
    // Ends a pending sequence at once, as the pause would.
    void EndPendingSequence();
    // What the report dialog offers: beside the layout, named after it.
    QString ProposedReportPath() const;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void TakeKeyPress(const class QKeyEvent& key);
    void Refresh();
    void ArmPauseTimer();
    void ChooseReportFile();
    void GrabKeys(bool on);
    // The one place the report is written (the file writer takes it over).
    bool WriteReportFile(const QString& path);
    void WatchEscape(const class QKeyEvent& key);

    std::unique_ptr<LayoutDocument> doc;
    std::unique_ptr<KeyTestSession> session;
    EmulatedKeyboard* emulator;
    std::vector<std::vector<std::uint8_t>>
        storedBySlot; // what the emulator holds; empty: the layout's
    std::string layoutFile;
    std::string imageSha256;

    KeyTestGrid* grid = nullptr;
    QListWidget* lines = nullptr;
    QLabel* counter = nullptr;
    QPushButton* resetButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* closeButton = nullptr;
    QScrollArea* body = nullptr;
    QTimer* pauseTimer = nullptr;
    QElapsedTimer clock;
    bool keysGrabbed = false;
    qint64 holdToCloseMs = 2000;
    qint64 escapeDownAt = -1; // when the Escape now held went down; -1: not held
    qint64 escapeUpAt = -1;   // when Escape last came up (a repeat's release too)
};

// Sends the key presses (and releases) of codes to target as the platform's
// key events would arrive from a keyboard; false when a code cannot be typed.
// Modifier keys earlier in the sequence are held for the keys after them.
bool TypeSequence(const std::vector<std::uint8_t>& codes, QObject* target);

} // namespace vorlan
