#include "station/ui/ReportDocument.h"

#include "common/ui/QtText.h"
#include "printing/ui/PrintExport.h"

#include <QLocale>
#include <QPainter>
#include <algorithm>

namespace vorlan {
namespace {

constexpr double kRowMm = 5.5;
constexpr double kTitleMm = 12;
constexpr double kHeadMm = 7 * kRowMm; // the lines above the table on the first page
constexpr double kFooterMm = 8;
constexpr double kTablePt = 7.5;

// Column shares of the printable width: place, time, type, bytes, duration,
// result, key test, outcome.
constexpr double kShares[] = {7, 18, 13, 7, 13, 22, 10, 10};

QString Utf8(const std::string& text) {
    return FromUtf8Text(text);
}

} // namespace

ReportDocument::ReportDocument(BatchReport theReport, PageSetup thePage)
    : report(std::move(theReport)), page(thePage) {}

int ReportDocument::RowsPerPage() const {
    return std::max(1, static_cast<int>((page.Printable().height - kFooterMm) / kRowMm) - 1);
}

int ReportDocument::RowsOnFirstPage() const {
    return std::max(
        1,
        static_cast<int>((page.Printable().height - kTitleMm - kHeadMm - kFooterMm) / kRowMm) - 1);
}

int ReportDocument::PageCount() const {
    const int rows = static_cast<int>(report.rows.size());
    if (rows <= RowsOnFirstPage()) {
        return 1;
    }
    return 1 + (rows - RowsOnFirstPage() + RowsPerPage() - 1) / RowsPerPage();
}

void ReportDocument::PaintPage(QPainter& p, int index, double k) const {
    const MmRect area = page.Printable();
    const auto box = [k](double x, double y, double w, double h) {
        return QRectF(x * k, y * k, w * k, h * k);
    };
    p.setPen(Qt::black);
    double y = area.y;
    int first = 0;
    int rows = RowsOnFirstPage();
    if (index == 0) {
        p.setFont(PrintFont(16));
        p.drawText(box(area.x, y, area.width, kTitleMm), Qt::AlignLeft | Qt::AlignVCenter,
                   PrintText(StringId::ReportTitle));
        y += kTitleMm;
        const QString count = report.count > 0 ? QString::number(report.count) : QString();
        const QStringList lines{
            PrintText(StringId::ReportOrder).arg(Utf8(report.order)),
            PrintText(StringId::ReportLayout).arg(Utf8(report.layoutFile)),
            PrintText(StringId::ReportSha).arg(Utf8(report.imageSha256)),
            PrintText(StringId::ReportStation).arg(Utf8(report.station)),
            PrintText(StringId::ReportFromTo).arg(Utf8(report.from), Utf8(report.to)),
            PrintText(StringId::ReportCounts)
                .arg(report.passed)
                .arg(report.failed)
                .arg(report.setAside),
        };
        p.setFont(PrintFont(10));
        for (const QString& line : lines) {
            p.drawText(box(area.x, y, area.width, kRowMm), Qt::AlignLeft | Qt::AlignVCenter,
                       p.fontMetrics().elidedText(line, Qt::ElideMiddle,
                                                  static_cast<int>(area.width * k)));
            y += kRowMm;
        }
        y += kRowMm;
    } else {
        first = RowsOnFirstPage() + (index - 1) * RowsPerPage();
        rows = RowsPerPage();
    }

    double shareSum = 0;
    for (const double share : kShares) {
        shareSum += share;
    }
    const auto drawRow = [&](const QStringList& cells) {
        double x = area.x;
        for (int c = 0; c < cells.size(); ++c) {
            const double w = area.width * kShares[c] / shareSum;
            p.drawText(box(x + 0.5, y, w - 1, kRowMm), Qt::AlignLeft | Qt::AlignVCenter,
                       p.fontMetrics().elidedText(cells[c], Qt::ElideRight,
                                                  static_cast<int>((w - 1) * k)));
            x += w;
        }
        y += kRowMm;
    };
    QFont bold = PrintFont(kTablePt);
    bold.setBold(true);
    p.setFont(bold);
    drawRow({PrintText(StringId::ReportColumnPlace), PrintText(StringId::LogColumnDate),
             PrintText(StringId::LogColumnType), PrintText(StringId::LogColumnBytes),
             PrintText(StringId::LogColumnDuration), PrintText(StringId::LogColumnResult),
             PrintText(StringId::ReportColumnKeyTest), PrintText(StringId::ReportColumnOutcome)});
    p.setPen(QPen(Qt::black, 0.2 * k));
    p.drawLine(QPointF(area.x * k, y * k), QPointF(area.Right() * k, y * k));
    p.setFont(PrintFont(kTablePt));
    const CsvWords words = TranslatedCsvWords();
    const int end = std::min(static_cast<int>(report.rows.size()), first + rows);
    for (int r = first; r < end; ++r) {
        const ReportRow& row = report.rows[static_cast<std::size_t>(r)];
        drawRow({Utf8(PlaceText(row.place, report.count)), Utf8(row.dateTime),
                 row.keyboardType < 0 ? QStringLiteral("-") : QString::number(row.keyboardType),
                 QString::number(row.bytes), QString::number(row.durationMs), Utf8(row.result),
                 Utf8(std::string(KeyTestWord(row.keyTest, words))),
                 Utf8(std::string(OutcomeWord(row.outcome, words)))});
    }
    p.drawText(box(area.x, area.Bottom() - kFooterMm, area.width, kFooterMm),
               Qt::AlignRight | Qt::AlignBottom,
               PrintText(StringId::ReportPageOf).arg(index + 1).arg(PageCount()));
}

bool WriteReportFile(const BatchReport& report, const QString& path, const InputFiles& inputs) {
    if (path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) {
        return ReplaceFile(ToPath(path),
                           ReportCsv(report, LocaleListSeparator(), TranslatedCsvWords()), inputs)
            .Ok();
    }
    const ReportDocument document(report, StandardPage(LocalePaper()));
    return !ExportDocument(document, path, ExportFormat::Pdf, kDefaultPngDpi, inputs).error;
}

CsvWords TranslatedCsvWords() {
    CsvWords words;
    const auto text = [](StringId id) { return ToUtf8Text(PrintText(id)); };
    words.columns = {text(StringId::ReportColumnOrder),   text(StringId::ReportColumnPlace),
                     text(StringId::ReportColumnCount),   text(StringId::LogColumnDate),
                     text(StringId::LogColumnType),       text(StringId::LogColumnBytes),
                     text(StringId::LogColumnDuration),   text(StringId::LogColumnResult),
                     text(StringId::ReportColumnKeyTest), text(StringId::ReportColumnOutcome),
                     text(StringId::LogColumnLayout),     text(StringId::ReportColumnFileSha),
                     text(StringId::LogColumnSha),        text(StringId::StationCaption),
                     text(StringId::ReportColumnDiffers)};
    words.differs = text(StringId::ReportDiffersWord);
    words.passed = text(StringId::StationRowPassed);
    words.failed = text(StringId::StationRowFailed);
    words.setAside = text(StringId::StationRowSetAside);
    words.notRun = text(StringId::StationRowNotTested);
    words.notChosen = text(StringId::StationRowNoTest);
    return words;
}

PaperSize LocalePaper() {
    const QLocale locale = QLocale::system();
    const auto territory = locale.territory();
    return locale.measurementSystem() == QLocale::ImperialUSSystem ||
                   territory == QLocale::Canada || territory == QLocale::Mexico ||
                   territory == QLocale::Chile || territory == QLocale::Colombia ||
                   territory == QLocale::Philippines
               ? PaperSize::Letter
               : PaperSize::A4;
}

char LocaleListSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return ListSeparatorFor(point.size() == 1 ? point.at(0).toLatin1() : '.');
}

} // namespace vorlan
