#include "keyboards/ui/PcLayoutMenu.h"

#include "common/ui/QtText.h"
#include "common/ui/UiText.h"
#include "keyboards/PcLayouts.h"
#include "layout/ui/SettingsProfileStore.h"

#include <QAction>
#include <QActionGroup>
#include <QLocale>
#include <QMenu>

namespace vorlan {
namespace {

constexpr std::string_view kViewSection = "View";
constexpr std::string_view kPcLayoutEntry = "PcKeyboardLayout";

QString LayoutName(const std::optional<std::string>& id) {
    const keyboards::PcLayoutInfo* layout = id ? keyboards::FindPcLayout(*id) : nullptr;
    return layout != nullptr ? UiText(layout->name) : UiText(StringId::PcLayoutNoneFound);
}

} // namespace

PcLayoutMenu::PcLayoutMenu(QMenu& parent, std::function<void(CodeNaming)> namesChanged)
    : QObject(&parent) {
    menu_ = parent.addMenu(UiText(StringId::PcLayoutMenu));
    menu_->setObjectName(QStringLiteral("pcLayoutMenu"));
    group_ = new QActionGroup(menu_);
    const auto add = [this](const QString& text, const std::string& stored) {
        QAction* entry = menu_->addAction(text);
        entry->setCheckable(true);
        entry->setData(FromUtf8Text(stored));
        entry->setObjectName(QStringLiteral("pcLayout_") + FromUtf8Text(stored));
        group_->addAction(entry);
        connect(entry, &QAction::triggered, this,
                [this, stored] { Choose(keyboards::ParsePcLayoutChoice(stored)); });
        return entry;
    };
    automatic_ = add(QString(), "auto");
    add(UiText(StringId::PcLayoutStandard), "standard");
    menu_->addSeparator();
    for (const keyboards::PcLayoutInfo& layout : keyboards::PcLayouts()) {
        add(UiText(layout.name), std::string(layout.id));
    }
    // The system's layout may change while the program runs.
    connect(menu_, &QMenu::aboutToShow, this, &PcLayoutMenu::Redetect);
    choice_ = keyboards::ParsePcLayoutChoice(
        SettingsProfileStore().ReadString(kViewSection, kPcLayoutEntry));
    detected_ = DetectSystemPcLayout();
    Apply();
    // The window shows its first names after this; only later changes call back.
    namesChanged_ = std::move(namesChanged);
}

QAction* PcLayoutMenu::Entry(const std::string& stored) const {
    for (QAction* entry : group_->actions()) {
        if (ToUtf8Text(entry->data().toString()) == stored) {
            return entry;
        }
    }
    return nullptr;
}

void PcLayoutMenu::Choose(const keyboards::PcLayoutChoice& choice) {
    choice_ = choice;
    SettingsProfileStore().WriteString(kViewSection, kPcLayoutEntry,
                                       keyboards::StoredPcLayoutChoice(choice));
    Apply();
}

void PcLayoutMenu::Redetect() {
    const std::optional<std::string> now = DetectSystemPcLayout();
    if (now != detected_) {
        detected_ = now;
        Apply();
    }
}

void PcLayoutMenu::Apply() {
    automatic_->setText(
        UiText(StringId::PcLayoutAutomatic).replace(QStringLiteral("%s"), LayoutName(detected_)));
    if (QAction* entry = Entry(keyboards::StoredPcLayoutChoice(choice_))) {
        entry->setChecked(true);
    }
    const std::string id = keyboards::EffectiveLayoutId(choice_, detected_);
    if (id != inUse_) {
        inUse_ = id;
        if (namesChanged_) {
            namesChanged_(Naming());
        }
    }
}

} // namespace vorlan
