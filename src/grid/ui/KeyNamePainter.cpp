#include "grid/ui/KeyNamePainter.h"

#include "common/ui/QtText.h"
#include "hyphenation/HyphenationChoice.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygonF>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace vorlan {
namespace {

// Largest first at the designed cell; 7 pixels is the least that stays
// legible at 100 %.
const std::vector<int> kNameSizes = {12, 11, 10, 9, 8, 7};
constexpr int kDesignedPitch = 34;
constexpr QChar kEllipsis(0x2026);
// Bound on kept layouts; names typed letter by letter each leave one.
constexpr qsizetype kMaxLayouts = 2048;

class FontMeasure : public LabelMeasure {
public:
    explicit FontMeasure(const KeyNamePainter& thePainter) : painter(thePainter) {}

    int LineHeight(int pixelSize) const override {
        return static_cast<int>(std::ceil(Metrics(pixelSize).height()));
    }
    int Width(int pixelSize, std::string_view text, bool ellipsis) const override {
        QString shown = FromUtf8Text(text);
        if (ellipsis) {
            shown += kEllipsis;
        }
        return static_cast<int>(std::ceil(Metrics(pixelSize).horizontalAdvance(shown)));
    }

private:
    const QFontMetricsF& Metrics(int pixelSize) const {
        auto it = metrics.find(pixelSize);
        if (it == metrics.end()) {
            it = metrics.emplace(pixelSize, QFontMetricsF(painter.FontOfSize(pixelSize))).first;
        }
        return it->second;
    }

    const KeyNamePainter& painter;
    mutable std::map<int, QFontMetricsF> metrics;
};

} // namespace

KeyNamePainter::KeyNamePainter() : base(QGuiApplication::font()), sizes(kNameSizes) {
    // A dictionary loads in the background: names drawn before it was there
    // are drawn again once it is (every window, on the window's thread).
    static const bool told = [] {
        WhenHyphenatorLoaded([] {
            if (QCoreApplication* app = QCoreApplication::instance()) {
                QMetaObject::invokeMethod(
                    app,
                    [] {
                        for (QWidget* window : QApplication::topLevelWidgets()) {
                            window->update();
                        }
                    },
                    Qt::QueuedConnection);
            }
        });
        return true;
    }();
    (void)told;
}

void KeyNamePainter::SetCellPitch(int pitch) {
    if (pitch <= 0 || pitch == cellPitch) {
        return;
    }
    cellPitch = pitch;
    // The largest size grows with the cell; the smallest stays the least
    // that is legible, so a larger cell shows more of a long name.
    sizes.clear();
    const int largest = std::max(kNameSizes.front(), kNameSizes.front() * pitch / kDesignedPitch);
    for (int size = largest; size >= kNameSizes.back(); --size) {
        sizes.push_back(size);
    }
    layouts.clear();
}

QFont KeyNamePainter::FontOfSize(int pixelSize) const {
    QFont font = base;
    font.setPixelSize(pixelSize);
    return font;
}

QRect KeyNamePainter::FaceRect(const QRect& imageRect, KeyImage image, int cellPitch) {
    // The bevel and its borders take 6 of the 39 design pixels per cell (8 on
    // the quad key), about 5 (7) on screen; one more keeps text off the edge.
    const bool quad = image == KeyImage::Quad || image == KeyImage::SelectedQuad;
    const int inset = (quad ? 8 : 6) * std::max(cellPitch, 1) / kDesignedPitch;
    return imageRect.adjusted(inset, inset, -inset, -inset);
}

const LabelLayout& KeyNamePainter::Layout(const QString& name, QSize face) {
    // The names' language may change with the legend options: it is part of the key.
    const std::shared_ptr<const Hyphenator> hyphenator = NamesHyphenator();
    const QString language =
        hyphenator ? QString::fromStdString(hyphenator->Language()) : QString();
    const QString key =
        QStringLiteral("%1x%2:%3:").arg(face.width()).arg(face.height()).arg(language) + name;
    auto it = layouts.find(key);
    if (it == layouts.end()) {
        if (layouts.size() >= kMaxLayouts) {
            layouts.clear();
        }
        const QByteArray bytes = name.toUtf8();
        const FontMeasure measure(*this);
        it = layouts.insert(
            key,
            LayoutLabel(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                        face.width(), face.height(), sizes, measure, hyphenator.get()));
    }
    return *it;
}

void KeyNamePainter::DrawName(QPainter& painter, const QRect& imageRect, KeyImage image,
                              const QString& name, const QColor& ink) {
    const QRect face = FaceRect(imageRect, image, cellPitch);
    const LabelLayout& layout = Layout(name, face.size());
    if (layout.pixelSize == 0 || layout.lines.empty()) {
        return;
    }
    const QFont font = FontOfSize(layout.pixelSize);
    const QFontMetricsF metrics(font);
    const qreal lineHeight = std::ceil(metrics.height());
    const qreal blockHeight = lineHeight * static_cast<qreal>(layout.lines.size());
    qreal top = face.top() + (face.height() - blockHeight) / 2;

    painter.save();
    painter.setClipRect(face);
    painter.setFont(font);
    // Black on the red face and on the selection's yellow bevel alike
    // (contrast about 7:1 against the face).
    painter.setPen(ink);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
        QString line = FromUtf8Text(layout.lines[i]);
        if (layout.elided && i + 1 == layout.lines.size()) {
            line += kEllipsis;
        }
        painter.drawText(QRectF(face.left(), top, face.width(), lineHeight),
                         Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, line);
        top += lineHeight;
    }
    painter.restore();
}

void KeyNamePainter::DrawFoundMark(QPainter& painter, const QRect& imageRect) {
    constexpr qreal kSize = 11;
    const QPointF corner(imageRect.right() + 1, imageRect.top());
    const QPolygonF fold({corner, corner + QPointF(-kSize, 0), corner + QPointF(0, kSize)});
    painter.save();
    painter.setClipRect(imageRect);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    QPen edge(Qt::black);
    edge.setWidthF(1.5);
    painter.setPen(edge);
    painter.setBrush(Qt::white);
    painter.drawPolygon(fold);
    painter.restore();
}

} // namespace vorlan
