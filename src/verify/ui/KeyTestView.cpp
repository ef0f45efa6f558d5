#include "verify/ui/KeyTestView.h"

#include "common/ui/DialogSeam.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"
#include "layout/LayoutCheck.h"
#include "layout/LayoutDocument.h"
#include "programming/EmulatedKeyboard.h"
#include "scancodes/ui/KeyEventMapping.h"
#include "verify/KeyTestSession.h"
#include "verify/ui/KeyTestGrid.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace vorlan {
namespace {

QString KeyLabel(const TestKey& key) {
    return UiText(StringId::KeyTestKeyLabel).arg(key.slot).arg(FromLatin1Text(key.name));
}

// The report and the list in the window's language.
std::string WindowWords(StringId id, int count) {
    return ToUtf8Text(count < 0 ? UiText(id) : UiText(id, count));
}

QString LineText(const TestLine& line, const CodeNaming& naming) {
    return FromUtf8Text(TestLineText(line, naming, WindowWords));
}

// Qt's modifier for a held modifier key's code (after 0xE0 when extended).
Qt::KeyboardModifiers ModifierOf(std::uint8_t code) {
    switch (code) {
    case 0x12:
    case 0x59:
        return Qt::ShiftModifier;
    case 0x14:
        return Qt::ControlModifier;
    case 0x11:
        return Qt::AltModifier;
    default:
        return Qt::NoModifier;
    }
}

} // namespace

bool TypeSequence(const CodeSequence& codes, QObject* target) {
    std::vector<KeyDownEvent> presses;
    if (!KeyPressesOf(codes, presses)) {
        return false;
    }
    struct Typed {
        quint32 nativeCode;
        quint32 virtualKey;
    };
    std::vector<Typed> typed;
    for (const KeyDownEvent& press : presses) {
#ifdef Q_OS_WIN
        const quint32 virtualKey = press.key == KeyIdentity::NumLock ? 0x90 : 0;
        typed.push_back({press.scanCode | (press.extended ? 0x100u : 0u), virtualKey});
#else
        const std::optional<std::uint32_t> input = LinuxKeyCodeOf(press);
        if (!input) {
            return false;
        }
        typed.push_back({*input + 8, 0});
#endif
    }
    Qt::KeyboardModifiers held;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_unknown, held, typed[i].nativeCode,
                       typed[i].virtualKey, 0);
        QCoreApplication::sendEvent(target, &down);
        // The code of the press, without its prefix, names the modifier.
        const std::uint8_t own = static_cast<std::uint8_t>(
            TranslateKey(presses[i].scanCode, presses[i].extended, CodeNaming{}).back().code);
        held |= ModifierOf(own);
    }
    for (auto it = typed.rbegin(); it != typed.rend(); ++it) {
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_unknown, held, it->nativeCode, it->virtualKey, 0);
        QCoreApplication::sendEvent(target, &up);
    }
    return true;
}

