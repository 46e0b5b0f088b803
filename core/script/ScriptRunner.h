#pragma once
// Runs one script (JavaScript, in Qt's QJSEngine) on a thread of its own,
// while the serial ports stay on the event loop: the script's calls wait on
// a condition variable for the event loop's answer, so the script reads as
// plain steps (expect() returns what matched) and no event loop is nested.
// A stop (Ctrl+C, a Stop button, the time limit) ends every wait at once and
// the engine at its next step; module operations under way end as they
// would, and a module the script left in command mode is sent "---".

#include "core/protocol/Band.h"
#include "core/script/ScriptChannel.h"
#include "core/script/ScriptPort.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <thread>

namespace zomar {

class SerialLink;

struct ScriptOptions {
    QString outputFolder;  // where csv() writes
    Band band = Band::Mhz433; // how frequencies are read and given
    QStringList args;      // the script's `args`
    int timeLimitMs = 0;   // 0: none
};

struct ScriptOutcome {
    enum Kind {
        Done,
        Error,        // a thrown error (a syntax error too)
        Timeout,      // an expect() that timed out, not caught
        ModuleFailed, // a module operation that failed, not caught
        Stopped,      // asked to stop
        TimeLimit,    // ran past its time limit
        NotStarted,   // its port could not be opened
    };
    Kind kind = Done;
    QString message;       // the error, as the script's engine words it
    QString file;
    int line = 0;          // 0: not known
    QString moduleOutcome; // ModuleFailed: "no_answer", "mismatch", "port_failed", "invalid_value"
    bool stateUnknown = false;
    QStringList notes;     // what the end did: "---" sent, a CSV file incomplete

    bool ok() const { return kind == Done; }
    // "soak.js:12: TimeoutError: expect ..." (no place when none is known).
    QString text() const;
};

class ScriptRunner : public QObject
{
    Q_OBJECT
public:
    explicit ScriptRunner(ScriptOptions options, QObject *parent = nullptr);
    // Stops a script that still runs and waits for its thread.
    ~ScriptRunner() override;

    // The port that send(), expect() and module use: a device of the
    // script's own (opened when the script starts) or a front end's link.
    void useDevice(const QString &device, int baud);
    void useLink(SerialLink &link, ScriptPort::Hold hold);
    // What the script's `devices` lists.
    void setDevices(const QStringList &devices) { m_devices = devices; }
    // Called for each link the script opens (a trace of the line).
    void setLinkHook(std::function<void(SerialLink &, const QString &)> hook)
    {
        m_linkHook = std::move(hook);
    }

    // Starts the script; false when one runs already. finished() follows.
    bool start(const QString &source, const QString &fileName);
    void stop(ScriptStop why = ScriptStop::Asked);
    bool running() const { return m_running; }

    // On the event loop, for the script's requests.
    ScriptPort *port(int id);
    void openPort(const QString &device, int baud, const ScriptPort::Reply &done);
    void closePort(int id, const ScriptPort::Reply &done);

signals:
    void logLine(const QString &text);
    void finished(const zomar::ScriptOutcome &outcome);

private:
    void workerEnded(ScriptOutcome outcome);
    void finishPorts();
    ScriptPort *addPort(ScriptPort *port);

    ScriptOptions m_options;
    QString m_device;
    int m_baud = 0;
    SerialLink *m_link = nullptr;
    ScriptPort::Hold m_hold;
    QStringList m_devices;
    std::function<void(SerialLink &, const QString &)> m_linkHook;
    std::shared_ptr<ScriptChannel> m_channel;
    std::map<int, ScriptPort *> m_ports;
    int m_nextPort = 0;
    std::thread m_thread;
    QTimer m_timeLimit;
    bool m_running = false;
    ScriptOutcome m_outcome;
    int m_finishing = 0;
};

} // namespace zomar

Q_DECLARE_METATYPE(zomar::ScriptOutcome)
