// The capture dialog against the system's own keyboard data: with each PC
// layout set on an X display, texts typed there by xdotool are captured as
// the codes `vorlanctl type` gives the same text. Run by xkb-typing.sh on an
// Xvfb display of its own.
#include "keyboards/PcLayouts.h"
#include "keyboards/TextCodes.h"
#include "scancodes/ui/CaptureScanCodesDialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vorlan {
namespace {

bool RunTool(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    // The dialog must go on taking the keys while xdotool types them.
    QElapsedTimer timer;
    timer.start();
    while (process.state() != QProcess::NotRunning && timer.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        process.waitForFinished(10);
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// The layout as the keyboard data names it, with AltGr (not the extra
// level-three key a PC does not have) as the key xdotool presses for it.
void SetLayout(const std::string& id) {
    const std::size_t dash = id.find('-');
    QStringList args{QString::fromStdString(id.substr(0, dash))};
    if (dash != std::string::npos) {
        args << QStringLiteral("-variant") << QString::fromStdString(id.substr(dash + 1));
    }
    ASSERT_TRUE(RunTool(QStringLiteral("setxkbmap"), args));
    ASSERT_TRUE(
        RunTool(QStringLiteral("sh"),
                {QStringLiteral("-c"),
                 QStringLiteral("xkbcomp -w0 \"$DISPLAY\" - | sed 's/modifier_map Mod5 { <LVL3> };/"
                                "modifier_map Mod5 { <RALT> };/' | xkbcomp -w0 - \"$DISPLAY\"")}));
}

struct TypedCase {
    const char* layouts; // ids separated by blanks, "*" for all
    const char* text;
    std::vector<const char*> keys; // xdotool key's keysyms; empty: xdotool type the text
};

// Letters that move between QWERTY, QWERTZ and AZERTY, digits (shifted on
// AZERTY), @ and € (AltGr on most), each layout's own letters, and accents
// made with a dead key.
const TypedCase kCases[] = {
    {"*", "qwertzuiop", {}},
    {"*", "asdfghjkl", {}},
    {"*", "yxcvbnm", {}},
    {"*", "12345", {}},
    {"*", "67890", {}},
    {"*", "QAZ", {}},
    {"*", "@", {}},
    {"de at ch ch-fr fr be es it pt se fi dk no pl cz hu tr gb", "€", {}},
    {"de at", "äöüß", {}},
    {"ch", "äöüè", {}},
    {"ch-fr", "éèà", {}},
    {"fr be", "éèàç", {}},
    {"es", "ñç", {}},
    {"it", "òàùè", {}},
    {"pt", "çº", {}},
    {"se fi", "åäö", {}},
    {"dk no", "æøå", {}},
    {"pl", "ąęłż", {}},
    {"cz", "ěščřž", {}},
    {"hu", "öüóő", {}},
    {"tr", "ığüşç", {}},
    {"gb", "£", {}},
    {"de at", "é", {"dead_acute", "e"}},
    {"de at fr be", "ê", {"dead_circumflex", "e"}},
    {"es pt", "á", {"dead_acute", "a"}},
    {"pt", "ã", {"dead_tilde", "a"}},
    {"se fi dk no", "é", {"dead_acute", "e"}},
};

bool Lists(const std::string& ids, const std::string& id) {
    return ids == "*" || (" " + ids + " ").find(" " + id + " ") != std::string::npos;
}

TEST(XkbTyping, CapturedCodesAreThoseTypeGives) {
    int otherKeys = 0;
    CaptureScanCodesDialog dialog(nullptr);
    dialog.SetPauseAfterMs(60000);
    for (const keyboards::PcLayoutInfo& layout : keyboards::PcLayouts()) {
        const std::string id(layout.id);
        SetLayout(id);
        for (const TypedCase& c : kCases) {
            if (!Lists(c.layouts, id)) {
                continue;
            }
            SCOPED_TRACE(id + " " + c.text);
            const keyboards::TextCodes expected = keyboards::CodesOfText({c.text, id, false});
            ASSERT_FALSE(expected.refusal) << keyboards::TextCodesMessage(expected, c.text);
            dialog.Load(SlotCodes{});
            dialog.show();
            dialog.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
            QStringList args;
            if (c.keys.empty()) {
                args << QStringLiteral("type") << QStringLiteral("--delay") << QStringLiteral("12")
                     << QString::fromUtf8(c.text);
            } else {
                args << QStringLiteral("key") << QStringLiteral("--delay") << QStringLiteral("12");
                for (const char* key : c.keys) {
                    args << QString::fromLatin1(key);
                }
            }
            ASSERT_TRUE(RunTool(QStringLiteral("xdotool"), args));
            // The last events may still be on their way: until two looks agree.
            std::vector<std::uint32_t> captured;
            for (int look = 0; look < 40; ++look) {
                QTest::qWait(25);
                std::vector<std::uint32_t> now;
                for (const std::uint32_t code : dialog.capture().slotCodes()) {
                    if (code != 0) {
                        now.push_back(code);
                    }
                }
                if (!now.empty() && now == captured) {
                    break;
                }
                captured = std::move(now);
            }
            // Where the layout has a sign on two keys, xdotool takes the key
            // with the lower key code, type the one that needs fewer presses
            // (a UK @ is Shift+', not AltGr+Q): then what xdotool typed must
            // read, key by key through the program's tables, as the text.
            if (captured != expected.codes) {
                const keyboards::CodesText read =
                    keyboards::TextOfCodes(captured, id, keyboards::ModifierRelease::AfterEachKey);
                EXPECT_EQ(read.text.value_or("(no text)"), c.text)
                    << "captured " << ::testing::PrintToString(captured) << ", type gives "
                    << ::testing::PrintToString(expected.codes);
                EXPECT_LE(expected.codes.size(), captured.size());
                ++otherKeys;
            }
            dialog.hide();
        }
    }
    // Most texts have one way on their layout: far more equal than not.
    EXPECT_LE(otherKeys, 8);
}

} // namespace
} // namespace vorlan

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
