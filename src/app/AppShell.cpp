#include "app/AppShell.h"

#include "grid/ui/KeyImages.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QTranslator>
#include <QUrl>

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
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(QPixmap::fromImage(
            RenderKeyImageSource(KeyImage::Quad, 4)
                .scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
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
    return dir.filePath(QStringLiteral("help/Vorlan.html"));
}

void OpenHelp(const QString& programPath) {
    const QString path = HelpFilePath(programPath);
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        return;
    }
    if (Opener()) {
        Opener()(path);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

HelpOpener SetHelpOpener(HelpOpener opener) {
    HelpOpener previous = std::move(Opener());
    Opener() = std::move(opener);
    return previous;
}

} // namespace vorlan
