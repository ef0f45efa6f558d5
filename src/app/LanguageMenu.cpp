#include "app/LanguageMenu.h"

#include "common/ui/MessageBox.h"
#include "common/ui/QtText.h"
#include "common/ui/UiText.h"
#include "localization/ui/Translations.h"

#include <QAction>
#include <QActionGroup>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <utility>

namespace vorlan {

QString LanguageOwnName(const QString& language) {
    // Qt names these after the variant of one country ("español de España"):
    // a plain language code means the language as a whole.
    static const std::pair<const char*, const char*> kPlain[] = {
        {"en", "English"}, {"es", "Español"}, {"pt", "Português"}};
    for (const auto& [code, name] : kPlain) {
        if (language == QLatin1String(code)) {
            return QString::fromUtf8(name);
        }
    }
    const QLocale locale(language);
    QString name = locale.nativeLanguageName();
    if (name.isEmpty()) {
        return language;
    }
    if (language.contains(QLatin1Char('_'))) {
        name += QStringLiteral(" (%1)").arg(locale.nativeTerritoryName());
    }
    // Menus begin with a capital: "español", "italiano" are lower-case in running text.
    return locale.toUpper(name.left(1)) + name.mid(1);
}

void AddLanguageMenu(QMainWindow& window, const QString& programDir) {
    QMenu* view = window.menuBar()->findChild<QMenu*>(QStringLiteral("viewMenu"));
    if (view == nullptr) {
        return;
    }
    view->addSeparator();
    QMenu* menu = view->addMenu(UiText(StringId::LanguageMenu));
    menu->setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(menu);

    const QString chosen = LanguageSetting();
    const auto add = [&](const QString& text, const QString& language) {
        QAction* action = menu->addAction(text);
        action->setObjectName(QStringLiteral("actionLanguage_") +
                              (language.isEmpty() ? QStringLiteral("system") : language));
        action->setData(language);
        action->setCheckable(true);
        action->setChecked(language == chosen);
        group->addAction(action);
    };
    add(UiText(StringId::LanguageSystem), QString());
    menu->addSeparator();
    QStringList languages = AvailableLanguages(programDir);
    languages << QStringLiteral("en");
    std::sort(languages.begin(), languages.end(), [](const QString& a, const QString& b) {
        return LanguageOwnName(a).localeAwareCompare(LanguageOwnName(b)) < 0;
    });
    for (const QString& language : languages) {
        // The names carry no accelerator: they are not translated, so no
        // letter could be kept free of the other entries in every language.
        add(LanguageOwnName(language), language);
    }
    // A choice that is no longer shipped shows as the system's language.
    if (group->checkedAction() == nullptr) {
        group->actions().constFirst()->setChecked(true);
    }

    QObject::connect(group, &QActionGroup::triggered, &window, [&window](QAction* action) {
        const QString language = action->data().toString();
        if (language == LanguageSetting()) {
            return;
        }
        SetLanguageSetting(language);
        MessageRequest request;
        request.parent = &window;
        request.icon = MessageIcon::Information;
        request.caption = UiText(StringId::LanguageCaption);
        request.text = language.isEmpty()
                           ? UiText(StringId::LanguageSystemAfterRestart)
                           : UiText(StringId::LanguageAfterRestart).arg(LanguageOwnName(language));
        ShowMessage(request);
    });
}

} // namespace vorlan
