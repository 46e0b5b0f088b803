#pragma once
// What the supervisor's page shows, read from the record on a thread of its
// own every second (the integrity check less often) and kept as finished JSON,
// so that any number of browsers cost the record one reader. Every answer
// says when it was read and whether the record could be read at all.

#include "core/fleet/JoinedThread.h"

#include <QByteArray>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QTime>

#include <memory>

namespace zomar {

class ProductionStore;

struct SnapshotOptions {
    QString location;    // the record
    QList<QTime> shifts; // when shifts start (the figures are this shift's)
    int refreshMs = 1000;
    int checkEveryMs = 10000;
    int lastUnits = 30;
    int failuresShown = 3;
};

// The JSON documents of one reading; empty until the first.
struct Snapshot {
    QByteArray stations, stats, check, units;
    qint64 readAtMs = 0;
    QString problem; // the record cannot be read: why ("" when it can)
};

class LineSnapshot : public QObject
{
    Q_OBJECT
public:
    explicit LineSnapshot(SnapshotOptions options);
    ~LineSnapshot() override;

    // Starts reading on a thread of its own; the first reading is waited for
    // (up to a few seconds) so that the first page has figures.
    void start();
    Snapshot current() const;
    const SnapshotOptions &options() const { return m_options; }

private:
    class Reader;
    SnapshotOptions m_options;
    mutable QMutex m_mutex;
    Snapshot m_current;
    // Joined, not a QThread: its connection's thread-local state must be
    // freed before the program exits.
    JoinedThread m_thread{QStringLiteral("line snapshot")};
    Reader *m_reader = nullptr;
    friend class Reader;
};

} // namespace zomar
