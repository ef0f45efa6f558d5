// The start-up floor: a bare Qt program that shows one empty window of the
// given size and reports its first paint exactly as `vorlan` does.
//   vorlan_bench_bare_window WIDTH HEIGHT [--text]
// With --text the window holds one label, so the run also pays for the font
// set-up that any window with text pays and an empty one never does.
#include "app/FirstPaintProbe.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int width = args.size() > 2 ? args.at(1).toInt() : 768;
    const int height = args.size() > 2 ? args.at(2).toInt() : 400;
    QWidget window;
    window.resize(width, height);
    if (args.contains(QStringLiteral("--text"))) {
        auto* label = new QLabel(QStringLiteral("Key name:"), &window);
        label->move(10, 10);
    }
    if (const QScreen* screen = window.screen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
    new vorlan::FirstPaintProbe(&window);
    window.show();
    return app.exec();
}
