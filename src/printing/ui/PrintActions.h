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

// Seams for the dialogs, so tests never wait for one. Empty: the real dialogs.
struct PrintDialogHooks {
    std::function<std::optional<PrintChoices>(QWidget*, LegendOptionsDialog::Purpose,
                                              const PrintChoices&)>
        askLegendOptions;
    std::function<std::optional<QString>(QWidget*, ExportFormat, const QString& suggested)>
        askExportPath;
};
void SetPrintDialogHooks(PrintDialogHooks hooks);

void PrintWithPreview(QWidget* parent, PrintWhat what, const LayoutDocument& doc);
void ExportToFile(QWidget* parent, PrintWhat what, ExportFormat format, const LayoutDocument& doc);

// Adds "Print legends...", "Print layout sheet..." and the Export submenu to
// `menu` before `before`. `document` gives the layout as it stands (with the
// key panel's values taken), or nullptr.
void AddPrintMenuEntries(QMenu* menu, QAction* before, QWidget* window,
                         std::function<const LayoutDocument*()> document);

} // namespace vorlan
