// The start-up floor: a bare Qt program that shows one empty window of the
// given size and reports its first paint exactly as `vorlan` does.
#include "app/FirstPaintProbe.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const int width = args.size() > 2 ? args.at(1).toInt() : 768;
    const int height = args.size() > 2 ? args.at(2).toInt() : 400;
    QWidget window;
    window.resize(width, height);
    if (const QScreen* screen = window.screen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
    new vorlan::FirstPaintProbe(&window);
    window.show();
    return app.exec();
}
