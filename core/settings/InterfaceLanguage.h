#pragma once
// The languages the windows are translated into, by the code their
// translation files are named by ("de", "zh_CN"), each with its own name for
// itself. English is the language the texts are written in. The Language
// menus, a station file's "language" and the build's translation files all
// follow this list.

#include <QList>
#include <QString>

namespace zomar {

struct InterfaceLanguage {
    QString code;       // "de", "zh_CN"; "en" for the source texts
    QString nativeName; // "Deutsch", "简体中文"
};

inline const QString kSourceLanguage = QStringLiteral("en");

// English first, then the translations.
const QList<InterfaceLanguage> &interfaceLanguages();
bool isInterfaceLanguage(const QString &code);
// The codes, for a message that lists them: "en, de, fr, ...".
QString interfaceLanguageCodes();

} // namespace zomar
