#include "common/ui/TextRoomUi.h"

#include "common/TextRoom.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>

namespace vorlan {
namespace {

// A caption's "&" marks its mnemonic and takes no room ("&&" shows one).
QString Shown(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

} // namespace

int NeededTextWidth(const QWidget* w, const QString& text) {
    if (text.isEmpty()) {
        return 0;
    }
    const int advance = w->fontMetrics().horizontalAdvance(Shown(text));
    const QStyle* style = w->style();
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        const int frame = label->frameWidth();
        int indent = label->indent();
        if (indent < 0) {
            indent = frame > 0 ? w->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
        }
        const QMargins m = label->contentsMargins();
        return advance + m.left() + m.right() + indent + 2 * label->margin();
    }
    if (qobject_cast<const QCheckBox*>(w)) {
        return advance + style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
    }
    if (qobject_cast<const QRadioButton*>(w)) {
        return advance + style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, w) +
               style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w);
    }
    if (qobject_cast<const QPushButton*>(w)) {
        return advance + style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w) +
               2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
        // The title sits inside the frame with a few pixels on either side.
        return box->title().isEmpty() ? 0 : advance + 16;
    }
    return 0;
}

int NeededTextWidth(const QWidget* w) {
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->textFormat() == Qt::RichText) {
            return 0;
        }
        if (label->wordWrap()) {
            // The narrowest width whose lines fit the label's height.
            int low = 1;
            int high = std::max(NeededTextWidth(w, label->text()), 1);
            while (low < high) {
                const int mid = (low + high) / 2;
                if (label->heightForWidth(mid) <= label->height()) {
                    high = mid;
                } else {
                    low = mid + 1;
                }
            }
            return high;
        }
        return NeededTextWidth(w, label->text());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        return NeededTextWidth(w, button->text());
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
        return NeededTextWidth(w, box->title());
    }
    return 0;
}

int MakeRoomForTexts(QWidget* container, const QSet<const QWidget*>& keepWidth) {
    const QList<QWidget*> children = container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    std::vector<RoomItem> items;
    items.reserve(static_cast<std::size_t>(children.size()));
    for (const QWidget* child : children) {
        const QRect r = child->geometry();
        items.push_back({{r.x(), r.y(), r.width(), r.height()},
                         NeededTextWidth(child),
                         keepWidth.contains(child)});
    }
    const RoomResult room = MakeRoom(items);
    if (room.widening == 0) {
        return 0;
    }
    for (qsizetype i = 0; i < children.size(); ++i) {
        const RoomBox& b = room.boxes[static_cast<std::size_t>(i)];
        children[i]->setGeometry(b.x, b.y, b.width, b.height);
    }
    return room.widening;
}

} // namespace vorlan
