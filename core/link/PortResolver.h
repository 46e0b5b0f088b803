#pragma once
// Maps the port numbers of the port list ("1".."15", or a saved number) to
// serial devices on this system.

#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>

namespace zomar {

struct SystemPort {
    QString device;      // full path, e.g. /dev/ttyUSB0
    QString description; // what the system says about it (may be empty)
};

class PortResolver
{
public:
    // Highest priority: an explicit mapping (command line, built-in virtual module).
    void setExplicit(int number, const QString &device, const QString &description = {});
    // Next: a lookup of saved mappings ("Ports/N"); returns "" when none.
    void setSavedLookup(std::function<QString(int)> lookup);
    // Last: the system's serial ports. Replaceable so tests need no hardware.
    void setSystemPortsSource(std::function<QList<SystemPort>()> source);

    // The device port n maps to, or "" when it maps to nothing.
    QString deviceFor(int number) const;
    // Tool-tip text naming the device and its description, or "" when unmapped.
    QString describe(int number) const;

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
