#include "core/link/PortResolver.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace zomar {

namespace {

QString baseName(const QString &device)
{
    const qsizetype slash = device.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? device : device.mid(slash + 1);
}

bool isUsbAdapter(const QString &device)
{
    const QString name = baseName(device);
    return name.startsWith(QLatin1String("ttyUSB")) || name.startsWith(QLatin1String("ttyACM"));
}

// Compares names so that runs of digits compare by value: ttyUSB2 < ttyUSB10.
int compareNatural(const QString &a, const QString &b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a.at(i).isDigit() && b.at(j).isDigit()) {
            // Skip leading zeros, then the longer run is the larger number.
            while (i < a.size() && a.at(i) == QLatin1Char('0'))
                ++i;
            while (j < b.size() && b.at(j) == QLatin1Char('0'))
                ++j;
            qsizetype endA = i;
            qsizetype endB = j;
            while (endA < a.size() && a.at(endA).isDigit())
                ++endA;
            while (endB < b.size() && b.at(endB).isDigit())
                ++endB;
            const qsizetype lenA = endA - i;
            const qsizetype lenB = endB - j;
            if (lenA != lenB)
                return lenA < lenB ? -1 : 1;
            const int digits = QStringView(a).mid(i, lenA).compare(QStringView(b).mid(j, lenB));
            if (digits != 0)
                return digits;
            i = endA;
            j = endB;
            continue;
        }
        if (a.at(i) != b.at(j))
            return a.at(i) < b.at(j) ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

QString withDescription(const QString &device, const QString &description)
{
    if (description.trimmed().isEmpty())
        return device;
    return device + QStringLiteral(" - ") + description.trimmed();
}

} // namespace

QString PortResolver::devicePath(const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return trimmed;
    if (!trimmed.contains(QLatin1Char('/')))
        return QStringLiteral("/dev/") + trimmed;
    return QDir::cleanPath(QDir::current().absoluteFilePath(trimmed));
}

void PortResolver::setExplicit(int number, const QString &device, const QString &description)
{
    m_explicit.insert(number, Explicit{devicePath(device), description});
}

void PortResolver::setSavedLookup(std::function<QString(int)> lookup)
{
    m_saved = std::move(lookup);
}

void PortResolver::setSystemPortsSource(std::function<QList<SystemPort>()> source)
{
    m_system = std::move(source);
}

QString PortResolver::deviceFor(int number) const
{
    if (number < 1)
        return {};
    // Only the system's ports need the (costly) scan.
    if (m_explicit.contains(number) || (m_saved && !m_saved(number).trimmed().isEmpty()))
        return deviceFor(number, {});
    return deviceFor(number, orderedSystemPorts());
}

QString PortResolver::deviceFor(int number, const QList<SystemPort> &ports) const
{
    if (number < 1)
        return {};
    const auto explicitIt = m_explicit.constFind(number);
    if (explicitIt != m_explicit.constEnd())
        return explicitIt->device;
    if (m_saved) {
        const QString saved = devicePath(m_saved(number));
        if (!saved.isEmpty())
            return saved;
    }
    if (number <= ports.size())
        return devicePath(ports.at(number - 1).device);
    return {};
}

QString PortResolver::describe(int number) const
{
    if (m_explicit.contains(number))
        return describe(number, {});
    return describe(number, orderedSystemPorts());
}

QString PortResolver::describe(int number, const QList<SystemPort> &ports) const
{
    if (number < 1)
        return {};
    const auto explicitIt = m_explicit.constFind(number);
    if (explicitIt != m_explicit.constEnd())
        return withDescription(explicitIt->device, explicitIt->description);

    const QString device = deviceFor(number, ports);
    if (device.isEmpty())
        return {};
    // A saved mapping carries no description of its own; the system may know
    // the device.
    for (const SystemPort &port : ports) {
        if (devicePath(port.device) == device)
            return withDescription(device, port.description);
    }
    return device;
}

QList<int> PortResolver::numbersFor(const QString &device, const QList<SystemPort> &ordered,
                                    int highest) const
{
    QList<int> numbers;
    const QString wanted = QFileInfo(device).canonicalFilePath();
    if (wanted.isEmpty())
        return numbers;
    for (int n = 1; n <= highest; ++n) {
        const QString mapped = deviceFor(n, ordered);
        if (!mapped.isEmpty() && QFileInfo(mapped).canonicalFilePath() == wanted)
            numbers << n;
    }
    return numbers;
}

QList<SystemPort> PortResolver::orderedSystemPorts() const
{
    return sortPorts(m_system ? m_system() : PortCatalog::scan());
}

QList<SystemPort> PortResolver::sortPorts(QList<SystemPort> ports)
{
    std::stable_sort(ports.begin(), ports.end(), [](const SystemPort &a, const SystemPort &b) {
        const bool usbA = isUsbAdapter(a.device);
        const bool usbB = isUsbAdapter(b.device);
        if (usbA != usbB)
            return usbA;
        const int byName = compareNatural(baseName(a.device), baseName(b.device));
        if (byName != 0)
            return byName < 0;
        return compareNatural(a.device, b.device) < 0;
    });
    return ports;
}

std::optional<std::pair<int, QString>> PortResolver::parseMapping(const QString &entry)
{
    const qsizetype eq = entry.indexOf(QLatin1Char('='));
    bool ok = false;
    const int n = eq > 0 ? entry.left(eq).toInt(&ok) : 0;
    if (!ok || n < 1 || eq + 1 >= entry.size())
        return std::nullopt;
    return std::make_pair(n, entry.mid(eq + 1));
}

} // namespace zomar
