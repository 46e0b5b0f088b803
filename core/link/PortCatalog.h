#pragma once
// The serial ports the system has, with what it knows of each: description,
// manufacturer, USB ids and serial number, and the stable names udev gives
// them under /dev/serial (by-id: the adapter; by-path: the USB socket).

#include <QList>
#include <QString>

namespace zomar {

struct SystemPort {
    SystemPort(QString dev = {}, QString desc = {})
        : device(std::move(dev)), description(std::move(desc))
    {}

    QString device;      // full path, e.g. /dev/ttyUSB0
    QString description; // what the system says about it (may be empty)
    QString manufacturer;
    QString serialNumber;
    quint16 vendorId = 0;
    quint16 productId = 0;
    bool hasUsbIds = false;
    QString byId;   // /dev/serial/by-id/... naming this device, or ""
    QString byPath; // /dev/serial/by-path/... naming this device, or ""
};

namespace PortCatalog {
// One walk over the system's ports (sysfs and udev): costly, so callers take
// one result and share it.
QList<SystemPort> scan();
// The /dev/serial/by-id and by-path names of a device ("" when none).
QString byIdName(const QString &device);
QString byPathName(const QString &device);
} // namespace PortCatalog

} // namespace zomar
