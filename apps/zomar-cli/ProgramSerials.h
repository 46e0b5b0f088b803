#pragma once
// zomar-cli program --serial-pattern: after each module that passes, the
// product serial of its unit is read from standard input (a keyboard-wedge
// scanner types it and Enter), checked against the pattern and the serials
// already bound (refused with words, and asked again), and bound to the
// unit as `records serial` binds it. Units are asked for in the order they
// passed; lines read ahead (a file of serials) wait for the next units.
// Standard input at its end: said once, and the units with no line left go
// on without a serial.

#include "apps/zomar-cli/Cli.h"
#include "core/line/LineProgrammer.h"
#include "core/run/SerialBinder.h"

#include <QRegularExpression>

#include <memory>

class QSocketNotifier;

namespace zomar {

class ProductionRun;

class ProgramSerials : public QObject
{
    Q_OBJECT
public:
    static QCommandLineOption option();
    // The pattern the option gives, checked; false when refused (the run is
    // then over). *serials stays null without --serial-pattern.
    static bool fromOptions(Cli &cli, std::unique_ptr<ProgramSerials> *serials);
    ~ProgramSerials() override;
    // The record the serials go to: the run's store, or its station's journal.
    void attach(ProductionRun &run, const QString &store);

    // A module passed: its unit's serial is asked for.
    void passed(const ModuleOutcome &outcome);
    // Units waiting for their serial, or for it to be bound.
    int pending() const { return int(m_waiting.size()); }
    // No more serials are asked for: the units waiting go on without one.
    void stop();

signals:
    // A unit is done with: its serial bound ("" when it goes without one).
    void settled(const zomar::ModuleOutcome &outcome, const QString &serial);

private:
    ProgramSerials(Cli &cli, const QRegularExpression &pattern, const QString &text);
    void ask();
    void readInput();
    void pump(); // gives lines read to the units waiting
    void take(const QString &line);
    void onBound(const QString &unitId, const zomar::SerialBinding &binding);
    void releaseAll();
    QString device(const ModuleOutcome &o) const;

    Cli &m_cli;
    QRegularExpression m_pattern;
    QString m_patternText;
    std::unique_ptr<SerialBinder> m_binder;
    QList<ModuleOutcome> m_waiting; // the first is asked for
    bool m_binding = false;         // the first's serial is on its way to the record
    QStringList m_lines;            // read, not yet given to a unit
    bool m_ended = false;           // standard input ended (or the run stops)
    QSocketNotifier *m_input = nullptr;
    QByteArray m_buffer;
};

} // namespace zomar
