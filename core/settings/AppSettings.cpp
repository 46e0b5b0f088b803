#include "core/settings/AppSettings.h"

#include <QSettings>

namespace zomar {

AppSettings::AppSettings()
    : m_store(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                          kApplication, kApplication))
{}

AppSettings::AppSettings(const QString &iniFile)
    : m_store(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{}

AppSettings::~AppSettings() = default;

QString AppSettings::read(const QString &key, const QString &fallback) const
{
    return m_store->value(kSection + QLatin1Char('/') + key, fallback).toString();
}

QString AppSettings::port() const
{
    return read(kPortKey, kPortDefault);
}
QString AppSettings::baud() const
{
    return read(kBaudKey, kBaudDefault);
}
bool AppSettings::hasPort() const
{
    return m_store->contains(kSection + QLatin1Char('/') + kPortKey);
}
bool AppSettings::hasBaud() const
{
    return m_store->contains(kSection + QLatin1Char('/') + kBaudKey);
}

void AppSettings::setPort(const QString &value)
{
    m_store->setValue(kSection + QLatin1Char('/') + kPortKey, value);
}

void AppSettings::setBaud(const QString &value)
{
    m_store->setValue(kSection + QLatin1Char('/') + kBaudKey, value);
}

QString AppSettings::portDevice(int number) const
{
    return m_store->value(kPortMapSection + QLatin1Char('/') + QString::number(number)).toString();
}

QString AppSettings::fileName() const
{
    return m_store->fileName();
}
void AppSettings::sync()
{
    m_store->sync();
}

} // namespace zomar
