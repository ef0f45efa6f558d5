// Asks for the legend sizes, the page and the layout choices before legends
// are printed or exported; for the layout sheet only its page, its ink (and
// the resolution of a PNG), under the command's own title.
#pragma once

#include "printing/ui/PrintSettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QSpinBox;

namespace vorlan {

// No Q_OBJECT: it has no signals of its own, and moc cannot read the string table.
class LegendOptionsDialog : public QDialog {
public:
    enum class Purpose { Print, Export, ExportPng, SheetPrint, SheetPdf, SheetSvg, SheetPng };
    LegendOptionsDialog(Purpose purpose, const PrintChoices& choices, QWidget* parent = nullptr);
    PrintChoices Choices() const;
    void accept() override;

private:
    Purpose purpose;
    PrintChoices initial;
    QDoubleSpinBox* pitch = nullptr;
    QDoubleSpinBox* width = nullptr;
    QDoubleSpinBox* height = nullptr;
    QDoubleSpinBox* margin = nullptr;
    QDoubleSpinBox* typeSize = nullptr; // at its minimum: automatic
    QComboBox* paper = nullptr;
    QComboBox* hyphenation = nullptr; // data: the choice
    QCheckBox* packed = nullptr;
    QCheckBox* blank = nullptr;
    QCheckBox* cutMarks = nullptr;
    QCheckBox* frame = nullptr;
    QSpinBox* dpi = nullptr;
    QCheckBox* inkSaving = nullptr;
};

} // namespace vorlan
