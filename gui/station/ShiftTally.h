#pragma once
// What a shift has done at a station: passes and failures in all and per
// socket, and the last units with who plugged them in. It outlives a change
// of the setup; "New shift" starts it again (see ShiftRecall for a restart).

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

namespace zomar {

struct UnitLine {
    QDateTime time;
    QString slot;                 // the slot's name then
    std::optional<quint32> local; // the address written
    bool pass = false;
    QString reason; // a failure in the technician's words
    QString operatorName;
    bool unknown = false; // not a pass, nor known to be a failure
};

struct Counts {
    int pass = 0;
    int fail = 0;
    int total() const { return pass + fail; }
    // Passes in percent of all, or nullopt before the first unit.
    std::optional<double> yield() const;
    QString text() const; // "12 pass · 1 fail · 92.3 %"
};

class ShiftTally
{
public:
    static constexpr int kRecentKept = 50;

    void add(const QString &port, const UnitLine &line);
    // A unit from before any counted so far (a shift going on after a restart).
    void addEarlier(const QString &port, const UnitLine &line);
    void reset();
    void setStarted(const QDateTime &started) { m_started = started; }

    const Counts &shift() const { return m_shift; }
    Counts slot(const QString &port) const { return m_slots.value(port); }
    // Every slot's counts, by its name then.
    QHash<QString, Counts> slotsByName() const;
    // Units per hour from the shift's start to its last unit; nullopt before
    // a minute of it has passed.
    std::optional<double> unitsPerHour() const;
    // Newest first.
    const QList<UnitLine> &recent() const { return m_recent; }
    QDateTime started() const { return m_started; }

private:
    Counts m_shift;
    QHash<QString, Counts> m_slots;
    QHash<QString, QString> m_names; // port -> the slot's name then
    QDateTime m_last;
    QList<UnitLine> m_recent;
    QDateTime m_started = QDateTime::currentDateTime();
};

} // namespace zomar
