#pragma once
// A station's shift across restarts: when it began is kept in the settings,
// and a station opened again within its shift gets back the shift's counts
// and last units from the record, so that a restart (or a crash) does not
// start them from zero.

#include "core/fleet/ShiftHistory.h"
#include "gui/station/ShiftTally.h"

#include <QObject>

namespace zomar {

class AppSettings;
class StationLine;
struct StationSetup;

class ShiftRecall : public QObject
{
    Q_OBJECT
public:
    // A station opened again within this long of its shift's start goes on
    // with the shift; later, a new one begins.
    static constexpr int kShiftHours = 12;

    ShiftRecall(AppSettings &settings, ShiftTally &tally, QObject *parent = nullptr);

    // The station in `file` runs `line`. In a window that counts no shift
    // yet, its shift goes on when it began within kShiftHours (its units
    // come back from the record, then restored()), else one begins now.
    void opened(const StationLine &line, const QString &file);
    // "New shift": counting starts again now.
    void restart();

    // A unit of the record as the shift shows it; port: its slot's socket.
    static UnitLine lineOf(const UnitRow &unit, const StationSetup &setup, QString *port);

signals:
    void restored(int units);
    void unreadable(const QString &error);

private:
    void keep();

    AppSettings &m_settings;
    ShiftTally &m_tally;
    QString m_file; // the station whose shift is counted ("" before the first)
    ShiftHistory m_history;
};

} // namespace zomar
