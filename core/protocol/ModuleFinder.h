#pragma once
// Looks for modules: every port given, at every line speed of the window's
// list (38400 first), a configuration read each, one port beside the other on
// the event loop. A port stops at its first answer, or at a port error (busy,
// no permission, gone), which is reported, not retried at other speeds.

#include "core/protocol/ConfigBlock.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace zomar {

class ModuleSession;
class SerialLink;
struct SessionResult;

struct FinderHit {
    QString device;
    int baud = 0;
    ConfigBlock block;
    int skippedA5 = 0;
};

struct FinderProblem {
    QString device;
    QString message;
};

class ModuleFinder : public QObject
{
    Q_OBJECT
public:
    explicit ModuleFinder(const QStringList &devices, QObject *parent = nullptr);
    ~ModuleFinder() override;

    // The line speeds tried, fastest first.
    static QList<int> speedsToTry();

    // Called with each session's link before it opens (e.g. to trace it).
    void setLinkHook(std::function<void(SerialLink &, const QString &device)> hook)
    {
        m_linkHook = std::move(hook);
    }

    void start();
    // Ends the search once the reads under way are over (a read is never cut).
    void cancel();

    int triesTotal() const;
    int triesDone() const { return m_done; }
    bool running() const { return m_running; }
    const QList<FinderHit> &hits() const { return m_hits; }
    const QList<FinderProblem> &problems() const { return m_problems; }

signals:
    // Before each try.
    void trying(const QString &device, int baud);
    void progress(int done, int total);
    void found(const zomar::FinderHit &hit);
    void portFailed(const zomar::FinderProblem &problem);
    void finished(bool cancelled);

private:
    struct PortSearch {
        QString device;
        int speedIndex = 0;
        ModuleSession *session = nullptr;
        bool over = false;
    };
    void tryNext(PortSearch &port);
    void onResult(PortSearch &port, const SessionResult &result);
    void finishIfIdle();

    QList<std::shared_ptr<PortSearch>> m_ports;
    std::function<void(SerialLink &, const QString &)> m_linkHook;
    QList<FinderHit> m_hits;
    QList<FinderProblem> m_problems;
    int m_done = 0;
    bool m_running = false;
    bool m_cancelled = false;
};

} // namespace zomar

Q_DECLARE_METATYPE(zomar::FinderHit)
Q_DECLARE_METATYPE(zomar::FinderProblem)
