#include "app/AppShell.h"

#include "app/HelpWindow.h"
#include "localization/ui/Translations.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QTranslator>
#include <QUrl>

// Outside any namespace, as Qt's resource macro requires; the icons live in a
// static library, whose resource object the linker would otherwise drop.
static void InitIconResources() {
    static const bool done = [] {
        Q_INIT_RESOURCE(vorlan_icons);
        return true;
    }();
    (void)done;
}

namespace vorlan {
namespace {

HelpOpener& Opener() {
    static HelpOpener opener;
    return opener;
}

} // namespace

void SetApplicationIdentity(const QString& programPath) {
    QCoreApplication::setOrganizationName(QStringLiteral("Kelvane"));
    const QString base = QFileInfo(programPath).completeBaseName();
    if (!base.isEmpty()) {
        QCoreApplication::setApplicationName(base);
    }
}

bool InstallLocalTranslation(const QString& programDir) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("local.qm"), programDir)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

QIcon ProgramIcon() {
    InitIconResources();
    // QIcon reads a file only when that size is first asked for, so start-up
    // pays for the one size the window needs; on a HiDPI screen it takes the
    // larger picture instead of scaling a small one up.
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/vorlan-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

std::optional<QString> ProgramVersion() {
#ifdef VORLAN_VERSION
    const QString version = QStringLiteral(VORLAN_VERSION);
    if (!version.isEmpty()) {
        return version;
    }
#endif
    return std::nullopt;
}

QString HelpFilePath(const QString& programPath) {
    const QFileInfo program(programPath);
    if (programPath.isEmpty() || !program.isAbsolute()) {
        return {};
    }
    const QDir dir = program.absoluteDir();
#ifdef Q_OS_WIN
    const QString chm = dir.filePath(QStringLiteral("help/Vorlan.chm"));
    if (QFileInfo::exists(chm)) {
        return chm;
    }
#endif
    // The guide in the program's language ("Vorlan_de.html"), else the English one.
    QStringList names;
    const QString language = ProgramLanguage();
    if (!language.isEmpty()) {
        names << QStringLiteral("help/Vorlan_%1.html").arg(language);
        if (language.contains(QLatin1Char('_'))) {
            names << QStringLiteral("help/Vorlan_%1.html")
                         .arg(language.section(QLatin1Char('_'), 0, 0));
        }
    }
    names << QStringLiteral("help/Vorlan.html");
    const QStringList dirs = ProgramDataDirs(dir.path());
    for (const QString& name : names) {
        for (const QString& data : dirs) {
            const QString path = QDir(data).filePath(name);
            if (QFileInfo::exists(path)) {
                return path;
            }
        }
    }
    return dir.filePath(QStringLiteral("help/Vorlan.html"));
}

void OpenHelp(const QString& programPath, QWidget* owner, const QString& section) {
    const QString path = HelpFilePath(programPath);
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        return;
    }
    if (Opener()) {
        Opener()(section.isEmpty() ? path : path + QLatin1Char('#') + section);
        return;
    }
    // The compiled help has a viewer of the system's own; the HTML guide is
    // shown in the program's help window, so no web browser is needed.
    if (path.endsWith(QStringLiteral(".chm"), Qt::CaseInsensitive)) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
        return;
    }
    ShowHelpWindow(owner, path, section);
}

HelpOpener SetHelpOpener(HelpOpener opener) {
    HelpOpener previous = std::move(Opener());
    Opener() = std::move(opener);
    return previous;
}

} // namespace vorlan
