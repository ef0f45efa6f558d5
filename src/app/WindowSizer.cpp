#include "app/WindowSizer.h"

#include "app/StatusPaneRow.h"
#include "grid/GridGeometry.h"
#include "grid/ui/KeyGridWidget.h"
#include "layout/ui/ReadReportBar.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QVBoxLayout>

namespace vorlan {
namespace {

const QString kSizeKey = QStringLiteral("mainWindow/size");
const QString kMaximizedKey = QStringLiteral("mainWindow/maximized");

} // namespace

WindowSizer::WindowSizer(QMainWindow& theWindow, QWidget& theClient, KeyGridWidget& theGrid,
                         StatusPaneRow& thePanes)
    : QObject(&theWindow), window(theWindow), client(theClient), grid(theGrid), panes(thePanes) {
    // The bar lies above the client area; the window grows while it shows.
    auto* central = new QWidget(&window);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    reportBar = new ReadReportBar(central);
    column->addWidget(reportBar);
    column->addWidget(window.takeCentralWidget());
    window.setCentralWidget(central);
    connect(reportBar, &ReadReportBar::VisibilityChanged, this, &WindowSizer::FitAroundClient);
    client.installEventFilter(this);
}

void WindowSizer::MakeResizable() {
    designedClient = client.size();
    designedPlaces.clear();
    for (QWidget* child : client.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        designedPlaces.emplace_back(child, child->geometry());
    }
    client.setMinimumSize(designedClient);
    client.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

bool WindowSizer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &client && event->type() == QEvent::Resize) {
        PlaceClientControls();
    }
    return QObject::eventFilter(watched, event);
}

// The grid takes all that the window grows by, in whole cells; the frame
// around it follows, the panel on its right moves along and keeps its width,
// and the controls above it stay where they are.
void WindowSizer::PlaceClientControls() {
    auto* frame = client.findChild<QFrame*>(QStringLiteral("gridFrame"));
    if (frame == nullptr || designedPlaces.empty()) {
        return;
    }
    const int dx = std::max(0, client.width() - designedClient.width());
    const int dy = std::max(0, client.height() - designedClient.height());
    QRect frameRect;
    for (const auto& [widget, rect] : designedPlaces) {
        if (widget == frame) {
            frameRect = rect;
        }
    }
    // A control inside a group box goes where its group goes, so a caption
    // widened past the frame's edge never leaves a group that stays.
    const auto moves = [this, &frameRect](const QRect& rect) {
        QRect outer = rect;
        for (const auto& [other, place] : designedPlaces) {
            if (qobject_cast<QGroupBox*>(other.data()) != nullptr &&
                place.contains(rect.center()) && place != rect &&
                (outer == rect || outer.contains(place))) {
                outer = place;
            }
        }
        return outer.x() > frameRect.right();
    };
    for (const auto& [widget, rect] : designedPlaces) {
        if (widget.isNull()) {
            continue;
        }
        if (widget == &grid) {
            const GridBox fit = FitGrid(rect.width() + dx, rect.height() + dy);
            grid.SetCellPitch(fit.width / kGridColumns);
            grid.move(rect.x() + fit.x, rect.y() + fit.y);
        } else if (widget == frame) {
            widget->setGeometry(rect.adjusted(0, 0, dx, dy));
        } else if (moves(rect)) {
            widget->setGeometry(rect.translated(dx, 0));
        }
    }
    panes.ReachTo(client.width());
}

// The bars' height is taken from the size hints, which do not depend on
// whether the layout has already given the bar its room. A window filling
// the screen keeps its size.
void WindowSizer::FitAroundClient() {
    window.centralWidget()->layout()->invalidate();
    window.layout()->invalidate();
    window.layout()->activate();
    const int chrome = window.sizeHint().height() - designedClient.height();
    const int change = chrome - chromeHeight;
    chromeHeight = chrome;
    if (!(window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        window.resize(
            QSize(window.width(), window.height() + change).expandedTo(window.minimumSizeHint()));
    }
}

void WindowSizer::RestoreSize() {
    chromeHeight = window.sizeHint().height() - designedClient.height();
    plainChromeHeight = chromeHeight;
    window.resize(window.sizeHint());
    const QSettings settings;
    const QSize stored = settings.value(kSizeKey).toSize();
    if (stored.isValid()) {
        // A size kept from a larger screen is cut to this one's.
        QSize size = stored;
        if (const QScreen* shown = window.screen()) {
            size = size.boundedTo(shown->availableSize());
        }
        window.resize(size.expandedTo(window.minimumSizeHint()));
    }
    if (settings.value(kMaximizedKey).toBool()) {
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
    }
}

void WindowSizer::SaveSize() const {
    QSettings settings;
    const bool maximized = window.windowState().testFlag(Qt::WindowMaximized);
    // A maximised window keeps the size it returns to; a bar open above the
    // client is not kept, the next start shows none.
    const QSize shown = maximized ? window.normalGeometry().size() : window.size();
    settings.setValue(kSizeKey, shown - QSize(0, chromeHeight - plainChromeHeight));
    settings.setValue(kMaximizedKey, maximized);
}

} // namespace vorlan
