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
    m_recent.prepend(line);
    if (m_recent.size() > kRecentKept)
        m_recent.removeLast();
}

void ShiftTally::addEarlier(const QString &port, const UnitLine &line)
{
    Counts &slot = m_slots[port];
    (line.pass ? m_shift.pass : m_shift.fail)++;
    (line.pass ? slot.pass : slot.fail)++;
    if (m_recent.size() < kRecentKept)
        m_recent.append(line);
}

void ShiftTally::reset()
{
    m_shift = {};
    m_slots.clear();
    m_recent.clear();
    m_started = QDateTime::currentDateTime();
}

} // namespace zomar
