#include "common/ui/UiText.h"

#include <QCoreApplication>

namespace vorlan {

QString UiText(int id) {
    const std::string text(StringText(id));
    if (text.empty()) {
        return {};
    }
    return QCoreApplication::translate(kTranslationContext, text.c_str());
}

QString UiText(StringId id) {
    return UiText(static_cast<int>(id));
}

} // namespace vorlan
