#include "common/ui/UiText.h"

#include <QCoreApplication>
#include <QKeySequence>

namespace vorlan {

QString UiText(int id) {
    const std::string text(StringText(id));
    if (text.empty()) {
        return {};
    }
    return QCoreApplication::translate(kTranslationContext, text.c_str());
}

QString KeyCapName(int qtKey) {
    return QKeySequence(qtKey).toString(QKeySequence::NativeText);
}

QString UiText(StringId id, int count) {
    const std::string text(StringText(id));
    return QCoreApplication::translate(kTranslationContext, text.c_str(), nullptr, count);
}

QString UiText(StringId id) {
    return UiText(static_cast<int>(id));
}

} // namespace vorlan
