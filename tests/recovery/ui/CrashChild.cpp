// The program that crashes for the window's crash test: a main window with
// the recovery guard, a few edits, then it waits to be killed. It writes the
// layout it holds to FOLDER/expected.txt first, for the test to compare.
#include "app/MainDialog.h"
#include "grid/KeyEditor.h"
#include "layout/LayoutFile.h"
#include "recovery/RecoveryKeeper.h"
#include "recovery/ui/RecoveryGuard.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    if (argc != 3) {
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    vorlan::MainDialog window;
    auto* guard = new vorlan::RecoveryGuard(&window, window.Editor().Files(),
                                            window.Editor().Document(), folder);
    window.show();

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
