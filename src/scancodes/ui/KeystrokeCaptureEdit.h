// The invisible control of the capture dialog: it holds the focus and turns
// every key press, including Tab, Enter, Escape and system keys, into codes
// appended to the dialog's slots.
#pragma once

#include <QWidget>

namespace vorlan {

class ScanCodeCapture;

class KeystrokeCaptureEdit : public QWidget {
    Q_OBJECT

public:
    KeystrokeCaptureEdit(ScanCodeCapture& capture, QWidget* parent);

Q_SIGNALS:
    // Emitted after a key press changed the slots.
    void slotsChanged();

protected:
    bool event(QEvent* event) override;

private:
    ScanCodeCapture& capture_;
};

} // namespace vorlan
