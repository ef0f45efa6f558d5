// The main window's seven status panes, placed by hand on their designed
// pixel edges rather than by the status bar's layout (which would shift
// them); a longer translation widens them, and the last reaches the window's
// right edge.
#pragma once

#include "editor/StatusPane.h"

#include <QString>
#include <array>
#include <vector>

class QFont;
class QLabel;
class QStatusBar;

namespace vorlan {

class StatusPaneRow {
public:
    // Right edges of the panes as designed; the last is the client's width.
    StatusPaneRow(QStatusBar& bar, const QFont& font, const std::vector<int>& designedEdges);

    void SetText(StatusPane pane, const QString& text);
    // Empty for a number that is no pane's.
    QString Text(int pane) const;

    // The edges every text a pane can show needs, each pane widened at most
    // to reach minimumEnd and beyond only as its texts need; placed there.
    // Returns where the last pane ends.
    int FitTexts(int minimumEnd);
    // The last pane reaches width (the window's), the others keep their edges.
    void ReachTo(int width);

private:
    void Place(const std::vector<int>& edges);

    std::array<QLabel*, kStatusPaneCount> panes{};
    std::vector<int> edges; // as placed
};

} // namespace vorlan
