// The main window's menus, controls and status bar, placed where the window
// was designed.
#include "app/MainDialog.h"
#include "app/MainDialogAccessibility.h"
#include "common/TextRoom.h"
#include "common/ui/TextRoomUi.h"
#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"
#include "editor/KeyEditor.h"
#include "grid/ui/KeyGridWidget.h"
#include "printing/ui/PrintActions.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QValidator>
#include <algorithm>

namespace vorlan {
namespace {

// The window was designed in dialog units of an 8-point font: 4 horizontal
// units are 6 pixels and 8 vertical units 13 pixels. The grid itself lies at
// fixed pixel positions and does not scale.
QRect Dlu(int x, int y, int w, int h) {
    const auto px = [](int v) { return (v * 3 + 1) / 2; };
    const auto py = [](int v) { return (v * 13 + 4) / 8; };
    return QRect(px(x), py(y), px(x + w) - px(x), py(y + h) - py(y));
}

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

} // namespace

// The platform's keys for a standard command; where it names none (Save As
// and Quit on some desktops), the keys most programs use there.
QList<QKeySequence> StandardKeys(QKeySequence::StandardKey command) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(command);
    if (keys.isEmpty()) {
        switch (command) {
        case QKeySequence::New:
            keys << QKeySequence(Qt::CTRL | Qt::Key_N);
            break;
        case QKeySequence::Open:
            keys << QKeySequence(Qt::CTRL | Qt::Key_O);
            break;
        case QKeySequence::Save:
            keys << QKeySequence(Qt::CTRL | Qt::Key_S);
            break;
        case QKeySequence::SaveAs:
            keys << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
            break;
        case QKeySequence::Quit:
            keys << QKeySequence(Qt::CTRL | Qt::Key_Q);
            break;
        case QKeySequence::HelpContents:
            keys << QKeySequence(Qt::Key_F1);
            break;
        default:
            break;
        }
    }
    return keys;
}

