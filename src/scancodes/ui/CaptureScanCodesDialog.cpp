#include "scancodes/ui/CaptureScanCodesDialog.h"

#include "common/ui/QtText.h"
#include "common/ui/UiText.h"
#include "scancodes/CodeNames.h"
#include "scancodes/ui/EditScanCodesDialog.h"
#include "scancodes/ui/KeystrokeCaptureEdit.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace vorlan {

namespace {

constexpr int kSlotsPerColumn = 8;

QLineEdit* MakeDisplayField(QWidget* parent, const QString& name, int characters) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setFixedWidth(
        field->fontMetrics().horizontalAdvance(QString(characters, QLatin1Char('M'))));
    return field;
}

} // namespace

CaptureScanCodesDialog::CaptureScanCodesDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setWindowTitle(UiText(StringId::CaptureDialogCaption));
    setModal(true);

    captureEdit_ = new KeystrokeCaptureEdit(capture_, this);
    connect(captureEdit_, &KeystrokeCaptureEdit::slotsChanged, this,
            &CaptureScanCodesDialog::ShowFields);

    auto* group = new QGroupBox(UiText(StringId::ScanCodesGroup), this);
    auto* grid = new QGridLayout(group);
    for (int k = 0; k < kSlotCount; ++k) {
        const int row = k % kSlotsPerColumn;
        const int column = (k / kSlotsPerColumn) * 3;
        grid->addWidget(new QLabel(QStringLiteral("%1.").arg(k + 1), group), row, column,
                        Qt::AlignRight);
        codeFields_[k] = MakeDisplayField(group, QStringLiteral("code%1").arg(k + 1), 3);
        nameFields_[k] = MakeDisplayField(group, QStringLiteral("name%1").arg(k + 1), 9);
        grid->addWidget(codeFields_[k], row, column + 1);
        grid->addWidget(nameFields_[k], row, column + 2);
        // Should a field get the focus anyway (a click), it goes straight back.
        codeFields_[k]->installEventFilter(this);
        nameFields_[k]->installEventFilter(this);
    }

    const auto makeButton = [this](StringId text, const char* name) {
        auto* button = new QPushButton(UiText(text), this);
        button->setObjectName(QLatin1String(name));
        button->setAutoDefault(false);
        return button;
    };
    QPushButton* ok = makeButton(StringId::CaptureOkButton, "okButton");
    QPushButton* clearLast = makeButton(StringId::CaptureClearLastButton, "clearLastButton");
    QPushButton* clearAll = makeButton(StringId::CaptureClearAllButton, "clearAllButton");
    QPushButton* edit = makeButton(StringId::CaptureEditButton, "editButton");
    QPushButton* cancel = makeButton(StringId::CaptureCancelButton, "cancelButton");
    againButton_ = makeButton(StringId::CaptureAgainButton, "againButton");
    okButton_ = ok;
    connect(againButton_, &QPushButton::clicked, this, &CaptureScanCodesDialog::FocusCapture);
    stateLabel_ = new QLabel(this);
    stateLabel_->setObjectName(QStringLiteral("captureState"));
    stateLabel_->setWordWrap(true);
    pauseTimer_.setSingleShot(true);
    pauseTimer_.setInterval(kPauseAfterMs);
    connect(&pauseTimer_, &QTimer::timeout, this, &CaptureScanCodesDialog::PauseCapture);
    countdownLabel_ = new QLabel(this);
    countdownLabel_->setObjectName(QStringLiteral("captureCountdown"));
    countdownLabel_->setMinimumHeight(countdownLabel_->fontMetrics().lineSpacing()); // no jump
    countdownTimer_.setInterval(200);
    connect(&countdownTimer_, &QTimer::timeout, this, &CaptureScanCodesDialog::ShowCountdown);
    captureEdit_->installEventFilter(this);
    connect(ok, &QPushButton::clicked, this, [this] { QDialog::accept(); });
    connect(cancel, &QPushButton::clicked, this, [this] { QDialog::reject(); });
    connect(clearLast, &QPushButton::clicked, this, &CaptureScanCodesDialog::ClearLast);
    connect(clearAll, &QPushButton::clicked, this, &CaptureScanCodesDialog::ClearAll);
    connect(edit, &QPushButton::clicked, this, &CaptureScanCodesDialog::EditCodes);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {ok, clearLast, clearAll, edit, againButton_, cancel}) {
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(captureEdit_);
    layout->addWidget(stateLabel_);
    layout->addWidget(countdownLabel_);
    layout->addWidget(group);
    layout->addLayout(buttons);
    // As wide as the code fields, the state text wrapping within it.
    stateLabel_->setMinimumWidth(group->sizeHint().width());
    stateLabel_->setMinimumHeight(stateLabel_->fontMetrics().lineSpacing() * 3);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setFocusProxy(captureEdit_);
    ShowFields();
}

