// The program's dialogs in every shipped language: no label, check box, radio
// button, button or group title has a caption wider than the room its control
// gives it (a wrapped label: no word wider than a line, no line cut off at
// the bottom). Run as it is and at 200 % with the main window's fit test.
// (The compare window has no captions: only its rows, which wrap.) Each
// access key is one control's and typed without AltGr.
#include "app/AboutDialog.h"
#include "app/HelpWindow.h"
#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiText.h"
#include "editor/ui/KeyFindBar.h"
#include "layout/LayoutDocument.h"
#include "printing/ui/LegendOptionsDialog.h"
#include "programming/EmulatedKeyboard.h"
#include "programming/ui/KeyboardSettingsDialog.h"
#include "programming/ui/ProgrammingDialog.h"
#include "records/RecordPolicy.h"
#include "records/RecordStore.h"
#include "scancodes/ui/CaptureScanCodesDialog.h"
#include "scancodes/ui/EditScanCodesDialog.h"
#include "station/Batch.h"
#include "station/ui/BatchDialog.h"
#include "station/ui/ReportDocument.h"
#include "station/ui/StationView.h"
#include "testing/AccessKeys.h"
#include "testing/MainWindowFixture.h"
#include "verify/ProgrammingLog.h"
#include "verify/ui/KeyTestView.h"
#include "verify/ui/ProgrammingLogWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <set>

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

// A caption as shown: the access key's "&" taken out, "&&" shown as one.
QString Shown(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

int Widest(const QFontMetrics& metrics, const QStringList& parts) {
    int widest = 0;
    for (const QString& part : parts) {
        widest = std::max(widest, metrics.horizontalAdvance(part));
    }
    return widest;
}

// "" when the label shows its text whole, else what is wrong.
QString LabelCut(const QLabel* label) {
    const QString text = label->text();
    if (text.isEmpty() || label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        return {};
    }
    const QString shown = label->buddy() ? Shown(text) : text;
    const QFontMetrics metrics = label->fontMetrics();
    const int room =
        label->contentsRect().width() - 2 * label->margin() - std::max(0, label->indent());
    if (!label->wordWrap()) {
        const int need = Widest(metrics, shown.split(QLatin1Char('\n')));
        return need > room ? QStringLiteral("needs %1 px, has %2").arg(need).arg(room) : QString();
    }
    const int word = Widest(metrics, shown.split(QRegularExpression(QStringLiteral("\\s+"))));
    if (word > room) {
        return QStringLiteral("a word needs %1 px, a line has %2").arg(word).arg(room);
    }
    const int height = label->heightForWidth(label->width());
    if (height > label->height()) {
        return QStringLiteral("needs %1 px high, has %2").arg(height).arg(label->height());
    }
    return {};
}

QString ButtonCut(const QAbstractButton* button) {
    const QString shown = Shown(button->text());
    if (shown.isEmpty()) {
        return {};
    }
    if (const auto* tool = qobject_cast<const QToolButton*>(button);
        tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly) {
        return {};
    }
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = shown;
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(button)) {
        contents = QStyle::SE_CheckBoxContents;
    } else if (qobject_cast<const QRadioButton*>(button)) {
        contents = QStyle::SE_RadioButtonContents;
    }
    int room = button->style()->subElementRect(contents, &option, button).width();
    if (!button->icon().isNull()) {
        room -= button->iconSize().width() + 4;
    }
    const int need = button->fontMetrics().horizontalAdvance(shown);
    return need > room ? QStringLiteral("needs %1 px, has %2").arg(need).arg(room) : QString();
}

QString GroupCut(const QGroupBox* box) {
    const QString shown = Shown(box->title());
    const int need = box->fontMetrics().horizontalAdvance(shown) + 2 * box->fontMetrics().height();
    return !shown.isEmpty() && need > box->width()
               ? QStringLiteral("title needs %1 px, has %2").arg(need).arg(box->width())
               : QString();
}

