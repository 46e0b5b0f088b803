#include "core/settings/AppSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <cerrno>
#include <cstring>
#include <unistd.h>

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

QString AppSettings::stationFile() const
{
    return m_store->value(kStationSection + QLatin1Char('/') + kStationFileKey).toString();
}

void AppSettings::setStationFile(const QString &file)
{
    m_store->setValue(kStationSection + QLatin1Char('/') + kStationFileKey, file);
}

QDateTime AppSettings::shiftStarted(const QString &file) const
{
    const QString key = kStationSection + QLatin1Char('/');
    if (file.isEmpty() || m_store->value(key + kShiftFileKey).toString() != file)
        return {};
    return QDateTime::fromString(m_store->value(key + kShiftStartedKey).toString(),
                                 Qt::ISODateWithMs);
}

void AppSettings::setShiftStarted(const QString &file, const QDateTime &started)
{
    const QString key = kStationSection + QLatin1Char('/');
    m_store->setValue(key + kShiftFileKey, file);
    m_store->setValue(key + kShiftStartedKey, started.toUTC().toString(Qt::ISODateWithMs));
}

QStringList AppSettings::recentProfiles() const
{
    return m_store->value(kRecentSection + QLatin1Char('/') + kRecentFilesKey).toStringList();
}

void AppSettings::addRecentProfile(const QString &file)
{
    QStringList files = recentProfiles();
    files.removeAll(file);
    files.prepend(file);
    m_store->setValue(kRecentSection + QLatin1Char('/') + kRecentFilesKey,
                      files.mid(0, kRecentProfilesKept));
}

void AppSettings::removeRecentProfile(const QString &file)
{
    QStringList files = recentProfiles();
    files.removeAll(file);
    m_store->setValue(kRecentSection + QLatin1Char('/') + kRecentFilesKey, files);
}

void AppSettings::clearRecentProfiles()
{
    m_store->remove(kRecentSection);
}

QString AppSettings::portDevice(int number) const
{
    return m_store->value(kPortMapSection + QLatin1Char('/') + QString::number(number)).toString();
}

QString AppSettings::bandPlanRegion() const
{
    return m_store->value(kBandPlanSection + QLatin1Char('/') + kRegionKey).toString();
}

void AppSettings::setBandPlanRegion(const QString &region)
{
    m_store->setValue(kBandPlanSection + QLatin1Char('/') + kRegionKey, region);
}

QByteArray AppSettings::macros() const
{
    return m_store->value(kMacrosSection + QLatin1Char('/') + kMacroListKey).toString().toUtf8();
}

void AppSettings::setMacros(const QByteArray &json)
{
    m_store->setValue(kMacrosSection + QLatin1Char('/') + kMacroListKey, QString::fromUtf8(json));
}

QString AppSettings::language() const
{
    return m_store->value(kInterfaceSection + QLatin1Char('/') + kLanguageKey).toString();
}

void AppSettings::setLanguage(const QString &code)
{
    const QString key = kInterfaceSection + QLatin1Char('/') + kLanguageKey;
    if (code.isEmpty())
        m_store->remove(key);
    else
        m_store->setValue(key, code);
}

QString AppSettings::fileName() const
{
    return m_store->fileName();
}
QString AppSettings::sync()
{
    m_store->sync();
    if (m_store->status() == QSettings::NoError)
        return {};
    return whyUnwritable(fileName());
}

QString AppSettings::whyUnwritable(const QString &file)
{
    const QFileInfo info(file);
    if (info.isDir())
        return QStringLiteral("a folder is in its place");
    // The nearest folder that exists on the way to the file.
    QString folder = info.absolutePath();
    while (!QFileInfo::exists(folder) && folder != QDir::rootPath())
        folder = QFileInfo(folder).absolutePath();
    const QFileInfo existing(folder);
    if (!existing.isDir())
        return QStringLiteral("%1 is not a folder").arg(folder);
    if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0 &&
        folder != info.absolutePath())
        return QStringLiteral("the folder %1 cannot be created: %2")
            .arg(info.absolutePath(), QString::fromLocal8Bit(std::strerror(errno)));
    if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        return QStringLiteral("the folder %1 is not writable: %2")
            .arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
    QFile probe(file);
    if (!probe.open(QIODevice::Append))
        return probe.errorString();
    return QStringLiteral("the settings store could not write it");
}

} // namespace zomar
