#include "verify/ui/KeyTestGrid.h"

#include "common/ui/QtText.h"
#include "grid/GridGeometry.h"
#include "grid/ui/KeyGridWidget.h"
#include "grid/ui/KeyImages.h"
#include "grid/ui/KeyNamePainter.h"
#include "verify/KeyTestSession.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace vorlan {
namespace {

constexpr QRgb kGrey = qRgb(150, 150, 150);
constexpr QRgb kGreen = qRgb(40, 190, 60);
constexpr QRgb kRed = qRgb(230, 40, 30);

QRgb TintOf(KeyResult result) {
    switch (result) {
    case KeyResult::Passed:
        return kGreen;
    case KeyResult::Failed:
        return kRed;
    case KeyResult::NotTested:
        break;
    }
    return kGrey;
}

// The image the editor draws for the key whose anchor is slot.
KeyImage ImageOfKey(const LayoutDocument& doc, int slot) {
    const KeySpan& span = doc.spans[slot];
    if (span.kind == SpanKind::Quad) {
        return KeyImage::Quad;
    }
    if (span.kind == SpanKind::Double) {
        return span.partners[0] == slot + 8 ? KeyImage::DoubleDown : KeyImage::DoubleRight;
    }
    return KeyImage::Single;
}

} // namespace

KeyTestGrid::KeyTestGrid(const LayoutDocument& theDoc, const KeyTestSession& theSession,
                         QWidget* parent)
    : QWidget(parent), doc(theDoc), session(theSession), names(std::make_unique<KeyNamePainter>()) {
    setObjectName(QStringLiteral("keyTestGrid"));
    setFixedSize(sizeHint());
    setFocusPolicy(Qt::NoFocus);
}

KeyTestGrid::~KeyTestGrid() = default;

QSize KeyTestGrid::sizeHint() const {
    return {KeyGridWidget::kColumns * kCellPitch, kGridRows * kCellPitch};
}

QPoint KeyTestGrid::CellOrigin(int slot) {
    return KeyGridWidget::CanvasCellOrigin(slot);
}

const QImage& KeyTestGrid::Tinted(KeyImage image, QRgb tint) {
    const auto key = std::make_pair(static_cast<int>(image), tint);
    auto it = cache.find(key);
    if (it != cache.end()) {
        return it->second;
    }
    // The editor's key cap, its shading kept and its colour replaced.
    QImage cap = RenderKeyImage(image, devicePixelRatioF()).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < cap.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(cap.scanLine(y));
        for (int x = 0; x < cap.width(); ++x) {
            const int light = std::min(255, qGray(line[x]) * 2);
            line[x] = qRgb(qRed(tint) * light / 255, qGreen(tint) * light / 255,
                           qBlue(tint) * light / 255);
        }
    }
    return cache.emplace(key, std::move(cap)).first->second;
}

void KeyTestGrid::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    const int keyCount = doc.KeysInUse();
    const KeyTestPlan& plan = session.Plan();
    for (int slot = 1; slot <= kMaxKeys; ++slot) {
        if (plan.KeyAt(slot, doc) < 0) {
            const KeyImage empty = slot > keyCount ? KeyImage::Unavailable : KeyImage::Empty;
            p.drawImage(CellOrigin(slot), RenderKeyImage(empty, devicePixelRatioF()));
        }
    }
    for (int i = 0; i < session.KeyCount(); ++i) {
        const TestKey& key = plan.keys[static_cast<std::size_t>(i)];
        const KeyImage image = ImageOfKey(doc, key.slot);
        const QRect cell(CellOrigin(key.slot), KeyImageDrawnSize(image));
        p.drawImage(cell.topLeft(), Tinted(image, TintOf(session.Result(i))));
        if (plan.IsAmbiguous(i)) {
            p.fillRect(cell.adjusted(4, 4, -4, -4), QBrush(QColor(255, 220, 0), Qt::BDiagPattern));
        }
        // As the editor fits names: smaller first, broken between words, inside
        // a word only when one word cannot fit; never past the key's face.
        names->DrawName(p, cell, image, FromLatin1Text(key.name), Qt::white);
        if (i == session.Expected()) {
            p.setPen(QPen(QColor(255, 255, 0), 3));
            p.drawRect(cell.adjusted(1, 1, -2, -2));
        }
    }
}

void KeyTestGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPoint client = event->position().toPoint() + QPoint(kGridLeft, kGridTop);
        const int slot = SlotAt(client.x(), client.y(), doc.settings.keyCount);
        if (slot > 0) {
            Q_EMIT SlotClicked(slot);
        }
    }
    QWidget::mousePressEvent(event);
}

} // namespace vorlan
