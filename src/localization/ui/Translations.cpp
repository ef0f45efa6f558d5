#include "localization/ui/Translations.h"

#include "localization/LanguageChoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vorlan {
namespace {

QString& ChosenLanguage() {
    static QString language;
    return language;
}

bool Install(const QString& file, const QStringList& dirs) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (const QString& dir : dirs) {
        if (translator->load(file, dir)) {
            return QCoreApplication::installTranslator(translator);
        }
    }
    delete translator;
    return false;
}

} // namespace

QStringList ProgramDataDirs(const QString& programDir) {
    if (programDir.isEmpty()) {
        return {};
    }
    QStringList dirs{QDir::cleanPath(programDir)};
#ifdef VORLAN_DATA_FROM_BIN
    const QString installed =
        QDir::cleanPath(programDir + QLatin1Char('/') + QStringLiteral(VORLAN_DATA_FROM_BIN));
    if (installed != dirs.front()) {
        dirs << installed;
    }
#endif
    return dirs;
}

QStringList AvailableLanguages(const QString& programDir) {
    QStringList languages;
    const QString prefix = QStringLiteral("vorlan_");
    for (const QString& dir : ProgramDataDirs(programDir)) {
        const QStringList files = QDir(dir + QStringLiteral("/translations"))
                                      .entryList({prefix + QStringLiteral("*.qm")}, QDir::Files);
        for (const QString& file : files) {
            const QString language = file.mid(prefix.size()).chopped(3);
            if (!languages.contains(language)) {
                languages << language;
            }
        }
    }
    languages.sort();
    return languages;
}

QString InstallTranslations(const QString& programDir, const QStringList& uiLanguages) {
    std::vector<std::string> preferred;
    for (const QString& language : uiLanguages) {
        preferred.push_back(language.toStdString());
    }
    std::vector<std::string> available;
    for (const QString& language : AvailableLanguages(programDir)) {
        available.push_back(language.toStdString());
    }
    const QString language = QString::fromStdString(ChooseLanguage(preferred, available));
    ChosenLanguage() = language;

    QStringList dirs;
    for (const QString& dir : ProgramDataDirs(programDir)) {
        dirs << dir + QStringLiteral("/translations");
    }
    if (!language.isEmpty()) {
        // Qt's own texts: the system's copy, or one deployed beside the program.
        Install(QStringLiteral("qtbase_") + language,
                QStringList{QLibraryInfo::path(QLibraryInfo::TranslationsPath)} + dirs);
        Install(QStringLiteral("vorlan_") + language, dirs);
    }
    return language;
}

QString ProgramLanguage() {
    return ChosenLanguage();
}

} // namespace vorlan
