#include "layout/ui/SettingsProfileStore.h"

#include "common/ui/QtText.h"

#include <QFile>
#include <QSettings>

namespace vorlan {
namespace {

QString Key(std::string_view section, std::string_view entry) {
    return FromUtf8Text(section) + QLatin1Char('/') + FromUtf8Text(entry);
}

} // namespace

// The values are file paths: bytes in the core, text in the settings, turned
// into each other with the system's file-name encoding so no path is damaged.
std::string SettingsProfileStore::ReadString(std::string_view section, std::string_view entry) {
    const QSettings settings;
    return ToPath(settings.value(Key(section, entry)).toString());
}

void SettingsProfileStore::WriteString(std::string_view section, std::string_view entry,
                                       std::string_view value) {
    QSettings settings;
    settings.setValue(Key(section, entry), FromPath(value));
}

} // namespace vorlan
