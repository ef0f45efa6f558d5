// The program that crashes for the window's crash test: a main window with
// the recovery guard, a few edits, then it waits to be killed. It writes the
// layout it holds to FOLDER/expected.txt first, for the test to compare.
// With a third argument "type" it only types that word into the key-name
// field, as the user would, and says "typed": what reaches the recovery
// file then is what the window itself reports.
#include "app/MainDialog.h"
#include "editor/KeyEditor.h"
#include "layout/LayoutFile.h"
#include "recovery/RecoveryKeeper.h"
#include "recovery/ui/RecoveryGuard.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStandardPaths>
#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    if (argc != 3 && argc != 4) {
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    vorlan::MainDialog window;
    auto* guard = window.KeepRecovery(folder);
    window.show();
    if (argc == 4) {
        window.Editor().Document().filePath = argv[2];
        auto* name = window.findChild<QLineEdit*>(QStringLiteral("keyName"));
        name->setFocus();
        name->end(false);
        for (const QChar c : QString::fromLocal8Bit(argv[3])) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(name, &press);
        }
        std::printf("typed\n");
        std::fflush(stdout);
        return app.exec();
    }

    vorlan::LayoutDocument& doc = window.Editor().Document();
    doc.filePath = argv[2];
    doc.settings.keyCount = vorlan::kMaxKeys;
    for (int k : {1, 20, 77, 112}) {
        doc.keys[static_cast<std::size_t>(k)].codes[0] = static_cast<std::uint32_t>(k);
        doc.keys[static_cast<std::size_t>(k)].name = "Key" + std::to_string(k);
        doc.spans[static_cast<std::size_t>(k)].kind = vorlan::SpanKind::Single;
    }
    doc.MarkDirty();
    guard->NoteChange();

    std::ofstream(QFile::encodeName(folder + QStringLiteral("/expected.txt")).toStdString(),
                  std::ios::binary)
        << vorlan::FormatLayout(doc, vorlan::KeyboardVariant::SixteenScan);
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}
