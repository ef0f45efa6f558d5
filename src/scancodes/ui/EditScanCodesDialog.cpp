#include "scancodes/ui/EditScanCodesDialog.h"

#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiText.h"
#include "scancodes/CodeField.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorlan {

namespace {

// Typing takes digits only; pasted text still reaches the check, so it can
// be refused with a message instead of vanishing.
class DigitLineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const QString text = event->text();
        const bool command = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
        if (!command && text.size() == 1 && text[0].isPrint() && !text[0].isDigit()) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
};

constexpr int kRowsPerColumn = 4;

} // namespace

EditScanCodesDialog::EditScanCodesDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(UiText(StringId::EditScanCodesCaption));
    setProperty("helpSection", QStringLiteral("codes"));

    auto* group = new QGroupBox(UiText(StringId::ScanCodesGroup), this);
    auto* grid = new QGridLayout(group);
    for (int k = 0; k < kSlotCount; ++k) {
        auto* field = new DigitLineEdit(group);
        field->setObjectName(QStringLiteral("code%1").arg(k + 1));
        field->setMaxLength(32);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
        auto* label = new QLabel(QStringLiteral("%1.").arg(k + 1), group);
        label->setBuddy(field);
        const int row = k % kRowsPerColumn;
        const int column = (k / kRowsPerColumn) * 2;
        grid->addWidget(label, row, column, Qt::AlignRight);
        grid->addWidget(field, row, column + 1);
        connect(field, &QLineEdit::textEdited, this, [this] { OnFieldEdited(); });
        fields_[k] = field;
    }
    for (int k = 1; k < kSlotCount; ++k) {
        setTabOrder(fields_[k - 1], fields_[k]);
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok =
        buttons->addButton(UiText(StringId::CaptureOkButton), QDialogButtonBox::AcceptRole);
    buttons->addButton(UiText(StringId::CaptureCancelButton), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &EditScanCodesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &EditScanCodesDialog::reject);
    setTabOrder(fields_[kSlotCount - 1], ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ShowFields();
}

void EditScanCodesDialog::setFieldCodes(const SlotCodes& codes) {
    fieldCodes_ = codes;
    ShowFields();
}

void EditScanCodesDialog::ShowFields() {
    // setText is not an edit by the user, so it does not start a new check.
    for (int k = 0; k < kSlotCount; ++k) {
        fields_[k]->setText(FromUtf8Text(CodeFieldText(fieldCodes_[k])));
    }
}

void EditScanCodesDialog::FocusField(int index) {
    // The message box may leave no window active (no window manager to hand
    // the focus back); the refused field must still take the next key.
    if (isVisible() && !isActiveWindow()) {
        activateWindow();
    }
    fields_[index]->setFocus(Qt::OtherFocusReason);
    fields_[index]->selectAll();
}

int EditScanCodesDialog::ReadFields() {
    for (int k = 0; k < kSlotCount; ++k) {
        const CodeFieldResult result = ParseCodeField(ToUtf8Text(fields_[k]->text()));
        if (!result.value) {
            QString text = UiText(result.error);
            if (result.error == StringId::CodeOutOfRange) {
                text = text.arg(0).arg(kMaxCode);
            }
            ShowMessage({this, MessageIcon::Exclamation, QCoreApplication::applicationName(), text,
                         MessageButtons::Ok});
            FocusField(k);
            return k;
        }
        fieldCodes_[k] = *result.value;
    }
    return -1;
}

void EditScanCodesDialog::OnFieldEdited() {
    // A refused text leaves that field's value untouched, so showing the
    // fields again brings back its previous value in canonical form.
    const int failed = ReadFields();
    ShowFields();
    if (failed >= 0) {
        FocusField(failed);
    }
}

void EditScanCodesDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // As a dialog opens, its first field takes the focus with its text
    // selected, so the first digit typed replaces the code.
    fields_[0]->setFocus(Qt::TabFocusReason);
    fields_[0]->selectAll();
}

void EditScanCodesDialog::accept() {
    if (ReadFields() >= 0) {
        return;
    }
    QDialog::accept();
}

} // namespace vorlan
