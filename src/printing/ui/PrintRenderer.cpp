#include "printing/ui/PrintRenderer.h"

#include "common/StringTable.h"
#include "common/ui/QtText.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QStringList>

namespace vorlan {
namespace {

constexpr double kMeasureDpi = 1200;
constexpr double kMeasurePt = 100;
// Room for the small differences between a device's and the measuring font's
// glyph widths, so a fitted line is never wider than its legend.
constexpr double kWidthSlack = 1.03;

class Mapper {
public:
    explicit Mapper(double dotsPerMm) : k(dotsPerMm) {}
    double operator()(double mm) const { return mm * k; }
    QPointF P(double x, double y) const { return {x * k, y * k}; }
    QRectF R(const MmRect& r) const { return {r.x * k, r.y * k, r.width * k, r.height * k}; }
    QPen Pen(double widthMm, const QColor& color = Qt::black) const {
        QPen pen(color, widthMm * k);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        return pen;
    }

private:
    double k;
};

void DrawFitted(QPainter& p, const Mapper& m, const MmRect& box, const FittedText& t,
                const TextMeasurer& measurer, const QColor& color = Qt::black) {
    if (t.lines.empty()) {
        return;
    }
    p.setFont(PrintFont(t.fontPt));
    p.setPen(color);
    const double lineH = measurer.LineHeightMm(t.fontPt);
    double y = box.y + (box.height - t.heightMm) / 2;
    for (const std::string& line : t.lines) {
        p.drawText(m.R({box.x, y, box.width, lineH}), Qt::AlignHCenter | Qt::AlignVCenter,
                   FromUtf8Text(line));
        y += lineH;
    }
}

void DrawHeader(QPainter& p, const Mapper& m, const MmRect& header, const std::string& fileName,
                int index, int count) {
    const QString name =
        fileName.empty() ? PrintText(StringId::PrintUntitled) : FromUtf8Text(fileName);
    p.setFont(PrintFont(8));
    p.setPen(Qt::black);
    p.drawText(m.R(header), Qt::AlignLeft | Qt::AlignVCenter,
               PrintText(StringId::PrintPageHeader)
                   .arg(name, QString::number(index + 1), QString::number(count)));
}

void DrawLine(QPainter& p, const Mapper& m, const MmLine& l) {
    p.drawLine(m.P(l.x1, l.y1), m.P(l.x2, l.y2));
}

QString ArgText(const TextArg& a) {
    return a.fromTable ? PrintText(a.id) : FromUtf8Text(a.literal);
}

} // namespace

// Translated as UiText does; vorlanctl draws without the window's text room.
QString PrintText(StringId id) {
    const std::string english(StringText(id));
    const std::string_view note = StringDisambiguation(id);
    return QCoreApplication::translate("Vorlan", english.c_str(),
                                       note.empty() ? nullptr : note.data());
}

QString SmallerLegendsNote(const LegendPlan& plan) {
    if (plan.smaller.empty()) {
        return {};
    }
    const auto mm = [](double pt) { return QString::number(pt * kMmPerPt, 'f', 1); };
    QStringList keys;
    for (const SmallerLegend& s : plan.smaller) {
        keys << QStringLiteral("%1 %2 (%3 mm)")
                    .arg(QString::number(s.slot), FromUtf8Text(s.name), mm(s.fontPt));
    }
    return PrintText(StringId::LegendsSetSmaller)
        .arg(mm(plan.typePt), keys.join(QStringLiteral(", ")));
}

QFont PrintFont(double pointSize) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPointSizeF(pointSize);
    return font;
}

QtTextMeasurer::QtTextMeasurer() : font(PrintFont(kMeasurePt)) {
    QImage probe(1, 1, QImage::Format_RGB32);
    probe.setDotsPerMeterX(qRound(kMeasureDpi / 0.0254));
    probe.setDotsPerMeterY(qRound(kMeasureDpi / 0.0254));
    lineMmPerPt = QFontMetricsF(font, &probe).height() / (kMeasureDpi / 25.4) / kMeasurePt;
}

double QtTextMeasurer::WidthMm(std::string_view text, double fontPt) const {
    const std::string key(text);
    auto it = mmPerPt.find(key);
    if (it == mmPerPt.end()) {
        QImage probe(1, 1, QImage::Format_RGB32);
        probe.setDotsPerMeterX(qRound(kMeasureDpi / 0.0254));
        probe.setDotsPerMeterY(qRound(kMeasureDpi / 0.0254));
        const double px = QFontMetricsF(font, &probe).horizontalAdvance(FromUtf8Text(key));
        it = mmPerPt.emplace(key, px / (kMeasureDpi / 25.4) / kMeasurePt * kWidthSlack).first;
    }
    return it->second * fontPt;
}

double QtTextMeasurer::LineHeightMm(double fontPt) const {
    return lineMmPerPt * fontPt;
}