// Every cut caption of a shown window, as "caption: problem"; `checked`
// counts the captions looked at.
QStringList Cuts(const QWidget* window, int* checked = nullptr) {
    QStringList cuts;
    QList<const QWidget*> widgets{window};
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        widgets << w;
    }
    for (const QWidget* w : std::as_const(widgets)) {
        if (!w->isVisibleTo(window) || w->width() <= 0) {
            continue;
        }
        QString caption;
        QString cut;
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            caption = label->text();
            cut = LabelCut(label);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            caption = button->text();
            cut = ButtonCut(button);
        } else if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
            caption = box->title();
            cut = GroupCut(box);
        } else if (const auto* list = qobject_cast<const QListWidget*>(w)) {
            for (int i = 0; i < list->count() && cut.isEmpty(); ++i) { // the help's contents
                caption = list->item(i)->text();
                const int need = list->fontMetrics().horizontalAdvance(caption);
                cut = need > list->viewport()->width() ? QString::number(need) : QString();
            }
        } else if (const auto* header = qobject_cast<const QHeaderView*>(w);
                   header != nullptr && header->orientation() == Qt::Horizontal) {
            for (int i = 0; i < header->count() - 1 && cut.isEmpty(); ++i) { // the last stretches
                caption = header->model()->headerData(i, Qt::Horizontal).toString();
                const int need = header->sectionSizeHint(i);
                cut = need > header->sectionSize(i) ? QStringLiteral("needs %1 px, has %2")
                                                          .arg(need)
                                                          .arg(header->sectionSize(i))
                                                    : QString();
            }
        }
        if (checked != nullptr && !caption.isEmpty()) {
            ++*checked;
        }
        if (!cut.isEmpty()) {
            cuts << QStringLiteral("\"%1\" (%2): %3").arg(caption.left(60), w->objectName(), cut);
        }
    }
    return cuts;
}

struct Dialog {
    const char* name;
    std::function<std::unique_ptr<QWidget>(QWidget* parent)> make;
};

LayoutDocument NamedLayout() {
    LayoutDocument doc;
    const char* names[] = {"Escape", "Enter", "Coffee Espresso"};
    for (int k = 1; k <= 3; ++k) {
        doc.keys[static_cast<std::size_t>(k)].name = names[k - 1];
        doc.keys[static_cast<std::size_t>(k)].codes[0] = 0x10 + k;
    }
    doc.RebuildAfterLoad();
    return doc;
}

std::vector<Dialog> Dialogs(const QString& logPath, const QString& language = {}) {
    using Purpose = LegendOptionsDialog::Purpose;
    std::vector<Dialog> dialogs = {
        {"keyboard settings",
         [](QWidget* p) { return std::make_unique<KeyboardSettingsDialog>(p); }},
        {"capture", [](QWidget* p) { return std::make_unique<CaptureScanCodesDialog>(p); }},
        {"numeric codes", [](QWidget* p) { return std::make_unique<EditScanCodesDialog>(p); }},
        {"find bar", [](QWidget*) { return std::make_unique<KeyFindBar>(); }},
        {"programming", [](QWidget* p) { return std::make_unique<ProgrammingDialog>(p); }},
        {"key test",
         [](QWidget* p) { return std::make_unique<KeyTestView>(NamedLayout(), nullptr, p); }},
        {"programming log",
         [logPath](QWidget* p) {
             return std::make_unique<ProgrammingLogWindow>(
                 [logPath](QString&) { return ReadLogFile(ToPath(logPath)); }, p);
         }},
        {"help",
         [language](QWidget*) { // the guide of the language, else English
             auto help = std::make_unique<HelpWindow>();
             const QString page = QStringLiteral(VORLAN_TEST_HELP_DIR "/Vorlan%1.html");
             const QString own = page.arg(QLatin1Char('_') + language);
             help->Open(QFile::exists(own) ? own : page.arg(QString()));
             return help;
         }},
        {"about",
         [](QWidget* p) { return std::make_unique<AboutDialog>(QStringLiteral("1.0"), p); }},
        {"batch", [](QWidget* p) { return std::make_unique<BatchDialog>(p); }},
        {"batch report",
         [](QWidget* p) {
             return std::make_unique<ReportChoiceDialog>(
                 std::vector<std::string>{"A-17 Boulangerie", "B-2"}, p);
         }},
        {"station",
         [logPath](QWidget* p) {
             // The longest line the station shows, a failure's, in the window.
             static EmulatedKeyboard keyboard(1);
             BatchSettings settings{
                 "Fleischerei M\xC3\xBCller 2026-12 Filiale 14", 40, BatchTest::EveryKey, {}, {}};
             // The batch is a row of a record beside the log.
             RecordResult opened;
             std::shared_ptr<RecordStore> record = OpenRecordStore(
                 ToPath(QFileInfo(logPath).dir().filePath(QStringLiteral("records.db"))), opened);
             EXPECT_TRUE(record) << opened.English();
             BatchRecord row;
             row.order = settings.order;
             row.count = settings.count;
             row.owner = CurrentProcess();
             if (!record->CreateBatch(row).Ok()) { // made for an earlier language
                 std::vector<BatchRecord> open;
                 EXPECT_TRUE(record->OpenBatches(row.order, open).Ok() && !open.empty());
                 row = open.at(0);
             }
             auto station = std::make_unique<StationView>(Batch(settings), NamedLayout(), keyboard,
                                                          nullptr, record, row.id, p);
             station->StateLine()->setText(
                 UiText(StringId::StationFailed)
                     .arg(UiText(StringId::StationWrongCodes)
                              .arg(QStringLiteral("F12"), QStringLiteral("07"))));
             return station;
         }},
    };
    for (const Purpose purpose : {Purpose::Print, Purpose::Export, Purpose::ExportPng,
                                  Purpose::SheetPdf, Purpose::SheetSvg, Purpose::SheetPng}) {
        dialogs.push_back({"legend and sheet options", [purpose](QWidget* p) {
                               return std::make_unique<LegendOptionsDialog>(purpose, PrintChoices{},
                                                                            p);
                           }});
    }
    return dialogs;
}

