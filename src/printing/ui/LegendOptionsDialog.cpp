#include "printing/ui/LegendOptionsDialog.h"

#include "common/ui/MessageBox.h"
#include "common/ui/UiText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vorlan {
namespace {

QDoubleSpinBox* MmBox(double value, double low, double high, QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(low, high);
    box->setDecimals(2);
    box->setSingleStep(0.5);
    box->setSuffix(QStringLiteral(" mm"));
    box->setValue(value);
    return box;
}

} // namespace

LegendOptionsDialog::LegendOptionsDialog(Purpose thePurpose, const PrintChoices& choices,
                                         QWidget* parent)
    : QDialog(parent), purpose(thePurpose), initial(choices) {
    setObjectName(QStringLiteral("LegendOptionsDialog"));
    const bool sheet = thePurpose == Purpose::SheetPdf || thePurpose == Purpose::SheetSvg ||
                       thePurpose == Purpose::SheetPng;
    const StringId sheetTitle = thePurpose == Purpose::SheetPng   ? StringId::MenuExportSheetPng
                                : thePurpose == Purpose::SheetSvg ? StringId::MenuExportSheetSvg
                                                                  : StringId::MenuExportSheetPdf;
    setWindowTitle(sheet ? UiText(sheetTitle).remove(QLatin1Char('&')).remove(QStringLiteral("..."))
                         : UiText(StringId::LegendOptionsCaption));
    const LegendOptions& o = choices.legends;
    auto* form = new QFormLayout;
    pitch = MmBox(o.pitchMm, 5, 60, this);
    pitch->setObjectName(QStringLiteral("pitch"));
    width = MmBox(o.legendWidthMm, 3, 60, this);
    width->setObjectName(QStringLiteral("legendWidth"));
    height = MmBox(o.legendHeightMm, 3, 60, this);
    height->setObjectName(QStringLiteral("legendHeight"));
    margin = MmBox(o.page.marginMm, 0, 50, this);
    margin->setObjectName(QStringLiteral("margin"));
    paper = new QComboBox(this);
    paper->setObjectName(QStringLiteral("paper"));
    if (thePurpose == Purpose::Print) {
        paper->addItem(UiText(StringId::LegendPaperPrinter));
    }
    paper->addItem(QStringLiteral("A4"));
    paper->addItem(QStringLiteral("Letter"));
    const int standard = o.page.paper == PaperSize::Letter ? 1 : 0;
    paper->setCurrentIndex(
        thePurpose == Purpose::Print ? (choices.paperFromPrinter ? 0 : standard + 1) : standard);
    packed = new QCheckBox(UiText(StringId::LegendPacked), this);
    packed->setChecked(o.packed);
    blank = new QCheckBox(UiText(StringId::LegendBlank), this);
    blank->setChecked(o.blankLegends);
    cutMarks = new QCheckBox(UiText(StringId::LegendCutMarks), this);
    cutMarks->setChecked(o.cutMarks);
    frame = new QCheckBox(UiText(StringId::LegendFrame), this);
    frame->setChecked(o.frame);
    // The legends' own choices mean nothing for a sheet: kept, not offered.
    if (sheet) {
        for (QWidget* legendsOnly : std::initializer_list<QWidget*>{pitch, width, height, packed,
                                                                    blank, cutMarks, frame}) {
            legendsOnly->hide();
        }
    } else {
        form->addRow(UiText(StringId::LegendPitch), pitch);
        form->addRow(UiText(StringId::LegendWidth), width);
        form->addRow(UiText(StringId::LegendHeight), height);
    }
    form->addRow(UiText(StringId::LegendPaper), paper);
    form->addRow(UiText(StringId::LegendMargin), margin);
    if (thePurpose == Purpose::ExportPng || thePurpose == Purpose::SheetPng) {
        dpi = new QSpinBox(this);
        dpi->setObjectName(QStringLiteral("dpi"));
        dpi->setRange(30, 2400);
        dpi->setSuffix(QStringLiteral(" dpi"));
        dpi->setValue(choices.pngDpi);
        form->addRow(UiText(StringId::LegendResolution), dpi);
    }
    if (!sheet) {
        form->addRow(packed);
        form->addRow(blank);
        form->addRow(cutMarks);
        form->addRow(frame);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

PrintChoices LegendOptionsDialog::Choices() const {
    PrintChoices c = initial;
    LegendOptions& o = c.legends;
    o.pitchMm = pitch->value();
    o.legendWidthMm = width->value();
    o.legendHeightMm = height->value();
    int index = paper->currentIndex();
    if (purpose == Purpose::Print) {
        c.paperFromPrinter = index == 0;
        index = std::max(0, index - 1);
    }
    o.page = StandardPage(index == 1 ? PaperSize::Letter : PaperSize::A4, margin->value());
    o.packed = packed->isChecked();
    o.blankLegends = blank->isChecked();
    o.cutMarks = cutMarks->isChecked();
    o.frame = frame->isChecked();
    if (dpi != nullptr) {
        c.pngDpi = dpi->value();
    }
    return c;
}

void LegendOptionsDialog::accept() {
    const bool sheet = purpose == Purpose::SheetPdf || purpose == Purpose::SheetSvg ||
                       purpose == Purpose::SheetPng;
    if (const auto problem = sheet ? std::nullopt : CheckLegendOptions(Choices().legends)) {
        ShowError(this, UiText(*problem));
        return;
    }
    QDialog::accept();
}

} // namespace vorlan
