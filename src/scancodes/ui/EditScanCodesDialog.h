// The small dialog in which a key's 16 codes are typed as decimal numbers.
// Every change is checked at once: a text that is not a code 0..255 is
// refused with a message and the field gets its previous value back.
#pragma once

#include "scancodes/ScanCodeCapture.h"

#include <QDialog>
#include <array>

class QLineEdit;

namespace vorlan {

class EditScanCodesDialog : public QDialog {
    Q_OBJECT

public:
    explicit EditScanCodesDialog(QWidget* parent);

    void setFieldCodes(const SlotCodes& codes);
    const SlotCodes& fieldCodes() const { return fieldCodes_; }

    // Field k (0-based), for tests and the focus check.
    QLineEdit* field(int index) const { return fields_[index]; }

    // Refuses to close while a field does not hold a code.
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnFieldEdited();
    // Reads the fields in order into fieldCodes; stops at the first field that
    // fails, with its message, and returns its index (-1 when all are codes).
    int ReadFields();
    void ShowFields();
    void FocusField(int index);

    SlotCodes fieldCodes_{};
    std::array<QLineEdit*, kSlotCount> fields_{};
};

} // namespace vorlan