void LegendDocument::PaintPage(QPainter& p, int index, double dotsPerMm) const {
    if (index < 0 || index >= PageCount()) {
        return;
    }
    const Mapper m(dotsPerMm);
    const QtTextMeasurer measurer;
    const LegendPage& page = plan.pages[static_cast<std::size_t>(index)];
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    DrawHeader(p, m, page.header, plan.fileName, index, PageCount());
    if (page.calibration) {
        const CalibrationStrip& s = *page.calibration;
        p.setPen(m.Pen(0.15));
        DrawLine(p, m, s.base);
        p.setPen(m.Pen(0.12));
        for (const MmLine& t : s.ticks) {
            DrawLine(p, m, t);
        }
        p.setFont(PrintFont(6));
        for (const auto& [cm, box] : s.labels) {
            p.drawText(m.R(box), Qt::AlignCenter, QString::number(cm));
        }
        p.setPen(m.Pen(0.12));
        p.setBrush(Qt::NoBrush);
        p.drawRect(m.R(s.keySquare));
        p.setFont(PrintFont(7));
        p.drawText(m.R(s.note), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                   PrintText(StringId::CalibrationNote)
                       .arg(plan.options.legendWidthMm, 0, 'g', 4)
                       .arg(plan.options.legendHeightMm, 0, 'g', 4));
    }
    p.setPen(m.Pen(0.15));
    for (const MmLine& l : page.cutMarks) {
        DrawLine(p, m, l);
    }
    for (const Legend& legend : page.legends) {
        if (plan.options.frame) {
            p.setPen(m.Pen(0.1, QColor(90, 90, 90)));
            p.setBrush(Qt::NoBrush);
            p.drawRect(m.R(legend.box));
        }
        DrawFitted(p, m, legend.box, legend.text, measurer);
    }
    p.restore();
}

void SheetDocument::PaintPage(QPainter& p, int index, double dotsPerMm) const {
    if (index < 0 || index >= PageCount()) {
        return;
    }
    const Mapper m(dotsPerMm);
    const QtTextMeasurer measurer;
    const SheetPage& page = plan.pages[static_cast<std::size_t>(index)];
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    DrawHeader(p, m, page.header, plan.fileName, index, PageCount());
    const bool saving = ink == SheetInk::Saving;
    if (!page.grid.empty() && !saving) {
        p.fillRect(m.R(page.gridFrame), Qt::black);
    }
    for (const SheetCell& c : page.grid) {
        const MmRect inner{c.box.x + 0.4, c.box.y + 0.4, c.box.width - 0.8, c.box.height - 0.8};
        if (saving) {
            // Keys outlined firmly, empty cells faintly, nothing filled.
            const bool key = c.kind == SheetCellKind::Key;
            p.setPen(key ? m.Pen(0.35) : m.Pen(0.1, QColor(150, 150, 150)));
            p.setBrush(Qt::NoBrush);
            p.drawRect(m.R(inner));
            DrawFitted(p, m, c.box, c.name, measurer);
            continue;
        }
        // The editor's colours: face, and the dark bevel as the cell's border.
        QColor face(16, 61, 118), dark(0, 0, 128);
        if (c.kind == SheetCellKind::Key) {
            face = QColor(255, 95, 73);
            dark = QColor(128, 0, 0);
        } else if (c.kind == SheetCellKind::Unavailable) {
            face = QColor(128, 128, 128);
            dark = QColor(1, 56, 48);
        }
        p.setPen(m.Pen(0.5, dark));
        p.setBrush(face);
        p.drawRect(m.R(inner));
        DrawFitted(p, m, c.box, c.name, measurer);
    }
    for (const SheetText& t : page.texts) {
        QString text = PrintText(t.format);
        for (const TextArg& a : t.args) {
            text = text.arg(ArgText(a));
        }
        QFont font = PrintFont(t.fontPt);
        font.setBold(t.bold);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(m.R(t.box), Qt::AlignLeft | Qt::AlignVCenter, text);
    }
    for (const SheetRow& row : page.rows) {
        if (row.header && !saving) {
            p.fillRect(m.R(row.box), QColor(225, 225, 225));
        }
        p.setPen(m.Pen(0.1, QColor(150, 150, 150)));
        p.drawLine(m.P(row.box.x, row.box.Bottom()), m.P(row.box.Right(), row.box.Bottom()));
        for (const auto& [box, text] : row.cells) {
            if (row.header && !text.lines.empty()) {
                QFont font = PrintFont(kSheetTablePt);
                font.setBold(true);
                p.setFont(font);
                p.setPen(Qt::black);
                p.drawText(m.R(box), Qt::AlignLeft | Qt::AlignVCenter,
                           FromUtf8Text(text.lines.front()));
                continue;
            }
            if (text.lines.empty()) {
                continue;
            }
            p.setFont(PrintFont(text.fontPt));
            p.setPen(Qt::black);
            const double lineH = measurer.LineHeightMm(text.fontPt);
            double y = box.y + kSheetCellPadMm;
            for (const std::string& line : text.lines) {
                p.drawText(m.R({box.x + kLegendPaddingMm, y, box.width, lineH}),
                           Qt::AlignLeft | Qt::AlignVCenter, FromUtf8Text(line));
                y += lineH;
            }
        }
    }
    p.restore();
}

} // namespace vorlan
