#include "sim/SlotRack.h"

#include "core/protocol/ConfigBlock.h"

#include <QDir>
#include <QFile>

namespace zomar {

SlotRack::SlotRack(int count, const QString &folder)
    : m_folder(folder.isEmpty() ? m_ownFolder.path() : folder)
{
    QDir().mkpath(m_folder);
    m_modules.resize(size_t(std::max(count, 0)));
}

SlotRack::~SlotRack()
{
    for (int i = 0; i < count(); ++i)
        unplug(i);
}

QString SlotRack::socketName(int slot)
{
    // Shaped like a USB hub's by-path names, one port per socket.
    return QStringLiteral("platform-zomar-sim-usb-0:1.%1:1.0-port0").arg(slot + 1);
}

QString SlotRack::linkPath(int slot) const
{
    return QDir(m_folder).filePath(portName(slot));
}

VirtualModule *SlotRack::module(int slot) const
{
    return slot >= 0 && slot < count() ? m_modules[size_t(slot)].get() : nullptr;
}

VirtualModule *SlotRack::plug(int slot, Fault fault, QString *error)
{
    if (slot < 0 || slot >= count()) {
        if (error)
            *error = QStringLiteral("no socket %1").arg(slot + 1);
        return nullptr;
    }
    unplug(slot);
    auto module = std::make_unique<VirtualModule>();
    if (!module->start(error))
        return nullptr;
    switch (fault) {
    case Fault::None:
        break;
    case Fault::Silent:
        module->setAnswerOverride(QByteArray());
        break;
    case Fault::Mismatch:
        module->setStoreOverride(VirtualModule::factoryConfiguration());
        break;
    case Fault::PulledMidWrite:
        // Gone before its new block is kept: it holds the one it had.
        module->setStoreOverride(module->configuration());
        [[fallthrough]];
    case Fault::Pulled:
    case Fault::PulledEarly: {
        // The link goes first, as udev removes it when the adapter goes.
        const QString link = linkPath(slot);
        const bool early = fault == Fault::PulledEarly;
        if (early)
            module->setAnswerOverride(QByteArray());
        module->setHangUpAfter([link, early](const QByteArray &message) {
            if (message.size() != (early ? 3 : kBlockSize))
                return false;
            QFile::remove(link);
            return true;
        });
        break;
    }
    }
    const QString link = linkPath(slot);
    QFile::remove(link);
    if (!QFile::link(module->devicePath(), link)) {
        if (error)
            *error = QStringLiteral("cannot make the link %1").arg(link);
        return nullptr;
    }
    m_modules[size_t(slot)] = std::move(module);
    return m_modules[size_t(slot)].get();
}

void SlotRack::unplug(int slot)
{
    if (!plugged(slot))
        return;
    QFile::remove(linkPath(slot));
    m_modules[size_t(slot)].reset();
}

QString SlotRack::faultName(Fault fault)
{
    switch (fault) {
    case Fault::None:
        return QStringLiteral("sound");
    case Fault::Silent:
        return QStringLiteral("silent");
    case Fault::Mismatch:
        return QStringLiteral("faulty");
    case Fault::Pulled:
        return QStringLiteral("pulled out");
    case Fault::PulledEarly:
        return QStringLiteral("pulled out early");
    case Fault::PulledMidWrite:
        return QStringLiteral("pulled out mid-write");
    }
    return {};
}

const QList<SlotRack::Fault> &SlotRack::faults()
{
    static const QList<Fault> all = {Fault::None,   Fault::Silent,      Fault::Mismatch,
                                     Fault::Pulled, Fault::PulledEarly, Fault::PulledMidWrite};
    return all;
}

std::optional<SlotRack::Fault> SlotRack::faultNamed(const QString &name)
{
    for (Fault fault : faults())
        if (faultName(fault) == name)
            return fault;
    return std::nullopt;
}

} // namespace zomar