TEST(DialogFit, NoCaptionOfADialogIsCutInAnyShippedLanguage) {
    test::UsePrivateSettings("fit");
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString logPath = folder.filePath(QStringLiteral("programming.log"));
    const QStringList languages = ShippedLanguages();
    ASSERT_GE(languages.size(), 3) << "the built translations are missing";
    QWidget owner;
    for (const QString& language : languages) {
        QTranslator translator;
        if (!language.isEmpty()) {
            ASSERT_TRUE(translator.load(QStringLiteral("vorlan_") + language,
                                        QStringLiteral(VORLAN_TEST_TRANSLATIONS_DIR)));
            QCoreApplication::installTranslator(&translator);
        }
        // The batch report's columns, each under a heading of its own.
        const std::vector<std::string> columns = TranslatedCsvWords().columns;
        EXPECT_EQ(std::set<std::string>(columns.begin(), columns.end()).size(), columns.size())
            << language.toStdString();
        for (const Dialog& d : Dialogs(logPath, language)) {
            std::unique_ptr<QWidget> dialog = d.make(&owner);
            dialog->show();
            QApplication::processEvents();
            // Whole on a 1920 x 1080 screen at 200 %.
            EXPECT_LE(dialog->minimumSizeHint().width(), 960) << d.name;
            EXPECT_LE(dialog->minimumSizeHint().height(), 540) << d.name;
            int checked = 0;
            const QStringList cuts = Cuts(dialog.get(), &checked);
            EXPECT_GT(checked, 0) << d.name;
            EXPECT_TRUE(cuts.isEmpty())
                << d.name << ", language " << language.toStdString() << ":\n"
                << cuts.join(QLatin1Char('\n')).toStdString();
            std::map<QChar, QString> keys;
            for (const QWidget* c : dialog->findChildren<QWidget*>()) {
                const auto* label = qobject_cast<const QLabel*>(c);
                const auto* button = qobject_cast<const QAbstractButton*>(c);
                const QString text = button                    ? button->text()
                                     : label && label->buddy() ? label->text()
                                                               : QString();
                const QChar key = test::AccessKey(text);
                if (!key.isNull() && c->isVisibleTo(dialog.get())) {
                    EXPECT_TRUE(test::Typeable(key, language) && keys.emplace(key, text).second)
                        << d.name << " " << language.toStdString() << ": " << text.toStdString()
                        << " / " << keys[key].toStdString();
                }
            }
        }
        QCoreApplication::removeTranslator(&translator);
    }
}

// Qt's own texts (standard buttons, key names) come from Qt's translations;
// in the pseudo-language they are marked too, so only the program's escape.
class MarkQtTexts : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (source == nullptr || *source == 0 || qstrcmp(context, kTranslationContext) == 0) {
            return {};
        }
        return QChar(0x27E6) + QString::fromUtf8(source) + QChar(0x27E7);
    }
    bool isEmpty() const override { return false; }
};

// Every text a window shows (captions, titles, tooltips, items, menus) that
// has a word but no mark, data taken out first.
QStringList Unmarked(const QWidget* window, const QStringList& data) {
    QStringList texts{window->windowTitle()};
    for (const QAction* a : window->findChildren<QAction*>()) {
        texts << a->text() << a->toolTip();
    }
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        texts << (w->isVisibleTo(window) ? w->toolTip() : QString());
        if (const auto* label = qobject_cast<const QLabel*>(w); label && w->isVisibleTo(window)) {
            texts << label->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            texts << button->text();
        } else if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
            texts << box->title();
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
            texts << edit->placeholderText();
        } else if (const auto* view = qobject_cast<const QAbstractItemView*>(w);
                   view && w->objectName() != QLatin1String("helpContents")) {
            // Lists, tables and the lists of combo boxes (the guide's headings
            // are the guide's, translated with its page).
            const QAbstractItemModel* m = view->model();
            for (int i = 0; i < m->rowCount() * m->columnCount(); ++i) {
                texts << m->index(i / m->columnCount(), i % m->columnCount()).data().toString()
                      << m->headerData(i % m->columnCount(), Qt::Horizontal).toString();
            }
        }
    }
    QStringList unmarked;
    for (const QString& shown : std::as_const(texts)) {
        QString text = shown;
        for (const QString& d : data) {
            text.remove(d);
        }
        if (!text.contains(QChar(0x27E6)) &&
            text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}")))) {
            unmarked << window->objectName() + QStringLiteral(": ") + shown.left(80);
        }
    }
    return unmarked;
}

