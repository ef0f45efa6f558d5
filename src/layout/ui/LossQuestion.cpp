#include "layout/ui/LossQuestion.h"

#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"
#include "layout/LossList.h"

namespace vorlan {
namespace {

// More lines than this make a box taller than a screen.
constexpr std::size_t kShownLosses = 24;

} // namespace

QString LossQuestionText(const LayoutDocument& doc, KeyboardVariant variant, bool showsSaved) {
    const std::vector<Difference> losses = LossesOnSave(doc, variant);
    if (losses.empty()) {
        return {};
    }
    const std::string_view form = VariantName(variant);
    QString text = FillPlaceholders(UiText(StringId::LossQuestion), {FromLatin1Text(form)});
    text += QLatin1Char('\n');
    for (std::size_t i = 0; i < losses.size() && i < kShownLosses; ++i) {
        text += QStringLiteral("\n  ") + UiMessageText(losses[i].message);
    }
    if (losses.size() > kShownLosses) {
        text += QStringLiteral("\n  ") +
                FillPlaceholders(UiText(StringId::LossMore),
                                 {QString::number(losses.size() - kShownLosses)});
    }
    if (showsSaved) {
        text += QStringLiteral("\n\n") + UiText(StringId::LossShownAsSaved);
    }
    text += QStringLiteral("\n\n") + UiText(StringId::LossAsk);
    return text;
}

bool ConfirmLossySave(QWidget* parent, const LayoutDocument& doc, KeyboardVariant variant,
                      bool showsSaved) {
    const QString text = LossQuestionText(doc, variant, showsSaved);
    if (text.isEmpty()) {
        return true;
    }
    return ShowMessage({parent, MessageIcon::Exclamation, UiText(StringId::LossCaption), text,
                        MessageButtons::YesNo, DefaultAnswerOf(StringId::LossAsk)}) ==
           MessageResult::Yes;
}

} // namespace vorlan
