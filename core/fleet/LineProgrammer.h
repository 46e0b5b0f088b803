#pragma once
// Programs modules on a production line: one module session per port, all
// side by side on the event loop. Each module is read (it is there, and what
// it had), given its block (the profile's fields, its own local address from
// the allocator when there is one), written, read back and verified, and
// logged before its result is announced. A module that fails never stops or
// slows the others.

#include "core/fleet/AddressAllocator.h"
#include "core/fleet/ProgramLog.h"
#include "core/profiles/Profile.h"

#include <QObject>

#include <memory>
#include <optional>

namespace zomar {

class ModuleSession;
class SerialLink;
struct SessionResult;

struct ModuleJob {
    QString device;
    QString byId;      // /dev/serial/by-id name, or ""
    QString byPath;    // /dev/serial/by-path name (the USB socket), or ""
    QString usbSerial; // or ""
};

struct ModuleOutcome {
    // Why a module did not pass, worst last.
    enum Failure {
        None,
        RefusedValue, // its block could not be made (no address left, a byte A5)
        NoAnswer,     // silent, or not a whole block
        Mismatch,     // the read-back differs from what was written
        PortFailed,   // the port could not be opened, or was lost
        NotRecorded,  // its row could not be written
    };
    // The failure a module session's result stands for (None when it is done).
    static Failure failureOf(const SessionResult &result);
    ModuleJob job;
    bool pass = false;
    Failure failure = None;
    QString message;
    std::optional<quint32> local; // the local address given
    std::optional<ConfigBlock> before;
    std::optional<ConfigBlock> written;
    std::optional<ConfigBlock> readBack;
    QString logError; // the row could not be written
};

class LineProgrammer : public QObject
{
    Q_OBJECT
public:
    LineProgrammer(const Profile &profile, int baud, QObject *parent = nullptr);
    ~LineProgrammer() override;

    // Optional: where local addresses come from, and the log (both outlive this).
    void setAllocator(AddressAllocator *allocator) { m_allocator = allocator; }
    void setLog(ProgramLog *log, const QString &profileFile, const QString &profileSha256);
    void setLinkHook(std::function<void(SerialLink &, const QString &)> hook)
    {
        m_linkHook = std::move(hook);
    }

    // Starts a module now; one at a time per device.
    bool program(const ModuleJob &job);
    int inFlight() const { return static_cast<int>(m_running.size()); }
    bool busyWith(const QString &device) const;

signals:
    // After the module's row is on disk.
    void moduleFinished(const zomar::ModuleOutcome &outcome);

private:
    struct Running;
    void onResult(Running &run, const SessionResult &result);
    void conclude(Running &run, ModuleOutcome::Failure failure, const QString &message);

    Profile m_profile;
    int m_baud;
    AddressAllocator *m_allocator = nullptr;
    ProgramLog *m_log = nullptr;
    QString m_profileFile;
    QString m_profileSha;
    QString m_station;
    std::function<void(SerialLink &, const QString &)> m_linkHook;
    std::vector<std::unique_ptr<Running>> m_running;
};

} // namespace zomar

Q_DECLARE_METATYPE(zomar::ModuleOutcome)
