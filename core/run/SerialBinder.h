#pragma once
// Product serials scanned for the units of a run, bound in the record on a
// thread of their own so that the record (or a server) never holds up the
// line. In a store file a serial is bound at once; on a server it goes
// through the station's journal, after the unit's own rows, once no other
// unit holds it: neither one of the serials waiting in the journal nor (when
// the server answers) one bound on the server.

#include "core/store/JoinedThread.h"
#include "core/store/StoreTrace.h"

#include <QObject>
#include <QRegularExpression>

#include <memory>
#include <optional>

namespace zomar {

class ProductionStore;
class ServerDeadline;
class StationJournal;

// What a scanned serial may be: one line of printable text, of at most
// kSerialMaxLength characters, matching the pattern (when one is set) whole.
inline constexpr int kSerialMaxLength = 80;
enum class SerialFault { None, Empty, NotPrintable, TooLong, NoMatch };
SerialFault serialFault(const QString &serial, const QRegularExpression *pattern);

class SerialBinder : public QObject
{
    Q_OBJECT
public:
    struct Setup {
        QString store;   // the store file, or the server's address
        QString journal; // on a server: the station's journal ("" for a file)
        qint64 runId = 0;
        std::optional<qint64> poolId;
    };
    explicit SerialBinder(const Setup &setup, QObject *parent = nullptr);
    ~SerialBinder() override; // serials asked for are bound first

    // Binds the serial to the unit; bound() follows on this object's thread.
    void bind(const QString &unitId, const QString &serial);
    int pending() const { return m_pending; }

signals:
    void bound(const QString &unitId, const zomar::SerialBinding &binding);

private:
    SerialBinding bindNow(const QString &unitId, const QString &serial); // the thread's
    SerialBinding bindOnServer(const QString &unitId, const QString &serial);

    Setup m_setup;
    // The thread's: its connections, opened when first needed.
    std::unique_ptr<ProductionStore> m_store;
    std::unique_ptr<StationJournal> m_journal;
    // A check on the server that the network holds up is cut, as the
    // forwarder's statements are: the scans after it must not wait.
    std::unique_ptr<ServerDeadline> m_deadline;
    int m_pending = 0;
    JoinedThread m_thread{QStringLiteral("SerialBinder")};
};

} // namespace zomar

Q_DECLARE_METATYPE(zomar::SerialBinding)
