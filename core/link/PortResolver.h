#pragma once
// Maps the port numbers of the port list ("1".."15", or a saved number) to
// serial devices on this system.

#include "core/link/PortCatalog.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>

namespace zomar {

class PortResolver
{
public:
    // The one reading of a device name, wherever it is given (a mapping, a
    // saved port, a device named on a command line): a name without "/" is looked up under /dev
    // ("ttyUSB0"); a name with one is a path, relative to the working folder.
    static QString devicePath(const QString &name);

    // Highest priority: an explicit mapping (command line, built-in virtual module).
    void setExplicit(int number, const QString &device, const QString &description = {});
    // "N=DEVICE", a mapping as a user types it (N of 1 or more, a device named), or nullopt.
    static std::optional<std::pair<int, QString>> parseMapping(const QString &entry);
    // Next: a lookup of saved mappings ("Ports/N"); returns "" when none.
    void setSavedLookup(std::function<QString(int)> lookup);
    // Last: the system's serial ports. Replaceable so tests need no hardware.
    void setSystemPortsSource(std::function<QList<SystemPort>()> source);

    // The device port n maps to, or "" when it maps to nothing. Without a
    // list of system ports it asks the system afresh.
    QString deviceFor(int number) const;
    QString deviceFor(int number, const QList<SystemPort> &ordered) const;
    // Tool-tip text naming the device and its description, or "" when unmapped.
    QString describe(int number) const;
    QString describe(int number, const QList<SystemPort> &ordered) const;
    // The numbers from 1 to `highest` that map to the device (by its
    // canonical path), lowest first.
    QList<int> numbersFor(const QString &device, const QList<SystemPort> &ordered,
                          int highest) const;
    // Whether number n has an explicit mapping (command line, virtual module).
    bool isExplicit(int number) const { return m_explicit.contains(number); }

    // The system's ports in a stable order: USB adapters (ttyUSB*, ttyACM*)
    // first, then the rest; within each group by name, numbers compared as numbers.
    QList<SystemPort> orderedSystemPorts() const;
    static QList<SystemPort> sortPorts(QList<SystemPort> ports);

private:
    struct Explicit {
        QString device;
        QString description;
    };
    QMap<int, Explicit> m_explicit;
    std::function<QString(int)> m_saved;
    std::function<QList<SystemPort>()> m_system;
};

} // namespace zomar
