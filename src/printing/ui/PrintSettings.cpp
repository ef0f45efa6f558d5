#include "printing/ui/PrintSettings.h"

#include "hyphenation/HyphenationChoice.h"

#include <QApplication>
#include <QSettings>
#include <QWidget>

namespace vorlan {
namespace {
const QString kGroup = QStringLiteral("printing");
}

PrintChoices LoadPrintChoices() {
    PrintChoices c;
    QSettings s;
    s.beginGroup(kGroup);
    LegendOptions& o = c.legends;
    o.pitchMm = s.value(QStringLiteral("pitchMm"), o.pitchMm).toDouble();
    o.legendWidthMm = s.value(QStringLiteral("legendWidthMm"), o.legendWidthMm).toDouble();
    o.legendHeightMm = s.value(QStringLiteral("legendHeightMm"), o.legendHeightMm).toDouble();
    const double margin = s.value(QStringLiteral("marginMm"), o.page.marginMm).toDouble();
    const bool letter = s.value(QStringLiteral("paper")).toString() == QLatin1String("Letter");
    o.page = StandardPage(letter ? PaperSize::Letter : PaperSize::A4, margin);
    o.packed = s.value(QStringLiteral("packed"), o.packed).toBool();
    o.blankLegends = s.value(QStringLiteral("blankLegends"), o.blankLegends).toBool();
    o.cutMarks = s.value(QStringLiteral("cutMarks"), o.cutMarks).toBool();
    o.frame = s.value(QStringLiteral("frame"), o.frame).toBool();
    o.typeSizeMm = s.value(QStringLiteral("typeSizeMm"), o.typeSizeMm).toDouble();
    o.hyphenation = s.value(QStringLiteral("hyphenation")).toString().toStdString();
    if (!o.hyphenation.empty() && o.hyphenation != kNoHyphenation &&
        !NormalizeHyphenationLanguage(o.hyphenation)) {
        o.hyphenation.clear();
    }
    c.paperFromPrinter = s.value(QStringLiteral("paperFromPrinter"), c.paperFromPrinter).toBool();
    c.pngDpi = s.value(QStringLiteral("pngDpi"), c.pngDpi).toInt();
    c.sheetInkSavingPaper =
        s.value(QStringLiteral("sheetInkSavingPaper"), c.sheetInkSavingPaper).toBool();
    c.sheetInkSavingImage =
        s.value(QStringLiteral("sheetInkSavingImage"), c.sheetInkSavingImage).toBool();
    // Settings edited by hand fall back to the defaults rather than fail later.
    if (CheckLegendOptions(o)) {
        c.legends = LegendOptions{};
    }
    return c;
}

void SavePrintChoices(const PrintChoices& c) {
    QSettings s;
    s.beginGroup(kGroup);
    const LegendOptions& o = c.legends;
    s.setValue(QStringLiteral("pitchMm"), o.pitchMm);
    s.setValue(QStringLiteral("legendWidthMm"), o.legendWidthMm);
    s.setValue(QStringLiteral("legendHeightMm"), o.legendHeightMm);
    s.setValue(QStringLiteral("marginMm"), o.page.marginMm);
    s.setValue(QStringLiteral("paper"),
               o.page.paper == PaperSize::Letter ? QStringLiteral("Letter") : QStringLiteral("A4"));
    s.setValue(QStringLiteral("packed"), o.packed);
    s.setValue(QStringLiteral("blankLegends"), o.blankLegends);
    s.setValue(QStringLiteral("cutMarks"), o.cutMarks);
    s.setValue(QStringLiteral("frame"), o.frame);
    s.setValue(QStringLiteral("typeSizeMm"), o.typeSizeMm);
    s.setValue(QStringLiteral("hyphenation"), QString::fromStdString(o.hyphenation));
    // The grid breaks names as the legends do, from now on.
    if (o.hyphenation != NamesHyphenation()) {
        SetNamesHyphenation(o.hyphenation);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            window->update();
        }
    }
    s.setValue(QStringLiteral("paperFromPrinter"), c.paperFromPrinter);
    s.setValue(QStringLiteral("pngDpi"), c.pngDpi);
    s.setValue(QStringLiteral("sheetInkSavingPaper"), c.sheetInkSavingPaper);
    s.setValue(QStringLiteral("sheetInkSavingImage"), c.sheetInkSavingImage);
}

SheetInk SheetInkOf(const PrintChoices& c, bool image) {
    return (image ? c.sheetInkSavingImage : c.sheetInkSavingPaper) ? SheetInk::Saving
                                                                   : SheetInk::Colours;
}

} // namespace vorlan
