// The one renderer of legends and layout sheets. It paints a plan from the
// core onto any paint device (printer, PDF, SVG, image) so preview, printer
// and files cannot disagree. Needs only Qt Gui.
#pragma once

#include "printing/LegendPlan.h"
#include "printing/SheetPlan.h"

#include <QFont>
#include <QString>
#include <string>
#include <unordered_map>

class QPainter;

namespace vorlan {

// Widths of the printing font, in millimetres, measured once per text at a
// high resolution and scaled linearly (fonts are drawn unhinted).
class QtTextMeasurer : public TextMeasurer {
public:
    QtTextMeasurer();
    double WidthMm(std::string_view text, double fontPt) const override;
    double LineHeightMm(double fontPt) const override;

private:
    QFont font;
    double lineMmPerPt = 0;
    mutable std::unordered_map<std::string, double> mmPerPt;
};

// The font every printed text uses, at the given size.
QFont PrintFont(double pointSize);

// A document of pages of one page size, drawn page by page.
class PrintDocument {
public:
    virtual ~PrintDocument() = default;
    virtual int PageCount() const = 0;
    virtual PageSetup Page() const = 0;
    // Paints page `index` with the page's top-left corner at the painter's
    // origin; `dotsPerMm` is the device's resolution.
    virtual void PaintPage(QPainter& painter, int index, double dotsPerMm) const = 0;
    // Whether every page is drawn in shades of grey only, so a page image
    // needs one byte a pixel instead of four.
    virtual bool GreyOnly() const { return false; }
};

class LegendDocument : public PrintDocument {
public:
    explicit LegendDocument(LegendPlan legendPlan) : plan(std::move(legendPlan)) {}
    int PageCount() const override { return static_cast<int>(plan.pages.size()); }
    PageSetup Page() const override { return plan.options.page; }
    void PaintPage(QPainter& painter, int index, double dotsPerMm) const override;
    bool GreyOnly() const override { return true; } // black text and lines, grey guides
    const LegendPlan& Plan() const { return plan; }

private:
    LegendPlan plan;
};

// The sheet's grid in the editor's colours (for the screen and images), or
// outlined in black on white to save ink on paper.
enum class SheetInk { Colours, Saving };

class SheetDocument : public PrintDocument {
public:
    explicit SheetDocument(SheetPlan sheetPlan, SheetInk sheetInk = SheetInk::Colours)
        : plan(std::move(sheetPlan)), ink(sheetInk) {}
    int PageCount() const override { return static_cast<int>(plan.pages.size()); }
    PageSetup Page() const override { return plan.page; }
    void PaintPage(QPainter& painter, int index, double dotsPerMm) const override;
    bool GreyOnly() const override { return ink == SheetInk::Saving; }
    const SheetPlan& Plan() const { return plan; }

private:
    SheetPlan plan;
    SheetInk ink;
};

// The string table's text through Qt's translation (this library has no widgets).
QString PrintText(StringId id);

// Which keys' legends are set smaller than the others, and how small; empty
// when all share one size.
QString SmallerLegendsNote(const LegendPlan& plan);

} // namespace vorlan
