// The print preview driven as a user would: its printer's page changed by its
// own buttons or as Page Setup changes it, then the pages it shows compared
// with the PDF it prints.
#include "app/MainDialog.h"
#include "common/ui/MessageBox.h"
#include "common/ui/UiText.h"
#include "editor/KeyEditor.h"
#include "printing/ui/PrintActions.h"
#include "testing/MainWindowFixture.h"
#include "testing/PrintTestLayouts.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtMath>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace vorlan {
namespace {

constexpr int kDpi = 127; // 5 pixels a millimetre
constexpr double kPxPerMm = kDpi / 25.4;

// The page's size and where its ink lies, in millimetres.
struct Page {
    QSizeF size;
    QRectF ink;
};

// The preview frames its paper with a line: the outermost millimetre is not looked at.
Page Measure(const QImage& image) {
    const int edge = qCeil(kPxPerMm);
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = edge; y < image.height() - edge; ++y) {
        for (int x = edge; x < image.width() - edge; ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    const QRectF ink = right < 0 ? QRectF() : QRectF(left, top, right - left + 1, bottom - top + 1);
    return {QSizeF(image.size()) / kPxPerMm,
            QRectF(ink.topLeft() / kPxPerMm, ink.size() / kPxPerMm)};
}

QAction* PreviewAction(QPrintPreviewDialog& preview, const char* text) {
    const QString wanted = QCoreApplication::translate("QPrintPreviewDialog", text);
    for (QAction* action : preview.findChildren<QAction*>()) {
        if (action->text() == wanted) {
            return action;
        }
    }
    return nullptr;
}

// The pages as the preview shows them, drawn from its scene.
std::vector<Page> PreviewPages(QPrintPreviewDialog& preview) {
    auto* view = preview.findChild<QPrintPreviewWidget*>()->findChild<QGraphicsView*>();
    const QPrinter& printer = *preview.printer();
    const QSizeF paper = printer.pageLayout().fullRectPixels(printer.resolution()).size();
    const QSizeF paperMm = printer.pageLayout().fullRect(QPageLayout::Millimeter).size();
    std::vector<QGraphicsItem*> items;
    for (QGraphicsItem* item : view->scene()->items()) {
        if (item->boundingRect().width() >= paper.width()) {
            items.push_back(item);
        }
    }
    std::sort(items.begin(), items.end(), [](const QGraphicsItem* a, const QGraphicsItem* b) {
        return std::pair(a->pos().y(), a->pos().x()) < std::pair(b->pos().y(), b->pos().x());
    });
    std::vector<Page> pages;
    for (const QGraphicsItem* item : items) {
        QImage image((paperMm * kPxPerMm).toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        view->scene()->render(&painter, QRectF(image.rect()), QRectF(item->pos(), paper));
        painter.end();
        pages.push_back(Measure(image));
    }
    return pages;
}

class PrintPreviewTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
            GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
        }
        MainWindowTest::SetUp();
        dialogs->printOptions = [](const PrintChoices& saved) {
            PrintChoices chosen = saved;
            chosen.paperFromPrinter = false; // A4, 10 mm margins
            return std::optional<PrintChoices>(chosen);
        };
    }

    // Prints through the preview to a PDF and measures its pages.
    std::vector<Page> Printed(QPrintPreviewDialog& preview, const QString& name) {
        const QString pdf = dir.filePath(name + QStringLiteral(".pdf"));
        preview.printer()->setOutputFormat(QPrinter::PdfFormat);
        preview.printer()->setOutputFileName(pdf);
        preview.findChild<QPrintPreviewWidget*>()->print();
        if (!QFile::exists(pdf)) {
            return {};
        }
        const QString prefix = dir.filePath(name);
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-gray"),
                           QStringLiteral("-png"), pdf, prefix});
        std::vector<Page> pages;
        for (int i = 1; QFile::exists(prefix + QStringLiteral("-%1.png").arg(i)); ++i) {
            pages.push_back(Measure(QImage(prefix + QStringLiteral("-%1.png").arg(i))));
        }
        return pages;
    }

    // Runs `check` on the preview once it shows, then closes it.
    void InPreview(MainDialog& w, const std::function<void(QPrintPreviewDialog&)>& check) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            for (QWidget* top : QApplication::topLevelWidgets()) {
                if (auto* preview = qobject_cast<QPrintPreviewDialog*>(top);
                    preview != nullptr && preview->isVisible()) {
                    ran = true;
                    check(*preview);
                    preview->reject();
                }
            }
        });
        w.findChild<QAction*>(QStringLiteral("actionPrintSheet"))->trigger();
        EXPECT_TRUE(ran) << "no preview was shown";
    }

    QTemporaryDir dir;
};

