#include "printing/ui/PrintPreview.h"

#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiText.h"
#include "layout/LayoutDocument.h"
#include "printing/PrintPages.h"

#include <QAction>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace vorlan {
namespace {

std::string FileNameOf(const LayoutDocument& doc) {
    return ToUtf8Text(QFileInfo(FromPath(doc.filePath)).fileName());
}

// The preview records pages as pictures; a printer or a PDF file paints them.
bool Previewing(QPrinter& printer) {
    const QPaintEngine* engine = printer.paintEngine();
    return engine != nullptr && engine->type() == QPaintEngine::Picture;
}

QString Millimetres(const MmSize& size) {
    return QStringLiteral("%1 x %2").arg(QString::number(std::floor(size.width)),
                                         QString::number(std::floor(size.height)));
}

// The preview dialog's own action of that (untranslated) text.
QAction* PreviewAction(QPrintPreviewDialog& preview, const char* text) {
    const QString wanted = QCoreApplication::translate("QPrintPreviewDialog", text);
    for (QAction* action : preview.findChildren<QAction*>()) {
        if (action->text() == wanted) {
            return action;
        }
    }
    return nullptr;
}

} // namespace

std::unique_ptr<PrintDocument> MakePrintDocument(PrintWhat what, const LayoutDocument& doc,
                                                 const LegendOptions& options, SheetInk ink,
                                                 const CodeNaming& naming,
                                                 std::optional<StringId>& error) {
    const QtTextMeasurer measurer;
    if (what == PrintWhat::Legends) {
        LegendPlan plan = PlanLegends(doc, options, FileNameOf(doc), measurer);
        if ((error = plan.error)) {
            return nullptr;
        }
        return std::make_unique<LegendDocument>(std::move(plan));
    }
    SheetPlan plan = PlanSheet(
        doc, options.page, FileNameOf(doc), measurer,
        [](StringId id, int) { return ToUtf8Text(UiText(id)); }, naming, options.hyphenation);
    if ((error = plan.error)) {
        return nullptr;
    }
    return std::make_unique<SheetDocument>(std::move(plan), ink);
}

void PreparePrinter(QPrinter& printer, const PrintChoices& choices) {
    printer.setFullPage(true);
    if (!choices.paperFromPrinter) {
        printer.setPageSize(choices.legends.page.paper == PaperSize::Letter
                                ? QPageSize(QPageSize::Letter)
                                : QPageSize(QPageSize::A4));
    }
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF least = layout.minimumMargins();
    const double chosen = choices.legends.page.marginMm;
    printer.setPageMargins(QMarginsF(std::max(chosen, least.left()), std::max(chosen, least.top()),
                                     std::max(chosen, least.right()),
                                     std::max(chosen, least.bottom())),
                           QPageLayout::Millimeter);
}

PageSetup PrinterPage(const QPrinter& printer) {
    const QPageLayout layout = printer.pageLayout();
    const QRectF full = layout.fullRect(QPageLayout::Millimeter);
    const QMarginsF m = layout.margins(QPageLayout::Millimeter);
    PageSetup page;
    page.paper = PaperSize::Custom;
    page.widthMm = full.width();
    page.heightMm = full.height();
    page.sides = MmMargins{m.left(), m.top(), m.right(), m.bottom()};
    page.marginMm = std::min({m.left(), m.top(), m.right(), m.bottom()});
    return page;
}

namespace {

// The pages of `what` on the printer's page, or why there are none.
std::unique_ptr<PrintDocument> PlanForPrinter(QPrinter& printer, PrintWhat what,
                                              const LayoutDocument& doc,
                                              const PrintChoices& choices, QString& problem) {
    LegendOptions options = choices.legends;
    options.page = PrinterPage(printer);
    if (const PageFit fit = CheckPageFit(options.page); !fit.fits) {
        problem = UiText(StringId::PrintPageTooSmall)
                      .arg(Millimetres(fit.printable), Millimetres(fit.needed));
        return nullptr;
    }
    std::optional<StringId> error;
    auto document =
        MakePrintDocument(what, doc, options, SheetInkOf(choices, false), choices.naming, error);
    if (error) {
        problem = UiText(*error);
    }
    return document;
}

// The preview keeps its last pages when nothing is painted: it gets one page
// that says why there are none.
void PaintProblemPage(QPrinter& printer, const QString& problem) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return;
    }
    const QRectF page = printer.pageLayout().fullRectPixels(printer.resolution());
    painter.setFont(PrintFont(9));
    painter.drawText(page.adjusted(page.width() / 10, page.height() / 10, -page.width() / 10,
                                   -page.height() / 10),
                     Qt::AlignCenter | Qt::TextWordWrap, problem);
    painter.end();
}

} // namespace

std::optional<QString> PrintOn(QPrinter& printer, PrintWhat what, const LayoutDocument& doc,
                               const PrintChoices& choices) {
    if (!printer.fullPage()) {
        printer.setFullPage(true); // the plan places everything from the paper's corner
    }
    const bool previewing = Previewing(printer);
    QString problem;
    const auto document = PlanForPrinter(printer, what, doc, choices, problem);
    const int count = document ? document->PageCount() : 0;
    const std::vector<int> pages = previewing
                                       ? PagesToPrint(count)
                                       : PagesToPrint(count, printer.fromPage(), printer.toPage());
    if (document && pages.empty()) {
        problem = UiText(StringId::PrintNoSuchPages, count);
    }
    if (!problem.isEmpty()) {
        if (previewing) {
            PaintProblemPage(printer, problem);
        }
        return problem;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return UiText(StringId::PrintFailed);
    }
    for (const int index : pages) {
        if (index != pages.front()) {
            printer.newPage();
        }
        document->PaintPage(painter, index, printer.resolution() / 25.4);
    }
    painter.end();
    return std::nullopt;
}

void RunPrintPreview(QWidget* parent, QPrinter& printer, PrintWhat what, const LayoutDocument& doc,
                     const PrintChoices& choices) {
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(
        UiText(what == PrintWhat::Legends ? StringId::MenuPrintLegends : StringId::MenuPrintSheet)
            .remove(QLatin1Char('&'))
            .remove(QStringLiteral("...")));
    auto* problem = new QLabel(&preview);
    problem->setObjectName(QStringLiteral("printProblem"));
    problem->setWordWrap(true);
    problem->setContentsMargins(8, 6, 8, 6);
    problem->hide();
    if (auto* box = qobject_cast<QBoxLayout*>(preview.layout())) {
        box->insertWidget(0, problem);
    }
    // The same label names the legends set smaller: their sizes do not
    // depend on the printer's page.
    QString note;
    if (what == PrintWhat::Legends) {
        const QtTextMeasurer measurer;
        note = SmallerLegendsNote(PlanLegends(doc, choices.legends, {}, measurer));
    }
    QAction* print = PreviewAction(preview, "Print");
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* p) {
        const bool previewing = Previewing(*p);
        const std::optional<QString> failed = PrintOn(*p, what, doc, choices);
        if (previewing) {
            problem->setText(failed.value_or(note));
            problem->setVisible(failed.has_value() || !note.isEmpty());
            if (print != nullptr) {
                print->setEnabled(!failed);
            }
        } else if (failed) {
            ShowError(&preview, *failed);
        }
    });
    preview.exec();
}

} // namespace vorlan
