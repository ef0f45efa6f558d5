#include "programming/ui/KeyboardSettingsDialog.h"

#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiText.h"
#include "programming/KeyboardSettingsValues.h"
#include "programming/KeysPauseField.h"
#include "programming/RepeatTiming.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QVBoxLayout>

namespace vorlan {
namespace {

constexpr int kMaxTypematicRate = 31;
constexpr int kMaxKeyDelay = 3;

QRadioButton* Radio(StringId text, const char* name, QButtonGroup* group, int id, QWidget* parent) {
    auto* button = new QRadioButton(UiText(text), parent);
    button->setObjectName(QString::fromLatin1(name));
    group->addButton(button, id);
    return button;
}

QSlider* TickedSlider(int maximum, const char* name, QWidget* parent) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(QString::fromLatin1(name));
    slider->setRange(0, maximum);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    slider->setPageStep(1);
    return slider;
}

QString RateText(int position) {
    return UiText(StringId::SettingsRateValue)
        .arg(QLocale().toString(TypematicRateTenths(position) / 10.0, 'f', 1));
}

QString DelayText(int position) {
    return UiText(StringId::SettingsDelayValue).arg(KeyDelayMilliseconds(position));
}

} // namespace

KeyboardSettingsDialog::KeyboardSettingsDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      values(std::make_unique<KeyboardSettingsValues>()) {
    setObjectName(QStringLiteral("KeyboardSettingsDialog"));
    setProperty("helpSection", QStringLiteral("settings"));
    setWindowTitle(UiText(StringId::SettingsCaption));

    auto* typeBox = new QGroupBox(UiText(StringId::SettingsKeyboardType), this);
    typeGroup = new QButtonGroup(this);
    singleButton = Radio(StringId::SettingsSingle, "singleButton", typeGroup,
                         NumberOf(KeyboardSize::Single), typeBox);
    doubleButton = Radio(StringId::SettingsDouble, "doubleButton", typeGroup,
                         NumberOf(KeyboardSize::Double), typeBox);
    auto* typeLayout = new QVBoxLayout(typeBox);
    typeLayout->addWidget(singleButton);
    typeLayout->addWidget(doubleButton);

    auto* pauseBox = new QGroupBox(UiText(StringId::SettingsKeysPause), this);
    keysPauseEdit = new QLineEdit(pauseBox);
    keysPauseEdit->setObjectName(QStringLiteral("keysPauseEdit"));
    // Digits only, as typed or pasted; the range is checked on OK.
    keysPauseEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    keysPauseEdit->setMaxLength(10);
    keysPauseEdit->setFixedWidth(
        keysPauseEdit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    auto* pauseLayout = new QHBoxLayout(pauseBox);
    pauseLayout->addWidget(keysPauseEdit);
    pauseLayout->addWidget(new QLabel(UiText(StringId::SettingsPauseUnit), pauseBox));
    pauseLayout->addStretch();

    auto* keysTypeBox = new QGroupBox(UiText(StringId::SettingsKeysType), this);
    keysTypeGroup = new QButtonGroup(this);
    makeBreakButton =
        Radio(StringId::SettingsMakeBreak, "makeBreakButton", keysTypeGroup, 0, keysTypeBox);
    typematicButton =
        Radio(StringId::SettingsTypematic, "typematicButton", keysTypeGroup, 1, keysTypeBox);
    auto* keysTypeLayout = new QVBoxLayout(keysTypeBox);
    keysTypeLayout->addWidget(makeBreakButton);
    keysTypeLayout->addWidget(typematicButton);
    // The sliders follow the user's clicks on the keys-type buttons.
    connect(makeBreakButton, &QRadioButton::clicked, this, [this] { EnableSliders(false); });
    connect(typematicButton, &QRadioButton::clicked, this, [this] { EnableSliders(true); });

    auto* beepBox = new QGroupBox(UiText(StringId::SettingsKeyBeep), this);
    beepGroup = new QButtonGroup(this);
    beepOffButton = Radio(StringId::SettingsOff, "beepOffButton", beepGroup, 0, beepBox);
    beepOnButton = Radio(StringId::SettingsOn, "beepOnButton", beepGroup, 1, beepBox);
    auto* beepLayout = new QVBoxLayout(beepBox);
    beepLayout->addWidget(beepOffButton);
    beepLayout->addWidget(beepOnButton);

    auto* repeatBox = new QGroupBox(UiText(StringId::SettingsKeyRepeat), this);
    rateSlider = TickedSlider(kMaxTypematicRate, "rateSlider", repeatBox);
    delaySlider = TickedSlider(kMaxKeyDelay, "delaySlider", repeatBox);
    auto* rateLabel = new QLabel(UiText(StringId::SettingsTypematicRate), repeatBox);
    auto* delayLabel = new QLabel(UiText(StringId::SettingsKeyDelay), repeatBox);
    rateLabel->setBuddy(rateSlider);
    delayLabel->setBuddy(delaySlider);
    // Each slider's value and unit beside it, wide enough for the longest.
    rateValue = new QLabel(repeatBox);
    rateValue->setObjectName(QStringLiteral("rateValue"));
    delayValue = new QLabel(repeatBox);
    delayValue->setObjectName(QStringLiteral("delayValue"));
    rateValue->setMinimumWidth(rateValue->fontMetrics().horizontalAdvance(RateText(0)));
    delayValue->setMinimumWidth(delayValue->fontMetrics().horizontalAdvance(DelayText(3)));
    connect(rateSlider, &QSlider::valueChanged, rateValue,
            [this](int position) { rateValue->setText(RateText(position)); });
    connect(delaySlider, &QSlider::valueChanged, delayValue,
            [this](int position) { delayValue->setText(DelayText(position)); });
    auto* repeatLayout = new QGridLayout(repeatBox);
    repeatLayout->addWidget(rateLabel, 0, 0, 1, 2);
    repeatLayout->addWidget(delayLabel, 0, 2, 1, 2);
    repeatLayout->addWidget(rateSlider, 1, 0);
    repeatLayout->addWidget(rateValue, 1, 1);
    repeatLayout->addWidget(delaySlider, 1, 2);
    repeatLayout->addWidget(delayValue, 1, 3);

    auto* ok = new QPushButton(UiText(StringId::SettingsOk), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(UiText(StringId::SettingsCancel), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(ok, &QPushButton::clicked, this, &KeyboardSettingsDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &KeyboardSettingsDialog::reject);
    auto* buttons = new QVBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto* layout = new QGridLayout(this);
    layout->addWidget(typeBox, 0, 0);
    layout->addWidget(pauseBox, 0, 1, 1, 2);
    layout->addWidget(keysTypeBox, 1, 0);
    layout->addWidget(beepBox, 1, 1);
    layout->addLayout(buttons, 1, 2);
    layout->addWidget(repeatBox, 2, 0, 1, 3);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    SetValues(*values);
}

KeyboardSettingsDialog::~KeyboardSettingsDialog() = default;

std::optional<KeyboardSettingsValues>
KeyboardSettingsDialog::Run(const KeyboardSettingsValues& start) {
    SetValues(start);
    if (exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return *values;
}

void KeyboardSettingsDialog::SetValues(const KeyboardSettingsValues& start) {
    *values = start;
    const auto check = [](QButtonGroup* group, int id) {
        // An id without a button (a value no file should hold) selects none.
        group->setExclusive(false);
        for (QAbstractButton* button : group->buttons()) {
            button->setChecked(group->id(button) == id);
        }
        group->setExclusive(true);
    };
    check(typeGroup, NumberOf(values->keyboard));
    check(keysTypeGroup, values->keysType);
    check(beepGroup, values->keyBeep);
    keysPauseEdit->setText(QString::number(values->keysPause));
    rateSlider->setValue(values->typematicRate);
    delaySlider->setValue(values->keyDelay);
    rateValue->setText(RateText(rateSlider->value()));
    delayValue->setText(DelayText(delaySlider->value()));
    EnableSliders(values->keysType != 0);
}

void KeyboardSettingsDialog::EnableSliders(bool enable) {
    rateSlider->setEnabled(enable);
    delaySlider->setEnabled(enable);
}

void KeyboardSettingsDialog::accept() {
    const KeysPauseResult pause = ParseKeysPause(ToUtf8Text(keysPauseEdit->text()));
    if (!pause.value) {
        QString text = UiText(pause.error);
        if (pause.error == StringId::CodeOutOfRange) {
            text = text.arg(kMinKeysPause).arg(kMaxKeysPause);
        }
        ShowMessage({this, MessageIcon::Exclamation, QCoreApplication::applicationName(), text,
                     MessageButtons::Ok});
        keysPauseEdit->setFocus(Qt::OtherFocusReason);
        keysPauseEdit->selectAll();
        return;
    }
    // Slider positions are kept whatever their enabled state, so a
    // Make-Break setting still stores a rate and a delay.
    if (const std::optional<KeyboardSize> size = KeyboardSizeFromNumber(typeGroup->checkedId())) {
        values->keyboard = *size;
    }
    if (keysTypeGroup->checkedId() >= 0) {
        values->keysType = keysTypeGroup->checkedId();
    }
    if (beepGroup->checkedId() >= 0) {
        values->keyBeep = beepGroup->checkedId();
    }
    values->keysPause = *pause.value;
    values->typematicRate = rateSlider->value();
    values->keyDelay = delaySlider->value();
    QDialog::accept();
}

} // namespace vorlan
