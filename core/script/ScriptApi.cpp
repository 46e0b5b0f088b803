#include "core/script/ScriptApi.h"

#include "core/link/LineSettings.h"
#include "core/profiles/Profile.h"
#include "core/script/ScriptCsv.h"
#include "core/script/ScriptRunner.h"
#include "core/script/ScriptValues.h"

#include <QJSEngine>
#include <QMetaObject>

#include <cmath>

namespace zomar {

namespace {

constexpr double kDefaultExpectMs = 5000;

// A wait in milliseconds from a script: a finite number from 0 up.
std::optional<double> milliseconds(const QJSValue &value, double fallback)
{
    if (value.isUndefined())
        return fallback;
    if (!value.isNumber())
        return std::nullopt;
    const double ms = value.toNumber();
    if (!std::isfinite(ms) || ms < 0)
        return std::nullopt;
    return ms;
}

ScriptChannel::Clock::time_point after(double ms)
{
    return ScriptChannel::Clock::now() +
           std::chrono::microseconds(static_cast<qint64>(std::min(ms, 1e12) * 1000));
}

} // namespace

std::optional<ScriptReply> ScriptContext::ask(const Request &request)
{
    const std::shared_ptr<ScriptChannel> ch = channel;
    const quint64 call = ch->nextCall();
    ScriptRunner *r = runner;
    QMetaObject::invokeMethod(
        r,
        [r, ch, call, request] {
            request(*r, [ch, call](const ScriptReply &reply) { ch->answer(call, reply); });
        },
        Qt::QueuedConnection);
    return ch->waitForAnswer(call);
}

void ScriptContext::throwError(const QString &message, const QString &name)
{
    QJSValue error = engine->newErrorObject(QJSValue::GenericError, message);
    error.setProperty(QStringLiteral("name"), name);
    engine->throwError(error);
}

void ScriptContext::throwStopped()
{
    throwError(channel->stopped() == ScriptStop::TimeLimit
                   ? QStringLiteral("the script ran past its time limit")
                   : QStringLiteral("the script was stopped"),
               QStringLiteral("StopError"));
}

void ScriptContext::throwReply(const ScriptReply &reply)
{
    QJSValue error = engine->newErrorObject(QJSValue::GenericError, reply.error);
    error.setProperty(QStringLiteral("name"), reply.errorName);
    if (!reply.outcome.isEmpty())
        error.setProperty(QStringLiteral("outcome"), reply.outcome);
    if (reply.stateUnknown)
        error.setProperty(QStringLiteral("stateUnknown"), true);
    engine->throwError(error);
}

std::optional<QByteArray> ScriptContext::bytesOf(const QJSValue &value, const QString &what)
{
    if (value.isString()) {
        const QString text = value.toString();
        QByteArray bytes;
        bytes.reserve(text.size());
        for (QChar c : text) {
            if (c.unicode() > 0xFF) {
                throwError(QStringLiteral("%1: the text holds \"%2\" (U+%3), which is not one "
                                          "byte; a text is sent a character a byte, 0 to 255 "
                                          "(\"\\xA5\"), or give bytes: new Uint8Array([...])")
                               .arg(what, QString(c))
                               .arg(c.unicode(), 4, 16, QLatin1Char('0')),
                           QStringLiteral("TypeError"));
                return std::nullopt;
            }
            bytes.append(static_cast<char>(c.unicode()));
        }
        return bytes;
    }
    const QVariant variant = value.toVariant();
    if (variant.metaType().id() == QMetaType::QByteArray)
        return variant.toByteArray(); // an ArrayBuffer
    if (value.isObject() && !value.isArray()) {
        // A typed array or a DataView: its part of the buffer.
        const QVariant buffer = value.property(QStringLiteral("buffer")).toVariant();
        if (buffer.metaType().id() == QMetaType::QByteArray)
            return buffer.toByteArray().mid(value.property(QStringLiteral("byteOffset")).toInt(),
                                            value.property(QStringLiteral("byteLength")).toInt());
    }
    if (value.isArray()) {
        QByteArray bytes;
        const int n = value.property(QStringLiteral("length")).toInt();
        for (int i = 0; i < n; ++i) {
            const QJSValue item = value.property(quint32(i));
            const double v = item.toNumber();
            if (!item.isNumber() || v != std::floor(v) || v < 0 || v > 255) {
                throwError(QStringLiteral("%1: item %2 (%3) is not a byte, 0 to 255")
                               .arg(what)
                               .arg(i)
                               .arg(item.toString()),
                           QStringLiteral("TypeError"));
                return std::nullopt;
            }
            bytes.append(static_cast<char>(int(v)));
        }
        return bytes;
    }
    throwError(QStringLiteral("%1: give a text, bytes (Uint8Array, ArrayBuffer) or an array of "
                              "numbers 0 to 255, not %2")
                   .arg(what, value.isUndefined() ? QStringLiteral("nothing") : value.toString()),
               QStringLiteral("TypeError"));
    return std::nullopt;
}

JsPort::JsPort(ScriptContext &context, int id, const QString &device, int baud)
    : m_context(context), m_id(id), m_device(device), m_baud(baud)
{}

bool JsPort::usable(const QString &call)
{
    if (m_id >= 0)
        return true;
    m_context.throwError(
        m_id == -1 ? QStringLiteral("%1: no port is open for the script; open one with "
                                    "open(\"/dev/ttyUSB0\", 38400)")
                         .arg(call)
                   : QStringLiteral("%1: the port %2 was closed").arg(call, m_device));
    return false;
}

void JsPort::send(const QJSValue &data)
{
    if (!usable(QStringLiteral("send")))
        return;
    const std::optional<QByteArray> bytes = m_context.bytesOf(data, QStringLiteral("send"));
    if (!bytes)
        return;
    const int id = m_id;
    const QByteArray out = *bytes;
    const auto reply = m_context.ask([id, out](ScriptRunner &r, const ScriptPort::Reply &done) {
        if (ScriptPort *p = r.port(id))
            p->send(out, done);
        else
            done(ScriptReply::failure(QStringLiteral("send: the port was closed")));
    });
    if (!reply)
        m_context.throwStopped();
    else if (!reply->ok)
        m_context.throwReply(*reply);
}

namespace {

// A pattern of expect(): where it first matches in the text, and the value
// it gives then.
struct Match {
    qsizetype end = -1; // just after the match; -1: none
    QJSValue value;
};

Match matchOne(QJSEngine &engine, ScriptContext &context, const QJSValue &pattern,
               const QString &text, const QByteArray &bytes, bool &refused)
{
    Match m;
    if (pattern.isRegExp()) {
        QJSValue re = pattern;
        re.setProperty(QStringLiteral("lastIndex"), 0);
        const QJSValue found =
            re.property(QStringLiteral("exec")).callWithInstance(re, {QJSValue(text)});
        if (found.isArray()) {
            m.end = found.property(QStringLiteral("index")).toInt() +
                    found.property(0).toString().size();
            m.value = found;
        }
        return m;
    }
    const std::optional<QByteArray> wanted =
        context.bytesOf(pattern, QStringLiteral("expect"));
    if (!wanted) {
        refused = true;
        return m;
    }
    const qsizetype at = bytes.indexOf(*wanted);
    if (at >= 0) {
        m.end = at + wanted->size();
        m.value = engine.toScriptValue(QString::fromLatin1(*wanted));
    }
    return m;
}

QString patternText(const QJSValue &pattern)
{
    if (pattern.isString())
        return escapedBytes(pattern.toString().toLatin1());
    if (pattern.isArray() && !pattern.isRegExp()) {
        QStringList items;
        const int n = pattern.property(QStringLiteral("length")).toInt();
        for (int i = 0; i < n; ++i)
            items << patternText(pattern.property(quint32(i)));
        return QStringLiteral("[%1]").arg(items.join(QStringLiteral(", ")));
    }
    return pattern.toString();
}

} // namespace

QJSValue JsPort::expect(const QJSValue &pattern, const QJSValue &timeoutMs)
{
    if (!usable(QStringLiteral("expect")))
        return {};
    const std::optional<double> ms = milliseconds(timeoutMs, kDefaultExpectMs);
    if (!ms) {
        m_context.throwError(QStringLiteral("expect: the time-out is a number of milliseconds "
                                            "from 0 up, not %1")
                                 .arg(timeoutMs.toString()),
                             QStringLiteral("TypeError"));
        return {};
    }
    // Alternatives: a list of patterns (not a list of byte values).
    QList<QJSValue> patterns;
    const bool list = pattern.isArray() && pattern.property(QStringLiteral("length")).toInt() > 0 &&
                      !pattern.property(0).isNumber();
    if (list) {
        const int n = pattern.property(QStringLiteral("length")).toInt();
        for (int i = 0; i < n; ++i)
            patterns << pattern.property(quint32(i));
    } else {
        patterns << pattern;
    }
    const auto deadline = after(*ms);
    ScriptChannel &channel = *m_context.channel;
    for (;;) {
        const QByteArray bytes = channel.pending(m_id);
        const QString text = QString::fromLatin1(bytes);
        Match best;
        for (const QJSValue &p : patterns) {
            bool refused = false;
            const Match m = matchOne(*m_context.engine, m_context, p, text, bytes, refused);
            if (refused)
                return {};
            if (m.end >= 0 && (best.end < 0 || m.end < best.end))
                best = m;
        }
        if (best.end >= 0) {
            channel.take(m_id, best.end);
            return best.value;
        }
        if (!channel.waitForBytes(m_id, bytes.size(), deadline)) {
            if (channel.stopped() != ScriptStop::None) {
                m_context.throwStopped();
                return {};
            }
            if (channel.pending(m_id).size() > bytes.size())
                continue; // one last look at what came with the deadline
            QJSValue error = m_context.engine->newErrorObject(
                QJSValue::GenericError,
                QStringLiteral("expect %1: nothing matched within %2 ms on %3; received %4")
                    .arg(patternText(pattern))
                    .arg(*ms)
                    .arg(m_device, bytes.isEmpty() ? QStringLiteral("nothing")
                                                   : escapedBytes(bytes)));
            error.setProperty(QStringLiteral("name"), QStringLiteral("TimeoutError"));
            error.setProperty(QStringLiteral("received"), text);
            m_context.engine->throwError(error);
            return {};
        }
    }
}

QString JsPort::received()
{
    if (m_id < 0)
        return {};
    const QByteArray bytes = m_context.channel->pending(m_id);
    m_context.channel->take(m_id, bytes.size());
    return QString::fromLatin1(bytes);
}

void JsPort::close()
{
    if (m_id < 0)
        return;
    const int id = m_id;
    m_id = -2;
    if (!m_context.ask([id](ScriptRunner &r, const ScriptPort::Reply &done) {
            r.closePort(id, done);
        }))
        m_context.throwStopped();
}

QJSValue JsPort::moduleReply(const ScriptContext::Request &request)
{
    const auto reply = m_context.ask(request);
    if (!reply) {
        m_context.throwStopped();
        return {};
    }
    if (!reply->ok) {
        m_context.throwReply(*reply);
        return {};
    }
    return m_context.engine->toScriptValue(reply->value.toMap());
}

namespace {

// A module operation on the script's port, or the answer that it has gone.
ScriptContext::Request onPort(int id,
                              std::function<void(ScriptPort &, const ScriptPort::Reply &)> op)
{
    return [id, op = std::move(op)](ScriptRunner &r, const ScriptPort::Reply &done) {
        if (ScriptPort *p = r.port(id))
            op(*p, done);
        else
            done(ScriptReply::failure(QStringLiteral("the port was closed")));
    };
}

} // namespace

QJSValue JsPort::moduleRead()
{
    if (!usable(QStringLiteral("module.read")))
        return {};
    return moduleReply(
        onPort(m_id, [](ScriptPort &p, const ScriptPort::Reply &done) { p.read(done); }));
}

QJSValue JsPort::moduleWrite(const QJSValue &changes)
{
    if (!usable(QStringLiteral("module.write")))
        return {};
    if (!changes.isObject() || changes.isArray()) {
        m_context.throwError(QStringLiteral("module.write: give the fields to change, e.g. "
                                            "module.write({tx_power: \"-9 dBm\"})"),
                             QStringLiteral("TypeError"));
        return {};
    }
    // Refused here, before anything is sent.
    const Parsed<Profile> wanted = changesFromValue(changes.toVariant().toMap(), m_context.band);
    if (!wanted) {
        ScriptReply refused = ScriptReply::failure(wanted.problem, QStringLiteral("ModuleError"));
        refused.outcome = QStringLiteral("invalid_value");
        m_context.throwReply(refused);
        return {};
    }
    const Profile profile = *wanted.value;
    return moduleReply(onPort(m_id, [profile](ScriptPort &p, const ScriptPort::Reply &done) {
        p.write(profile, done);
    }));
}

QJSValue JsPort::moduleReset()
{
    if (!usable(QStringLiteral("module.reset")))
        return {};
    return moduleReply(onPort(
        m_id, [](ScriptPort &p, const ScriptPort::Reply &done) { p.factoryReset(done); }));
}

QString JsCsv::path() const
{
    return m_file.path();
}

void JsCsv::row(const QJSValue &values)
{
    QStringList fields;
    const auto text = [](const QJSValue &v) {
        return v.isUndefined() || v.isNull() ? QString() : v.toString();
    };
    if (values.isArray()) {
        const int n = values.property(QStringLiteral("length")).toInt();
        for (int i = 0; i < n; ++i)
            fields << text(values.property(quint32(i)));
    } else if (values.isObject()) {
        for (const QString &column : m_file.columnNames())
            fields << text(values.property(column));
    } else {
        fields << text(values);
    }
    if (fields.size() != m_file.columns()) {
        m_context.throwError(QStringLiteral("row: %1 value(s) for the %2 column(s) of %3")
                                 .arg(fields.size())
                                 .arg(m_file.columns())
                                 .arg(m_file.path()),
                             QStringLiteral("TypeError"));
        return;
    }
    if (const QString problem = m_file.row(fields); !problem.isEmpty())
        m_context.throwError(QStringLiteral("row: %1").arg(problem));
}

void JsCsv::close()
{
    if (const QString problem = m_file.close(); !problem.isEmpty())
        m_context.throwError(QStringLiteral("close: %1").arg(problem));
}

void JsHost::sleep(const QJSValue &ms)
{
    const std::optional<double> wait = milliseconds(ms, 0);
    if (!wait) {
        m_context.throwError(
            QStringLiteral("sleep: a number of milliseconds from 0 up, not %1").arg(ms.toString()),
            QStringLiteral("TypeError"));
        return;
    }
    if (!m_context.channel->sleepUntil(after(*wait)))
        m_context.throwStopped();
}

void JsHost::log(const QString &text)
{
    ScriptRunner *r = m_context.runner;
    QMetaObject::invokeMethod(
        r, [r, text] { emit r->logLine(text); }, Qt::QueuedConnection);
}

QJSValue JsHost::open(const QString &device, const QJSValue &baud)
{
    const int speed = baud.isUndefined() ? kDefaultLineSpeed : baud.toInt();
    if (!isLineSpeed(speed)) {
        m_context.throwError(QStringLiteral("open: %1 is not a line speed; allowed: %2")
                                 .arg(baud.toString(), lineSpeedItems().join(QStringLiteral(", "))),
                             QStringLiteral("TypeError"));
        return {};
    }
    const auto reply = m_context.ask([device, speed](ScriptRunner &r, const ScriptPort::Reply &done) {
        r.openPort(device, speed, done);
    });
    if (!reply) {
        m_context.throwStopped();
        return {};
    }
    if (!reply->ok) {
        m_context.throwReply(*reply);
        return {};
    }
    const QStringList named = reply->value.toStringList();
    return m_context.engine->newQObject(
        new JsPort(m_context, named.value(0).toInt(), named.value(1), speed));
}

QJSValue JsHost::csv(const QString &name, const QJSValue &columns)
{
    QStringList names;
    if (columns.isArray()) {
        const int n = columns.property(QStringLiteral("length")).toInt();
        for (int i = 0; i < n; ++i)
            names << columns.property(quint32(i)).toString();
    }
    auto file = std::make_unique<ScriptCsv>();
    if (const QString problem = file->open(m_context.outputFolder, name, names);
        !problem.isEmpty()) {
        m_context.throwError(problem);
        return {};
    }
    m_context.csvFiles.push_back(std::move(file));
    return m_context.engine->newQObject(new JsCsv(m_context, *m_context.csvFiles.back()));
}

} // namespace zomar
