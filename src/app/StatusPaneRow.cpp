#include "app/StatusPaneRow.h"

#include "common/TextRoom.h"
#include "common/ui/TextRoomUi.h"
#include "common/ui/UiMessageText.h"
#include "layout/LayoutDocument.h"

#include <QFrame>
#include <QLabel>
#include <QStatusBar>
#include <algorithm>

namespace vorlan {

StatusPaneRow::StatusPaneRow(QStatusBar& bar, const QFont& font,
                             const std::vector<int>& designedEdges) {
    bar.setSizeGripEnabled(false);
    auto* row = new QWidget(&bar);
    row->setObjectName(QStringLiteral("statusPanes"));
    row->setFont(font);
    for (std::size_t i = 0; i < panes.size(); ++i) {
        auto* pane = new QLabel(row);
        pane->setObjectName(QStringLiteral("statusPane%1").arg(i));
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        pane->setIndent(1);
        panes[i] = pane;
    }
    Place(designedEdges);
    bar.setFixedHeight(23);
}

void StatusPaneRow::SetText(StatusPane pane, const QString& text) {
    panes[PaneIndex(pane)]->setText(text);
}

QString StatusPaneRow::Text(int pane) const {
    if (pane < 0 || pane >= kStatusPaneCount) {
        return {};
    }
    return panes[static_cast<std::size_t>(pane)]->text();
}

int StatusPaneRow::FitTexts(int minimumEnd) {
    // Every text a pane can show, with its widest values. The last pane shows
    // key names of any length and takes what is left.
    const auto widest = [this](StatusPane pane, std::initializer_list<UiMessage> texts) {
        int need = 0;
        for (const UiMessage& text : texts) {
            need = std::max(need, NeededTextWidth(panes[PaneIndex(pane)], UiMessageText(text)));
        }
        return need;
    };
    const std::vector<int> needed = {
        widest(StatusPane::Keyboard,
               {{StringId::PaneKeyboardSingle, {}}, {StringId::PaneKeyboardDouble, {}}}),
        widest(StatusPane::KeysType,
               {{StringId::PaneKeysTypematic, {}}, {StringId::PaneKeysMakeBreak, {}}}),
        widest(StatusPane::KeyBeep, {{StringId::PaneBeepOn, {}}, {StringId::PaneBeepOff, {}}}),
        widest(StatusPane::KeyDelay, {{StringId::PaneKeyDelay, {"3"}}}),
        widest(StatusPane::KeyRate, {{StringId::PaneKeyRate, {"31"}}}),
        widest(StatusPane::PointerNumber, {{StringId::PaneNumber, {std::to_string(kMaxKeys)}},
                                           {StringId::PaneNumberNone, {}}}),
        widest(StatusPane::PointerName, {{StringId::PaneNameNone, {}}}),
    };
    const std::vector<int> fitted = FitPaneEdges(edges, needed, 1, minimumEnd);
    if (fitted.back() != edges.back()) {
        Place(fitted);
    }
    return fitted.back();
}

void StatusPaneRow::ReachTo(int width) {
    if (!edges.empty() && edges.back() != width) {
        std::vector<int> stretched = edges;
        stretched.back() = std::max(width, stretched[stretched.size() - 2] + 1);
        Place(stretched);
    }
}

void StatusPaneRow::Place(const std::vector<int>& theEdges) {
    edges = theEdges;
    int left = 0;
    for (std::size_t i = 0; i < panes.size() && i < edges.size(); ++i) {
        panes[i]->setGeometry(left, 0, edges[i] - left - 1, 18);
        left = edges[i];
    }
    panes[0]->parentWidget()->setGeometry(0, 3, left, 18);
}

} // namespace vorlan
