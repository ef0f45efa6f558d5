// The program's shipped translations: Qt's own texts of the standard dialogs
// and the program's texts in the user's language. (A translator's "local.qm"
// beside the program, installed after these, wins over both.)
#pragma once

#include <QString>
#include <QStringList>

namespace vorlan {

// Where the program's own files (help/, translations/) are looked for, in
// order: beside the program (a build tree, a Windows folder), then the
// installed share folder reached from the program's folder.
QStringList ProgramDataDirs(const QString& programDir);

// The languages of the shipped translations found in the data folders'
// translations/ ("de" for vorlan_de.qm), sorted.
QStringList AvailableLanguages(const QString& programDir);

// Installs the translators for the chosen language when it is shipped
// ("en": English), else for the first of uiLanguages (most preferred first,
// as QLocale::uiLanguages gives them) that a translation is shipped for, in
// place of those an earlier call installed. Returns the language ("" for the
// untranslated English texts), which ProgramLanguage() then reports.
QString InstallTranslations(const QString& programDir, const QStringList& uiLanguages,
                            const QString& chosen = QString());

// The same for the system's languages and the language of the settings.
QString InstallProgramTranslations(const QString& programDir);

// The language InstallTranslations chose; "" before it ran or for English.
QString ProgramLanguage();

// The language chosen in View > Language ("" for the system's), kept in the
// user's settings; the program applies it at its next start.
QString LanguageSetting();
void SetLanguageSetting(const QString& language);

} // namespace vorlan
