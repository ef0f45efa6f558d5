#include "layout/ui/CompareWindow.h"

#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"
#include "layout/LayoutDiff.h"

#include <QCloseEvent>
#include <QColor>
#include <QKeyEvent>
#include <QListWidget>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace vorlan {
namespace {

// A name of 102 letters has no space to wrap at: a zero-width space after
// every 20 letters of an unbroken run lets the list wrap it.
QString BreakableText(const QString& text) {
    constexpr int kRun = 20;
    QString out;
    out.reserve(text.size() + text.size() / kRun);
    int run = 0;
    for (const QChar c : text) {
        out += c;
        run = c.isSpace() ? 0 : run + 1;
        if (run == kRun) {
            out += QChar(0x200B);
            run = 0;
        }
    }
    return out;
}

} // namespace

CompareWindow::CompareWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("compareWindow"));
    setModal(false);
    auto* column = new QVBoxLayout(this);
    list = new QListWidget(this);
    list->setObjectName(QStringLiteral("compareList"));
    // Long messages wrap rather than run out of the window.
    list->setWordWrap(true);
    list->setResizeMode(QListView::Adjust);
    column->addWidget(list);
    resize(420, 360);
    connect(list, &QListWidget::currentRowChanged, this, [this](int row) {
        const auto r = static_cast<std::size_t>(row);
        if (row >= 0 && r < keys.size() && keys[r] != 0) {
            Q_EMIT KeyChosen(keys[r]);
        }
    });
}

void CompareWindow::SetDifferences(const QString& otherName,
                                   const std::vector<Difference>& differences,
                                   const QStringList& aboutFile) {
    setWindowTitle(FillPlaceholders(UiText(StringId::CompareCaption), {otherName}));
    const QSignalBlocker block(list);
    list->clear();
    keys.clear();
    marks.clear();
    for (const QString& note : aboutFile) {
        auto* item = new QListWidgetItem(note, list);
        item->setForeground(QColor(0xa0, 0x50, 0x00));
        keys.push_back(0);
    }
    for (const Difference& d : differences) {
        list->addItem(BreakableText(UiMessageText(d.message)));
        keys.push_back(d.key != 0 ? d.key : d.otherKey);
        if (d.key != 0) {
            marks.push_back(d.key);
        }
        if (d.otherKey != 0) {
            marks.push_back(d.otherKey);
        }
    }
    if (differences.empty()) {
        list->addItem(UiText(StringId::CompareEqual));
        keys.push_back(0);
    }
}

void CompareWindow::ShowBeside(const QWidget* window) {
    // Beside the window, where its marks on the grid stay in sight: on the
    // side with more room, narrowed to that room if need be (the messages
    // wrap), and always wholly on the screen.
    constexpr int kGap = 8;
    constexpr int kNarrowest = 240;
    const QRect outer = window->frameGeometry();
    QRect place(QPoint(outer.right() + 1 + kGap, outer.top()), QSize(420, height()));
    if (const QScreen* screen = window->screen()) {
        const QRect room = screen->availableGeometry();
        const int right = room.right() - outer.right() - kGap;
        const int left = outer.left() - room.left() - kGap;
        const int width = std::max(right, left);
        if (width >= kNarrowest) {
            place.setWidth(std::min(place.width(), width));
            if (right < place.width()) {
                place.moveRight(outer.left() - 1 - kGap);
            }
        }
        place.moveLeft(std::clamp(place.left(), room.left(),
                                  std::max(room.left(), room.right() + 1 - place.width())));
        place.moveTop(std::clamp(place.top(), room.top(),
                                 std::max(room.top(), room.bottom() + 1 - place.height())));
    }
    resize(place.size());
    move(place.topLeft());
    show();
    raise();
}

std::vector<int> CompareWindow::MarkedKeys() const {
    std::vector<int> marked = marks;
    std::sort(marked.begin(), marked.end());
    marked.erase(std::unique(marked.begin(), marked.end()), marked.end());
    return marked;
}

void CompareWindow::closeEvent(QCloseEvent* event) {
    Q_EMIT Closed();
    QDialog::closeEvent(event);
}

// Escape closes the list like its close box, ending the compare.
void CompareWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace vorlan
