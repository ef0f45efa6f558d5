#include "localization/ui/Translations.h"

#include "common/ui/QtText.h"
#include "hyphenation/HyphenationChoice.h"
#include "localization/LanguageChoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace vorlan {
namespace {

QString& ChosenLanguage() {
    static QString language;
    return language;
}

// The translators installed for the chosen language, so a second choice
// replaces them instead of hiding behind them.
QList<QTranslator*>& Installed() {
    static QList<QTranslator*> translators;
    return translators;
}

const QString kLanguageKey = QStringLiteral("View/Language");

bool Install(const QString& file, const QStringList& dirs) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (const QString& dir : dirs) {
        if (translator->load(file, dir)) {
            Installed() << translator;
            return QCoreApplication::installTranslator(translator);
        }
    }
    delete translator;
    return false;
}

void RemoveInstalled() {
    for (QTranslator* translator : Installed()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    Installed().clear();
}

std::vector<std::string> ToStd(const QStringList& list) {
    std::vector<std::string> out;
    for (const QString& item : list) {
        out.push_back(ToUtf8Text(item));
    }
    return out;
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
            const QString language =
                FromUtf8Text(LanguageOfFile(ToUtf8Text(file), ToUtf8Text(prefix), ".qm"));
            if (!language.isEmpty() && !languages.contains(language)) {
                languages << language;
            }
        }
    }
    languages.sort();
    return languages;
}

QString InstallTranslations(const QString& programDir, const QStringList& uiLanguages,
                            const QString& chosen) {
    const QString language = FromUtf8Text(ChooseLanguage(ToUtf8Text(chosen), ToStd(uiLanguages),
                                                         ToStd(AvailableLanguages(programDir))));
    ChosenLanguage() = language;
    RemoveInstalled();
    // Key names are hyphenated in the program's language unless chosen
    // otherwise, with the dictionaries shipped beside the program (Windows)
    // before the system's.
    SetDefaultNamesLanguage(language.toStdString());
    std::vector<std::string> hyphenFolders;
    for (const QString& dir : ProgramDataDirs(programDir)) {
        hyphenFolders.push_back(
            QDir::toNativeSeparators(dir + QStringLiteral("/hyphen")).toStdString());
    }
#ifndef Q_OS_WIN
    hyphenFolders.emplace_back("/usr/share/hyphen");
#endif
    SetHyphenationFolders(std::move(hyphenFolders));

    QStringList dirs;
    for (const QString& dir : ProgramDataDirs(programDir)) {
        dirs << dir + QStringLiteral("/translations");
    }
    // English counts with a singular too ("1 keyboard passed"); a language's
    // translator, installed after it, is asked first.
    Install(QStringLiteral("plurals_en"), dirs);
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

QString LanguageSetting() {
    const QString value = QSettings().value(kLanguageKey).toString();
    return FromUtf8Text(NormalizeLanguage(ToUtf8Text(value)));
}

void SetLanguageSetting(const QString& language) {
    QSettings settings;
    if (language.isEmpty()) {
        settings.remove(kLanguageKey);
    } else {
        settings.setValue(kLanguageKey, language);
    }
}

QString InstallProgramTranslations(const QString& programDir) {
    return InstallTranslations(programDir, QLocale::system().uiLanguages(), LanguageSetting());
}

} // namespace vorlan