TEST_F(PrintPreviewTest, WhatThePreviewShowsIsWhatPrintsOnEveryPageSetup) {
    MainDialog w(dialogs);
    w.Editor().Document() = test::FullLayout(112);
    struct Step {
        const char* name;
        std::function<void(QPrintPreviewDialog&)> change;
        QSizeF paperMm;
        QMarginsF marginsMm;
    };
    const auto update = [](QPrintPreviewDialog& p) {
        p.findChild<QPrintPreviewWidget*>()->updatePreview(); // as Page Setup does on OK
    };
    const std::vector<Step> steps = {
        {"as chosen", [](QPrintPreviewDialog&) {}, {210, 297}, {10, 10, 10, 10}},
        {"landscape",
         [](QPrintPreviewDialog& p) { PreviewAction(p, "Landscape")->trigger(); },
         {297, 210},
         {10, 10, 10, 10}},
        {"letter",
         [&](QPrintPreviewDialog& p) {
             p.printer()->setPageSize(QPageSize(QPageSize::Letter));
             update(p);
         },
         {279.4, 215.9},
         {10, 10, 10, 10}},
        {"margins",
         [&](QPrintPreviewDialog& p) {
             p.printer()->setPageMargins(QMarginsF(30, 25, 15, 20), QPageLayout::Millimeter);
             update(p);
         },
         {279.4, 215.9},
         {30, 25, 15, 20}},
        {"portrait again",
         [](QPrintPreviewDialog& p) { PreviewAction(p, "Portrait")->trigger(); },
         {215.9, 279.4},
         {30, 25, 15, 20}},
    };
    InPreview(w, [&](QPrintPreviewDialog& preview) {
        for (const Step& step : steps) {
            SCOPED_TRACE(step.name);
            step.change(preview);
            const std::vector<Page> shown = PreviewPages(preview);
            const std::vector<Page> printed = Printed(preview, QString::fromLatin1(step.name));
            ASSERT_FALSE(shown.empty());
            ASSERT_EQ(shown.size(), printed.size());
            for (std::size_t i = 0; i < shown.size(); ++i) {
                for (const Page& page : {shown[i], printed[i]}) {
                    EXPECT_NEAR(step.paperMm.width(), page.size.width(), 0.5);
                    EXPECT_NEAR(step.paperMm.height(), page.size.height(), 0.5);
                    // Inside the margins, and starting at them (the page header).
                    const QMarginsF& m = step.marginsMm;
                    EXPECT_NEAR(m.left(), page.ink.left(), 1.5);
                    EXPECT_GE(page.ink.top(), m.top() - 0.5);
                    EXPECT_LE(page.ink.top(), m.top() + 3);
                    EXPECT_LE(page.ink.right(), step.paperMm.width() - m.right() + 0.5);
                    EXPECT_LE(page.ink.bottom(), step.paperMm.height() - m.bottom() + 0.5);
                }
                // The preview and the PDF agree to a pixel or two.
                EXPECT_NEAR(shown[i].ink.left(), printed[i].ink.left(), 0.5);
                EXPECT_NEAR(shown[i].ink.top(), printed[i].ink.top(), 0.5);
                EXPECT_NEAR(shown[i].ink.right(), printed[i].ink.right(), 0.5);
                EXPECT_NEAR(shown[i].ink.bottom(), printed[i].ink.bottom(), 0.5);
            }
        }
    });
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(PrintPreviewTest, APageTooSmallIsNamedAndNothingPrints) {
    MainDialog w(dialogs);
    w.Editor().Document() = test::FullLayout(56);
    InPreview(w, [&](QPrintPreviewDialog& preview) {
        auto* problem = preview.findChild<QLabel*>(QStringLiteral("printProblem"));
        QAction* print = PreviewAction(preview, "Print");
        ASSERT_NE(nullptr, problem);
        ASSERT_NE(nullptr, print);
        EXPECT_FALSE(problem->isVisible());
        EXPECT_TRUE(print->isEnabled());

        preview.printer()->setPageSize(QPageSize(QPageSize::A6));
        preview.findChild<QPrintPreviewWidget*>()->updatePreview();
        const QString tooSmall = UiText(StringId::PrintPageTooSmall)
                                     .arg(QStringLiteral("85 x 128"), QStringLiteral("110 x 60"));
        EXPECT_TRUE(problem->isVisible());
        EXPECT_EQ(tooSmall, problem->text());
        EXPECT_FALSE(print->isEnabled());
        // One page, in words: no page of the layout is left over from A4.
        EXPECT_EQ(1, preview.findChild<QPrintPreviewWidget*>()->pageCount());
        const std::vector<Page> shown = PreviewPages(preview);
        ASSERT_EQ(1u, shown.size());
        EXPECT_NEAR(105, shown[0].size.width(), 0.5);
        EXPECT_FALSE(shown[0].ink.isEmpty());
        // Printed all the same (a print dialog may choose the paper): refused in words.
        EXPECT_TRUE(Printed(preview, QStringLiteral("a6")).empty());
        EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("a6.pdf"))));
        EXPECT_EQ(QStringList{tooSmall}, messages);

        preview.printer()->setPageSize(QPageSize(QPageSize::A5)); // 128 x 190 mm inside
        preview.findChild<QPrintPreviewWidget*>()->updatePreview();
        EXPECT_FALSE(problem->isVisible());
        EXPECT_TRUE(print->isEnabled());
        EXPECT_FALSE(Printed(preview, QStringLiteral("a5")).empty());
    });
}

} // namespace
} // namespace vorlan
