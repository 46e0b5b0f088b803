#include "core/settings/InterfaceLanguage.h"

#include <QStringList>

namespace zomar {

const QList<InterfaceLanguage> &interfaceLanguages()
{
    static const QList<InterfaceLanguage> list = {
        {kSourceLanguage, QStringLiteral("English")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("it"), QStringLiteral("Italiano")},
        {QStringLiteral("pl"), QStringLiteral("Polski")},
        {QStringLiteral("cs"), QStringLiteral("Čeština")},
        {QStringLiteral("zh_CN"), QStringLiteral("简体中文")},
    };
    return list;
}

bool isInterfaceLanguage(const QString &code)
{
    for (const InterfaceLanguage &l : interfaceLanguages())
        if (l.code == code)
            return true;
    return false;
}

QString interfaceLanguageCodes()
{
    QStringList codes;
    for (const InterfaceLanguage &l : interfaceLanguages())
        codes << l.code;
    return codes.join(QStringLiteral(", "));
}

} // namespace zomar
