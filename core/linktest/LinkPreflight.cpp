#include "core/linktest/LinkPreflight.h"

#include "core/protocol/FieldValues.h"

namespace zomar::linktest {

int PreflightResult::rfBps() const
{
    return from ? rfSpeedBps(from->rfSpeedCode) : 0;
}

LinkPreflight::LinkPreflight(const PreflightSettings &settings, QObject *parent)
    : QObject(parent), m_settings(settings)
{
    qRegisterMetaType<zomar::linktest::PreflightResult>();
}

QStringList LinkPreflight::differences(const ConfigBlock &a, const QString &aName,
                                       const ConfigBlock &b, const QString &bName, Band band)
{
    QStringList out;
    for (BlockField f : a.differingFields(b)) {
        if (f != BlockField::Channel && f != BlockField::RfSpeed)
            continue; // addresses and power do not keep two modules apart
        out << QStringLiteral("%1: %2 on %3, %4 on %5")
                   .arg(fieldLabel(f), blockFieldText(a, f, band), aName, blockFieldText(b, f, band), bName);
    }
    return out;
}

ModuleSession *LinkPreflight::open(const QString &device, int baud)
{
    auto *session = new ModuleSession(device, baud, this);
    if (m_linkHook)
        m_linkHook(session->link(), device);
    return session;
}

void LinkPreflight::start()
{
    m_first = open(m_settings.from, m_settings.fromBaud);
    connect(m_first, &ModuleSession::finished, this,
            [this](const SessionResult &r) { onRead(true, r); });
    m_pending = 1;
    m_first->read();
    if (m_settings.to.isEmpty())
        return;
    m_second = open(m_settings.to, m_settings.toBaud);
    connect(m_second, &ModuleSession::finished, this, [this](const SessionResult &r) {
        if (r.op == SessionOp::Read)
            onRead(false, r);
        else
            onWritten(r);
    });
    ++m_pending;
    m_second->read();
}

void LinkPreflight::onRead(bool first, const SessionResult &r)
{
    (first ? m_firstRead : m_secondRead) = r;
    if (--m_pending > 0)
        return;
    PreflightResult result;
    for (const std::optional<SessionResult> &read : {m_firstRead, m_secondRead}) {
        if (read && !read->ok()) {
            result.outcome = PreflightResult::Failed;
            result.message = read->message;
            result.failure = *read;
            end(result);
            return;
        }
    }
    result.from = m_firstRead->block;
    if (!m_secondRead) {
        end(result);
        return;
    }
    result.to = m_secondRead->block;
    result.differences = differences(*result.from, m_settings.from, *result.to, m_settings.to,
                                     m_settings.band);
    if (result.differences.isEmpty()) {
        end(result);
        return;
    }
    if (!m_settings.configure) {
        result.outcome = PreflightResult::Differ;
        result.message = QStringLiteral("the two modules are not set alike (%1): every packet "
                                        "would be lost; nothing was sent")
                             .arg(result.differences.join(QStringLiteral("; ")));
        end(result);
        return;
    }
    ConfigBlock wanted = *result.to;
    wanted.channel = result.from->channel;
    wanted.rfSpeedCode = result.from->rfSpeedCode;
    ++m_pending;
    m_second->write(wanted);
}

void LinkPreflight::onWritten(const SessionResult &r)
{
    --m_pending;
    PreflightResult result;
    result.from = m_firstRead->block;
    result.to = r.block;
    if (!r.ok()) {
        result.outcome = PreflightResult::Failed;
        result.message = r.message;
        result.failure = r;
    } else {
        result.configured = true;
    }
    end(result);
}

void LinkPreflight::end(PreflightResult result)
{
    // The ports are the test's from here on.
    for (ModuleSession *s : {m_first, m_second}) {
        if (!s)
            continue;
        s->disconnect(this);
        s->close();
        s->deleteLater();
    }
    m_first = m_second = nullptr;
    m_pending = 0;
    emit finished(result);
}

} // namespace zomar::linktest
