#pragma once
// What every command of the command-line tool shares: its options (which
// port, line speed, band, JSON, trace, the built-in virtual module), the
// port it names, printing, and the end of the run with an exit code.

#include "apps/zomar-cli/ExitCodes.h"
#include "core/protocol/Band.h"
#include "core/protocol/BandPlan.h"
#include "core/protocol/ModuleSession.h"

#include <QCommandLineParser>
#include <QJsonObject>
#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace zomar {

class AppSettings;
class PortResolver;
struct Profile;
class SerialLink;
class TraceFile;
class VirtualModule;
struct SystemPort;

class Cli : public QObject
{
    Q_OBJECT
public:
    enum Options {
        PortOptions = 1, // --device, --port, --port-map, --baud, --simulate, --trace
        BandOption = 2,  // --band
        JsonOption = 4,  // --json
        ManyDevices = 8, // --device and --port may be repeated
        NamedPorts = 16, // no --device, --port: the command names its ports itself
        // --region, --antenna-gain: the band plan advised on
        RegionOption = 32,
        JsonLines = 64, // --json prints an object per line as things happen (so do ManyDevices)
    };

    // command: "read", ...; summary: one line; arguments: after the command.
    Cli(const QString &command, const QString &summary, const QStringList &arguments);
    ~Cli() override;

    QCommandLineParser parser;
    QString command() const { return m_command; }

    // Adds the shared options, parses, and answers --help. Returns false when
    // the run is over (help shown, or the command line refused: exit code set).
    bool parse(int options, const QString &usageTail = {});

    // The devices named, or else every serial port of the system in the
    // window's order (for commands that search).
    QStringList devicesOrSystemPorts() const;
    bool json() const { return m_json; }
    // Words after the options that the command takes (none unless it says).
    void allowArguments(int count) { m_positionalAllowed = count; }
    int baud() const { return m_baud; }
    Band band() const { return m_band; }
    QString region() const { return m_region; }
    // Where a block's signal lies in the band plan of --region, its e.r.p.
    // with the antenna gain of --antenna-gain (else `gain`, else 0 dBi).
    BandAdvice bandAdviceFor(Band band, const ConfigBlock &block,
                             std::optional<double> gain = std::nullopt) const;
    // The signal a profile sets, as far as it names it (no advice where it
    // names no channel on a band).
    BandAdvice bandAdviceFor(const Profile &profile, Band band) const;
    // A line on standard error (not with --json, nor with --region none).
    void printBandAdvice(const BandAdvice &advice);

    // The devices the options name (after --port mapping and --simulate),
    // in the order given. Refuses (exit 1) when none is named and `required`.
    bool resolveDevices(bool required = true);
    const QStringList &devices() const { return m_devices; }
    // The device of a port named by an option of the command (`option`: its
    // name, for messages): a number as --port takes it, else a path as
    // --device takes it. "" when refused (the run is then over).
    QString resolvePort(const QString &option, const QString &name);
    QString device() const { return m_devices.value(0); }
    // The virtual modules --simulate started (empty without it).
    const std::vector<std::unique_ptr<VirtualModule>> &simulated() const { return m_simulated; }

    // A session on the first named device, its line traced when --trace asks.
    std::unique_ptr<ModuleSession> openSession(const QString &device);
    void trace(SerialLink &link, const QString &device);

    // A line on standard output, or bytes as they are. Once the output is
    // lost (a full disk, a reader gone) nothing more is written; the end of
    // the run says so (see concluded).
    void out(const QString &line);
    void outBytes(const QByteArray &bytes);
    bool outputLost() const;
    // A line on stderr, its control characters shown as escapes.
    void err(const QString &line);
    // The object, with the command's name as "command", on a line of its own.
    void printJson(const QJsonObject &object);
    // Prints "zomar-cli COMMAND: message" on stderr and ends with code; with
    // --json also {"command", "error", "exit_code", "message"} and the
    // members of `context` on stdout, as the command's one document.
    void fail(int code, const QString &message, const QJsonObject &context = {});
    // Ends the run: the event loop returns code (made non-zero when the
    // trace or the output lost bytes).
    void finish(int code);
    // The exit code of a run that ended with code, its files and output
    // considered: the trace is closed (on the disk), and a trace or output
    // that lost bytes is told in one line and makes a done run exit 1.
    int concluded(int code);
    std::optional<int> exitCode() const { return m_exitCode; }

    // Text from outside (a file, a profile's name) with its control
    // characters shown as \xNN, so it cannot cut or garble a line.
    static QString visible(const QString &text);
    // The JSON document of a failed run.
    static QJsonObject errorJson(const QString &command, int code, const QString &message);

private:
    bool startSimulation(int count);
    bool jsonWanted() const;
    // --port-map, the saved mappings and the system's ports; false when a
    // --port-map is refused (the run is then over).
    bool setUpResolver(PortResolver &resolver);
    // The device of port number `text`; "" when refused (the run is then over).
    QString deviceForNumber(const PortResolver &resolver, const QString &option,
                            const QString &text, QList<SystemPort> &ordered, bool &scanned);

    int m_options = 0;
    QString m_command;
    QString m_summary;
    QStringList m_arguments;
    bool m_json = false;
    int m_positionalAllowed = 0;
    int m_baud = kDefaultLineSpeed;
    Band m_band = Band::Mhz433;
    QString m_region = kDefaultBandPlanRegion;
    std::optional<double> m_antennaGain; // --antenna-gain
    QStringList m_devices;
    std::vector<std::unique_ptr<VirtualModule>> m_simulated;
    std::unique_ptr<AppSettings> m_settings; // the saved port mappings
    std::unique_ptr<TraceFile> m_trace;
    bool m_traceErrorTold = false;
    bool m_outputErrorTold = false;
    bool m_parsed = false;
    std::optional<int> m_exitCode;
};

// A command runs to its end (returns the exit code) or starts work on the
// event loop and returns nullopt; it then ends with Cli::finish.
using CommandRun = std::optional<int> (*)(Cli &cli);

} // namespace zomar
