#include "app/KeyPanelControls.h"

#include "common/ui/QtText.h"
#include "common/ui/TextRoomUi.h"
#include "common/ui/UiText.h"
#include "editor/KeyEditor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QValidator>
#include <algorithm>

namespace vorlan {
namespace {

// The digit count is changed only through its arrows, which step within
// 1..13; the text is read-only. A layout file may bring 0, which the field
// shows as it is, so taking the panel values does not change the layout.
class DigitsCountSpinBox : public QSpinBox {
public:
    static constexpr int kLowestStep = 1;
    static constexpr int kHighestStep = 13;

    explicit DigitsCountSpinBox(QWidget* parent) : QSpinBox(parent) {
        lineEdit()->setReadOnly(true);
        setRange(0, kHighestStep);
    }

    void stepBy(int steps) override {
        const int target = std::clamp(value() + steps, kLowestStep, kHighestStep);
        if ((steps > 0 && target > value()) || (steps < 0 && target < value())) {
            setValue(target);
        }
    }

protected:
    StepEnabled stepEnabled() const override {
        StepEnabled enabled = StepNone;
        if (value() > kLowestStep) {
            enabled |= StepDownEnabled;
        }
        if (value() < kHighestStep) {
            enabled |= StepUpEnabled;
        }
        return enabled;
    }
};

template <typename W> W* Place(W* widget, const QRect& rect, const char* name) {
    widget->setGeometry(rect);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* Label(QWidget* parent, StringId text, const QRect& rect) {
    auto* label = new QLabel(UiText(text), parent);
    label->setGeometry(rect);
    return label;
}

QGroupBox* Group(QWidget* parent, StringId title, const QRect& rect) {
    auto* box = new QGroupBox(UiText(title), parent);
    box->setGeometry(rect);
    return box;
}

// Key names are bytes in the layout file; the field shows and takes them as
// Latin-1, so every byte survives and nothing outside Latin-1 can be typed.
class Latin1Validator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*pos*/) const override {
        for (const QChar c : input) {
            if (c.unicode() > 0xFF) {
                return Invalid;
            }
        }
        return Acceptable;
    }
};

// Sets a line edit's text only when it differs, so the caret of a field being
// typed in stays where it is when the editor pushes the same text back.
void SetText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) {
        edit->setText(text);
    }
}

// One line, cut with an ellipsis where it is longer than the label (again
// when the window's sizing changes the label); the tooltip holds it whole.
class ElidedLabel : public QLabel {
public:
    explicit ElidedLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }
    void SetWholeText(const QString& text) {
        whole_ = text;
        setToolTip(text);
        setAccessibleName(text); // a screen reader reads it whole
        Elide();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        Elide();
    }

private:
    void Elide() { setText(fontMetrics().elidedText(whole_, Qt::ElideRight, width())); }
    QString whole_;
};

} // namespace

// The grid itself lies at fixed pixel positions and does not scale.
QRect DesignedRect(int x, int y, int w, int h) {
    const auto px = [](int v) { return (v * 3 + 1) / 2; };
    const auto py = [](int v) { return (v * 13 + 4) / 8; };
    return QRect(px(x), py(y), px(x + w) - px(x), py(y + h) - py(y));
}