KeyTestView::KeyTestView(const LayoutDocument& source, EmulatedKeyboard* theEmulator,
                         QWidget* parent, const CodeNaming& naming)
    : QDialog(parent), doc(std::make_unique<LayoutDocument>(source)),
      session(std::make_unique<KeyTestSession>(MakeKeyTestPlan(source, naming))),
      emulator(theEmulator) {
    setObjectName(QStringLiteral("KeyTestView"));
    setWindowTitle(UiText(StringId::KeyTestCaption));
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setFocusPolicy(Qt::StrongFocus);
    doc->SetObserver(nullptr);
    if (theEmulator != nullptr) {
        StoredSequences(theEmulator->Received(), ImageLayoutType(*doc), storedBySlot);
    }

    // All but the buttons scrolls, so the window fits any screen at any
    // scale with Close in reach.
    auto* outer = new QVBoxLayout(this);
    body = new QScrollArea(this);
    body->setObjectName(QStringLiteral("keyTestBody"));
    body->setWidgetResizable(true);
    body->setFocusPolicy(Qt::NoFocus);
    body->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(body);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* hint = new QLabel(UiText(StringId::KeyTestHint) +
                                (theEmulator != nullptr
                                     ? QStringLiteral(" ") + UiText(StringId::KeyTestHintEmulated)
                                     : QString()),
                            this);
    hint->setWordWrap(true);
    layout->addWidget(hint);
    auto* way =
        new QLabel(UiText(StringId::KeyTestHoldEscape).arg(KeyCapName(Qt::Key_Escape)), this);
    way->setObjectName(QStringLiteral("keyTestWayOut"));
    way->setWordWrap(true);
    layout->addWidget(way);

    // Keys a green tick could not tell apart are named before the first press.
    const KeyTestPlan& plan = session->Plan();
    QStringList warnings;
    for (const Ambiguity& a : plan.ambiguities) {
        warnings << UiText(a.equal ? StringId::KeyTestSameCodes : StringId::KeyTestStartOf)
                        .arg(KeyLabel(plan.keys[static_cast<std::size_t>(a.shorter)]),
                             KeyLabel(plan.keys[static_cast<std::size_t>(a.longer)]));
    }
    for (const int k : plan.untypable) {
        warnings << UiText(StringId::KeyTestUntypable)
                        .arg(KeyLabel(plan.keys[static_cast<std::size_t>(k)]));
    }
    for (const int k : plan.cardClashes) {
        warnings << UiText(StringId::KeyTestCardClash)
                        .arg(KeyLabel(plan.keys[static_cast<std::size_t>(k)]));
    }
    if (plan.keys.empty()) {
        warnings << UiText(StringId::KeyTestNoKeys);
    }
    if (!warnings.isEmpty()) {
        // A long list scrolls under its one-line summary, so the grid and the
        // buttons stay on the screen.
        auto* summary = new QLabel(
            UiText(StringId::KeyTestWarningsSummary, static_cast<int>(warnings.size())), this);
        summary->setObjectName(QStringLiteral("keyTestWarningsSummary"));
        layout->addWidget(summary);
        auto* list = new QLabel(warnings.join(QLatin1Char('\n')));
        list->setObjectName(QStringLiteral("keyTestWarnings"));
        list->setWordWrap(true);
        list->setStyleSheet(QStringLiteral("color: #a05000"));
        auto* scroll = new QScrollArea(this);
        scroll->setObjectName(QStringLiteral("keyTestWarningsScroll"));
        scroll->setWidget(list);
        scroll->setWidgetResizable(true);
        scroll->setFocusPolicy(Qt::NoFocus);
        scroll->setFrameShape(QFrame::NoFrame);
        const int lineHeight = list->fontMetrics().lineSpacing();
        scroll->setMaximumHeight(lineHeight * 5 + 2 * scroll->frameWidth() + 4);
        layout->addWidget(scroll);
    }

    grid = new KeyTestGrid(*doc, *session, this);
    layout->addWidget(grid, 0, Qt::AlignHCenter);
    auto* legend = new QLabel(UiText(StringId::KeyTestLegend), this);
    legend->setObjectName(QStringLiteral("keyTestLegend"));
    legend->setWordWrap(true);
    layout->addWidget(legend);

    lines = new QListWidget(this);
    lines->setObjectName(QStringLiteral("keyTestLines"));
    lines->setFocusPolicy(Qt::NoFocus);
    lines->setMinimumHeight(90);
    layout->addWidget(lines);

    auto* row = new QHBoxLayout;
    counter = new QLabel(this);
    counter->setObjectName(QStringLiteral("keyTestCounter"));
    row->addWidget(counter, 1);
    resetButton = new QPushButton(UiText(StringId::KeyTestReset), this);
    resetButton->setObjectName(QStringLiteral("keyTestReset"));
    saveButton = new QPushButton(UiText(StringId::KeyTestSaveReport), this);
    closeButton = new QPushButton(UiText(StringId::KeyTestClose), this);
    // Every key belongs to the test, so the buttons never take the focus.
    for (QPushButton* button : {resetButton, saveButton, closeButton}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoDefault(false);
        row->addWidget(button);
    }
    body->setWidget(content);
    outer->addWidget(body, 1);
    outer->addLayout(row);

    pauseTimer = new QTimer(this);
    pauseTimer->setSingleShot(true);
    connect(pauseTimer, &QTimer::timeout, this, [this] {
        if (session->Tick(clock.elapsed())) {
            Refresh();
        }
        ArmPauseTimer();
    });
    connect(grid, &KeyTestGrid::SlotClicked, this, &KeyTestView::ClickSlot);
    connect(resetButton, &QPushButton::clicked, this, [this] {
        session->Reset();
        Refresh();
    });
    connect(saveButton, &QPushButton::clicked, this, &KeyTestView::ChooseReportFile);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    clock.start();
    Refresh();
}

KeyTestView::~KeyTestView() = default;

