// "Insert scan-codes by pressing key": the modal dialog in which the codes of
// one key are captured from key presses or edited as numbers. The main window
// creates it once and runs it for each key edit.
#pragma once

#include "scancodes/ScanCodeCapture.h"

#include <QDialog>
#include <QSet>
#include <QTimer>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vorlan {

class KeystrokeCaptureEdit;

struct CaptureDialogResult {
    bool accepted = false;
    SlotCodes codes{};
    SlotNames names{};
};

class CaptureScanCodesDialog : public QDialog {
    Q_OBJECT

public:
    explicit CaptureScanCodesDialog(QWidget* parent);

    // Opens the dialog modally with a key's codes and the texts shown for
    // them; on OK the result holds the 16 codes and their names, on Cancel
    // only accepted = false.
    CaptureDialogResult Run(const SlotCodes& codes, const SlotNames& names);

    // The first part of Run, for callers that show the dialog themselves:
    // loads the codes and names; capture starts again at slot 1. Without
    // names, each code is named as the key panel names it.
    void Load(const SlotCodes& codes, const SlotNames& names);
    void Load(const SlotCodes& codes);
    // The names new codes get (the window's PC layout's); standard until set.
    void SetNaming(CodeNaming naming) {
        naming_ = naming;
        capture_.SetNaming(naming);
    }
    const ScanCodeCapture& capture() const { return capture_; }

    KeystrokeCaptureEdit* captureEdit() const { return captureEdit_; }
    QLineEdit* codeField(int index) const { return codeFields_[index]; }
    QLineEdit* nameField(int index) const { return nameFields_[index]; }

    // Enter, Escape and the close request never close it while it captures:
    // only the buttons "OK" and "Cancel" do. Once capturing has paused (a few
    // seconds after the dialog opened or the last key was let go, the
    // seconds left shown), Enter presses the focused button and Escape cancels.
    void accept() override {}
    void reject() override {}
    static constexpr int kPauseAfterMs = 3000;
    bool Capturing() const { return !paused_; }
    QLabel* StateLabel() const { return stateLabel_; }
    QLabel* CountdownLabel() const { return countdownLabel_; }
    // Tests shorten the pause; a count under way starts again with it.
    void SetPauseAfterMs(int ms);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ClearLast();
    void ClearAll();
    void EditCodes();
    void ShowFields();
    void FocusCapture();
    void GrabKeys(bool grab);
    void PauseCapture();
    void NoteCaptureKey(QEvent* event);
    void StartPauseCount();
    void ShowCountdown();

    CodeNaming naming_;
    ScanCodeCapture capture_;
    KeystrokeCaptureEdit* captureEdit_ = nullptr;
    std::array<QLineEdit*, kSlotCount> codeFields_{};
    std::array<QLineEdit*, kSlotCount> nameFields_{};
    bool keysGrabbed_ = false;
    bool editorOpen_ = false;
    bool paused_ = false;
    QSet<int> heldKeys_; // keys down now; no pause while one is held
    QTimer pauseTimer_;
    QTimer countdownTimer_; // the seconds shown while the pause counts
    QLabel* stateLabel_ = nullptr;
    QLabel* countdownLabel_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* againButton_ = nullptr;
};

} // namespace vorlan
