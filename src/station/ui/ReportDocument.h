// The batch report as pages for the one print renderer's export: a title,
// the order, layout, digest, station and times, the counts, and a table of
// one row per keyboard, continued over as many pages as it takes. Columns
// are as wide as their texts, which wrap where the page is too narrow and
// are never cut. Texts in the language the program runs in. Needs Qt Gui only (vorlanctl draws it).
#pragma once

#include "common/FileWriter.h"
#include "printing/PageGeometry.h"
#include "printing/ui/PrintRenderer.h"
#include "station/BatchReport.h"
#include "station/ReportTable.h"

#include <QString>

namespace vorlan {

class ReportDocument : public PrintDocument {
public:
    ReportDocument(BatchReport report, PageSetup page);
    int PageCount() const override;
    PageSetup Page() const override { return page; }
    void PaintPage(QPainter& painter, int index, double dotsPerMm) const override;
    bool GreyOnly() const override { return true; }

private:
    BatchReport report;
    PageSetup page;
    // Laid out once, in millimetres: the first page's lines, the table and its pages.
    std::vector<std::string> headLines;
    TableLayout table;
    std::vector<PageRows> pages;
};

// Writes the report as CSV (by a .csv name, the locale's separator) or PDF;
// false when it cannot be written.
bool WriteReportFile(const BatchReport& report, const QString& path, const InputFiles& inputs = {});

// The words of the report's rows in the program's language.
CsvWords TranslatedCsvWords();

// The paper of the user's locale: Letter where it is the custom, A4 elsewhere.
PaperSize LocalePaper();
// The CSV list separator of the user's locale.
char LocaleListSeparator();

} // namespace vorlan
