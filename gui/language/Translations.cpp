#include "gui/language/Translations.h"

#include "core/settings/AppSettings.h"
#include "core/settings/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zomar {

namespace {

QString ownFile(const QString &code)
{
    return QStringLiteral(":/i18n/zomar_%1.qm").arg(code);
}

// A system language ("de-DE", "zh-Hans-CN") as one of ours ("de", "zh_CN").
QString shippedFor(const QString &uiLanguage)
{
    const QLocale locale(uiLanguage);
    if (locale.language() == QLocale::Chinese)
        return locale.script() == QLocale::TraditionalChineseScript ||
                       locale.territory() == QLocale::Taiwan ||
                       locale.territory() == QLocale::HongKong ||
                       locale.territory() == QLocale::Macao
                   ? QString()
                   : QStringLiteral("zh_CN");
    const QString language = QLocale::languageToCode(locale.language());
    return isInterfaceLanguage(language) ? language : QString();
}

} // namespace

QString pickLanguage(const QString &chosen, const QString &station, const QLocale &system)
{
    if (isInterfaceLanguage(chosen))
        return chosen;
    if (isInterfaceLanguage(station))
        return station;
    for (const QString &ui : system.uiLanguages()) {
        const QString shipped = shippedFor(ui);
        if (!shipped.isEmpty())
            return shipped;
        // The first language the user prefers that is not ours wins over a
        // later one that is: English, not a language they ranked lower.
        if (QLocale(ui).language() != QLocale::C)
            break;
    }
    return kSourceLanguage;
}

QString startLanguage(const AppSettings &settings, const QString &station)
{
    const QString code = pickLanguage(settings.language(), station, QLocale::system());
    return installLanguage(code) ? code : kSourceLanguage;
}

bool installLanguage(const QString &code)
{
    static QTranslator *own = nullptr;
    static QTranslator *qt = nullptr;
    for (QTranslator **t : {&own, &qt}) {
        if (*t) {
            QCoreApplication::removeTranslator(*t);
            delete *t;
            *t = nullptr;
        }
    }
    if (code == kSourceLanguage || !isInterfaceLanguage(code))
        return code == kSourceLanguage;
    qt = new QTranslator;
    if (qt->load(QStringLiteral("qtbase_") + code,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    own = new QTranslator;
    if (!own->load(ownFile(code)))
        return false;
    QCoreApplication::installTranslator(own);
    return true;
}

QString translateInto(const QString &code, const char *context, const char *source)
{
    QTranslator translator;
    if (code != kSourceLanguage && translator.load(ownFile(code))) {
        const QString text = translator.translate(context, source);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(source);
}

} // namespace zomar
