// "Type a text": the codes of a text typed in the PC layout, shown as the
// user types it, with the refusal or what the key will type instead.
#pragma once

#include "scancodes/TypedText.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vorlan {

class TypeTextDialog : public QDialog {
public:
    TypeTextDialog(const TextTypist& typist, QWidget* parent);

    // The codes on OK; nothing on Cancel.
    std::optional<TypedText> Ask();

    QLineEdit* TextField() const { return text_; }
    QCheckBox* NumberPad() const { return numberPad_; }
    QLabel* Result() const { return result_; }

private:
    void Retype();

    const TextTypist& typist_;
    TypedText typed_;
    QLineEdit* text_ = nullptr;
    QCheckBox* numberPad_ = nullptr;
    QLabel* result_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace vorlan
