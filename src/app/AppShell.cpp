#include "app/AppShell.h"

#include "common/ui/DialogSeam.h"
#include "localization/ui/Translations.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <QTranslator>
#include <algorithm>
#include <iterator>
#include <map>

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

// The sizes the build renders the icon at.
constexpr int kIconSides[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The program icon, each picture read when a size first needs it: Qt's own
// engine reads every file as it is added, which was a tenth of the start-up.
class ProgramIconEngine : public QIconEngine {
public:
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = BestSide(size);
        return QSize(side, side).scaled(size.boundedTo(QSize(side, side)), Qt::KeepAspectRatio);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        if (size.isEmpty()) {
            return {};
        }
        const int side = BestSide(size);
        QPixmap& picture = pictures_[side];
        if (picture.isNull()) {
            picture.load(QStringLiteral(":/icons/vorlan-%1.png").arg(side));
        }
        QPixmap shown = side > size.width() || side > size.height()
                            ? picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                            : picture;
        if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance())) {
            QStyleOption option;
            option.palette = QApplication::palette();
            shown = QApplication::style()->generatedIconPixmap(mode, shown, &option);
        }
        return shown;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio =
            painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1;
        const QPixmap shown = pixmap(rect.size() * ratio, mode, state);
        QRect target(QPoint(), shown.size() / ratio);
        target.moveCenter(rect.center());
        painter->drawPixmap(target, shown);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int side : kIconSides) {
            sizes << QSize(side, side);
        }
        return sizes;
    }

    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return QStringLiteral("ProgramIconEngine"); }

private:
    // The smallest picture that covers size, or the largest there is.
    static int BestSide(const QSize& size) {
        const int wanted = std::max(size.width(), size.height());
        for (const int side : kIconSides) {
            if (side >= wanted) {
                return side;
            }
        }
        return kIconSides[std::size(kIconSides) - 1];
    }

    std::map<int, QPixmap> pictures_;
};

} // namespace

QIcon ProgramIcon() {
    InitIconResources();
    // On a HiDPI screen the icon takes the larger picture instead of scaling a
    // small one up.
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
    DialogsFor(owner).ShowHelp(owner, path, section);
}

} // namespace vorlan
