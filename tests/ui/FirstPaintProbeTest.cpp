// The start-up benchmark's hooks in the program: the option that asks for the
// first-paint report, and the probe that reports once the window is painted.
#include "app/FirstPaintProbe.h"

#include "app/AppOptions.h"

#include <QApplication>
#include <QTimer>
#include <QVBoxLayout>
#include <chrono>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

TEST(AppOptionsTest, ReportFirstPaintIsClaimedUnknownOptionsRefused) {
    struct Case {
        QStringList arguments;
        bool report;
        QString layout;
        bool refused;
    };
    const QString program = QStringLiteral("vorlan");
    const QString option = QLatin1String(kReportFirstPaintOption);
    const Case cases[] = {
        {{program}, false, {}, false},
        {{program, option}, true, {}, false},
        // The one plain argument is the layout to open; a second is refused, not ignored.
        {{program, QStringLiteral("a.txt"), option}, true, QStringLiteral("a.txt"), false},
        {{program, QStringLiteral("a.txt"), option, QStringLiteral("b.txt")}, true, {}, true},
        // An option the program does not know is a usage error, not ignored.
        {{program, QStringLiteral("a.txt"), option, QStringLiteral("-x")}, false, {}, true},
        // Only the exact option counts; the program name is never an option.
        {{option, QStringLiteral("--report-first-paint=1")}, false, {}, true},
        // Qt's own options pass.
        {{program, QStringLiteral("-platform"), QStringLiteral("offscreen"), option},
         true,
         {},
         false},
    };
    for (const Case& c : cases) {
        const AppOptions options = ParseAppOptions(c.arguments, QStringLiteral("/p/vorlan"));
        EXPECT_EQ(c.report, options.reportFirstPaint) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(c.layout, options.layoutPath) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(c.refused, !options.error.isEmpty()) << c.arguments.join(u' ').toStdString();
        EXPECT_EQ(QStringLiteral("/p/vorlan"), options.programPath);
    }
}

long long SteadyNowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

TEST(FirstPaintProbeTest, ReportsOnceAfterTheCoveredWindowIsPaintedAndQuits) {
    QWidget window;
    window.resize(321, 123);
    // A child covers the whole window, so the window itself may get no paint.
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* child = new QWidget(&window);
    child->setAttribute(Qt::WA_OpaquePaintEvent);
    layout->addWidget(child);

    auto* probe = new FirstPaintProbe(&window, nullptr);
    // A window that never paints must fail the test, not hang it.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(7); });
    guard.start(10000);
    const long long before = SteadyNowNs();
    window.show();
    ASSERT_EQ(0, QCoreApplication::exec());
    const long long after = SteadyNowNs();

    const QList<QByteArray> words = probe->Report().split(' ');
    ASSERT_EQ(3, words.size()) << probe->Report().toStdString();
    EXPECT_EQ("first-paint", words[0]);
    const long long painted = words[1].toLongLong();
    EXPECT_LE(before, painted);
    EXPECT_GE(after, painted);
    EXPECT_EQ("321x123", words[2]);
}

} // namespace
} // namespace vorlan