void MainDialog::BuildMenus() {
    QMenuBar* bar = menuBar();
    // The menu bar opens with an item that has no text and no command.
    bar->addAction(QString());

    fileMenu = bar->addMenu(UiText(StringId::MenuFile));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    newAction = fileMenu->addAction(UiText(StringId::MenuNew));
    newAction->setObjectName(QStringLiteral("actionNew"));
    newAction->setShortcuts(StandardKeys(QKeySequence::New));
    openAction = fileMenu->addAction(UiText(StringId::MenuOpen));
    openAction->setObjectName(QStringLiteral("actionOpen"));
    openAction->setShortcuts(StandardKeys(QKeySequence::Open));
    saveAction = fileMenu->addAction(UiText(StringId::MenuSave));
    saveAction->setObjectName(QStringLiteral("actionSave"));
    saveAction->setShortcuts(StandardKeys(QKeySequence::Save));
    saveAsAction = fileMenu->addAction(UiText(StringId::MenuSaveAs));
    saveAsAction->setObjectName(QStringLiteral("actionSaveAs"));
    saveAsAction->setShortcuts(StandardKeys(QKeySequence::SaveAs));
    compareAction = fileMenu->addAction(UiText(StringId::MenuCompareWith));
    compareAction->setObjectName(QStringLiteral("actionCompareWith"));
    fileMenu->addSeparator();
    programmingAction = fileMenu->addAction(UiText(StringId::MenuProgramming));
    programmingAction->setObjectName(QStringLiteral("actionProgramming"));
    fileMenu->addSeparator();
    settingsAction = fileMenu->addAction(UiText(StringId::MenuSettings));
    settingsAction->setObjectName(QStringLiteral("actionSettings"));
    // Printing and export work on the layout with the panel's typing taken in.
    AddPrintMenuEntries(fileMenu, settingsAction, this, [this]() -> const LayoutDocument* {
        if (!editor) {
            return nullptr;
        }
        editor->TakePanelValues();
        return &editor->Document();
    });
    fileMenu->addSeparator();
    exitAction = fileMenu->addAction(UiText(StringId::MenuExit));
    exitAction->setObjectName(QStringLiteral("actionExit"));
    exitAction->setShortcuts(StandardKeys(QKeySequence::Quit));
    connect(exitAction, &QAction::triggered, this, &QWidget::close);

    BuildEditMenu();

    helpMenu = bar->addMenu(UiText(StringId::MenuHelp));
    helpMenu->setObjectName(QStringLiteral("helpMenu"));
    QAction* content = helpMenu->addAction(UiText(StringId::MenuContent));
    content->setObjectName(QStringLiteral("actionContent"));
    content->setShortcuts(StandardKeys(QKeySequence::HelpContents));
    connect(content, &QAction::triggered, this, &MainDialog::ShowHelp);
    helpMenu->addSeparator();
    QAction* about = helpMenu->addAction(UiText(StringId::MenuAbout));
    about->setObjectName(QStringLiteral("actionAbout"));
    connect(about, &QAction::triggered, this, &MainDialog::ShowAbout);

    popupMenu = new QMenu(this);
    popupMenu->setObjectName(QStringLiteral("popupMenu"));
    insertKeyAction = popupMenu->addAction(UiText(StringId::PopupInsertKey));
    copyKeyAction = popupMenu->addAction(UiText(StringId::PopupCopyKey));
    popupMenu->addSeparator();
    singleAction = popupMenu->addAction(UiText(StringId::PopupSingle));
    QMenu* doubleMenu = popupMenu->addMenu(UiText(StringId::PopupDouble));
    toRightAction = doubleMenu->addAction(UiText(StringId::PopupToRight));
    toDownAction = doubleMenu->addAction(UiText(StringId::PopupToDown));
    quadAction = popupMenu->addAction(UiText(StringId::PopupQuad));
    popupMenu->addSeparator();
    clearKeyAction = popupMenu->addAction(UiText(StringId::PopupClearKey));
    clearAllAction = popupMenu->addAction(UiText(StringId::PopupClearAll));
}

void MainDialog::BuildControls() {
    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientWidth, kClientHeight);
    client->setMouseTracking(true);
    QFont font = client->font();
    font.setPixelSize(10);
    client->setFont(font);
    setCentralWidget(client);
    QWidget* c = client;

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
    modeGroup = new QButtonGroup(this);
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
    for (int i = 0; i < 16; ++i) {
        const int column = i / 8;
        const int y = kRows[i % 8];
        auto* label = new QLabel(QStringLiteral("%1.").arg(i + 1), c);
        label->setGeometry(column == 0 ? Dlu(385, y + 2, 9, 8) : Dlu(439, y + 2, 13, 8));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        codeEdits[i] = Place(new QLineEdit(c),
                             column == 0 ? Dlu(395, y, 41, 12) : Dlu(453, y, 42, 12), kCodeIds[i]);
        codeEdits[i]->setReadOnly(true);
    }

    previousButton = Place(new QPushButton(UiText(StringId::ButtonPrevious), c),
                           Dlu(382, 191, 52, 10), "previousButton");
    nextButton = Place(new QPushButton(UiText(StringId::ButtonNext), c), Dlu(447, 191, 52, 10),
                       "nextButton");

    // The black frame around the grid, and the grid at its pixel position.
    auto* frame = Place(new QFrame(c), Dlu(3, 53, 369, 151), "gridFrame");
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(1);
    QPalette black = frame->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    frame->setPalette(black);
    grid = new KeyGridWidget(c);
    grid->setObjectName(QStringLiteral("keyGrid"));
    grid->move(KeyGridWidget::kLeft, KeyGridWidget::kTop);

    // Controls that never take the focus from the keyboard: the window keeps
    // the arrows and Enter for the grid anyway.
    for (QPushButton* b : {setFlagForAll, setModeForAll, previousButton, nextButton}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
}

