#include "app/HelpWindow.h"

#include "common/ui/UiText.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace vorlan {
HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(UiText(StringId::HelpCaption));
    setAttribute(Qt::WA_DeleteOnClose, false);

    back = new QPushButton(UiText(StringId::HelpBack), this);
    back->setObjectName(QStringLiteral("helpBack"));
    forward = new QPushButton(UiText(StringId::HelpForward), this);
    forward->setObjectName(QStringLiteral("helpForward"));
    auto* findLabel = new QLabel(UiText(StringId::HelpFind), this);
    findField = new QLineEdit(this);
    findField->setObjectName(QStringLiteral("helpFind"));
    findField->setClearButtonEnabled(true);
    findLabel->setBuddy(findField);
    auto* findNext = new QPushButton(UiText(StringId::HelpFindNext), this);
    findNext->setObjectName(QStringLiteral("helpFindNext"));
    findResult = new QLabel(this);
    findResult->setObjectName(QStringLiteral("helpFindResult"));

    auto* bar = new QHBoxLayout;
    bar->addWidget(back);
    bar->addWidget(forward);
    bar->addSpacing(12);
    bar->addWidget(findLabel);
    bar->addWidget(findField, 1);
    bar->addWidget(findNext);
    bar->addWidget(findResult);

    contents = new QListWidget(this);
    contents->setObjectName(QStringLiteral("helpContents"));
    contents->setAccessibleName(UiText(StringId::HelpContents));
    browser = new QTextBrowser(this);
    browser->setObjectName(QStringLiteral("helpBrowser"));
    // The guide's own links move within it; others are not followed.
    browser->setOpenExternalLinks(false);
    split = new QSplitter(this);
    split->addWidget(contents);
    split->addWidget(browser);
    split->setStretchFactor(1, 3);
    split->setSizes({200, 600});

    auto* column = new QVBoxLayout(this);
    column->addLayout(bar);
    column->addWidget(split, 1);
    // A small screen (1920 x 1080 at 200 %) gets the window whole.
    resize(QSize(860, 600).boundedTo(screen()->availableSize()));

    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser, &QTextBrowser::forward);
    connect(browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(findField, &QLineEdit::returnPressed, this, [this] { Find(); });
    connect(findField, &QLineEdit::textEdited, this, [this] {
        // Typing starts the search again from the top of the page.
        browser->moveCursor(QTextCursor::Start);
        Find();
    });
    connect(findNext, &QPushButton::clicked, this, [this] { Find(); });
    connect(contents, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QTextBlock block =
            browser->document()->findBlockByNumber(item->data(Qt::UserRole).toInt());
        QTextCursor cursor(block);
        browser->setTextCursor(cursor);
        // Scroll the heading to the top rather than just into view.
        browser->verticalScrollBar()->setValue(browser->verticalScrollBar()->maximum());
        browser->ensureCursorVisible();
    });
    connect(contents, &QListWidget::itemClicked, contents, &QListWidget::itemActivated);
}

bool HelpWindow::Open(const QString& path, const QString& section) {
    if (!QFileInfo(path).isReadable()) {
        return false;
    }
    if (path != shownPath) {
        browser->setSource(QUrl::fromLocalFile(path));
        shownPath = path;
        FillContents();
    }
    if (!section.isEmpty()) {
        browser->scrollToAnchor(section);
    }
    return true;
}

void HelpWindow::FillContents() {
    contents->clear();
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level >= 2 && level <= 3) {
            auto* item = new QListWidgetItem((level == 3 ? QStringLiteral("    ") : QString()) +
                                                 block.text().trimmed(),
                                             contents);
            item->setData(Qt::UserRole, block.blockNumber());
        }
    }
    // The contents show whole titles, up to half the window.
    int widest = 0;
    for (int i = 0; i < contents->count(); ++i) {
        widest =
            std::max(widest, contents->fontMetrics().horizontalAdvance(contents->item(i)->text()));
    }
    const int wanted = widest + 2 * contents->frameWidth() +
                       contents->verticalScrollBar()->sizeHint().width() + 16;
    contents->setMinimumWidth(std::min(wanted, width() / 2));
}

bool HelpWindow::Find(bool backward) {
    const QString text = findField->text();
    if (text.isEmpty()) {
        findResult->clear();
        return false;
    }
    const QTextDocument::FindFlags flags =
        backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    bool found = browser->find(text, flags);
    if (!found) {
        // Round again from the other end of the page.
        browser->moveCursor(backward ? QTextCursor::End : QTextCursor::Start);
        found = browser->find(text, flags);
    }
    findResult->setText(found ? QString() : UiText(StringId::HelpNotFound));
    return found;
}

// Escape closes the window; F3 and Shift+F3 find again, as in the main window.
void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    if (event->key() == Qt::Key_F3) {
        Find(event->modifiers().testFlag(Qt::ShiftModifier));
        return;
    }
    if (event->matches(QKeySequence::Find)) {
        findField->setFocus(Qt::ShortcutFocusReason);
        findField->selectAll();
        return;
    }
    QWidget::keyPressEvent(event);
}

HelpWindow* ShowHelpWindow(QWidget* owner, const QString& path, const QString& section) {
    // A window of its own, closed with the program's main window.
    QWidget* top = owner != nullptr ? owner->window() : nullptr;
    while (top != nullptr && top->parentWidget() != nullptr) {
        top = top->parentWidget()->window();
    }
    HelpWindow* window = top != nullptr
                             ? top->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly)
                             : nullptr;
    if (window == nullptr) {
        window = new HelpWindow(top);
    }
    if (!window->Open(path, section)) {
        return nullptr;
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace vorlan
