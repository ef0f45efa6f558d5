// The program around the main window: its command line, its settings'
// identity, the help it opens and the About box.
#include "app/AppShell.h"

#include "app/AboutDialog.h"
#include "app/AppOptions.h"
#include "testing/MainWindowFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <chrono>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

TEST(AppOptions, EmulateTakesAKeyboardTypeOfZeroToTwo) {
    const QString program = QStringLiteral("/bin/vorlan");
    const auto parse = [&](QStringList args) {
        args.prepend(program);
        return ParseAppOptions(args, program);
    };
    EXPECT_EQ(parse({QStringLiteral("--emulate"), QStringLiteral("0")}).emulatedKeyboard, 0);
    EXPECT_EQ(parse({QStringLiteral("--emulate"), QStringLiteral("2")}).emulatedKeyboard, 2);
    EXPECT_FALSE(parse({}).emulatedKeyboard.has_value());
    EXPECT_TRUE(parse({}).error.isEmpty());
    for (const QStringList& bad :
         {QStringList{QStringLiteral("--emulate")},
          QStringList{QStringLiteral("--emulate"), QStringLiteral("3")},
          QStringList{QStringLiteral("--emulate"), QStringLiteral("12")}}) {
        const AppOptions options = parse(bad);
        EXPECT_FALSE(options.emulatedKeyboard.has_value())
            << bad.join(QLatin1Char(' ')).toStdString();
        EXPECT_FALSE(options.error.isEmpty());
    }
    EXPECT_EQ(parse({QStringLiteral("layout.txt")}).layoutPath, QStringLiteral("layout.txt"));
    EXPECT_FALSE(parse({QStringLiteral("layout.txt"), QStringLiteral("more.txt")}).error.isEmpty());

    const AppOptions received = parse({QStringLiteral("--emulate"), QStringLiteral("1"),
                                       QStringLiteral("--received"), QStringLiteral("r.bin")});
    EXPECT_EQ(received.receivedPath, QStringLiteral("r.bin"));
    EXPECT_TRUE(received.error.isEmpty());
    // Bytes can only be received by the emulated keyboard.
    EXPECT_FALSE(parse({QStringLiteral("--received"), QStringLiteral("r.bin")}).error.isEmpty());
    EXPECT_FALSE(parse({QStringLiteral("--received")}).error.isEmpty());
    EXPECT_TRUE(parse({QStringLiteral("--version")}).showVersion);
    EXPECT_TRUE(parse({QStringLiteral("--help")}).showHelp);

    // The emulated keyboard's faults, as vorlanctl program takes them.
    const AppOptions slow = parse({QStringLiteral("--emulate"), QStringLiteral("2,slow=20")});
    EXPECT_EQ(slow.emulatedKeyboard, 2);
    EXPECT_EQ(slow.faults.slow, std::chrono::milliseconds(20));
    EXPECT_TRUE(slow.error.isEmpty());
    EXPECT_FALSE(parse({QStringLiteral("--emulate"), QStringLiteral("2,bogus=1")}).error.isEmpty());
    // "--" ends the options: a file whose name starts with "-" can be opened.
    EXPECT_EQ(parse({QStringLiteral("--"), QStringLiteral("-odd.txt")}).layoutPath,
              QStringLiteral("-odd.txt"));
}

TEST(AboutDialog, ShowsTheBuildVersionOrTheVersionError) {
    AboutDialog withVersion(QStringLiteral("1.2.3"));
    EXPECT_EQ(QStringLiteral("1.2.3"), withVersion.VersionText());
    AboutDialog without(std::nullopt);
    EXPECT_EQ(QStringLiteral("File version error"), without.VersionText());
    ASSERT_TRUE(ProgramVersion().has_value());
    EXPECT_EQ(QStringLiteral(VORLAN_VERSION), *ProgramVersion());
}

// Logo, product line, "Version:" with the version, and OK stand one below the other.
TEST(AboutDialog, ControlsStandTopToBottom) {
    AboutDialog about(QStringLiteral("1.2.3"));
    about.layout()->activate();
    const auto box = [&about](const char* name) {
        const QWidget* w = about.findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(nullptr, w) << name;
        return w == nullptr ? QRect() : QRect(w->mapTo(&about, QPoint(0, 0)), w->size());
    };
    const QRect logo = box("logo");
    const QRect product = box("productLabel");
    const QRect caption = box("versionCaption");
    const QRect version = box("versionLabel");
    const QRect ok = box("okButton");
    EXPECT_LE(logo.bottom(), product.top());
    EXPECT_LE(product.bottom(), caption.top());
    EXPECT_LE(caption.right(), version.left()); // the version follows its label
    EXPECT_LT(qAbs(caption.center().y() - version.center().y()), caption.height());
    EXPECT_LE(qMax(caption.bottom(), version.bottom()), ok.top());
    QPushButton* button = about.findChild<QPushButton*>(QStringLiteral("okButton"));
    ASSERT_NE(nullptr, button);
    EXPECT_EQ(QStringLiteral("OK"), button->text());
    EXPECT_TRUE(button->isDefault());
    EXPECT_EQ(QStringLiteral("About"), about.windowTitle());
    EXPECT_EQ(QStringLiteral("Vorlan 16scan keyboard programmer"),
              about.findChild<QLabel*>(QStringLiteral("productLabel"))->text());
}

// The settings (and so the recent files) are kept under the maker's key and
// the program file's base name: a renamed copy keeps settings of its own.
TEST(AppShell, SettingsLiveUnderTheMakerAndTheProgramsBaseName) {
    const QString keptOrganization = QCoreApplication::organizationName();
    const QString keptName = QCoreApplication::applicationName();
    const struct {
        const char* programPath;
        const char* name;
    } cases[] = {
        {"/usr/local/bin/vorlan", "vorlan"},
        {"/opt/tools/keys.exe", "keys"},
        {"/home/me/my.programmer.exe", "my.programmer"},
    };
    for (const auto& c : cases) {
        QCoreApplication::setOrganizationName(QStringLiteral("someone"));
        SetApplicationIdentity(QString::fromLatin1(c.programPath));
        EXPECT_EQ(QStringLiteral("Kelvane"), QCoreApplication::organizationName());
        EXPECT_EQ(QString::fromLatin1(c.name), QCoreApplication::applicationName())
            << c.programPath;
    }
    // A program path without a file name leaves the name the framework gave.
    QCoreApplication::setApplicationName(QStringLiteral("given"));
    SetApplicationIdentity(QString());
    EXPECT_EQ(QStringLiteral("given"), QCoreApplication::applicationName());
    QCoreApplication::setOrganizationName(keptOrganization);
    QCoreApplication::setApplicationName(keptName);
}

TEST(AppShell, HelpOpensTheGuideBesideTheProgramWhenItExists) {
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("vorlan"));
    QWidget owner;
    auto dialogs = std::make_shared<test::ScriptedDialogs>();
    SetDialogSeam(&owner, dialogs);
    const QStringList& opened = dialogs->helpOpened;
    OpenHelp(program, &owner); // no help folder yet: nothing, and no message
    EXPECT_TRUE(opened.isEmpty());
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("help")));
    QFile guide(dir.filePath(QStringLiteral("help/Vorlan.html")));
    ASSERT_TRUE(guide.open(QIODevice::WriteOnly));
    guide.close();
    OpenHelp(program, &owner);
    EXPECT_EQ(QStringList({guide.fileName()}), opened);
    OpenHelp(QStringLiteral("vorlan"), &owner); // a program path without a folder
    EXPECT_EQ(1, opened.size());
}

} // namespace
} // namespace vorlan
