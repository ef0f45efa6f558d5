// The shipped translations: every language whose resources/translations/
// vorlan_XX.ts exists is complete for every text of the string table and has
// its help page, is chosen from the user's languages or from View > Language,
// and brings Qt's own texts. Each test runs in a process of its own: they
// leave translators installed.
#include "app/AppShell.h"
#include "app/LanguageMenu.h"
#include "app/MainDialog.h"
#include "common/StringTable.h"
#include "common/ui/MessageBox.h"
#include "common/ui/UiText.h"
#include "localization/ui/Translations.h"
#include "testing/AccessKeys.h"
#include "testing/MainWindowFixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
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

QString HelpSources() {
    return QStringLiteral(VORLAN_TEST_HELP_DIR);
}

// The languages of the translation sources: what the build ships.
QStringList SourceLanguages() {
    QStringList languages;
    const QStringList files = QDir(QStringLiteral(VORLAN_TEST_TS_DIR))
                                  .entryList({QStringLiteral("vorlan_*.ts")}, QDir::Files);
    for (const QString& file : files) {
        languages << file.mid(7).chopped(3);
    }
    return languages;
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

// The accelerator letter of a menu text ("&&" is a plain "&"), or none.
TEST(ShippedTranslations, EveryLanguageIsBuiltAndHasItsHelpPage) {
    const QStringList languages = SourceLanguages();
    EXPECT_TRUE(languages.contains(QStringLiteral("de"))) << languages.join(u' ').toStdString();
    EXPECT_EQ(languages, AvailableLanguages(BuiltTranslations() + QStringLiteral("/..")));
    QStringList pages;
    for (const QString& page : QDir(HelpSources()).entryList({QStringLiteral("Vorlan_*.html")})) {
        pages << page.mid(7).chopped(5);
    }
    EXPECT_EQ(languages, pages) << "a language needs both vorlan_XX.ts and Vorlan_XX.html";
}

TEST(ShippedTranslations, EveryTextOfTheStringTableIsTranslated) {
    for (const QString& language : SourceLanguages()) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral("vorlan_") + language, BuiltTranslations()))
            << language.toStdString();
        QStringList missing;
        QStringList placeholders;
        QStringList accelerators;
        for (const StringEntry& e : StringEntries()) {
            const QString english =
                QString::fromUtf8(e.text.data(), static_cast<qsizetype>(e.text.size()));
            const std::string_view note = StringDisambiguation(e.id);
            const QString translated = translator.translate(kTranslationContext, e.text.data(),
                                                            note.empty() ? nullptr : note.data());
            const QString line =
                QStringLiteral("  %1 \"%2\" -> \"%3\"").arg(e.id).arg(english, translated);
            if (translated.isEmpty()) {
                missing << line;
            } else if (Placeholders(translated) != Placeholders(english)) {
                placeholders << line;
            } else if (test::AccessKey(english).isNull() != test::AccessKey(translated).isNull()) {
                accelerators << line;
            }
        }
        const std::string file = "resources/translations/vorlan_" + language.toStdString() + ".ts";
        EXPECT_TRUE(missing.isEmpty())
            << "No translation in " << file << " for " << missing.size() << " text(s):\n"
            << missing.join(u'\n').toStdString();
        EXPECT_TRUE(placeholders.isEmpty())
            << file << ": texts with other placeholders than the English:\n"
            << placeholders.join(u'\n').toStdString();
        EXPECT_TRUE(accelerators.isEmpty()) << file << ": an accelerator (&) added or lost:\n"
                                            << accelerators.join(u'\n').toStdString();
    }
}

// Every menu of the window in every language: no two entries share a letter,
// and Alt types each one without AltGr.
void NoteAccelerator(const QString& text, const QString& where, const QString& language,
                     std::map<QChar, QString>& seen, QStringList& clashes) {
    const QChar key = test::AccessKey(text);
    if (!key.isNull() && !test::Typeable(key, language)) {
        clashes << QStringLiteral("%1: \"%2\" needs AltGr").arg(where, text);
    }
    if (!key.isNull() && !seen.emplace(key, text).second) {
        clashes << QStringLiteral("%1: \"%2\" and \"%3\"").arg(where, seen[key], text);
    }
}

void ExpectUniqueAccelerators(QMenu* menu, const QString& where, const QString& language,
                              QStringList& clashes) {
    std::map<QChar, QString> seen;
    for (QAction* action : menu->actions()) {
        NoteAccelerator(action->text(), where, language, seen, clashes);
        if (action->menu() != nullptr) {
            ExpectUniqueAccelerators(action->menu(), where + QStringLiteral(" > ") + action->text(),
                                     language, clashes);
        }
    }
}

