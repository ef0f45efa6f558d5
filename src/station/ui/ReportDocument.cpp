#include "station/ui/ReportDocument.h"

#include "common/ui/QtText.h"
#include "printing/ui/PrintExport.h"

#include <QLocale>
#include <QPainter>
#include <algorithm>

namespace vorlan {
namespace {

constexpr double kTitleMm = 12;
constexpr double kHeadPt = 10;
constexpr double kGapMm = 4; // between the first page's lines and the table
constexpr double kFooterMm = 8;
constexpr double kTablePt = 7.5;
constexpr double kPadMm = 0.8; // on each side of a cell, and below its lines

QString Utf8(const std::string& text) {
    return FromUtf8Text(text);
}

std::string Text(const QString& text) {
    return ToUtf8Text(text);
}

std::vector<std::vector<std::string>> TableRows(const BatchReport& report) {
    const CsvWords words = TranslatedCsvWords();
    std::vector<std::vector<std::string>> rows;
    rows.push_back(
        {Text(PrintText(StringId::ReportColumnPlace)), Text(PrintText(StringId::LogColumnDate)),
         Text(PrintText(StringId::LogColumnType)), Text(PrintText(StringId::LogColumnBytes)),
         Text(PrintText(StringId::LogColumnDuration)), Text(PrintText(StringId::LogColumnResult)),
         Text(PrintText(StringId::ReportColumnKeyTest)),
         Text(PrintText(StringId::ReportColumnOutcome))});
    for (const ReportRow& row : report.rows) {
        rows.push_back({PlaceText(row.place, report.count), row.dateTime,
                        row.keyboardType < 0 ? std::string("-") : std::to_string(row.keyboardType),
                        std::to_string(row.bytes), std::to_string(row.durationMs),
                        ResultInWords(row.result, words.results),
                        std::string(KeyTestWord(row.keyTest, words)),
                        std::string(OutcomeWord(row.outcome, words))});
    }
    return rows;
}

} // namespace

ReportDocument::ReportDocument(BatchReport theReport, PageSetup thePage)
    : report(std::move(theReport)), page(thePage) {
    const QtTextMeasurer measurer;
    const MmRect area = page.Printable();
    for (const QString& line : {
             PrintText(StringId::ReportOrder).arg(Utf8(report.order)),
             PrintText(StringId::ReportLayout).arg(Utf8(report.layoutFile)),
             PrintText(StringId::ReportSha).arg(Utf8(report.imageSha256)),
             PrintText(StringId::ReportStation).arg(Utf8(report.station)),
             PrintText(StringId::ReportFromTo).arg(Utf8(report.from), Utf8(report.to)),
             PrintText(StringId::ReportCounts)
                 .arg(report.passed)
                 .arg(report.failed)
                 .arg(report.setAside),
         }) {
        for (std::string& wrapped : WrapText(Text(line), area.width, kHeadPt, measurer)) {
            headLines.push_back(std::move(wrapped));
        }
    }
    table = LayOutTable(TableRows(report), area.width, kTablePt, kPadMm, measurer);
    const double heading = table.heights.empty() ? 0 : table.heights[0];
    const std::vector<double> rows(table.heights.begin() + (table.heights.empty() ? 0 : 1),
                                   table.heights.end());
    const double room = area.height - kFooterMm - heading;
    const double head =
        kTitleMm + static_cast<double>(headLines.size()) * measurer.LineHeightMm(kHeadPt) + kGapMm;
    pages = SplitIntoPages(rows, room - head, room);
}

int ReportDocument::PageCount() const {
    return static_cast<int>(pages.size());
}

void ReportDocument::PaintPage(QPainter& p, int index, double k) const {
    if (index < 0 || index >= PageCount()) {
        return;
    }
    const QtTextMeasurer measurer;
    const MmRect area = page.Printable();
    const auto box = [k](double x, double y, double w, double h) {
        return QRectF(x * k, y * k, w * k, h * k);
    };
    p.setPen(Qt::black);
    double y = area.y;
    if (index == 0) {
        p.setFont(PrintFont(16));
        p.drawText(box(area.x, y, area.width, kTitleMm), Qt::AlignLeft | Qt::AlignVCenter,
                   PrintText(StringId::ReportTitle));
        y += kTitleMm;
        p.setFont(PrintFont(kHeadPt));
        const double lineMm = measurer.LineHeightMm(kHeadPt);
        for (const std::string& line : headLines) {
            p.drawText(box(area.x, y, area.width, lineMm), Qt::AlignLeft | Qt::AlignVCenter,
                       Utf8(line));
            y += lineMm;
        }
        y += kGapMm;
    }
    const double lineMm = measurer.LineHeightMm(kTablePt);
    const auto drawRow = [&](std::size_t r) {
        double x = area.x;
        const auto& cells = table.lines[r];
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const double w = table.widths[c];
            for (std::size_t l = 0; l < cells[c].size(); ++l) {
                p.drawText(box(x + kPadMm, y + kPadMm / 2 + static_cast<double>(l) * lineMm,
                               w - kPadMm, lineMm),
                           Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, Utf8(cells[c][l]));
            }
            x += w;
        }
        y += table.heights[r];
    };
    // The heading in the rows' font (its widths are measured so), set off by a rule.
    p.setFont(PrintFont(kTablePt));
    drawRow(0);
    p.setPen(QPen(Qt::black, 0.2 * k));
    p.drawLine(QPointF(area.x * k, y * k), QPointF(area.Right() * k, y * k));
    const PageRows& rows = pages[static_cast<std::size_t>(index)];
    for (int r = rows.first; r < rows.end; ++r) {
        drawRow(static_cast<std::size_t>(r) + 1);
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
    words.results = [](StringId id, int) { return ToUtf8Text(PrintText(id)); };
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
