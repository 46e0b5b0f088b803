#pragma once
// A hub of sockets for a station without hardware: a folder of links named
// as /dev/serial/by-path names a hub's sockets, each pointing at a virtual
// module's terminal while a module is plugged in. Plugging starts a module
// and makes its link; unplugging removes the link and then the module, so
// its device disappears as when an adapter is pulled. A module may be
// plugged with a fault: silent, one that stores something else than it is
// sent, or one pulled out before, as or after its new block arrives.

#include "sim/VirtualModule.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <optional>
#include <vector>

namespace zomar {

class SlotRack
{
public:
    enum class Fault {
        None,
        Silent,   // never answers
        Mismatch, // keeps another block than it is sent
        Pulled,   // its link and device go once it has stored its new block
        PulledEarly,   // they go as it is asked for its block ("+++"), unanswered
        PulledMidWrite, // they go as its new block arrives, before it stores it
    };

    // count sockets in folder ("": a temporary folder of the rack's own).
    explicit SlotRack(int count, const QString &folder = {});
    ~SlotRack();
    SlotRack(const SlotRack &) = delete;
    SlotRack &operator=(const SlotRack &) = delete;

    QString folder() const { return m_folder; }
    int count() const { return int(m_modules.size()); }
    // The socket's link name, as a by-path name looks.
    QString portName(int slot) const { return socketName(slot); }
    static QString socketName(int slot);
    QString linkPath(int slot) const;

    // Starts a module in the socket (one already there is unplugged first);
    // nullptr with error set when none can start.
    VirtualModule *plug(int slot, Fault fault = Fault::None, QString *error = nullptr);
    void unplug(int slot);
    bool plugged(int slot) const { return module(slot) != nullptr; }
    VirtualModule *module(int slot) const;

    static QString faultName(Fault fault); // "silent", ...
    static std::optional<Fault> faultNamed(const QString &name);
    static const QList<Fault> &faults();

private:
    QTemporaryDir m_ownFolder;
    QString m_folder;
    std::vector<std::unique_ptr<VirtualModule>> m_modules;
};

} // namespace zomar
