#include "core/link/PortCatalog.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

namespace zomar {

namespace {

// The link in a /dev/serial folder that points at the device.
QString linkTo(const QString &folder, const QString &device)
{
    const QString target = QFileInfo(device).canonicalFilePath();
    if (target.isEmpty())
        return {};
    const QDir dir(folder);
    const QFileInfoList links = dir.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo &link : links) {
        if (link.canonicalFilePath() == target)
            return link.absoluteFilePath();
    }
    return {};
}

} // namespace

QString PortCatalog::byIdName(const QString &device)
{
    return linkTo(QStringLiteral("/dev/serial/by-id"), device);
}

QString PortCatalog::byPathName(const QString &device)
{
    return linkTo(QStringLiteral("/dev/serial/by-path"), device);
}

QList<SystemPort> PortCatalog::scan()
{
    QList<SystemPort> ports;
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos) {
        SystemPort p;
        p.device = info.systemLocation();
        p.description = info.description();
        p.manufacturer = info.manufacturer();
        p.serialNumber = info.serialNumber();
        p.hasUsbIds = info.hasVendorIdentifier() && info.hasProductIdentifier();
        p.vendorId = info.vendorIdentifier();
        p.productId = info.productIdentifier();
        p.byId = byIdName(p.device);
        p.byPath = byPathName(p.device);
        ports.append(p);
    }
    return ports;
}

} // namespace zomar
