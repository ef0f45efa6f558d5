// The File menu's print and export commands: legends and the layout sheet to
// the printer (through a preview) or to PDF, SVG and PNG files. Every page
// comes from the one renderer (PrintRenderer).
#pragma once

#include "printing/ui/LegendOptionsDialog.h"
#include "printing/ui/PrintExport.h"
#include "printing/ui/PrintPreview.h"

#include <QString>
#include <functional>
#include <optional>

class QAction;
class QMenu;
class QWidget;

namespace vorlan {

class LayoutDocument;

// The options asked before printing or exporting. Answered by the window's
// dialog seam where it takes this question too (a test's script), else by
// LegendOptionsDialog; the file name is asked through the seam's AskSaveName.
class PrintOptionsSeam {
public:
    virtual ~PrintOptionsSeam() = default;
    virtual std::optional<PrintChoices> AskPrintOptions(QWidget* parent,
                                                        LegendOptionsDialog::Purpose purpose,
                                                        const PrintChoices& saved) = 0;
};

// The sheet names codes as `naming` does (the window's PC layout).
void PrintWithPreview(QWidget* parent, PrintWhat what, const LayoutDocument& doc,
                      const CodeNaming& naming);
void ExportToFile(QWidget* parent, PrintWhat what, ExportFormat format, const LayoutDocument& doc,
                  const CodeNaming& naming);

// Adds "Print legends...", "Print layout sheet..." and the Export submenu to
// `menu` before `before`. `document` gives the layout as it stands (with the
// key panel's values taken), or nullptr; `naming` how the window names codes.
void AddPrintMenuEntries(QMenu* menu, QAction* before, QWidget* window,
                         std::function<const LayoutDocument*()> document,
                         std::function<CodeNaming()> naming);

} // namespace vorlan
