#include "gui/station/ShiftTally.h"

#include <QCoreApplication>

namespace zomar {

std::optional<double> Counts::yield() const
{
    if (total() == 0)
        return std::nullopt;
    return 100.0 * pass / total();
}

QString Counts::text() const
{
    const std::optional<double> y = yield();
    return QCoreApplication::translate("zomar::ShiftTally", "%1 pass · %2 fail · yield %3")
        .arg(pass)
        .arg(fail)
        .arg(y ? QStringLiteral("%1 %").arg(*y, 0, 'f', 1) : QStringLiteral("–"));
}

void ShiftTally::add(const QString &port, const UnitLine &line)
{
    Counts &slot = m_slots[port];
    (line.pass ? m_shift.pass : m_shift.fail)++;
    (line.pass ? slot.pass : slot.fail)++;
    m_names.insert(port, line.slot);
    m_last = line.time;
    m_recent.prepend(line);
    if (m_recent.size() > kRecentKept)
        m_recent.removeLast();
}

QHash<QString, Counts> ShiftTally::slotsByName() const
{
    QHash<QString, Counts> named;
    for (auto it = m_slots.cbegin(); it != m_slots.cend(); ++it)
        named.insert(m_names.value(it.key(), it.key()), it.value());
    return named;
}

std::optional<double> ShiftTally::unitsPerHour() const
{
    const qint64 ms = m_started.msecsTo(m_last);
    if (!m_last.isValid() || ms < 60 * 1000)
        return std::nullopt;
    return m_shift.total() * 3600000.0 / double(ms);
}

void ShiftTally::addEarlier(const QString &port, const UnitLine &line)
{
    Counts &slot = m_slots[port];
    (line.pass ? m_shift.pass : m_shift.fail)++;
    (line.pass ? slot.pass : slot.fail)++;
    // A restored unit counts in its slot's yield and the shift's rate too.
    m_names.insert(port, line.slot);
    if (!m_last.isValid() || line.time > m_last)
        m_last = line.time;
    if (m_recent.size() < kRecentKept)
        m_recent.append(line);
}

void ShiftTally::reset()
{
    m_shift = {};
    m_slots.clear();
    m_names.clear();
    m_last = {};
    m_recent.clear();
    m_started = QDateTime::currentDateTime();
}

} // namespace zomar