TEST(ShippedTranslations, MenuAcceleratorsAreUniqueInEveryLanguage) {
    QStandardPaths::setTestModeEnabled(true);
    QStringList languages = SourceLanguages();
    languages << QStringLiteral("en");
    for (const QString& language : languages) {
        ASSERT_EQ(language == QStringLiteral("en") ? QString() : language,
                  InstallTranslations(BuiltTranslations() + QStringLiteral("/.."), {}, language));
        QCoreApplication::sendPostedEvents();
        MainDialog w;
        QStringList clashes;
        // The menu bar shares Alt with the window's labels.
        std::map<QChar, QString> bar;
        for (const QLabel* label : w.findChildren<QLabel*>()) {
            if (label->buddy() != nullptr) {
                NoteAccelerator(label->text(), QStringLiteral("window"), language, bar, clashes);
            }
        }
        for (QAction* entry : w.menuBar()->actions()) {
            NoteAccelerator(entry->text(), QStringLiteral("menu bar"), language, bar, clashes);
            if (entry->menu() != nullptr) {
                ExpectUniqueAccelerators(entry->menu(), entry->text(), language, clashes);
            }
        }
        ExpectUniqueAccelerators(w.PopupMenu(), QStringLiteral("popup"), language, clashes);
        EXPECT_TRUE(clashes.isEmpty()) << language.toStdString() << ":\n  "
                                       << clashes.join(QStringLiteral("\n  ")).toStdString();
    }
}

// Counts the structure of a help page, so a section, list item, paragraph
// or table row added to the English page and not to a translated one shows.
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

TEST(ShippedTranslations, EveryHelpPageHasEverySectionOfTheEnglishOne) {
    const auto english = Structure(HelpSources() + QStringLiteral("/Vorlan.html"));
    for (const QString& language : SourceLanguages()) {
        const QString page = QStringLiteral("Vorlan_%1.html").arg(language);
        const auto translated = Structure(HelpSources() + QLatin1Char('/') + page);
        for (const auto& [tag, count] : english) {
            EXPECT_EQ(count, translated.at(tag))
                << "resources/help/" << page.toStdString() << " has another number of "
                << tag.toStdString() << " elements than Vorlan.html: translate what was added";
        }
    }
}

TEST(ShippedTranslations, TheUsersLanguagePicksTheTranslationAndTheHelpPage) {
    test::UsePrivateSettings("lang");
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
              InstallTranslations(dir.path(), {QStringLiteral("sv-SE"), QStringLiteral("de-AT")}));
    EXPECT_EQ(QStringLiteral("de"), ProgramLanguage());
    EXPECT_EQ(dir.filePath(QStringLiteral("help/Vorlan_de.html")), HelpFilePath(programPath));
    MainDialog w;
    EXPECT_EQ(QStringLiteral("&Datei"), w.FileMenu()->title());
    EXPECT_EQ(QStringLiteral("Ö&ffnen..."), w.FileMenu()->actions().at(1)->text());
    // Qt's own texts of the standard dialogs, from Qt's German translation.
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    EXPECT_EQ("Abbrechen", box.button(QDialogButtonBox::Cancel)->text().toStdString());
}

TEST(ShippedTranslations, EachLanguageBringsQtsOwnTextsAndReplacesTheLastOne) {
    QStandardPaths::setTestModeEnabled(true);
    const QString programDir = BuiltTranslations() + QStringLiteral("/..");
    const QString english = QStringLiteral("Cancel");
    QStringList seen{english};
    for (const QString& language : SourceLanguages()) {
        ASSERT_EQ(language, InstallTranslations(programDir, {}, language));
        QCoreApplication::sendPostedEvents();
        const QString cancel = QDialogButtonBox(QDialogButtonBox::Cancel)
                                   .button(QDialogButtonBox::Cancel)
                                   ->text()
                                   .remove(QLatin1Char('&'));
        // Each language its own word, none left over from the one before.
        EXPECT_FALSE(seen.contains(cancel))
            << language.toStdString() << ": " << cancel.toStdString();
        seen << cancel;
        EXPECT_NE(QStringLiteral("&View"), UiText(StringId::ViewMenu)) << language.toStdString();
    }
    ASSERT_EQ(QString(), InstallTranslations(programDir, {}, QStringLiteral("en")));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(QStringLiteral("&View"), UiText(StringId::ViewMenu));
}

TEST(ShippedTranslations, AnInstalledProgramFindsItsShareFolder) {
    const QStringList dirs = ProgramDataDirs(QStringLiteral("/opt/x/bin"));
    EXPECT_EQ(QStringList({QStringLiteral("/opt/x/bin"), QStringLiteral("/opt/x/share/vorlan")}),
              dirs);
    EXPECT_TRUE(ProgramDataDirs(QString()).isEmpty());
}

