#include "printing/ui/LegendOptionsDialog.h"

#include "common/ui/MessageBox.h"
#include "common/ui/UiText.h"
#include "hyphenation/HyphenationChoice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLocale>
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

bool ForSheet(LegendOptionsDialog::Purpose purpose) {
    using Purpose = LegendOptionsDialog::Purpose;
    return purpose == Purpose::SheetPrint || purpose == Purpose::SheetPdf ||
           purpose == Purpose::SheetSvg || purpose == Purpose::SheetPng;
}

bool Printing(LegendOptionsDialog::Purpose purpose) {
    using Purpose = LegendOptionsDialog::Purpose;
    return purpose == Purpose::Print || purpose == Purpose::SheetPrint;
}

// SVG and PNG are images: they keep the sheet's colours unless asked.
bool ForImage(LegendOptionsDialog::Purpose purpose) {
    using Purpose = LegendOptionsDialog::Purpose;
    return purpose == Purpose::SheetSvg || purpose == Purpose::SheetPng;
}

// A language in its own words: "Deutsch", "Français (Suisse)".
QString LanguageName(const std::string& language) {
    const QLocale locale(QString::fromStdString(language));
    QString name = locale.nativeLanguageName();
    if (name.isEmpty()) {
        return QString::fromStdString(language);
    }
    name[0] = name[0].toUpper();
    if (language.find('_') != std::string::npos) {
        name += QStringLiteral(" (%1)").arg(locale.nativeTerritoryName());
    }
    return name;
}

// The program's language, none, and every language a dictionary is
// installed for; a saved choice whose dictionary is gone is kept, and says so.
QComboBox* HyphenationBox(const std::string& chosen, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("hyphenation"));
    box->addItem(
        UiText(StringId::LegendHyphenationProgram).arg(LanguageName(ChosenHyphenationLanguage({}))),
        QString());
    box->addItem(
        UiText(StringId::LegendHyphenationNone),
        QString::fromLatin1(kNoHyphenation.data(), static_cast<qsizetype>(kNoHyphenation.size())));
    const std::vector<std::string> installed = HyphenationLanguages(HyphenationFolders());
    for (const std::string& language : installed) {
        box->addItem(LanguageName(language), QString::fromStdString(language));
    }
    int index = box->findData(QString::fromStdString(chosen));
    if (index < 0) {
        box->addItem(UiText(StringId::LegendHyphenationMissing).arg(LanguageName(chosen)),
                     QString::fromStdString(chosen));
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
    // No dictionary at all (a build without them): nothing to choose.
    if (installed.empty()) {
        box->setCurrentIndex(1);
        box->setEnabled(false);
    }
    return box;
}

} // namespace

LegendOptionsDialog::LegendOptionsDialog(Purpose thePurpose, const PrintChoices& choices,
                                         QWidget* parent)
    : QDialog(parent), purpose(thePurpose), initial(choices) {
    setObjectName(QStringLiteral("LegendOptionsDialog"));
    const bool sheet = ForSheet(thePurpose);
    const StringId sheetTitle = thePurpose == Purpose::SheetPng   ? StringId::MenuExportSheetPng
                                : thePurpose == Purpose::SheetSvg ? StringId::MenuExportSheetSvg
                                : thePurpose == Purpose::SheetPdf ? StringId::MenuExportSheetPdf
                                                                  : StringId::MenuPrintSheet;
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
    // Below the least type size a hand may choose lies "automatic".
    typeSize = MmBox(o.typeSizeMm, kMinTypeSizeMm - 0.1, kMaxTypeSizeMm, this);
    typeSize->setObjectName(QStringLiteral("typeSize"));
    typeSize->setDecimals(1);
    typeSize->setSingleStep(0.1);
    typeSize->setSpecialValueText(UiText(StringId::LegendTypeSizeAuto));
    if (o.typeSizeMm == 0) {
        typeSize->setValue(typeSize->minimum());
    }
    margin = MmBox(o.page.marginMm, 0, 50, this);
    margin->setObjectName(QStringLiteral("margin"));
    paper = new QComboBox(this);
    paper->setObjectName(QStringLiteral("paper"));
    if (Printing(thePurpose)) {
        paper->addItem(UiText(StringId::LegendPaperPrinter));
    }
    paper->addItem(QStringLiteral("A4"));
    paper->addItem(QStringLiteral("Letter"));
    const int standard = o.page.paper == PaperSize::Letter ? 1 : 0;
    paper->setCurrentIndex(Printing(thePurpose) ? (choices.paperFromPrinter ? 0 : standard + 1)
                                                : standard);
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
        for (QWidget* legendsOnly : std::initializer_list<QWidget*>{
                 pitch, width, height, typeSize, packed, blank, cutMarks, frame}) {
            legendsOnly->hide();
        }
    } else {
        form->addRow(UiText(StringId::LegendPitch), pitch);
        form->addRow(UiText(StringId::LegendWidth), width);
        form->addRow(UiText(StringId::LegendHeight), height);
        form->addRow(UiText(StringId::LegendTypeSize), typeSize);
    }
    hyphenation = HyphenationBox(o.hyphenation, this);
    form->addRow(UiText(StringId::LegendHyphenation), hyphenation);
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
    if (sheet) {
        inkSaving = new QCheckBox(UiText(StringId::SheetInkSaving), this);
        inkSaving->setObjectName(QStringLiteral("inkSaving"));
        inkSaving->setChecked(ForImage(thePurpose) ? choices.sheetInkSavingImage
                                                   : choices.sheetInkSavingPaper);
        form->addRow(inkSaving);
    } else {
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
    o.typeSizeMm = typeSize->value() == typeSize->minimum() ? 0 : typeSize->value();
    int index = paper->currentIndex();
    if (Printing(purpose)) {
        c.paperFromPrinter = index == 0;
        index = std::max(0, index - 1);
    }
    o.page = StandardPage(index == 1 ? PaperSize::Letter : PaperSize::A4, margin->value());
    o.packed = packed->isChecked();
    o.blankLegends = blank->isChecked();
    o.cutMarks = cutMarks->isChecked();
    o.frame = frame->isChecked();
    o.hyphenation = hyphenation->currentData().toString().toStdString();
    if (dpi != nullptr) {
        c.pngDpi = dpi->value();
    }
    if (inkSaving != nullptr) {
        (ForImage(purpose) ? c.sheetInkSavingImage : c.sheetInkSavingPaper) =
            inkSaving->isChecked();
    }
    return c;
}

void LegendOptionsDialog::accept() {
    if (const auto problem =
            ForSheet(purpose) ? std::nullopt : CheckLegendOptions(Choices().legends)) {
        ShowError(this, UiText(*problem));
        return;
    }
    QDialog::accept();
}

} // namespace vorlan