// A text that escaped the translation shows without the pseudo-language's
// mark: in the main window, every dialog, a question and the log's fields.
TEST(DialogFit, EveryTextShownInThePseudoLanguageIsTranslated) {
    test::UsePrivateSettings("fit");
    const QTemporaryDir folder;
    QFile log(folder.filePath(QStringLiteral("programming.log")));
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write("2026-01-02 03:04:05\t/l/a.txt (unsaved changes)\t-\t1\t499\t10\tThe keyboard was "
              "disconnected. (after 499 bytes)\n2026-01-02 03:04:06\tunsaved "
              "layout\t-\t1\t10\t10\tdone\n");
    log.close();
    QTranslator pseudo;
    ASSERT_TRUE(
        pseudo.load(QStringLiteral("vorlan_qps"), QStringLiteral(VORLAN_TEST_TRANSLATIONS_DIR)));
    MarkQtTexts qt;
    QCoreApplication::installTranslator(&qt);
    QCoreApplication::installTranslator(&pseudo);
    // The layout's names, the log's path, the program's name and the languages' own
    // names (View > Language) are data.
    // The batches' orders too.
    const QStringList data =
        QString::fromUtf8("Coffee Espresso,Escape,Enter,/l/a.txt,KEY,Vorlan,English,"
                          "Fleischerei M\xC3\xBCller 2026-12 Filiale 14,A-17 Boulangerie,B-2")
            .split(QLatin1Char(','));
    QStringList unmarked;
    {
        MainDialog w;
        w.show();
        unmarked << Unmarked(&w, data);
        QTest::keyClicks(w.findChild<QLineEdit*>(QStringLiteral("keyName")), QStringLiteral("X"));
        QTimer::singleShot(0, [&unmarked, &data] {
            unmarked << Unmarked(QApplication::activeModalWidget(), data);
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
        });
        w.close(); // the question before unsaved work is lost, answered with Escape
        SetDialogSeam(&w, std::make_shared<test::ScriptedDialogs>()); // answers No
        w.close();
    }
    QWidget owner;
    for (const Dialog& d : Dialogs(log.fileName())) {
        std::unique_ptr<QWidget> dialog = d.make(&owner);
        dialog->show();
        QApplication::processEvents();
        unmarked << Unmarked(dialog.get(), data);
        // The log's result column is on screen when the window opens.
        if (const auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("logTable"))) {
            EXPECT_LT(table->columnViewportPosition(6) + 40, table->viewport()->width());
        }
    }
    QCoreApplication::removeTranslator(&pseudo);
    QCoreApplication::removeTranslator(&qt);
    EXPECT_TRUE(unmarked.isEmpty()) << unmarked.join(QLatin1Char('\n')).toStdString();
}

// The check itself: a caption squeezed in each kind of control is reported.
TEST(DialogFit, TheCheckReportsEachKindOfCutCaption) {
    QWidget window;
    const QString text = QStringLiteral("A caption far wider than its room");
    auto* label = new QLabel(text, &window);
    label->setGeometry(0, 0, 40, 20);
    auto* wrapped = new QLabel(text, &window);
    wrapped->setWordWrap(true);
    wrapped->setGeometry(0, 30, 120, 10);
    auto* check = new QCheckBox(text, &window);
    check->setGeometry(0, 50, 60, 20);
    auto* button = new QPushButton(text, &window);
    button->setGeometry(0, 80, 60, 25);
    auto* box = new QGroupBox(text, &window);
    box->setGeometry(0, 110, 60, 40);
    auto* table = new QTableWidget(0, 2, &window);
    table->setHorizontalHeaderLabels({text, text});
    table->setGeometry(100, 0, 190, 100);
    table->setColumnWidth(0, 40);
    auto* fits = new QLabel(QStringLiteral("OK"), &window);
    fits->setGeometry(0, 160, 100, 20);
    window.resize(300, 200);
    window.show();
    int checked = 0;
    EXPECT_EQ(6, Cuts(&window, &checked).size())
        << Cuts(&window).join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(7, checked);
}

} // namespace
} // namespace vorlan