void KeyTestView::SetReportHeader(std::string file, std::string sha) {
    layoutFile = std::move(file);
    imageSha256 = std::move(sha);
}

ReportHeader KeyTestView::Header() const {
    return {
        layoutFile, imageSha256,
        ToUtf8Text(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")))};
}

bool KeyTestView::event(QEvent* event) {
    switch (event->type()) {
    // Another window of the program (the report's file dialog, a message)
    // gets the keys typed into it.
    case QEvent::WindowActivate:
        GrabKeys(isVisible());
        break;
    case QEvent::WindowDeactivate:
        GrabKeys(false);
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        WatchEscape(static_cast<const QKeyEvent&>(*event));
        break;
    default:
        break;
    }
    // A key held down on the PC repeats there; the keyboard sent it once.
    return ClaimKeyEvent(event,
                         [this](const QKeyEvent& key) {
                             if (!key.isAutoRepeat()) {
                                 TakeKeyPress(key);
                             }
                         }) ||
           QDialog::event(event);
}

void KeyTestView::WatchEscape(const QKeyEvent& key) {
    if (key.key() != Qt::Key_Escape) {
        return;
    }
    const qint64 now = clock.elapsed();
    if (key.type() == QEvent::KeyRelease) {
        escapeUpAt = now;
        return;
    }
    // Some window systems send a held key's repeats as release and press
    // pairs that are not marked as repeats: a press right after a release
    // goes on holding the key; a second tap comes much later.
    constexpr qint64 kRepeatGapMs = 60;
    const bool held = escapeDownAt >= 0 && (key.isAutoRepeat() || escapeUpAt < escapeDownAt ||
                                            now - escapeUpAt < kRepeatGapMs);
    if (!held) {
        escapeDownAt = now;
    } else if (now - escapeDownAt >= holdToCloseMs) {
        escapeDownAt = -1;
        reject();
    }
}

void KeyTestView::GrabKeys(bool on) {
    // Keys the window system would act on (Alt+F4, Alt+Tab) reach the test too.
    if (on && !keysGrabbed) {
        grabKeyboard();
    } else if (!on && keysGrabbed) {
        releaseKeyboard();
    }
    keysGrabbed = on;
}

void KeyTestView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // However many warnings and whatever the scale: on the screen, buttons
    // included; as large as the contents where the screen has room.
    if (const QScreen* screen = this->screen()) {
        const QRect room = screen->availableGeometry();
        const QSize frameExtra = frameGeometry().size() - size();
        const int bar = body->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        const QSize wanted =
            sizeHint() +
            (body->widget()->sizeHint() + QSize(bar, bar) - body->sizeHint()).expandedTo({0, 0});
        setMaximumSize(room.size() - frameExtra);
        resize(wanted.boundedTo(room.size() - frameExtra));
        QRect frame = frameGeometry();
        if (!room.contains(frame)) {
            frame.moveTopLeft(room.topLeft());
            move(frame.topLeft());
        }
    }
    GrabKeys(isActiveWindow());
}

void KeyTestView::hideEvent(QHideEvent* event) {
    GrabKeys(false);
    escapeDownAt = escapeUpAt = -1;
    QDialog::hideEvent(event);
}

void KeyTestView::TakeKeyPress(const QKeyEvent& key) {
    const std::optional<KeyDownEvent> down = KeyDownFromEvent(key);
    if (!down) {
        return;
    }
    bool changed = false;
    const qint64 now = clock.elapsed();
    for (const CodeAndName& code : CodesOfKeyDown(*down, CodeNaming{})) {
        // Sys_Req has no code the keyboard can send.
        if (code.code != 0) {
            changed = session->Feed(static_cast<std::uint8_t>(code.code), now) || changed;
        }
    }
    if (changed) {
        Refresh();
    }
    ArmPauseTimer();
}

void KeyTestView::ArmPauseTimer() {
    if (!session->Pending()) {
        pauseTimer->stop();
        return;
    }
    pauseTimer->start(
        static_cast<int>(std::max<qint64>(1, session->DeadlineMs() - clock.elapsed())));
}

void KeyTestView::EndPendingSequence() {
    if (session->Flush()) {
        Refresh();
    }
    ArmPauseTimer();
}

void KeyTestView::ClickSlot(int slot) {
    const int key = session->Plan().KeyAt(slot, *doc);
    if (key < 0) {
        return;
    }
    session->SelectExpected(key);
    grid->update();
    if (emulator == nullptr) {
        return;
    }
    const TestKey& test = session->Plan().keys[static_cast<std::size_t>(key)];
    const CodeSequence& codes =
        storedBySlot.empty() ? test.codes : storedBySlot[static_cast<std::size_t>(test.slot)];
    TypeSequence(codes, this);
}

void KeyTestView::Refresh() {
    counter->setText(
        UiText(StringId::KeyTestCounter, session->TestedCount()).arg(session->KeyCount()));
    const auto& all = session->Lines();
    if (static_cast<std::size_t>(lines->count()) > all.size()) {
        lines->clear();
    }
    for (std::size_t i = static_cast<std::size_t>(lines->count()); i < all.size(); ++i) {
        lines->addItem(LineText(all[i], session->Plan().naming));
    }
    if (lines->count() > 0) {
        lines->scrollToBottom();
    }
    grid->update();
}

bool KeyTestView::SaveReport(const QString& path) {
    // A pipe or the layout under test is refused first: the look inside below
    // would wait on a pipe.
    const InputFiles inputs = layoutFile.empty() ? InputFiles{} : InputFiles{layoutFile};
    if (const FileWriteResult refused = CheckWriteTarget(ToPath(path), inputs); !refused.Ok()) {
        ShowError(this, WriteFailureUiText(refused));
        return false;
    }
    // The dialog opens among layouts: a report never replaces one.
    {
        QFile existing(path);
        if (existing.open(QIODevice::ReadOnly)) {
            const QByteArray head = existing.read(64);
            if (LooksLikeLayout(
                    std::string_view(head.constData(), static_cast<std::size_t>(head.size())))) {
                ShowError(
                    this,
                    UiText(StringId::KeyTestReportOverLayout).arg(QDir::toNativeSeparators(path)));
                return false;
            }
        }
    }
    return WriteReportFile(path);
}

bool KeyTestView::WriteReportFile(const QString& path) {
    const bool json = path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive);
    const std::string text = json ? KeyTestReportJson(*session, Header())
                                  : KeyTestReportText(*session, Header(), WindowWords);
    // Never over the layout under test, which the report names.
    const InputFiles inputs = layoutFile.empty() ? InputFiles{} : InputFiles{layoutFile};
    const FileWriteResult written = ReplaceFile(ToPath(path), text, inputs);
    if (!written.Ok()) {
        ShowError(this, WriteFailureUiText(written));
        return false;
    }
    return true;
}

