#include "common/ui/UiText.h"

#include <QCoreApplication>
#include <QKeySequence>

namespace vorlan {

QString UiText(int id) {
    const std::string text(StringText(id));
    if (text.empty()) {
        return {};
    }
    const std::string_view note = StringDisambiguation(id);
    return QCoreApplication::translate(kTranslationContext, text.c_str(),
                                       note.empty() ? nullptr : note.data());
}

QString KeyCapName(int qtKey) {
    return QKeySequence(qtKey).toString(QKeySequence::NativeText);
}

QString UiText(StringId id, int count) {
    const std::string text(StringText(id));
    const std::string_view note = StringDisambiguation(id);
    return QCoreApplication::translate(kTranslationContext, text.c_str(),
                                       note.empty() ? nullptr : note.data(), count);
}

QString UiText(StringId id) {
    return UiText(static_cast<int>(id));
}

} // namespace vorlan
