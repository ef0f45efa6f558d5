// The main window in every shipped language: no caption is wider than the
// room its control gives it or runs into a neighbour, and English keeps the
// window as it was designed. Run once as it is and once at 200 %
// (QT_SCALE_FACTOR=2, set by the build's second run of this binary).
#include "app/MainDialog.h"
#include "grid/ui/KeyGridWidget.h"
#include "testing/PrivateSettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyleOptionButton>
#include <QTranslator>
#include <gtest/gtest.h>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QRect& r, std::ostream* os) {
    *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ")";
}
inline void PrintTo(const QSize& s, std::ostream* os) {
    *os << "QSize(" << s.width() << ", " << s.height() << ")";
}
QT_END_NAMESPACE

namespace vorlan {
namespace {

QStringList ShippedLanguages() {
    QStringList languages{QString()}; // English, untranslated
    const QDir dir(QStringLiteral(VORLAN_TEST_TRANSLATIONS_DIR));
    for (const QString& file : dir.entryList({QStringLiteral("vorlan_*.qm")}, QDir::Files)) {
        languages << file.mid(7, file.size() - 10);
    }
    return languages;
}

QString Caption(const QWidget* w) {
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        text = label->text();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        text = button->text();
    }
    text.remove(QLatin1Char('&'));
    return text;
}

// The room the style gives the caption inside the control.
int TextRoom(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        return label->contentsRect().width() - std::max(0, label->indent());
    }
    QStyleOptionButton option;
    option.initFrom(w);
    option.text = Caption(w);
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(w)) {
        contents = QStyle::SE_CheckBoxContents;
    } else if (qobject_cast<const QRadioButton*>(w)) {
        contents = QStyle::SE_RadioButtonContents;
    }
    return w->style()->subElementRect(contents, &option, w).width();
}

bool IsTextControl(const QWidget* w) {
    return qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w);
}

// Every caption of the client area and the status bar, as "name: problem".
QStringList Cuts(const MainDialog& w) {
    QStringList cuts;
    QList<QWidget*> widgets = w.Client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    const QList<QLabel*> panes =
        w.statusBar()->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^statusPane")));
    for (QLabel* pane : panes) {
        widgets << pane;
    }
    for (const QWidget* c : std::as_const(widgets)) {
        if (!IsTextControl(c) || Caption(c).isEmpty() || !c->isVisibleTo(&w)) {
            continue;
        }
        int advance = c->fontMetrics().horizontalAdvance(Caption(c));
        // A caption on two lines fits when its lines fit the label's height.
        if (const auto* label = qobject_cast<const QLabel*>(c); label && label->wordWrap()) {
            advance =
                label->heightForWidth(label->width()) <= label->height() ? TextRoom(c) : advance;
        }
        const QString name = QStringLiteral("\"%1\"").arg(Caption(c));
        if (advance > TextRoom(c)) {
            cuts
                << QStringLiteral("%1 needs %2 px, has %3").arg(name).arg(advance).arg(TextRoom(c));
        }
        // The caption's own extent must not run into another control.
        const QRect used(c->x(), c->y(), c->width() - TextRoom(c) + advance, c->height());
        for (const QWidget* other : std::as_const(widgets)) {
            if (other == c || other->parentWidget() != c->parentWidget() ||
                qobject_cast<const QGroupBox*>(other) || other == w.Grid() ||
                other->objectName() == QLatin1String("gridFrame") || !other->isVisibleTo(&w)) {
                continue;
            }
            if (used.intersects(other->geometry())) {
                cuts << QStringLiteral("%1 runs into %2").arg(name, other->objectName());
            }
        }
    }
    return cuts;
}

TEST(WindowFit, NoCaptionIsCutInAnyShippedLanguage) {
    test::UsePrivateSettings("fit");
    const QStringList languages = ShippedLanguages();
    ASSERT_GE(languages.size(), 3) << "the built translations are missing";
    for (const QString& language : languages) {
        QTranslator translator;
        if (!language.isEmpty()) {
            ASSERT_TRUE(translator.load(QStringLiteral("vorlan_") + language,
                                        QStringLiteral(VORLAN_TEST_TRANSLATIONS_DIR)));
            QCoreApplication::installTranslator(&translator);
        }
        {
            MainDialog w;
            w.show();
            const QStringList cuts = Cuts(w);
            EXPECT_TRUE(cuts.isEmpty()) << "language " << language.toStdString() << ":\n"
                                        << cuts.join(QLatin1Char('\n')).toStdString();
            // The grid stays where hit testing expects it.
            EXPECT_EQ(QPoint(KeyGridWidget::kLeft, KeyGridWidget::kTop), w.Grid()->pos());
            EXPECT_LE(w.Client()->width(), 1.6 * MainDialog::kClientWidth);
            // A 1920 x 1080 screen at 200 % holds the window at its smallest.
            if (language != QLatin1String("qps")) {
                EXPECT_LE(w.minimumSizeHint().width(), 960) << language.toStdString();
                EXPECT_LE(w.minimumSizeHint().height(), 540) << language.toStdString();
            }
            // Grown, every control stays inside the group it was placed in.
            QList<std::pair<QWidget*, QGroupBox*>> members;
            for (QGroupBox* box : w.Client()->findChildren<QGroupBox*>()) {
                for (QWidget* c : w.Client()->findChildren<QWidget*>()) {
                    if (c != box && box->geometry().contains(c->geometry())) {
                        members.append({c, box});
                    }
                }
            }
            const QSize designed = w.size();
            w.resize(designed + QSize(383, 164));
            QApplication::processEvents();
            for (const auto& [c, box] : std::as_const(members)) {
                EXPECT_TRUE(box->geometry().contains(c->geometry()))
                    << language.toStdString() << ": " << c->objectName().toStdString();
            }
            w.resize(designed); // the size kept for the next window
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

TEST(WindowFit, EnglishKeepsTheDesignedGeometry) {
    test::UsePrivateSettings("fit");
    MainDialog w;
    w.show();
    EXPECT_EQ(QSize(MainDialog::kClientWidth, MainDialog::kClientHeight), w.Client()->size());
    const struct {
        const char* name;
        QRect rect;
    } expected[] = {
        {"keyName", QRect(638, 86, 117, 20)},      {"keyNumber", QRect(638, 63, 28, 20)},
        {"digitsCount", QRect(76, 19, 36, 20)},    {"groupKey", QRect(342, 21, 74, 16)},
        {"setModeForAll", QRect(429, 52, 16, 16)}, {"programmedKeys", QRect(566, 26, 192, 21)},
        {"code1022", QRect(680, 270, 63, 19)},     {"nextButton", QRect(671, 310, 78, 17)},
        {"statusPane5", QRect(560, 0, 69, 18)},    {"statusPane6", QRect(630, 0, 137, 18)},
    };
    for (const auto& e : expected) {
        const auto* widget = w.findChild<QWidget*>(QString::fromLatin1(e.name));
        ASSERT_NE(nullptr, widget) << e.name;
        EXPECT_EQ(e.rect, widget->geometry()) << e.name;
    }
}

} // namespace
} // namespace vorlan
