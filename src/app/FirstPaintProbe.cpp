#include "app/FirstPaintProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>

namespace vorlan {

FirstPaintProbe::FirstPaintProbe(QWidget* theWindow, std::FILE* theOut)
    : QObject(theWindow), window(theWindow), out(theOut) {
    // Children may cover the whole theWindow, so its own paint event is not
    // enough: every widget's paint passes the application's filter.
    QCoreApplication::instance()->installEventFilter(this);
}

FirstPaintProbe::~FirstPaintProbe() {
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->removeEventFilter(this);
    }
}

bool FirstPaintProbe::eventFilter(QObject* watched, QEvent* event) {
    if (!painted && event->type() == QEvent::Paint && watched->isWidgetType() && window &&
        static_cast<QWidget*>(watched)->window() == window) {
        painted = true;
        // One frame paints all its widgets and is flushed before control
        // returns to the event loop; the zero timer runs just after that.
        QTimer::singleShot(0, this, &FirstPaintProbe::Finish);
    }
    return QObject::eventFilter(watched, event);
}

void FirstPaintProbe::Finish() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const long long ns = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
    const QSize size = window ? window->size() : QSize();
    report = "first-paint " + QByteArray::number(ns) + ' ' + QByteArray::number(size.width()) +
             'x' + QByteArray::number(size.height());
    if (out != nullptr) {
        std::fprintf(out, "%s\n", report.constData());
        std::fflush(out);
    }
    QCoreApplication::quit();
}

} // namespace vorlan
