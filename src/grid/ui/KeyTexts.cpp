#include "grid/ui/KeyTexts.h"

#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"
#include "grid/KeyDescription.h"

namespace vorlan {

QString KeyNameText(const LayoutDocument& doc, int slot, KeyImage image) {
    const std::string label = GridLabel(doc, slot, image);
    return QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()));
}

QString KeyToolTipText(const LayoutDocument& doc, int slot, std::string_view pcLayout) {
    QStringList lines;
    for (const UiMessage& line : KeyToolTipLines(doc, slot, pcLayout)) {
        QStringList values;
        for (const std::string& arg : line.args) {
            values << QString::fromUtf8(arg.data(), static_cast<qsizetype>(arg.size()));
        }
        lines << FillPlaceholders(UiText(line.id), values).toHtmlEscaped();
    }
    if (lines.isEmpty()) {
        return {};
    }
    return QStringLiteral("<p style='white-space:pre'>") + lines.join(QStringLiteral("<br>")) +
           QStringLiteral("</p>");
}

} // namespace vorlan
