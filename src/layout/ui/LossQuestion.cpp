#include "layout/ui/LossQuestion.h"

#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiMessageText.h"
#include "common/ui/UiText.h"

namespace vorlan {
namespace {

// More lines than this make a box taller than a screen.
constexpr std::size_t kShownLosses = 24;

} // namespace

QString LossQuestionText(KeyboardVariant variant, const std::vector<Difference>& losses,
                         bool showsSaved) {
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

bool AskToSaveLosing(QWidget* parent, KeyboardVariant variant,
                     const std::vector<Difference>& losses, bool showsSaved) {
    return ShowMessage({parent, MessageIcon::Exclamation, UiText(StringId::LossCaption),
                        LossQuestionText(variant, losses, showsSaved), MessageButtons::YesNo,
                        DefaultAnswerOf(StringId::LossAsk)}) == MessageResult::Yes;
}

} // namespace vorlan
