#include "scancodes/ui/TypeTextDialog.h"

#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorlan {

TypeTextDialog::TypeTextDialog(const TextTypist& typist, QWidget* parent)
    : QDialog(parent), typist_(typist) {
    setObjectName(QStringLiteral("typeTextDialog"));
    setWindowTitle(UiText(StringId::TypeTextTitle));
    auto* prompt = new QLabel(
        UiText(StringId::TypeTextPrompt).arg(QString::fromStdString(typist_.layoutName())), this);
    prompt->setWordWrap(true);
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("typedText"));
    prompt->setBuddy(text_);
    numberPad_ = new QCheckBox(UiText(StringId::TypeTextNumberPad), this);
    numberPad_->setObjectName(QStringLiteral("numberPad"));
    result_ = new QLabel(this);
    result_->setObjectName(QStringLiteral("typedCodes"));
    result_->setWordWrap(true);
    result_->setMinimumHeight(result_->fontMetrics().lineSpacing() * 4);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setText(UiText(StringId::CaptureOkButton));
    buttons->button(QDialogButtonBox::Cancel)->setText(UiText(StringId::CaptureCancelButton));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(text_, &QLineEdit::textChanged, this, &TypeTextDialog::Retype);
    connect(numberPad_, &QCheckBox::toggled, this, &TypeTextDialog::Retype);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(text_);
    layout->addWidget(numberPad_);
    layout->addWidget(result_);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    // The text takes the keys from the start, whichever window had them.
    text_->setFocus(Qt::OtherFocusReason);
    Retype();
}

void TypeTextDialog::Retype() {
    const std::string text = text_->text().toStdString();
    typed_ = typist_.type(text, numberPad_->isChecked());
    QString shown;
    if (!typed_.refused) {
        QStringList codes;
        for (std::size_t i = 0; i < typed_.codes.size(); ++i) {
            codes << QStringLiteral("%1 %2")
                         .arg(typed_.codes[i])
                         .arg(QString::fromStdString(typed_.names[i]));
        }
        shown = codes.join(QStringLiteral(", "));
    }
    if (typed_.messageId != 0) {
        QStringList values;
        for (const std::string& arg : typed_.args) {
            values << QString::fromStdString(arg);
        }
        shown += (shown.isEmpty() ? QString() : QStringLiteral("\n")) +
                 FillPlaceholders(UiText(typed_.messageId), values);
    }
    result_->setText(shown);
    ok_->setEnabled(!typed_.refused && !typed_.codes.empty());
}

std::optional<TypedText> TypeTextDialog::Ask() {
    if (exec() != QDialog::Accepted || typed_.refused) {
        return std::nullopt;
    }
    return typed_;
}

} // namespace vorlan
