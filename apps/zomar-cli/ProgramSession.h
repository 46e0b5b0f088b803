#pragma once
// One run of `zomar-cli program`: the production run, the station's watcher
// and its claim on the sockets, each module's line, the counts, and the end
// of the run with the exit code of its worst failure.

#include "apps/zomar-cli/Cli.h"
#include "apps/zomar-cli/ProgramLabels.h"
#include "apps/zomar-cli/ProgramSerials.h"
#include "core/link/PortWatcher.h"
#include "core/run/ProductionRun.h"
#include "core/link/SocketClaim.h"

#include <QObject>
#include <QTemporaryDir>

#include <memory>
#include <optional>

namespace zomar {

// "1 module", "3 modules".
QString modulesText(int count);

class ProgramSession : public QObject
{
public:
    ProgramSession(Cli &cli, bool wait);
    ~ProgramSession() override
    {
        serials.reset();
        labels.reset(); // labels asked for are printed
    }

    QTemporaryDir simulatedStore;       // --simulate without --store: nothing is kept
    Band band = Band::None;             // the band a written channel is advised on
    std::optional<double> antennaGain;  // the profile's, for the advice's e.r.p.
    std::unique_ptr<SocketClaim> claim; // station mode: the sockets watched, held to the end
    ProductionRun run;                  // closed before the folder of its store goes
    int expected = 0;                   // without --wait: the named modules
    std::unique_ptr<ProgramLabels> labels; // --label
    std::unique_ptr<ProgramSerials> serials; // --serial-pattern: labels follow the serial

    void connectRun();
    void watch(const QString &folder);
    void endIfDone();
    // Serials the server refused when the journal's rows reached it, each once.
    void sayRefusedSerials(const StationState &s);
    // A unit's serial is bound (or it goes without one): its label follows.
    void settled(const ModuleOutcome &o, const QString &serial);

private:
    void report(const ModuleOutcome &o);

    // The unit's state in the store ("" when it has no row).
    static QString stateWord(const ModuleOutcome &o);

    // PASS, FAIL, or for a module the run did not touch BUSY.
    static QString resultWord(const ModuleOutcome &o);
    void banner(const ModuleOutcome &o, const QString &where);
    void stop();

    Cli &m_cli;
    bool m_wait;
    bool m_colour = false;
    bool m_stopping = false;
    bool m_finished = false; // the run's end is told once
    bool m_online = true;
    qint64 m_released = 0;
    qsizetype m_refusedSaid = 0;
    int m_passed = 0;
    int m_failed = 0;
    int m_busy = 0; // modules on ports another program held
    ModuleOutcome::Failure m_worst = ModuleOutcome::None;
    PortWatcher *m_watcher = nullptr;
};

} // namespace zomar
