// What a user sees of the main window beyond its wiring: values from a file
// shown as they are, captions that fit, the status panes where they belong,
// and the keyboard focus.
#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "grid/KeyEditor.h"
#include "layout/ui/FileDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

class MainWindowConformanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("Kelvane"));
        QCoreApplication::setApplicationName(
            QStringLiteral("vorlan_conformance_test_%1").arg(QCoreApplication::applicationPid()));
        QSettings().clear();
        SetMessageHandler([this](const MessageRequest& r) {
            messages << r.text;
            return MessageResult::No;
        });
        SetFileDialogHandlers(
            [this](QWidget*) -> std::optional<QString> {
                if (openPaths.isEmpty()) {
                    return std::nullopt;
                }
                return openPaths.takeFirst();
            },
            [](QWidget*, const SaveDialogRequest&) -> std::optional<SaveDialogAnswer> {
                return std::nullopt;
            });
    }

    void TearDown() override {
        SetMessageHandler({});
        SetFileDialogHandlers({}, {});
        QSettings settings;
        settings.clear();
        settings.sync();
        QFile::remove(settings.fileName());
    }

    // A copy of the worked example whose header carries the given RFID byte.
    QString LayoutWithRfidByte(int rfidByte) {
        QFile example(QStringLiteral(VORLAN_TEST_DATA_DIR "/layout/worked-example-16scan.txt"));
        EXPECT_TRUE(example.open(QIODevice::ReadOnly));
        QByteArray text = example.readAll();
        const qsizetype eol = text.indexOf('\n');
        QList<QByteArray> header = text.left(eol).split(';');
        EXPECT_GT(header.size(), 5);
        header[5] = " " + QByteArray::number(rfidByte);
        text = header.join(';') + text.mid(eol);
        const QString path = dir.filePath(QStringLiteral("rfid%1.txt").arg(rfidByte));
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(text);
        return path;
    }

    QTemporaryDir dir;
    QStringList messages;
    QStringList openPaths;
};

// The reader takes 0..13 digits; the arrows step within 1..13. A value the
// arrows cannot reach must still be shown and kept, not replaced unasked.
TEST_F(MainWindowConformanceTest, DigitsCountFromAFileIsShownAndKeptUntilTheUserSteps) {
    struct Case {
        int rfidByte;
        int digits;
    };
    for (const Case c : {Case{0, 0}, Case{16, 1}, Case{9 * 16, 9}, Case{13 * 16, 13}}) {
        SCOPED_TRACE(c.digits);
        MainDialog w;
        auto* digits = w.findChild<QSpinBox*>(QStringLiteral("digitsCount"));
        ASSERT_NE(nullptr, digits);
        openPaths << LayoutWithRfidByte(c.rfidByte);
        w.Editor().OnFileOpen();
        ASSERT_EQ(c.digits, w.Editor().Document().rfid.digitsCount);
        EXPECT_EQ(QString::number(c.digits), digits->text());

        // Taking the panel values (as every repaint does) keeps the file's value.
        w.Editor().OnPaintRequest();
        EXPECT_EQ(c.digits, w.Editor().Document().rfid.digitsCount);
        EXPECT_FALSE(w.Editor().Document().dirty);
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(MainWindowConformanceTest, DigitsCountArrowsStepWithinOneToThirteen) {
    MainDialog w;
    auto* digits = w.findChild<QSpinBox*>(QStringLiteral("digitsCount"));
    ASSERT_NE(nullptr, digits);
    openPaths << LayoutWithRfidByte(0);
    w.Editor().OnFileOpen();
    ASSERT_EQ(0, digits->value());

    // From 0 the down arrow does nothing; the up arrow leads into the range.
    digits->stepDown();
    EXPECT_EQ(0, digits->value());
    EXPECT_FALSE(w.Editor().Document().dirty);
    digits->stepUp();
    EXPECT_EQ(1, digits->value());
    EXPECT_TRUE(w.Editor().Document().dirty);
    digits->stepDown();
    EXPECT_EQ(1, digits->value());
    digits->stepBy(-5);
    EXPECT_EQ(1, digits->value());

    for (int i = 0; i < 20; ++i) {
        digits->stepUp();
    }
    EXPECT_EQ(13, digits->value());
    w.Editor().OnPaintRequest();
    EXPECT_EQ(13, w.Editor().Document().rfid.digitsCount);
}

} // namespace
} // namespace vorlan
