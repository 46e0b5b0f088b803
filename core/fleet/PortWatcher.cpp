#include "core/fleet/PortWatcher.h"

#include "core/link/PortCatalog.h"
#include "core/link/SerialLink.h"

#include <QDir>
#include <QFileInfo>

namespace zomar {

PortWatcher::PortWatcher(const QString &folder, QObject *parent) : QObject(parent), m_folder(folder)
{
    m_timer.setInterval(kPollMs);
    connect(&m_timer, &QTimer::timeout, this, &PortWatcher::poll);
    connect(&m_changes, &QFileSystemWatcher::directoryChanged, this, [this] {
        if (m_timer.isActive())
            poll();
    });
}

PortWatcher::Folder PortWatcher::folderState(const QString &folder)
{
    if (folder.isEmpty() || QFileInfo(folder).isDir())
        return Folder::Present;
    // udev makes /dev/serial and its folders with the first serial adapter:
    // without one, none of them is there.
    const QString clean = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QString parent = QFileInfo(clean).absolutePath();
    return clean.startsWith(QLatin1String("/dev/")) && parent != QLatin1String("/dev") &&
                   !QFileInfo::exists(parent)
               ? Folder::NotYet
               : Folder::Missing;
}

void PortWatcher::start()
{
    m_folderState = folderState(m_folder);
    m_known = present();
    watchFolder();
    m_timer.start();
}

void PortWatcher::watchFolder()
{
    if (!m_folder.isEmpty() && m_changes.directories().isEmpty() && QFileInfo(m_folder).isDir())
        m_changes.addPath(m_folder);
    // A folder that is gone is no longer reported on: poll for its return.
    m_timer.setInterval(m_changes.directories().isEmpty() ? kPollMs : kWatchedPollMs);
}

QMap<QString, ModuleJob> PortWatcher::present() const
{
    QMap<QString, ModuleJob> devices;
    if (m_folder.isEmpty()) {
        for (const SystemPort &port : PortCatalog::scan()) {
            ModuleJob job = ModuleJob::nodeOf(port.device);
            job.device = port.device;
            job.byId = port.byId;
            job.byPath = port.byPath;
            job.usbSerial = port.serialNumber;
            devices.insert(port.device, job);
        }
        return devices;
    }
    const QFileInfoList entries = QDir(m_folder).entryInfoList(QDir::Files | QDir::System);
    for (const QFileInfo &entry : entries) {
        // A link whose device is gone is not a port.
        if (!entry.exists())
            continue;
        ModuleJob job = ModuleJob::nodeOf(entry.absoluteFilePath());
        if (job.node.isEmpty())
            continue;
        job.device = job.node;
        job.byId = PortCatalog::byIdName(job.node);
        job.byPath = entry.absoluteFilePath();
        devices.insert(job.device, job);
    }
    return devices;
}

void PortWatcher::poll()
{
    watchFolder();
    if (const Folder state = folderState(m_folder); state != m_folderState) {
        m_folderState = state;
        emit folderChanged(state);
    }
    const QMap<QString, ModuleJob> now = present();
    for (auto it = now.cbegin(); it != now.cend(); ++it)
        if (!m_known.contains(it.key()))
            emit appeared(it.value());
    for (auto it = m_known.cbegin(); it != m_known.cend(); ++it)
        if (!now.contains(it.key()))
            emit disappeared(it.key());
    m_known = now;
}

} // namespace zomar
