#include "app/ClientArea.h"

#include "app/KeyPanelControls.h"
#include "app/StatusPaneRow.h"
#include "common/ui/TextRoomUi.h"
#include "editor/KeyEditor.h"
#include "grid/ui/KeyGridWidget.h"

#include <QFrame>
#include <QMainWindow>

namespace vorlan {

ClientArea::ClientArea(QMainWindow& window, int width, int height) : designedWidth(width) {
    client = new QWidget(&window);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(width, height);
    client->setMouseTracking(true);
    QFont font = client->font();
    font.setPixelSize(10);
    client->setFont(font);
    window.setCentralWidget(client);

    panel = std::make_unique<KeyPanelControls>(*client);
    auto* frame = new QFrame(client);
    frame->setGeometry(DesignedRect(3, 53, 369, 151));
    frame->setObjectName(QStringLiteral("gridFrame"));
    frame->setFrameShape(QFrame::Box);
    frame->setLineWidth(1);
    QPalette black = frame->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    frame->setPalette(black);
    grid = new KeyGridWidget(client);
    grid->setObjectName(QStringLiteral("keyGrid"));
    grid->move(KeyGridWidget::kLeft, KeyGridWidget::kTop);
}

ClientArea::~ClientArea() = default;

void ClientArea::FitTexts(StatusPaneRow& panes) {
    panel->WrapLongCaptions();
    auto* frame = client->findChild<QFrame*>(QStringLiteral("gridFrame"));
    const int widening = MakeRoomForTexts(client, {grid, frame});
    const int width = panes.FitTexts(designedWidth + widening);
    if (width != designedWidth) {
        client->setFixedSize(width, client->height());
    }
}

void ClientArea::Connect(KeyEditor& editor) {
    KeyEditor* e = &editor;
    QObject::connect(grid, &KeyGridWidget::PointerMoved, client,
                     [e](QPoint p) { e->OnPointerMove(p.x(), p.y()); });
    QObject::connect(grid, &KeyGridWidget::PointerPressed, client,
                     [e](QPoint p) { e->OnPointerPress(p.x(), p.y()); });
    QObject::connect(grid, &KeyGridWidget::PointerDoubleClicked, client,
                     [e](QPoint p) { e->OnPointerDoubleClick(p.x(), p.y()); });
    // A new canvas (another screen's pixel ratio) is drawn again from the layout.
    QObject::connect(grid, &KeyGridWidget::CanvasReset, client, [e] {
        e->DrawGrid();
        e->ShowKey(e->CurrentKey());
    });
    panel->Connect(editor);
}

} // namespace vorlan