// View > Language in the real window: the choice is remembered, a message
// says when it applies, and the program started again speaks it.
TEST(ShippedTranslations, TheLanguageMenuChoiceAppliesAtTheNextStart) {
    test::UsePrivateSettings("menu");
    auto dialogs = std::make_shared<test::ScriptedDialogs>();
    const std::vector<MessageRequest>& shown = dialogs->requests;
    const QString programDir = BuiltTranslations() + QStringLiteral("/..");
    MainDialog w(dialogs, programDir + QStringLiteral("/vorlan"));
    auto* menu = w.menuBar()->findChild<QMenu*>(QStringLiteral("languageMenu"));
    ASSERT_NE(nullptr, menu);
    QStringList offered;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            offered << action->data().toString();
        }
    }
    QStringList expected = SourceLanguages();
    expected << QStringLiteral("en") << QString();
    for (const QString& language : expected) {
        EXPECT_TRUE(offered.contains(language)) << language.toStdString();
    }
    EXPECT_TRUE(menu->actions().constFirst()->isChecked()); // the system's language at first

    // Each language under its own name, as its speakers write it in a menu.
    const std::pair<const char*, const char*> names[] = {{"de", "Deutsch"},
                                                         {"en", "English"},
                                                         {"es", "Español"},
                                                         {"fr", "Français"},
                                                         {"it", "Italiano"}};
    for (const auto& [code, name] : names) {
        EXPECT_EQ(QString::fromUtf8(name), LanguageOwnName(QLatin1String(code))) << code;
    }

    auto* french = menu->findChild<QAction*>(QStringLiteral("actionLanguage_fr"));
    ASSERT_NE(nullptr, french);
    french->trigger();
    EXPECT_TRUE(french->isChecked());
    EXPECT_EQ(QStringLiteral("fr"), LanguageSetting());
    ASSERT_EQ(1u, shown.size());
    EXPECT_EQ(MessageIcon::Information, shown[0].icon);
    EXPECT_TRUE(shown[0].text.contains(QStringLiteral("Français"))) << shown[0].text.toStdString();
    french->trigger(); // the same choice again: nothing to say
    EXPECT_EQ(1u, shown.size());
    EXPECT_EQ(QStringLiteral("fr"),
              InstallTranslations(programDir, {QStringLiteral("de-DE")}, LanguageSetting()));

    menu->actions().constFirst()->trigger();
    EXPECT_EQ(QString(), LanguageSetting());
    EXPECT_EQ(2u, shown.size());
    QSettings().clear();
}

// The real program reads the choice from its settings at start: its --help
// names the guide in the chosen language, over the system's, and is in it.
TEST(ShippedTranslations, TheProgramStartsInTheChosenLanguage) {
    QTemporaryDir config;
    const QString file = config.filePath(QStringLiteral("Kelvane/vorlan.conf"));
    ASSERT_TRUE(QDir().mkpath(config.filePath(QStringLiteral("Kelvane"))));
    struct Case {
        QString setting;
        QString system;
        QString page;
    };
    QList<Case> cases{
        {QString(), QStringLiteral("de_DE.UTF-8"), QStringLiteral("Vorlan_de.html")},
        {QStringLiteral("en"), QStringLiteral("de_DE.UTF-8"), QStringLiteral("Vorlan.html")},
        {QStringLiteral("xx"), QStringLiteral("de_DE.UTF-8"), QStringLiteral("Vorlan_de.html")}};
    for (const QString& language : SourceLanguages()) {
        cases.append(
            {language, QStringLiteral("C"), QStringLiteral("Vorlan_%1.html").arg(language)});
    }
    for (const Case& c : cases) {
        {
            QSettings settings(file, QSettings::IniFormat);
            settings.clear();
            if (!c.setting.isEmpty()) {
                settings.setValue(QStringLiteral("View/Language"), c.setting);
            }
        }
        QProcess vorlan;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        env.insert(QStringLiteral("LANGUAGE"), c.system.left(2));
        env.insert(QStringLiteral("LC_ALL"), c.system);
        vorlan.setProcessEnvironment(env);
        vorlan.start(QStringLiteral(VORLAN_TEST_PROGRAM), {QStringLiteral("--help")});
        ASSERT_TRUE(vorlan.waitForFinished(30000));
        const QString out = QString::fromLocal8Bit(vorlan.readAllStandardOutput());
        EXPECT_TRUE(out.contains(QStringLiteral("/help/") + c.page + QLatin1Char('\n')))
            << c.setting.toStdString() << " on " << c.system.toStdString() << ":\n"
            << out.toStdString();
        // So is the usage itself.
        EXPECT_EQ(c.page == QLatin1String("Vorlan.html"),
                  out.contains(QStringLiteral("Print the usage and exit.")))
            << out.toStdString();
    }
}

} // namespace
} // namespace vorlan
