// The shipped German translation: complete for every text of the string table
// and the help page, chosen from the user's languages, with Qt's own texts.
// Runs in a binary of its own: it leaves the German translators installed.
#include "app/AppShell.h"
#include "app/MainDialog.h"
#include "common/StringTable.h"
#include "common/ui/UiText.h"
#include "localization/ui/Translations.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>
#include <map>

namespace vorlan {
namespace {

QString BuiltTranslations() {
    return QStringLiteral(VORLAN_TEST_TRANSLATIONS_DIR);
}

QStringList Placeholders(const QString& text) {
    QStringList found;
    static const QRegularExpression pattern(QStringLiteral("%[sd1-9]"));
    for (const auto& match : pattern.globalMatch(text)) {
        found << match.captured();
    }
    found.sort();
    return found;
}

TEST(GermanTranslation, EveryTextOfTheStringTableIsTranslated) {
    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral("vorlan_de"), BuiltTranslations()));
    QStringList missing;
    QStringList placeholders;
    for (const StringEntry& e : StringEntries()) {
        const QString english =
            QString::fromUtf8(e.text.data(), static_cast<qsizetype>(e.text.size()));
        const QString translated = german.translate(kTranslationContext, e.text.data());
        if (translated.isEmpty()) {
            missing << QStringLiteral("  %1 \"%2\"").arg(e.id).arg(english);
        } else if (Placeholders(translated) != Placeholders(english)) {
            placeholders
                << QStringLiteral("  %1 \"%2\" -> \"%3\"").arg(e.id).arg(english, translated);
        }
    }
    EXPECT_TRUE(missing.isEmpty())
        << "No German translation in resources/translations/vorlan_de.ts for " << missing.size()
        << " text(s):\n"
        << missing.join(u'\n').toStdString();
    EXPECT_TRUE(placeholders.isEmpty())
        << "German texts with other placeholders than the English:\n"
        << placeholders.join(u'\n').toStdString();
}

// Counts the structure of a help page, so a section, list item, paragraph
// or table row added to the English page and not to the German one shows.
std::map<QString, int> Structure(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QString html = QString::fromUtf8(file.readAll());
    std::map<QString, int> counts;
    for (const char* tag : {"<h1", "<h2", "<p>", "<li>", "<tr>", "<table", "<kbd>"}) {
        counts[QLatin1String(tag)] = static_cast<int>(html.count(QLatin1String(tag)));
    }
    return counts;
}

TEST(GermanTranslation, TheGermanHelpPageHasEverySectionOfTheEnglishOne) {
    const QString help = QStringLiteral(VORLAN_TEST_HELP_DIR);
    const auto english = Structure(help + QStringLiteral("/Vorlan.html"));
    const auto german = Structure(help + QStringLiteral("/Vorlan_de.html"));
    for (const auto& [tag, count] : english) {
        EXPECT_EQ(count, german.at(tag))
            << "resources/help/Vorlan_de.html has another number of " << tag.toStdString()
            << " elements than Vorlan.html: translate what was added";
    }
}

TEST(GermanTranslation, TheUsersLanguagePicksTheTranslationAndTheHelpPage) {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setApplicationName(
        QStringLiteral("vorlan_de_test_%1").arg(QCoreApplication::applicationPid()));
    QSettings().clear();
    // A program folder as a build tree or a Windows folder has it.
    QTemporaryDir program;
    const QDir dir(program.path());
    ASSERT_TRUE(dir.mkpath(QStringLiteral("translations")) && dir.mkpath(QStringLiteral("help")));
    ASSERT_TRUE(QFile::copy(BuiltTranslations() + QStringLiteral("/vorlan_de.qm"),
                            dir.filePath(QStringLiteral("translations/vorlan_de.qm"))));
    for (const char* page : {"Vorlan.html", "Vorlan_de.html"}) {
        QFile(dir.filePath(QStringLiteral("help/") + QLatin1String(page)))
            .open(QIODevice::WriteOnly);
    }
    EXPECT_EQ(QStringList{QStringLiteral("de")}, AvailableLanguages(dir.path()));

    const QString programPath = dir.filePath(QStringLiteral("vorlan"));
    EXPECT_EQ(QString(), InstallTranslations(dir.path(), {QStringLiteral("en-GB")}));
    EXPECT_EQ(dir.filePath(QStringLiteral("help/Vorlan.html")), HelpFilePath(programPath));

    EXPECT_EQ(QStringLiteral("de"),
              InstallTranslations(dir.path(), {QStringLiteral("fr-FR"), QStringLiteral("de-AT")}));
    EXPECT_EQ(QStringLiteral("de"), ProgramLanguage());
    EXPECT_EQ(dir.filePath(QStringLiteral("help/Vorlan_de.html")), HelpFilePath(programPath));
    MainDialog w;
    EXPECT_EQ(QStringLiteral("&Datei"), w.FileMenu()->title());
    EXPECT_EQ(QStringLiteral("Ö&ffnen..."), w.FileMenu()->actions().at(1)->text());
    // Qt's own texts of the standard dialogs, from Qt's German translation.
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    EXPECT_EQ("Abbrechen", box.button(QDialogButtonBox::Cancel)->text().toStdString());
}

TEST(GermanTranslation, AnInstalledProgramFindsItsShareFolder) {
    const QStringList dirs = ProgramDataDirs(QStringLiteral("/opt/x/bin"));
    EXPECT_EQ(QStringList({QStringLiteral("/opt/x/bin"), QStringLiteral("/opt/x/share/vorlan")}),
              dirs);
    EXPECT_TRUE(ProgramDataDirs(QString()).isEmpty());
}

} // namespace
} // namespace vorlan