KeyPanelControls::KeyPanelControls(QWidget& theClient) : client(theClient) {
    QWidget* c = &client;
    const auto Dlu = DesignedRect;

    // Group boxes first, so the controls lie above them.
    Group(c, StringId::GroupRfid, QRect(4, 2, 248, 72));
    Group(c, StringId::GroupKeyFlags, QRect(258, 2, 161, 72));
    Group(c, StringId::GroupKeyMode, QRect(423, 2, 137, 72));
    Group(c, StringId::GroupKey, Dlu(377, 31, 128, 173));
    Group(c, StringId::GroupKeyCodes, Dlu(382, 66, 117, 117));

    // The top row is placed in pixels: its captions are wider in the fonts
    // found on every system than in the font it was designed for.
    // RFID.
    Label(c, StringId::LabelDigitsCount, QRect(9, 21, 66, 16));
    digitsCount = Place(new DigitsCountSpinBox(c), QRect(76, 19, 36, 20), "digitsCount");
    digitsCount->setValue(9);
    Label(c, StringId::LabelPrefix, QRect(117, 21, 33, 16))
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    prefixEdit = Place(new QLineEdit(c), QRect(152, 19, 27, 20), "prefixEdit");
    prefixExtended = Place(new QCheckBox(UiText(StringId::CheckExtended), c),
                           QRect(182, 21, 67, 16), "prefixExtended");
    Label(c, StringId::LabelSuffix, QRect(117, 48, 33, 16))
        ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    suffixEdit = Place(new QLineEdit(c), QRect(152, 46, 27, 20), "suffixEdit");
    suffixExtended = Place(new QCheckBox(UiText(StringId::CheckExtended), c),
                           QRect(182, 48, 67, 16), "suffixExtended");
    digitsTypeNum = Place(new QCheckBox(UiText(StringId::CheckDigitsTypeNum), c),
                          QRect(8, 48, 108, 16), "digitsTypeNum");
    digitsTypeNum->setChecked(true);

    // Key flags.
    singleKey = Place(new QCheckBox(UiText(StringId::CheckSingleKey), c), QRect(264, 21, 76, 16),
                      "singleKey");
    groupKey = Place(new QCheckBox(UiText(StringId::CheckGroupKey), c), QRect(342, 21, 74, 16),
                     "groupKey");
    groupKey->setEnabled(false);
    setFlagForAll = Place(new QPushButton(UiText(StringId::ButtonX), c), QRect(264, 48, 16, 16),
                          "setFlagForAll");
    Label(c, StringId::LabelSetFlagForAll, QRect(285, 48, 132, 16))
        ->setObjectName(QStringLiteral("setFlagForAllLabel"));

    // Key mode.
    modeRadios[0] =
        Place(new QRadioButton(UiText(StringId::RadioMode1), c), QRect(429, 16, 64, 16), "mode1");
    modeRadios[1] =
        Place(new QRadioButton(UiText(StringId::RadioMode2), c), QRect(429, 33, 64, 16), "mode2");
    modeRadios[2] =
        Place(new QRadioButton(UiText(StringId::RadioMode3), c), QRect(495, 16, 64, 16), "mode3");
    modeGroup = new QButtonGroup(c);
    for (QRadioButton* radio : modeRadios) {
        modeGroup->addButton(radio);
    }
    setModeForAll = Place(new QPushButton(UiText(StringId::ButtonX), c), QRect(429, 52, 16, 16),
                          "setModeForAll");
    Label(c, StringId::LabelSetModeForAll, QRect(449, 52, 110, 16))
        ->setObjectName(QStringLiteral("setModeForAllLabel"));

    // Programmed keys and the key panel.
    Label(c, StringId::LabelProgrammedKeys, Dlu(399, 4, 100, 8));
    programmedKeys = Place(new QComboBox(c), Dlu(377, 16, 128, 13), "programmedKeys");
    programmedKeys->setMaxVisibleItems(20);
    Label(c, StringId::LabelKeyNumber, Dlu(383, 41, 41, 8));
    keyNumber = Place(new QLineEdit(c), Dlu(425, 39, 19, 12), "keyNumber");
    keyNumber->setReadOnly(true);
    QLabel* nameLabel = Label(c, StringId::LabelKeyName, Dlu(383, 55, 41, 8));
    keyName = Place(new QLineEdit(c), Dlu(425, 53, 78, 12), "keyName");
    nameLabel->setBuddy(keyName); // its access key reaches the name from anywhere
    keyName->setMaxLength(static_cast<int>(kMaxPanelNameBytes));
    keyName->setValidator(new Latin1Validator(keyName));

    // Codes 1..8 in the left column, 9..16 in the right one.
    static constexpr int kRows[8] = {77, 89, 102, 115, 128, 141, 153, 166};
    static constexpr const char* kCodeIds[16] = {"code1000", "code1001", "code1003", "code1004",
                                                 "code1005", "code1006", "code1007", "code1008",
                                                 "code1002", "code1011", "code1013", "code1014",
                                                 "code1015", "code1019", "code1021", "code1022"};
    for (std::size_t i = 0; i < codeEdits.size(); ++i) {
        const int column = static_cast<int>(i / 8);
        const int y = kRows[i % 8];
        auto* label = new QLabel(QStringLiteral("%1.").arg(i + 1), c);
        label->setGeometry(column == 0 ? Dlu(385, y + 2, 9, 8) : Dlu(439, y + 2, 13, 8));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        codeEdits[i] = Place(new QLineEdit(c),
                             column == 0 ? Dlu(395, y, 41, 12) : Dlu(453, y, 42, 12), kCodeIds[i]);
        codeEdits[i]->setReadOnly(true);
    }

    // What the codes type, in the line between the codes and the step buttons.
    keyTypes = Place(new ElidedLabel(c), Dlu(383, 183, 116, 8), "keyTypes");

    previousButton = Place(new QPushButton(UiText(StringId::ButtonPrevious), c),
                           Dlu(382, 191, 52, 10), "previousButton");
    nextButton = Place(new QPushButton(UiText(StringId::ButtonNext), c), Dlu(447, 191, 52, 10),
                       "nextButton");

    // Controls that never take the focus from the keyboard: the window keeps
    // the arrows and Enter for the grid anyway.
    for (QPushButton* b : {setFlagForAll, setModeForAll, previousButton, nextButton}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
}

void KeyPanelControls::Connect(KeyEditor& editor) {
    KeyEditor* e = &editor;
    QObject* context = &client;
    // Only the user's own changes reach the editor (textEdited, clicked and
    // activated are not sent for changes made by the program).
    QObject::connect(keyName, &QLineEdit::textEdited, context, [e] { e->OnKeyNameChanged(); });
    QObject::connect(singleKey, &QCheckBox::clicked, context, [e] { e->OnSingleKeyClicked(); });
    for (std::size_t i = 0; i < modeRadios.size(); ++i) {
        static_assert(std::tuple_size_v<decltype(modeRadios)> == kOfferedModes.size());
        const KeyMode mode = kOfferedModes[i];
        QObject::connect(modeRadios[i], &QRadioButton::clicked, context,
                         [e, mode] { e->OnModeClicked(mode); });
    }
    QObject::connect(setModeForAll, &QPushButton::clicked, context, [e] { e->OnSetModeForAll(); });
    QObject::connect(setFlagForAll, &QPushButton::clicked, context, [e] { e->OnSetFlagForAll(); });
    QObject::connect(previousButton, &QPushButton::clicked, context,
                     [e] { e->OnPreviousButton(); });
    QObject::connect(nextButton, &QPushButton::clicked, context, [e] { e->OnNextButton(); });
    QObject::connect(programmedKeys, &QComboBox::activated, context,
                     [e](int row) { e->OnCatalogPick(row); });

    // RFID options.
    const auto rfidEdited = [e] { e->OnRfidFieldEdited(); };
    QObject::connect(prefixEdit, &QLineEdit::textEdited, context, rfidEdited);
    QObject::connect(suffixEdit, &QLineEdit::textEdited, context, rfidEdited);
    QObject::connect(prefixExtended, &QCheckBox::clicked, context, rfidEdited);
    QObject::connect(suffixExtended, &QCheckBox::clicked, context, rfidEdited);
    QObject::connect(digitsTypeNum, &QCheckBox::clicked, context, rfidEdited);
    QObject::connect(digitsCount, &QSpinBox::valueChanged, context, rfidEdited);
}

void KeyPanelControls::Show(const PanelValues& v) {
    SetText(keyNumber, QString::number(v.keyNumber));
    SetText(keyName, FromLatin1Text(v.nameLatin1));
    for (std::size_t i = 0; i < v.codeTextsUtf8.size(); ++i) {
        SetText(codeEdits[i], FromUtf8Text(v.codeTextsUtf8[i]));
    }
    static_cast<ElidedLabel*>(keyTypes)->SetWholeText(
        v.typesUtf8.empty() ? QString()
                            : UiText(StringId::KeyTypesText).arg(FromUtf8Text(v.typesUtf8)));
    groupKey->setChecked(v.groupKey);
    singleKey->setChecked(v.singleKey);
    // Mode 4 (only from files) selects no radio button.
    modeGroup->setExclusive(false);
    for (std::size_t i = 0; i < modeRadios.size(); ++i) {
        modeRadios[i]->setChecked(kOfferedModes[i] == v.mode);
    }
    modeGroup->setExclusive(true);
    {
        const QSignalBlocker block(digitsCount);
        digitsCount->setValue(v.digitsCount);
    }
    digitsTypeNum->setChecked(v.digitsTypeNum);
    SetText(prefixEdit, FromLatin1Text(v.prefixLatin1));
    prefixExtended->setChecked(v.prefixExtended);
    SetText(suffixEdit, FromLatin1Text(v.suffixLatin1));
    suffixExtended->setChecked(v.suffixExtended);
}

PanelValues KeyPanelControls::Read() const {
    PanelValues v;
    v.keyNumber = keyNumber->text().toInt();
    v.nameLatin1 = ToLatin1Text(keyName->text());
    for (std::size_t i = 0; i < v.codeTextsUtf8.size(); ++i) {
        v.codeTextsUtf8[i] = ToUtf8Text(codeEdits[i]->text());
    }
    v.groupKey = groupKey->isChecked();
    v.singleKey = singleKey->isChecked();
    v.mode = KeyMode::Unnamed;
    for (std::size_t i = 0; i < modeRadios.size(); ++i) {
        if (modeRadios[i]->isChecked()) {
            v.mode = kOfferedModes[i];
        }
    }
    v.digitsCount = digitsCount->value();
    v.digitsTypeNum = digitsTypeNum->isChecked();
    v.prefixLatin1 = ToLatin1Text(prefixEdit->text());
    v.prefixExtended = prefixExtended->isChecked();
    v.suffixLatin1 = ToLatin1Text(suffixEdit->text());
    v.suffixExtended = suffixExtended->isChecked();
    return v;
}

void KeyPanelControls::FillCatalog(const std::vector<std::string>& rows) {
    const QSignalBlocker block(programmedKeys);
    programmedKeys->clear();
    for (const std::string& row : rows) {
        programmedKeys->addItem(FromLatin1Text(row));
    }
    programmedKeys->setCurrentIndex(-1);
}

void KeyPanelControls::SelectCatalogRow(int row) {
    const QSignalBlocker block(programmedKeys);
    programmedKeys->setCurrentIndex(row);
}

void KeyPanelControls::FocusRfidField(RfidField field) {
    QLineEdit* edit = field == RfidField::Prefix ? prefixEdit : suffixEdit;
    edit->setFocus();
    edit->selectAll();
}

bool KeyPanelControls::IsCodeField(const QWidget* widget) const {
    return std::find(codeEdits.begin(), codeEdits.end(), widget) != codeEdits.end();
}

void KeyPanelControls::WrapLongCaptions() {
    for (const char* name : {"setFlagForAllLabel", "setModeForAllLabel"}) {
        auto* label = client.findChild<QLabel*>(QString::fromLatin1(name));
        if (label != nullptr && NeededTextWidth(label) > label->width()) {
            const int lines = 2 * label->fontMetrics().lineSpacing() + 2;
            label->setWordWrap(true);
            label->setGeometry(label->x(), label->y() - 2, label->width(), lines);
        }
    }
}

} // namespace vorlan
