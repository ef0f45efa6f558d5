// Printing through a preview. The printer's page layout is the one page
// model: it is set up once from the print choices, and after that preview,
// printer and a PDF printed to file all take paper, orientation and margins
// from it, so what Page Setup changes applies to all of them.
#pragma once

#include "printing/ui/PrintRenderer.h"
#include "printing/ui/PrintSettings.h"

#include <QString>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace vorlan {

class LayoutDocument;

enum class PrintWhat { Legends, Sheet };

// The pages of `what`, planned for options.page; nullptr and the message id
// when no plan can be made.
std::unique_ptr<PrintDocument> MakePrintDocument(PrintWhat what, const LayoutDocument& doc,
                                                 const LegendOptions& options, SheetInk ink,
                                                 const CodeNaming& naming,
                                                 std::optional<StringId>& error);

// Sets the printer up as the choices say: the chosen paper (or the printer's
// own), the chosen margin on every side (no less than the printer needs),
// painted from the paper's corner.
void PreparePrinter(QPrinter& printer, const PrintChoices& choices);

// The page as the printer is set up now: paper, orientation and each margin.
PageSetup PrinterPage(const QPrinter& printer);

// Paints the pages on the printer's page as it is set up: every page for a
// preview, the range a print dialog chose when printing. The message in
// words when nothing can be painted (nothing is painted then).
std::optional<QString> PrintOn(QPrinter& printer, PrintWhat what, const LayoutDocument& doc,
                               const PrintChoices& choices);

// The preview of `what` on `printer`, which PreparePrinter has set up. A page
// that cannot take the plan is named above the (empty) preview and Print is
// disabled until Page Setup gives one that can.
void RunPrintPreview(QWidget* parent, QPrinter& printer, PrintWhat what, const LayoutDocument& doc,
                     const PrintChoices& choices);

} // namespace vorlan