QString KeyTestView::ProposedReportPath() const {
    const QString layout = FromPath(doc->filePath);
    if (layout.isEmpty()) {
        return QDir::home().filePath(UiText(StringId::KeyTestReportUntitled) +
                                     QStringLiteral(".txt"));
    }
    const QFileInfo info(layout);
    return info.dir().filePath(UiText(StringId::KeyTestReportName).arg(info.completeBaseName()) +
                               QStringLiteral(".txt"));
}

void KeyTestView::ChooseReportFile() {
    // The dialog's own question covers only the name typed, not the one the
    // extension is added to: SaveReport and the question below do.
    // The dialog is typed into: the test lets go of the keyboard while it is up
    // (not every window system tells the test window it is no longer active).
    GrabKeys(false);
    const std::optional<SaveNameAnswer> answer = DialogsFor(this).AskSaveName(
        this, {UiText(StringId::KeyTestSaveReport), ProposedReportPath(),
               UiText(StringId::KeyTestReportFilter), false});
    GrabKeys(isVisible() && isActiveWindow());
    if (!answer) {
        return;
    }
    QString chosen = answer->path;
    if (QFileInfo(chosen).suffix().isEmpty()) {
        chosen += answer->filter.contains(QStringLiteral("json")) ? QStringLiteral(".json")
                                                                  : QStringLiteral(".txt");
    }
    if (QFileInfo::exists(chosen)) {
        QFile existing(chosen);
        const QByteArray head =
            existing.open(QIODevice::ReadOnly) ? existing.read(64) : QByteArray();
        if (!LooksLikeLayout(
                std::string_view(head.constData(), static_cast<std::size_t>(head.size()))) &&
            !AskYesNo(this,
                      UiText(StringId::ExportReplaceAsk).arg(QDir::toNativeSeparators(chosen)),
                      StringId::ExportReplaceAsk)) {
            return;
        }
    }
    SaveReport(chosen);
}

} // namespace vorlan