void CaptureScanCodesDialog::Load(const SlotCodes& codes, const SlotNames& names) {
    capture_.Open(codes, names);
    ShowFields();
    FocusCapture();
}

void CaptureScanCodesDialog::Load(const SlotCodes& codes) {
    std::vector<std::string> named = CodeNames(codes, naming_);
    SlotNames names;
    std::move(named.begin(), named.end(), names.begin());
    Load(codes, names);
}

CaptureDialogResult CaptureScanCodesDialog::Run(const SlotCodes& codes, const SlotNames& names) {
    Load(codes, names);
    CaptureDialogResult result;
    result.accepted = exec() == QDialog::Accepted;
    if (result.accepted) {
        result.codes = capture_.slotCodes();
        result.names = capture_.slotNames();
    }
    return result;
}

void CaptureScanCodesDialog::ShowFields() {
    for (int k = 0; k < kSlotCount; ++k) {
        codeFields_[k]->setText(QString::number(capture_.slotCodes()[k]));
        nameFields_[k]->setText(FromUtf8Text(capture_.slotNames()[k]));
    }
}

// Capturing (again): every key goes to the capture until it pauses.
void CaptureScanCodesDialog::FocusCapture() {
    pauseTimer_.stop();
    heldKeys_.clear();
    paused_ = false;
    againButton_->setEnabled(false);
    stateLabel_->setText(
        UiText(StringId::CaptureCapturing)
            .arg(KeyCapName(Qt::Key_Tab), KeyCapName(Qt::Key_Enter), KeyCapName(Qt::Key_Escape)));
    captureEdit_->setFocusPolicy(Qt::StrongFocus);
    captureEdit_->setFocus(Qt::OtherFocusReason);
    if (isActiveWindow() && !editorOpen_) {
        GrabKeys(true);
    }
    // The pause counts from now, not from a first key: whoever waits and
    // reads finds the buttons working, and pressing nothing captures nothing.
    if (isVisible() && !editorOpen_) {
        StartPauseCount();
    }
}

void CaptureScanCodesDialog::StartPauseCount() {
    pauseTimer_.start();
    countdownTimer_.start();
    ShowCountdown();
}

void CaptureScanCodesDialog::SetPauseAfterMs(int ms) {
    pauseTimer_.setInterval(ms);
    if (pauseTimer_.isActive()) {
        StartPauseCount();
    }
}

// The seconds left before the pause, rounded up; while a key is held the
// count waits for its release and shows its whole length.
void CaptureScanCodesDialog::ShowCountdown() {
    if (paused_) {
        countdownTimer_.stop();
        countdownLabel_->clear();
        return;
    }
    // A coarse timer may be due up to 5 % past its interval: the count never
    // shows more than the whole pause.
    const int ms = pauseTimer_.isActive()
                       ? std::min(pauseTimer_.remainingTime(), pauseTimer_.interval())
                       : pauseTimer_.interval();
    countdownLabel_->setText(
        UiText(StringId::CapturePausesIn).arg(std::max(1, (std::max(ms, 0) + 999) / 1000)));
}

