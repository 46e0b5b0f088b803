#include "apps/zomar-cli/Cli.h"

#include "apps/zomar-cli/SharedOptions.h"
#include "apps/zomar-cli/TraceFile.h"

#include "core/link/PortCatalog.h"
#include "core/link/PortResolver.h"
#include "core/link/SerialLink.h"
#include "core/profiles/Profile.h"
#include "core/protocol/ConfigBlock.h"
#include "core/protocol/FieldValues.h"
#include "core/settings/AppSettings.h"
#include "sim/VirtualModule.h"

#include <QRegularExpression>

namespace zomar {

namespace {

QString commandName(const QString &command)
{
    return QStringLiteral("zomar-cli %1").arg(command);
}

} // namespace

Cli::Cli(const QString &command, const QString &summary, const QStringList &arguments)
    : m_command(command), m_summary(summary), m_arguments(arguments)
{}

Cli::~Cli() = default;

bool Cli::parse(int options, const QString &usageTail)
{
    m_options = options;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    parser.addOption(help);
    const SharedOptions shared(options & ManyDevices, options & (ManyDevices | JsonLines));
    shared.addTo(parser, options);
    const QStringList args = SharedOptions::withSimulateCount(commandName(m_command), m_arguments);
    if (!parser.parse(args)) {
        // A shared option that this command has no use for: say why.
        const QString unknown = parser.unknownOptionNames().value(0);
        const QStringList portOptions = {QStringLiteral("device"),   QStringLiteral("port"),
                                         QStringLiteral("port-map"), QStringLiteral("baud"),
                                         QStringLiteral("simulate"), QStringLiteral("trace")};
        QString why;
        if (!(options & PortOptions) && portOptions.contains(unknown))
            why = QStringLiteral("it speaks to no module");
        else if (!(options & BandOption) && unknown == QLatin1String("band"))
            why = QStringLiteral("it shows no frequency of a module");
        fail(exit_codes::BadCommandLine,
             (why.isEmpty() ? parser.errorText()
                            : QStringLiteral("%1 takes no --%2: %3").arg(m_command, unknown, why)) +
                 QStringLiteral(" (see 'zomar-cli %1 --help')").arg(m_command));
        return false;
    }
    // Only commands that declare arguments take any: a stray word is a typo.
    if (parser.positionalArguments().size() > m_positionalAllowed) {
        fail(exit_codes::BadCommandLine,
             QStringLiteral("unexpected argument '%1' (see 'zomar-cli %2 --help')")
                 .arg(parser.positionalArguments().at(m_positionalAllowed), m_command));
        return false;
    }
    if (parser.isSet(help)) {
        // The parser names the program as it was started (a path, or a bare
        // name from PATH); the usage line names the command instead.
        QString text = parser.helpText();
        const qsizetype firstLineEnd = text.indexOf(QLatin1Char('\n'));
        text.replace(
            0, firstLineEnd,
            QStringLiteral("Usage: %1 [options]%2").arg(commandName(m_command), usageTail));
        // The count is optional: a bare --simulate is one module.
        text.replace(QStringLiteral("--simulate <N>"), QStringLiteral("--simulate [N]"));
        out(m_summary + QStringLiteral("\n\n") + text.trimmed() + QStringLiteral("\n\n") +
            exitCodesHelp().trimmed());
        m_exitCode = concluded(exit_codes::Done);
        return false;
    }
    m_json = (options & JsonOption) && parser.isSet(shared.json);
    m_parsed = true;
    if (options & PortOptions) {
        bool ok = false;
        m_baud = parser.value(shared.baud).trimmed().toInt(&ok);
        if (!ok || !isLineSpeed(m_baud)) {
            fail(exit_codes::BadCommandLine,
                 QStringLiteral("--baud %1: not a line speed of the list; allowed: %2")
                     .arg(parser.value(shared.baud), lineSpeedItems().join(QStringLiteral(", "))));
            return false;
        }
    }
    if (options & BandOption) {
        const Parsed<Band> b = parseBandValue(parser.value(shared.band));
        if (!b) {
            fail(exit_codes::BadCommandLine,
                 QStringLiteral("--band %1: %2").arg(parser.value(shared.band), b.problem));
            return false;
        }
        m_band = *b.value;
    }
    if (options & RegionOption) {
        m_region = parser.value(shared.region).trimmed().toLower();
        if (!isBandPlanRegion(m_region)) {
            fail(exit_codes::BadCommandLine,
                 QStringLiteral("--region %1: not a band plan; allowed: %2")
                     .arg(parser.value(shared.region),
                          bandPlanRegions().join(QStringLiteral(", "))));
            return false;
        }
        if (parser.isSet(shared.antennaGain)) {
            bool ok = false;
            const double gain = parser.value(shared.antennaGain).trimmed().toDouble(&ok);
            if (!ok || gain < kLowestAntennaGainDbi || gain > kHighestAntennaGainDbi) {
                fail(exit_codes::BadCommandLine,
                     QStringLiteral("--antenna-gain %1: a number of dBi from %2 to %3")
                         .arg(parser.value(shared.antennaGain))
                         .arg(kLowestAntennaGainDbi)
                         .arg(kHighestAntennaGainDbi));
                return false;
            }
            m_antennaGain = gain;
        }
    }
    // Opened now, so that a trace that cannot be written stops the run
    // before anything is sent.
    if ((options & PortOptions) && parser.isSet(shared.trace)) {
        m_trace = std::make_unique<TraceFile>();
        const WriteFailure problem = m_trace->open(parser.value(shared.trace), m_command);
        if (problem.failed()) {
            m_traceErrorTold = true;
            fail(exit_codes::BadCommandLine,
                 QStringLiteral("--trace %1; nothing was sent").arg(problem.text()));
            return false;
        }
    }
    return true;
}

BandAdvice Cli::bandAdviceFor(Band band, const ConfigBlock &block, std::optional<double> gain) const
{
    const std::optional<Emission> e =
        emissionOf(band, block, m_antennaGain.value_or(gain.value_or(0)));
    return e ? bandAdvice(*e, m_region) : BandAdvice{};
}

BandAdvice Cli::bandAdviceFor(const Profile &profile, Band band) const
{
    const std::optional<Emission> e = emissionOf(profile, band, m_antennaGain);
    return e ? bandAdvice(*e, m_region) : BandAdvice{};
}

void Cli::printBandAdvice(const BandAdvice &advice)
{
    if (m_json || advice.kind == BandAdvice::NoAdvice)
        return;
    QString line = QStringLiteral("band plan: ") + advice.line();
    if (!advice.subBands.isEmpty())
        line += QStringLiteral(" [%1]").arg(
            QString::fromUtf8(advice.subBands.constFirst().subBand.source));
    err(line);
}

QStringList Cli::devicesOrSystemPorts() const
{
    if (!m_devices.isEmpty())
        return m_devices;
    QStringList devices;
    for (const SystemPort &port : PortResolver().orderedSystemPorts())
        devices << port.device;
    return devices;
}

bool Cli::startSimulation(int count)
{
    QString error;
    m_simulated = VirtualModule::startMany(count, &error);
    if (m_simulated.empty()) {
        fail(exit_codes::PortFailed,
             QStringLiteral("cannot start the virtual module: %1").arg(error));
        return false;
    }
    for (size_t i = 0; i < m_simulated.size(); ++i) {
        // The first starts as from the factory; the others each hold their
        // own block, as a tray of used modules would.
        if (i > 0) {
            ConfigBlock block = ConfigBlock::factoryDefaults();
            block.destination = 0xFFFFFFFFu;
            block.local = 0x00C00000u + quint32(i);
            block.channel = quint16(block.channel + 8 * i);
            block.txPowerCode = quint8(i % 8);
            m_simulated[i]->setConfiguration(block.toBytes());
        }
        m_devices << m_simulated[i]->devicePath();
    }
    return true;
}

bool Cli::resolveDevices(bool required)
{
    const bool named = m_options & NamedPorts; // the command reads its own port options
    const QStringList paths = named ? QStringList() : parser.values(QStringLiteral("device"));
    const QStringList numbers = named ? QStringList() : parser.values(QStringLiteral("port"));
    if (parser.isSet(QStringLiteral("simulate"))) {
        bool ok = false;
        const int count = parser.value(QStringLiteral("simulate")).toInt(&ok);
        if (!ok || count < 1 || count > 128) {
            fail(exit_codes::BadCommandLine,
                 QStringLiteral("--simulate %1: the number of virtual modules, 1 to 128")
                     .arg(parser.value(QStringLiteral("simulate"))));
            return false;
        }
        if (!paths.isEmpty() || !numbers.isEmpty()) {
            fail(exit_codes::BadCommandLine,
                 QStringLiteral(
                     "--simulate runs on virtual modules: leave out --device and --port"));
            return false;
        }
        return startSimulation(count);
    }

    PortResolver resolver;
    if (!setUpResolver(resolver))
        return false;
    // Options in the order given on the command line.
    int nextPath = 0;
    int nextNumber = 0;
    QList<SystemPort> ordered;
    bool scanned = false;
    for (const QString &name : parser.optionNames()) {
        if (name == QLatin1String("device")) {
            m_devices << PortResolver::devicePath(paths.at(nextPath++));
        } else if (name == QLatin1String("port")) {
            const QString path = deviceForNumber(resolver, QStringLiteral("port"),
                                                 numbers.at(nextNumber++), ordered, scanned);
            if (path.isEmpty())
                return false;
            m_devices << path;
        }
    }
    if (!(m_options & ManyDevices) && m_devices.size() > 1) {
        fail(exit_codes::BadCommandLine,
             QStringLiteral("%1 works on one port: name one --device or --port").arg(m_command));
        return false;
    }
    if (m_devices.isEmpty() && required) {
        fail(exit_codes::BadCommandLine,
             QStringLiteral("name the module's port: --device PATH or --port N ('zomar-cli ports' "
                            "lists them), or try it on a virtual module with --simulate"));
        return false;
    }
    return true;
}

bool Cli::setUpResolver(PortResolver &resolver)
{
    if (!m_settings)
        m_settings = std::make_unique<AppSettings>();
    resolver.setSavedLookup(
        [settings = m_settings.get()](int n) { return settings->portDevice(n); });
    for (const QString &entry : parser.values(QStringLiteral("port-map"))) {
        const auto mapping = PortResolver::parseMapping(entry);
        if (!mapping) {
            fail(exit_codes::BadCommandLine,
                 QStringLiteral("--port-map %1: give N=DEVICE, e.g. 3=/dev/ttyUSB1").arg(entry));
            return false;
        }
        resolver.setExplicit(mapping->first, mapping->second,
                             QStringLiteral("mapped on the command line"));
    }
    return true;
}

QString Cli::deviceForNumber(const PortResolver &resolver, const QString &option,
                             const QString &text, QList<SystemPort> &ordered, bool &scanned)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    static const QRegularExpression digits(QStringLiteral("^\\s*[0-9]+\\s*$"));
    if (!ok || n < 1) {
        const QString why = ok ? QStringLiteral("port numbers start at 1")
                            : digits.match(text).hasMatch()
                                ? QStringLiteral("no port has so high a number")
                                : QStringLiteral("not a port number");
        fail(exit_codes::BadCommandLine,
             QStringLiteral("--%1 %2: %3 ('zomar-cli ports' lists them)").arg(option, text, why));
        return {};
    }
    if (!scanned && !resolver.isExplicit(n)) {
        ordered = resolver.orderedSystemPorts();
        scanned = true;
    }
    const QString path = resolver.deviceFor(n, ordered);
    if (path.isEmpty())
        fail(exit_codes::PortFailed, QStringLiteral("--%1 %2: no serial device has that number on "
                                                    "this system ('zomar-cli ports' lists them)")
                                         .arg(option)
                                         .arg(n));
    return path;
}

QString Cli::resolvePort(const QString &option, const QString &name)
{
    const QString text = name.trimmed();
    bool isNumber = false;
    text.toInt(&isNumber);
    if (!isNumber)
        return PortResolver::devicePath(text);
    PortResolver resolver;
    if (!setUpResolver(resolver))
        return {};
    QList<SystemPort> ordered;
    bool scanned = false;
    return deviceForNumber(resolver, option, text, ordered, scanned);
}

std::unique_ptr<ModuleSession> Cli::openSession(const QString &device)
{
    auto session = std::make_unique<ModuleSession>(device, m_baud);
    trace(session->link(), device);
    return session;
}

void Cli::trace(SerialLink &link, const QString &device)
{
    if (m_trace)
        m_trace->tap(link, device);
}

} // namespace zomar
