#pragma once
// What the line programmer needs from the record of a production line: a
// unit's row (and its local address, when addresses come from a pool) on disk
// before anything is written to the module, and the outcome on disk before
// it is announced. Answers come later, on the thread of the context object
// given, so that a slow disk or another station's lock never stalls the
// module sessions of the event loop.

#include "core/protocol/ConfigBlock.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace zomar {

struct ModuleJob {
    QString device;
    QString byId;      // /dev/serial/by-id name, or ""
    QString byPath;    // /dev/serial/by-path name (the USB socket), or ""
    QString usbSerial; // or ""
    // The device node the module was found on, and its number: a job whose
    // link has gone, or now leads to another device, is never written to.
    QString node = {};  // "" when not known
    quint64 nodeId = 0; // st_rdev

    // The node and number of device now.
    static ModuleJob nodeOf(const QString &device);
    // Whether device (and byPath, the socket's link) still lead to the node
    // it was found on (true when that was not known).
    bool stillThere() const;
};

// A unit's row: "reserved" from before its packet goes out until its outcome
// is known; "unknown" when its run ended without saying (the module may hold
// the address or not, so the address is never handed out again).
enum class UnitState { Reserved, Pass, Fail, Unknown };
QString unitStateName(UnitState state); // "reserved", "pass", "fail", "unknown"
std::optional<UnitState> unitStateFromName(const QString &name);

struct UnitStart {
    ModuleJob job;
    QString operatorName = {}; // who plugged it in ("" when nobody said)
};

struct Reservation {
    QString unitId;               // the row's id (a UUID)
    std::optional<quint32> local; // from the pool; nullopt without one
    bool poolEmpty = false;       // the pool has no address left before FFFFFFFF
    QString error;                // the row could not be committed; nothing may be sent
    // No address can be had now (a station offline with its lease used up):
    // why, in one line. The unit has no row; nothing may be sent, and the
    // line goes on once addresses can be had again.
    QString unavailable;
};

struct UnitSettlement {
    QString unitId;
    bool pass = false;
    // A packet went out, or may have: the address stays taken. Without it the
    // address goes back to its pool.
    bool packetSent = false;
    // The port went away around the packet: whether the module took it is
    // not known (state "unknown"), and the address stays taken.
    bool unknown = false;
    std::optional<quint32> local; // the local address the module was given
    std::optional<ConfigBlock> before;
    std::optional<ConfigBlock> written;
    std::optional<ConfigBlock> readBack;
    QString failure; // the kind of failure, "" for a pass
    QString message;

    UnitState state() const
    {
        return pass ? UnitState::Pass : unknown ? UnitState::Unknown : UnitState::Fail;
    }
};

class LineRecord
{
public:
    virtual ~LineRecord() = default;
    virtual void reserve(const UnitStart &unit, QObject *context,
                         std::function<void(const Reservation &)> done) = 0;
    // done gets "" once the outcome is on disk, else why it is not.
    virtual void settle(const UnitSettlement &settlement, QObject *context,
                        std::function<void(const QString &error)> done) = 0;
    // What is asked between these may be committed together (a tray started
    // at once waits for the disk once).
    virtual void beginBatch() {}
    virtual void endBatch() {}
    // Why no new module may start now ("" when one may): asked before
    // anything is sent to it.
    virtual QString refusal() const { return {}; }
};

} // namespace zomar