void MainDialog::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(false);
    // The panes are placed by hand rather than through the bar's layout,
    // which would shift them off their pixel edges.
    auto* panes = new QWidget(bar);
    panes->setObjectName(QStringLiteral("statusPanes"));
    panes->setFont(client->font());
    for (std::size_t i = 0; i < statusPanes.size(); ++i) {
        auto* pane = new QLabel(panes);
        pane->setObjectName(QStringLiteral("statusPane%1").arg(i));
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setIndent(1);
        statusPanes[i] = pane;
    }
    PlaceStatusPanes(std::vector<int>(kPaneEdges.begin(), kPaneEdges.end()));
    bar->setFixedHeight(23);
}

void MainDialog::PlaceStatusPanes(const std::vector<int>& edges) {
    paneEdges = edges;
    int left = 0;
    for (std::size_t i = 0; i < statusPanes.size() && i < edges.size(); ++i) {
        statusPanes[i]->setGeometry(left, 0, edges[i] - left - 1, 18);
        left = edges[i];
    }
    statusPanes[0]->parentWidget()->setGeometry(0, 3, left, 18);
}

// English fits the designed positions; a longer translation widens the
// controls, the panes and the window rather than cutting its captions.
void MainDialog::FitTexts() {
    // A long "for all keys" caption takes two lines of its group's free
    // height before it widens the window.
    for (const char* name : {"setFlagForAllLabel", "setModeForAllLabel"}) {
        auto* label = client->findChild<QLabel*>(QString::fromLatin1(name));
        if (label != nullptr && NeededTextWidth(label) > label->width()) {
            const int lines = 2 * label->fontMetrics().lineSpacing() + 2;
            label->setWordWrap(true);
            label->setGeometry(label->x(), label->y() - 2, label->width(), lines);
        }
    }
    auto* frame = client->findChild<QFrame*>(QStringLiteral("gridFrame"));
    const int widening = MakeRoomForTexts(client, {grid, frame});

    // Every text a pane can show, with its widest values. The last pane shows
    // key names of any length and takes what is left.
    const auto widest = [this](StatusPane pane, std::initializer_list<UiMessage> texts) {
        int need = 0;
        for (const UiMessage& text : texts) {
            need =
                std::max(need, NeededTextWidth(statusPanes[PaneIndex(pane)], UiMessageText(text)));
        }
        return need;
    };
    const std::vector<int> needed = {
        widest(StatusPane::Keyboard,
               {{StringId::PaneKeyboardSingle, {}}, {StringId::PaneKeyboardDouble, {}}}),
        widest(StatusPane::KeysType,
               {{StringId::PaneKeysTypematic, {}}, {StringId::PaneKeysMakeBreak, {}}}),
        widest(StatusPane::KeyBeep, {{StringId::PaneBeepOn, {}}, {StringId::PaneBeepOff, {}}}),
        widest(StatusPane::KeyDelay, {{StringId::PaneKeyDelay, {"3"}}}),
        widest(StatusPane::KeyRate, {{StringId::PaneKeyRate, {"31"}}}),
        widest(StatusPane::PointerNumber, {{StringId::PaneNumber, {std::to_string(kMaxKeys)}},
                                           {StringId::PaneNumberNone, {}}}),
        widest(StatusPane::PointerName, {{StringId::PaneNameNone, {}}}),
    };
    const std::vector<int> edges = FitPaneEdges(
        std::vector<int>(kPaneEdges.begin(), kPaneEdges.end()), needed, 1, kClientWidth + widening);
    const int width = edges.back();
    if (width != kClientWidth) {
        client->setFixedSize(width, kClientHeight);
        PlaceStatusPanes(edges);
    }
}

QString MainDialog::StatusPaneText(int pane) const {
    if (pane < 0 || pane >= static_cast<int>(statusPanes.size())) {
        return {};
    }
    return statusPanes[pane]->text();
}

} // namespace vorlan
