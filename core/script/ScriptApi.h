#pragma once
// What a script can call, on the script's thread: a port (send, expect,
// received, its module), sleep, log, open, csv. Each waits for the event
// loop through the channel, never with an event loop of its own. Nothing
// else is given to the engine: no file, process or network access beyond
// these.

#include "core/protocol/Band.h"
#include "core/script/ScriptChannel.h"
#include "core/script/ScriptPort.h"

#include <QJSValue>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QJSEngine;

namespace zomar {

class ScriptCsv;
class ScriptRunner;

// What the objects of one run share.
struct ScriptContext {
    QJSEngine *engine = nullptr;
    std::shared_ptr<ScriptChannel> channel;
    ScriptRunner *runner = nullptr; // touched on the event loop only, by requests
    QString outputFolder;
    Band band = Band::Mhz433;
    std::vector<std::unique_ptr<ScriptCsv>> csvFiles;

    using Request = std::function<void(ScriptRunner &, const ScriptPort::Reply &)>;
    // Hands the request to the event loop and waits for its answer; nullopt
    // when the script was stopped first.
    std::optional<ScriptReply> ask(const Request &request);
    // Throws the JavaScript error of a failed reply, or of a stop.
    void throwReply(const ScriptReply &reply);
    void throwError(const QString &message, const QString &name = QStringLiteral("Error"));
    void throwStopped();
    // Bytes from a string (a character a byte, 0 to 255), an ArrayBuffer, a
    // typed array or an array of numbers; nullopt (and a thrown error)
    // otherwise.
    std::optional<QByteArray> bytesOf(const QJSValue &value, const QString &what);
};

class JsPort : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString device MEMBER m_device CONSTANT)
    Q_PROPERTY(int baud MEMBER m_baud CONSTANT)
public:
    // id -1: no port (every call says how to get one).
    JsPort(ScriptContext &context, int id, const QString &device, int baud);

    Q_INVOKABLE void send(const QJSValue &data);
    Q_INVOKABLE QJSValue expect(const QJSValue &pattern, const QJSValue &timeoutMs);
    Q_INVOKABLE QString received();
    Q_INVOKABLE void close();
    Q_INVOKABLE QJSValue moduleRead();
    Q_INVOKABLE QJSValue moduleWrite(const QJSValue &changes);
    Q_INVOKABLE QJSValue moduleReset();

private:
    bool usable(const QString &call);
    QJSValue moduleReply(const ScriptContext::Request &request);

    ScriptContext &m_context;
    int m_id;
    QString m_device;
    int m_baud;
};

class JsCsv : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString path READ path CONSTANT)
public:
    JsCsv(ScriptContext &context, ScriptCsv &file) : m_context(context), m_file(file) {}
    QString path() const;
    // An array of values in column order, or an object with the columns' names.
    Q_INVOKABLE void row(const QJSValue &values);
    Q_INVOKABLE void close();

private:
    ScriptContext &m_context;
    ScriptCsv &m_file;
};

class JsHost : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList args MEMBER m_args CONSTANT)
    Q_PROPERTY(QStringList devices MEMBER m_devices CONSTANT)
public:
    JsHost(ScriptContext &context, QStringList args, QStringList devices)
        : m_context(context), m_args(std::move(args)), m_devices(std::move(devices))
    {}

    Q_INVOKABLE void sleep(const QJSValue &ms);
    Q_INVOKABLE void log(const QString &text);
    Q_INVOKABLE QJSValue open(const QString &device, const QJSValue &baud);
    Q_INVOKABLE QJSValue csv(const QString &name, const QJSValue &columns);

private:
    ScriptContext &m_context;
    QStringList m_args;
    QStringList m_devices;
};

} // namespace zomar
