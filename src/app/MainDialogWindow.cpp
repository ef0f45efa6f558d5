// The main window's size: resizable from its designed size up, the grid's
// cells growing with it and the panel keeping its width; the size is kept in
// the settings. The reader's report bar above the client area.
#include "app/MainDialog.h"
#include "editor/KeyEditor.h"
#include "grid/GridGeometry.h"
#include "grid/ui/KeyGridWidget.h"
#include "layout/ui/ReadReportBar.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QSettings>
#include <QVBoxLayout>

namespace vorlan {
namespace {

const QString kSizeKey = QStringLiteral("mainWindow/size");
const QString kMaximizedKey = QStringLiteral("mainWindow/maximized");

} // namespace

// The client area as laid out for the language in use is the smallest the
// window gets; every control's place there is where the others grow from.
void MainDialog::MakeResizable() {
    designedClient = client->size();
    designedPlaces.clear();
    for (QWidget* child : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        designedPlaces.emplace_back(child, child->geometry());
    }
    client->setMinimumSize(designedClient);
    client->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

// The grid takes all that the window grows by, in whole cells; the frame
// around it follows, the panel on its right moves along and keeps its width,
// and the controls above it stay where they are.
void MainDialog::PlaceClientControls() {
    auto* frame = client->findChild<QFrame*>(QStringLiteral("gridFrame"));
    if (frame == nullptr || designedPlaces.empty()) {
        return;
    }
    const int dx = std::max(0, client->width() - designedClient.width());
    const int dy = std::max(0, client->height() - designedClient.height());
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
        if (widget == grid) {
            const GridBox fit = FitGrid(rect.width() + dx, rect.height() + dy);
            grid->SetCellPitch(fit.width / kGridColumns);
            grid->move(rect.x() + fit.x, rect.y() + fit.y);
        } else if (widget == frame) {
            widget->setGeometry(rect.adjusted(0, 0, dx, dy));
        } else if (moves(rect)) {
            widget->setGeometry(rect.translated(dx, 0));
        }
    }
    // The last status pane reaches the window's right edge.
    if (!paneEdges.empty() && paneEdges.back() != client->width()) {
        std::vector<int> edges = paneEdges;
        edges.back() = std::max(client->width(), edges[edges.size() - 2] + 1);
        PlaceStatusPanes(edges);
    }
}

// A bar above the client area came or went: the window grows or shrinks by
// it, so the client keeps its size, unless the window fills the screen. The
// bars' height is taken from the size hints, which do not depend on whether
// the layout has already given the bar its room.
void MainDialog::FitAroundClient() {
    centralWidget()->layout()->invalidate();
    layout()->invalidate();
    layout()->activate();
    const int chrome = sizeHint().height() - designedClient.height();
    const int change = chrome - chromeHeight;
    chromeHeight = chrome;
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        resize(QSize(width(), height() + change).expandedTo(minimumSizeHint()));
    }
}

void MainDialog::RestoreWindowSize() {
    chromeHeight = sizeHint().height() - designedClient.height();
    plainChromeHeight = chromeHeight;
    resize(sizeHint());
    const QSettings settings;
    const QSize stored = settings.value(kSizeKey).toSize();
    if (stored.isValid()) {
        // A size kept from a larger screen is cut to this one's.
        QSize size = stored;
        if (const QScreen* shown = screen()) {
            size = size.boundedTo(shown->availableSize());
        }
        resize(size.expandedTo(minimumSizeHint()));
    }
    if (settings.value(kMaximizedKey).toBool()) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void MainDialog::SaveWindowSize() const {
    QSettings settings;
    const bool maximized = windowState().testFlag(Qt::WindowMaximized);
    // A maximised window keeps the size it returns to; a bar open above the
    // client is not kept, the next start shows none.
    const QSize shown = maximized ? normalGeometry().size() : size();
    settings.setValue(kSizeKey, shown - QSize(0, chromeHeight - plainChromeHeight));
    settings.setValue(kMaximizedKey, maximized);
}

// The bar lies above the client area; the window grows while it shows.
void MainDialog::BuildReadReportBar() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    readReportBar = new ReadReportBar(central);
    column->addWidget(readReportBar);
    column->addWidget(takeCentralWidget());
    setCentralWidget(central);
    connect(readReportBar, &ReadReportBar::VisibilityChanged, this, &MainDialog::FitAroundClient);
}

void MainDialog::UpdateReadReportBar() {
    const LayoutDocument& doc = editor->Document();
    if (doc.readReport.path == doc.filePath) {
        readReportBar->ShowReport(doc.readReport);
    } else {
        readReportBar->ShowReport(ReadReport{});
    }
}

} // namespace vorlan
