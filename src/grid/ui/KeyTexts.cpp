#include "grid/ui/KeyTexts.h"

#include "common/ui/QtText.h"
#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"
#include "grid/KeyDescription.h"

namespace vorlan {

QString KeyNameText(const LayoutDocument& doc, int slot, KeyImage image, const CodeNaming& naming) {
    const std::string label = GridLabel(doc, slot, image, naming);
    return FromUtf8Text(label);
}

QString KeyToolTipText(const LayoutDocument& doc, int slot, const CodeNaming& naming) {
    QStringList lines;
    for (const UiMessage& line : KeyToolTipLines(doc, slot, naming)) {
        lines << UiMessageText(line).toHtmlEscaped();
    }
    if (lines.isEmpty()) {
        return {};
    }
    return QStringLiteral("<p style='white-space:pre'>") + lines.join(QStringLiteral("<br>")) +
           QStringLiteral("</p>");
}

} // namespace vorlan
