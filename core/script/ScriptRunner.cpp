#include "core/script/ScriptRunner.h"

#include "core/link/PortResolver.h"
#include "core/link/SerialLink.h"
#include "core/script/ScriptApi.h"
#include "core/script/ScriptCsv.h"

#include <QJSEngine>
#include <QJSValueIterator>

namespace zomar {

namespace {

const QString kPreludeFile = QStringLiteral("zomar-script-api.js");

// The script's globals, made from the objects of ScriptApi: plain functions,
// and the port and its module as objects of their own for open()'s ports.
const QString kPrelude = QStringLiteral(R"JS(
(function (host, port) {
    "use strict";
    function text(item) {
        if (typeof item === "string")
            return item;
        if (item === undefined || typeof item === "function" || item instanceof Error)
            return String(item);
        try { return JSON.stringify(item); } catch (e) { return String(item); }
    }
    function wrap(p) {
        return Object.freeze({
            device: p.device,
            baud: p.baud,
            send: function (data) { p.send(data); },
            expect: function (pattern, timeoutMs) { return p.expect(pattern, timeoutMs); },
            received: function () { return p.received(); },
            close: function () { p.close(); },
            module: Object.freeze({
                read: function () { return p.moduleRead(); },
                write: function (changes) { return p.moduleWrite(changes); },
                reset: function () { return p.moduleReset(); }
            })
        });
    }
    var main = wrap(port);
    return {
        port: main,
        send: main.send,
        expect: main.expect,
        received: main.received,
        module: main.module,
        sleep: function (ms) { host.sleep(ms); },
        log: function () { host.log(Array.prototype.map.call(arguments, text).join(" ")); },
        open: function (device, baud) { return wrap(host.open(String(device), baud)); },
        csv: function (name, columns) {
            var file = host.csv(String(name), columns);
            return Object.freeze({
                path: file.path,
                row: function () {
                    var one = arguments.length === 1 && typeof arguments[0] === "object" &&
                              arguments[0] !== null;
                    file.row(one ? arguments[0] : Array.prototype.slice.call(arguments));
                },
                close: function () { file.close(); }
            });
        },
        args: Object.freeze(host.args.slice()),
        devices: Object.freeze(host.devices.slice())
    };
})
)JS");

// Where the script was when it failed: the first frame of the script itself
// ("function:line:column:file", the API's own frames left out).
int scriptLine(const QStringList &trace)
{
    for (const QString &frame : trace) {
        const QStringList parts = frame.split(QLatin1Char(':'));
        if (parts.size() < 4 || frame.endsWith(kPreludeFile))
            continue;
        bool ok = false;
        const int line = parts.at(1).toInt(&ok);
        if (ok && line > 0)
            return line;
    }
    return 0;
}

ScriptOutcome outcomeOf(const QJSValue &result, const QStringList &trace, ScriptStop stop,
                        int timeLimitMs)
{
    ScriptOutcome o;
    if (stop == ScriptStop::Asked) {
        o.kind = ScriptOutcome::Stopped;
        o.message = QStringLiteral("stopped");
        return o;
    }
    if (stop == ScriptStop::TimeLimit) {
        o.kind = ScriptOutcome::TimeLimit;
        o.message = QStringLiteral("stopped: the script ran past its time limit of %1 s")
                        .arg(timeLimitMs / 1000.0);
        return o;
    }
    if (trace.isEmpty() && !result.isError())
        return o;
    o.line = scriptLine(trace);
    o.message = result.toString();
    const QString name = result.property(QStringLiteral("name")).toString();
    if (name == QLatin1String("TimeoutError")) {
        o.kind = ScriptOutcome::Timeout;
    } else if (name == QLatin1String("ModuleError") || name == QLatin1String("PortError")) {
        o.kind = ScriptOutcome::ModuleFailed;
        o.moduleOutcome = result.property(QStringLiteral("outcome")).toString();
        o.stateUnknown = result.property(QStringLiteral("stateUnknown")).toBool();
    } else {
        o.kind = ScriptOutcome::Error;
    }
    return o;
}

} // namespace

QString ScriptOutcome::text() const
{
    if (line > 0)
        return QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(message);
    return message;
}

ScriptRunner::ScriptRunner(ScriptOptions options, QObject *parent)
    : QObject(parent), m_options(std::move(options))
{
    qRegisterMetaType<zomar::ScriptOutcome>();
    m_timeLimit.setSingleShot(true);
    connect(&m_timeLimit, &QTimer::timeout, this, [this] { stop(ScriptStop::TimeLimit); });
}

ScriptRunner::~ScriptRunner()
{
    if (m_channel)
        m_channel->stop(ScriptStop::Asked);
    if (m_thread.joinable())
        m_thread.join();
}

void ScriptRunner::useDevice(const QString &device, int baud)
{
    m_device = device;
    m_baud = baud;
    m_link = nullptr;
}

void ScriptRunner::useLink(SerialLink &link, ScriptPort::Hold hold)
{
    m_link = &link;
    m_hold = std::move(hold);
    m_device.clear();
}

ScriptPort *ScriptRunner::addPort(ScriptPort *port)
{
    m_ports[port->id()] = port;
    return port;
}

ScriptPort *ScriptRunner::port(int id)
{
    const auto found = m_ports.find(id);
    return found == m_ports.end() ? nullptr : found->second;
}

bool ScriptRunner::start(const QString &source, const QString &fileName)
{
    if (m_running)
        return false;
    m_running = true;
    m_channel = std::make_shared<ScriptChannel>();
    m_outcome = ScriptOutcome{};
    m_outcome.file = fileName;
    int id = -1;
    QString device;
    int baud = 0;
    if (m_link) {
        ScriptPort *p = addPort(
            new ScriptPort(m_nextPort++, m_channel, *m_link, m_hold, m_options.band, this));
        id = p->id();
        device = p->device();
        baud = p->baud();
    } else if (!m_device.isEmpty()) {
        ScriptPort *p = addPort(
            new ScriptPort(m_nextPort++, m_channel, m_device, m_baud, m_options.band, this));
        if (m_linkHook)
            m_linkHook(p->link(), m_device);
        const QString problem = p->open();
        if (!problem.isEmpty()) {
            m_outcome.kind = ScriptOutcome::NotStarted;
            m_outcome.message = problem;
            QTimer::singleShot(0, this, [this] { finishPorts(); });
            return true;
        }
        id = p->id();
        device = m_device;
        baud = m_baud;
    }
    if (m_options.timeLimitMs > 0)
        m_timeLimit.start(m_options.timeLimitMs);
    const std::shared_ptr<ScriptChannel> channel = m_channel;
    const ScriptOptions options = m_options;
    const QStringList devices = m_devices;
    m_thread = std::thread([this, channel, options, devices, source, fileName, id, device, baud] {
        ScriptOutcome outcome;
        {
            ScriptContext context;
            context.channel = channel;
            context.runner = this;
            context.outputFolder = options.outputFolder;
            context.band = options.band;
            QJSEngine engine;
            context.engine = &engine;
            channel->setEngine(&engine);
            JsHost host(context, options.args, devices);
            JsPort port(context, id, device, baud);
            QJSEngine::setObjectOwnership(&host, QJSEngine::CppOwnership);
            QJSEngine::setObjectOwnership(&port, QJSEngine::CppOwnership);
            const QJSValue api = engine.evaluate(kPrelude, kPreludeFile)
                                     .call({engine.newQObject(&host), engine.newQObject(&port)});
            QJSValueIterator it(api);
            while (it.hasNext()) {
                it.next();
                engine.globalObject().setProperty(it.name(), it.value());
            }
            QStringList trace;
            const QJSValue result = engine.evaluate(source, fileName, 1, &trace);
            outcome = outcomeOf(result, trace, channel->stopped(), options.timeLimitMs);
            for (const auto &csv : context.csvFiles)
                if (const QString problem = csv->close(); !problem.isEmpty())
                    outcome.notes << QStringLiteral("the CSV file is incomplete: %1").arg(problem);
            channel->setEngine(nullptr);
        }
        QMetaObject::invokeMethod(
            this, [this, outcome] { workerEnded(outcome); }, Qt::QueuedConnection);
    });
    return true;
}

void ScriptRunner::stop(ScriptStop why)
{
    if (m_running && m_channel)
        m_channel->stop(why);
}

void ScriptRunner::workerEnded(ScriptOutcome outcome)
{
    if (m_thread.joinable())
        m_thread.join();
    m_timeLimit.stop();
    outcome.file = m_outcome.file;
    m_outcome = outcome;
    finishPorts();
}

void ScriptRunner::finishPorts()
{
    if (m_ports.empty()) {
        m_running = false;
        emit finished(m_outcome);
        return;
    }
    m_finishing = static_cast<int>(m_ports.size());
    const std::map<int, ScriptPort *> ports = m_ports;
    for (const auto &[id, p] : ports) {
        p->finish([this](const QString &note) {
            if (!note.isEmpty())
                m_outcome.notes << note;
            if (--m_finishing > 0)
                return;
            for (const auto &[key, done] : m_ports)
                done->deleteLater();
            m_ports.clear();
            m_running = false;
            emit finished(m_outcome);
        });
    }
}

void ScriptRunner::openPort(const QString &device, int baud, const ScriptPort::Reply &done)
{
    const QString path = PortResolver::devicePath(device);
    auto *p = new ScriptPort(m_nextPort++, m_channel, path, baud, m_options.band, this);
    if (m_linkHook)
        m_linkHook(p->link(), path);
    if (const QString problem = p->open(); !problem.isEmpty()) {
        delete p;
        ScriptReply reply =
            ScriptReply::failure(QStringLiteral("open: %1").arg(problem), QStringLiteral("PortError"));
        reply.outcome = QStringLiteral("port_failed");
        done(reply);
        return;
    }
    addPort(p);
    ScriptReply reply;
    reply.value = QStringList{QString::number(p->id()), path};
    done(reply);
}

void ScriptRunner::closePort(int id, const ScriptPort::Reply &done)
{
    ScriptPort *p = port(id);
    if (!p) {
        done(ScriptReply{});
        return;
    }
    p->finish([this, id, p, done](const QString &note) {
        if (!note.isEmpty())
            emit logLine(note);
        m_ports.erase(id);
        p->deleteLater();
        done(ScriptReply{});
    });
}

} // namespace zomar
