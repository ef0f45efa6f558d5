#include "app/MainDialog.h"

#include "app/AboutDialog.h"
#include "app/AppShell.h"
#include "common/ui/UiText.h"
#include "grid/ui/KeyGridWidget.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>

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

// The digit count is changed only through its arrows: the text is read-only
// while the arrows stay active.
class ArrowOnlySpinBox : public QSpinBox {
public:
    explicit ArrowOnlySpinBox(QWidget* parent) : QSpinBox(parent) { lineEdit()->setReadOnly(true); }
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

} // namespace

MainDialog::MainDialog(const QString& programPath, QWidget* parent)
    : QMainWindow(parent), programPath(programPath) {
    setObjectName(QStringLiteral("MainDialog"));
    setWindowTitle(UiText(StringId::MainCaption));
    setWindowIcon(ProgramIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    BuildMenus();
    BuildControls();
    BuildStatusBar();

    // A fixed-size window around the fixed client area.
    setFixedSize(sizeHint());
    setMouseTracking(true);

    // Arrows, Enter and Escape belong to the window whatever control has the
    // focus, so the filter sits on the application and checks the window.
    qApp->installEventFilter(this);
}

MainDialog::~MainDialog() {
    qApp->removeEventFilter(this);
}

void MainDialog::BuildMenus() {
    QMenuBar* bar = menuBar();
    // The menu bar opens with an item that has no text and no command.
    bar->addAction(QString());

    fileMenu = bar->addMenu(UiText(StringId::MenuFile));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    fileMenu->addAction(UiText(StringId::MenuNew))->setObjectName(QStringLiteral("actionNew"));
    fileMenu->addAction(UiText(StringId::MenuOpen))->setObjectName(QStringLiteral("actionOpen"));
    fileMenu->addAction(UiText(StringId::MenuSave))->setObjectName(QStringLiteral("actionSave"));
    fileMenu->addAction(UiText(StringId::MenuSaveAs))
        ->setObjectName(QStringLiteral("actionSaveAs"));
    fileMenu->addSeparator();
    fileMenu->addAction(UiText(StringId::MenuProgramming))
        ->setObjectName(QStringLiteral("actionProgramming"));
    fileMenu->addSeparator();
    fileMenu->addAction(UiText(StringId::MenuSettings))
        ->setObjectName(QStringLiteral("actionSettings"));
    fileMenu->addSeparator();
    exitAction = fileMenu->addAction(UiText(StringId::MenuExit));
    exitAction->setObjectName(QStringLiteral("actionExit"));
    connect(exitAction, &QAction::triggered, this, &QWidget::close);

    helpMenu = bar->addMenu(UiText(StringId::MenuHelp));
    helpMenu->setObjectName(QStringLiteral("helpMenu"));
    QAction* content = helpMenu->addAction(UiText(StringId::MenuContent));
    content->setObjectName(QStringLiteral("actionContent"));
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
    Label(c, StringId::LabelDigitsCount, QRect(10, 21, 62, 16));
    digitsCount = Place(new ArrowOnlySpinBox(c), QRect(72, 19, 38, 20), "digitsCount");
    digitsCount->setRange(1, 13);
    digitsCount->setValue(9);
    Label(c, StringId::LabelPrefix, QRect(119, 21, 33, 16));
    prefixEdit = Place(new QLineEdit(c), QRect(152, 19, 28, 20), "prefixEdit");
    prefixExtended = Place(new QCheckBox(UiText(StringId::CheckExtended), c),
                           QRect(184, 21, 66, 16), "prefixExtended");
    Label(c, StringId::LabelSuffix, QRect(119, 48, 33, 16));
    suffixEdit = Place(new QLineEdit(c), QRect(152, 46, 28, 20), "suffixEdit");
    suffixExtended = Place(new QCheckBox(UiText(StringId::CheckExtended), c),
                           QRect(184, 48, 66, 16), "suffixExtended");
    digitsTypeNum = Place(new QCheckBox(UiText(StringId::CheckDigitsTypeNum), c),
                          QRect(8, 48, 110, 16), "digitsTypeNum");
    digitsTypeNum->setChecked(true);

    // Key flags.
    singleKey = Place(new QCheckBox(UiText(StringId::CheckSingleKey), c), QRect(264, 21, 76, 16),
                      "singleKey");
    groupKey = Place(new QCheckBox(UiText(StringId::CheckGroupKey), c), QRect(342, 21, 74, 16),
                     "groupKey");
    groupKey->setEnabled(false);
    setFlagForAll = Place(new QPushButton(UiText(StringId::ButtonX), c), QRect(264, 48, 16, 16),
                          "setFlagForAll");
    Label(c, StringId::LabelSetFlagForAll, QRect(285, 48, 132, 16));

    // Key mode.
    modeRadios[0] =
        Place(new QRadioButton(UiText(StringId::RadioMode1), c), QRect(429, 16, 64, 16), "mode1");
    modeRadios[1] =
        Place(new QRadioButton(UiText(StringId::RadioMode2), c), QRect(429, 33, 64, 16), "mode2");
    modeRadios[2] =
        Place(new QRadioButton(UiText(StringId::RadioMode3), c), QRect(495, 16, 64, 16), "mode3");
    setModeForAll = Place(new QPushButton(UiText(StringId::ButtonX), c), QRect(429, 52, 16, 16),
                          "setModeForAll");
    Label(c, StringId::LabelSetModeForAll, QRect(449, 52, 110, 16));

    // Programmed keys and the key panel.
    Label(c, StringId::LabelProgrammedKeys, Dlu(399, 4, 100, 8));
    programmedKeys = Place(new QComboBox(c), Dlu(377, 16, 128, 13), "programmedKeys");
    programmedKeys->setMaxVisibleItems(20);
    Label(c, StringId::LabelKeyNumber, Dlu(383, 41, 41, 8));
    keyNumber = Place(new QLineEdit(c), Dlu(425, 39, 19, 12), "keyNumber");
    keyNumber->setReadOnly(true);
    Label(c, StringId::LabelKeyName, Dlu(383, 55, 41, 8));
    keyName = Place(new QLineEdit(c), Dlu(425, 53, 78, 12), "keyName");

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
    auto* panes = new QWidget(bar);
    panes->setObjectName(QStringLiteral("statusPanes"));
    // Right edges of the first six panes; the last reaches the window's width.
    static constexpr int kEdges[7] = {160, 330, 410, 485, 560, 630, kClientWidth};
    int left = 0;
    for (int i = 0; i < 7; ++i) {
        auto* pane = new QLabel(panes);
        pane->setObjectName(QStringLiteral("statusPane%1").arg(i));
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setGeometry(left, 0, kEdges[i] - left - 2, 18);
        left = kEdges[i];
        statusPanes[i] = pane;
    }
    panes->setFixedSize(kClientWidth, 18);
    bar->addWidget(panes, 1);
    bar->setContentsMargins(0, 0, 0, 0);
}

QString MainDialog::StatusPaneText(int pane) const {
    if (pane < 0 || pane >= static_cast<int>(statusPanes.size())) {
        return {};
    }
    return statusPanes[pane]->text();
}

void MainDialog::ShowAbout() {
    AboutDialog about(ProgramVersion(), this);
    about.exec();
}

void MainDialog::ShowHelp() {
    OpenHelp(programPath);
}

bool MainDialog::HandleNavigationKey(int key) {
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}

bool MainDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
        return QMainWindow::eventFilter(watched, event);
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) {
        return QMainWindow::eventFilter(watched, event);
    }
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const int key = keyEvent->key();
    const bool ours = key == Qt::Key_Escape || HandleNavigationKey(key);
    if (!ours) {
        return QMainWindow::eventFilter(watched, event);
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // Keep the key from any shortcut; the key press follows.
        event->accept();
        return true;
    }
    if (key == Qt::Key_Escape) {
        close();
    }
    return true;
}

void MainDialog::closeEvent(QCloseEvent* event) {
    event->accept();
}

void MainDialog::mouseMoveEvent(QMouseEvent* event) {
    QMainWindow::mouseMoveEvent(event);
}

void MainDialog::mousePressEvent(QMouseEvent* event) {
    QMainWindow::mousePressEvent(event);
}

} // namespace vorlan
