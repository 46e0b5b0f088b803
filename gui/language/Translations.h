#pragma once
// The windows' language: the one chosen in a Language menu, else the one a
// station's setup names for its technicians, else the first of the system's
// languages that is translated, else English (the texts' own language).
// Installing it loads this program's translation (built in) and Qt's own
// (Debian: qt6-translations-l10n) for standard buttons and dialogs. What a
// program prints on the command line stays English: scripts read it.

#include <QString>

class QLocale;

namespace zomar {

class AppSettings;

QString pickLanguage(const QString &chosen, const QString &station, const QLocale &system);
// What a program does at start: picks the language from the settings'
// choice, the station's and the system's, installs it and returns it.
QString startLanguage(const AppSettings &settings, const QString &station = {});
// Replaces the translations installed before. False when this program's
// own could not be loaded (English is then shown).
bool installLanguage(const QString &code);
// A text of `context` in the language `code`, whatever language is
// installed (the source text when it has no translation there).
QString translateInto(const QString &code, const char *context, const char *source);

} // namespace zomar
