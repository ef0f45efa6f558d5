#include "app/AppShell.h"

#include "grid/ui/KeyImages.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
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

namespace {

// Draws the icon only at the sizes actually asked for, when asked: drawing
// every size up front cost milliseconds before the first paint.
class ProgramIconEngine : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State /*state*/) override {
        if (size.isEmpty()) {
            return {};
        }
        const QString cacheKey = QStringLiteral("vorlan-program-icon-%1x%2-%3")
                                     .arg(size.width())
                                     .arg(size.height())
                                     .arg(static_cast<int>(mode));
        QPixmap cached;
        if (QPixmapCache::find(cacheKey, &cached)) {
            return cached;
        }
        QPixmap result = QPixmap::fromImage(
            Source().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        if (mode != QIcon::Normal) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            result = QApplication::style()->generatedIconPixmap(mode, result, &option);
        }
        QPixmapCache::insert(cacheKey, result);
        return result;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int size : {16, 24, 32, 48, 64, 128, 256}) {
            sizes.append(QSize(size, size));
        }
        return sizes;
    }

    QIconEngine* clone() const override { return new ProgramIconEngine; }

    QString key() const override { return QStringLiteral("vorlan-program-icon"); }

private:
    static const QImage& Source() {
        static const QImage source = RenderKeyImageSource(KeyImage::Quad, 4);
        return source;
    }
};

} // namespace

QIcon ProgramIcon() {
    return QIcon(new ProgramIconEngine);
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