// A few seconds after the last key was let go the keyboard works the
// buttons; no key combination could do that while every key is captured.
void CaptureScanCodesDialog::PauseCapture() {
    if (paused_ || !heldKeys_.isEmpty() || editorOpen_) {
        return;
    }
    paused_ = true;
    ShowCountdown();
    GrabKeys(false);
    againButton_->setEnabled(true);
    stateLabel_->setText(
        UiText(StringId::CapturePaused)
            .arg(KeyCapName(Qt::Key_Enter), KeyCapName(Qt::Key_Escape), KeyCapName(Qt::Key_Tab)));
    // Tab walks the buttons only; the capture takes keys again on request.
    captureEdit_->setFocusPolicy(Qt::NoFocus);
    okButton_->setFocus(Qt::OtherFocusReason);
}

void CaptureScanCodesDialog::NoteCaptureKey(QEvent* event) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->isAutoRepeat()) {
        pauseTimer_.stop(); // a key still held
        return;
    }
    const int id =
        key->nativeScanCode() != 0 ? static_cast<int>(key->nativeScanCode()) : key->key();
    if (event->type() == QEvent::KeyPress) {
        heldKeys_.insert(id);
        pauseTimer_.stop();
        ShowCountdown();
    } else {
        // A key let go that went down elsewhere does not restart the count.
        if (heldKeys_.remove(id) && heldKeys_.isEmpty()) {
            StartPauseCount();
        }
    }
}

void CaptureScanCodesDialog::keyPressEvent(QKeyEvent* event) {
    if (!paused_) {
        QDialog::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
        QDialog::reject();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
        }
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CaptureScanCodesDialog::ClearLast() {
    capture_.ClearLast();
    ShowFields();
    FocusCapture();
}

void CaptureScanCodesDialog::ClearAll() {
    capture_.ClearAll();
    ShowFields();
    FocusCapture();
}

void CaptureScanCodesDialog::EditCodes() {
    // The editor needs the keyboard for its fields while it is open.
    GrabKeys(false);
    editorOpen_ = true;
    EditScanCodesDialog editor(this);
    editor.setFieldCodes(capture_.slotCodes());
    if (editor.exec() == QDialog::Accepted) {
        capture_.TakeEditedCodes(editor.fieldCodes());
        ShowFields();
    }
    editorOpen_ = false;
    FocusCapture();
}

void CaptureScanCodesDialog::GrabKeys(bool grab) {
    // Window managers take Alt+F4 and similar keys before the program sees
    // them; holding the keyboard while capturing lets them be captured too.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) {
        return; // nothing to take the keys from, and the plugin says so on each try
    }
    if (grab && !keysGrabbed_) {
        captureEdit_->grabKeyboard();
    } else if (!grab && keysGrabbed_) {
        captureEdit_->releaseKeyboard();
    }
    keysGrabbed_ = grab;
}

void CaptureScanCodesDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FocusCapture();
}

bool CaptureScanCodesDialog::event(QEvent* event) {
    // A grab only holds once the window is on screen, so it is taken when the
    // window becomes active: after opening and again after the editor closed.
    if (event->type() == QEvent::WindowActivate && !editorOpen_ && !paused_) {
        GrabKeys(true);
    }
    return QDialog::event(event);
}

void CaptureScanCodesDialog::hideEvent(QHideEvent* event) {
    pauseTimer_.stop();
    countdownTimer_.stop();
    GrabKeys(false);
    QDialog::hideEvent(event);
}

void CaptureScanCodesDialog::paintEvent(QPaintEvent* event) {
    // A translation loaded while the dialog exists still shows in its caption.
    const QString caption = UiText(StringId::CaptureDialogCaption);
    if (windowTitle() != caption) {
        setWindowTitle(caption);
    }
    QDialog::paintEvent(event);
}

bool CaptureScanCodesDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == captureEdit_) {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            NoteCaptureKey(event);
        }
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusIn) {
        FocusCapture();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vorlan
