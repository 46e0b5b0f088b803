#include "gui/station/ShiftRecall.h"

#include "core/settings/AppSettings.h"
#include "gui/station/StationLine.h"

#include <QFileInfo>

namespace zomar {

ShiftRecall::ShiftRecall(AppSettings &settings, ShiftTally &tally, QObject *parent)
    : QObject(parent), m_settings(settings), m_tally(tally)
{}

void ShiftRecall::opened(const StationLine &line, const QString &file)
{
    // A station that does not run (another window has it) counts nothing.
    if (!line.isOpen())
        return;
    const bool first = m_file.isEmpty();
    m_file = file;
    if (!first) {
        keep();
        return;
    }
    const QDateTime started = m_settings.shiftStarted(file);
    const QDateTime now = QDateTime::currentDateTime();
    if (!started.isValid() || started > now || started.secsTo(now) > kShiftHours * 3600) {
        m_tally.setStarted(now);
        keep();
        return;
    }
    m_tally.setStarted(started.toLocalTime());
    const StationSetup setup = line.setup();
    m_history.read(line.storeLocation(), line.station(), started, line.runId(), this,
                   [this, setup](const QList<UnitRow> &units, const QString &error) {
                       if (!error.isEmpty()) {
                           emit unreadable(error);
                           return;
                       }
                       // Newest first, after any unit counted since the start.
                       for (auto it = units.crbegin(); it != units.crend(); ++it) {
                           QString port;
                           const UnitLine unit = lineOf(*it, setup, &port);
                           m_tally.addEarlier(port, unit);
                       }
                       emit restored(int(units.size()));
                   });
}

void ShiftRecall::restart()
{
    m_tally.reset();
    keep();
}

void ShiftRecall::keep()
{
    if (m_file.isEmpty())
        return;
    m_settings.setShiftStarted(m_file, m_tally.started());
    m_settings.sync();
}

UnitLine ShiftRecall::lineOf(const UnitRow &unit, const StationSetup &setup, QString *port)
{
    UnitLine line;
    const QString at = unit.settledAt.isEmpty() ? unit.reservedAt : unit.settledAt;
    line.time = QDateTime::fromString(at, Qt::ISODateWithMs).toLocalTime();
    *port = QFileInfo(unit.byPath).fileName();
    line.slot = port->isEmpty() ? unit.device : *port;
    for (const StationSlot &slot : setup.slotList)
        if (slot.port == *port)
            line.slot = slot.name;
    line.local = unit.local;
    line.pass = unit.state == UnitState::Pass;
    line.unknown = unit.state == UnitState::Unknown;
    line.operatorName = unit.operatorName;
    ModuleOutcome o;
    o.failure = ModuleOutcome::failureFromName(unit.failure);
    o.packetSent = unit.packetSent;
    o.local = unit.local;
    o.stateUnknown = line.unknown && o.failure == ModuleOutcome::PortFailed;
    if (line.unknown && !o.stateUnknown)
        line.reason = StationLine::tr("Its outcome was not recorded: read it back");
    else if (o.failure == ModuleOutcome::PortFailed && !o.packetSent)
        // Pulled out or a failing port: the record does not tell which.
        line.reason = StationLine::tr("Port lost before it was written: nothing was written");
    else if (!line.pass)
        line.reason = StationLine::failureWords(o, false);
    return line;
}

} // namespace zomar
