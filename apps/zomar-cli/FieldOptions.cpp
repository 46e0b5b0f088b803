#include "apps/zomar-cli/FieldOptions.h"

#include "apps/zomar-cli/Cli.h"
#include "core/protocol/FieldValues.h"

namespace zomar {

namespace FieldOptions {

void add(QCommandLineParser &parser, bool withProfile)
{
    parser.addOptions({
        {QStringLiteral("dest"), QStringLiteral("Destination address, 1 to 8 hex digits."),
         QStringLiteral("hex8")},
        {QStringLiteral("local"), QStringLiteral("Local address, 1 to 8 hex digits."),
         QStringLiteral("hex8")},
        {QStringLiteral("freq"),
         QStringLiteral("Frequency in MHz, a channel of the band (433: 430.000 + n x 0.0025; 868: "
                        "860.000 + n x 0.005)."),
         QStringLiteral("mhz")},
        {QStringLiteral("channel"), QStringLiteral("Channel number 0..65535 (instead of --freq)."),
         QStringLiteral("n")},
        {QStringLiteral("power"),
         QStringLiteral("TX power: 0, -3, -6, -9, -12, -15, -18 or -21 (dBm); --power=-21 or "
                        "\"-21 dBm\"."),
         QStringLiteral("dbm")},
        {QStringLiteral("rf-speed"),
         QStringLiteral("RF speed: 1200, 2400, 4800, 9600, 19200, 38400, 57600 or 115200 (bps)."),
         QStringLiteral("bps")},
    });
    if (withProfile)
        parser.addOption({QStringLiteral("profile"),
                          QStringLiteral("A profile file: its fields are written; options above "
                                         "override them."),
                          QStringLiteral("file")});
}

std::optional<Profile> readProfileOption(Cli &cli)
{
    const ProfileReading reading = readProfile(cli.parser.value(QStringLiteral("profile")));
    if (!reading.profile) {
        cli.fail(exit_codes::InvalidValue, reading.error + QStringLiteral("; nothing was sent"));
        return std::nullopt;
    }
    return reading.profile;
}

std::optional<Profile> read(Cli &cli, bool withProfile)
{
    const QCommandLineParser &p = cli.parser;
    Profile changes;
    if (withProfile && p.isSet(QStringLiteral("profile"))) {
        const std::optional<Profile> profile = readProfileOption(cli);
        if (!profile)
            return std::nullopt;
        changes = *profile;
    }
    const auto refuse = [&cli](const QString &option, const QString &text, const QString &why) {
        cli.fail(exit_codes::InvalidValue,
                 QStringLiteral("--%1 %2: %3; nothing was sent").arg(option, text, why));
    };
    const auto address = [&](const QString &option, std::optional<quint32> &field) {
        if (!p.isSet(option))
            return true;
        const Parsed<quint32> v = parseAddressValue(p.value(option));
        if (!v) {
            refuse(option, p.value(option), v.problem);
            return false;
        }
        field = v.value;
        return true;
    };
    if (!address(QStringLiteral("dest"), changes.destination) ||
        !address(QStringLiteral("local"), changes.local))
        return std::nullopt;

    // An explicit --band places the channel; otherwise the profile's band.
    if (p.isSet(QStringLiteral("band")) || !changes.band)
        changes.band = cli.band();
    const QString freq = QStringLiteral("freq");
    const QString channel = QStringLiteral("channel");
    if (p.isSet(freq) && p.isSet(channel)) {
        cli.fail(exit_codes::BadCommandLine, QStringLiteral("give --freq or --channel, not both"));
        return std::nullopt;
    }
    if (p.isSet(freq)) {
        const Parsed<int> v = parseFrequencyValue(*changes.band, p.value(freq));
        if (!v) {
            refuse(freq, p.value(freq), v.problem);
            return std::nullopt;
        }
        changes.channel = v.value;
    } else if (p.isSet(channel)) {
        const Parsed<int> v = parseChannelValue(p.value(channel));
        if (!v) {
            refuse(channel, p.value(channel), v.problem);
            return std::nullopt;
        }
        changes.channel = v.value;
    }
    if (p.isSet(QStringLiteral("power"))) {
        const Parsed<quint8> v = parseTxPowerValue(p.value(QStringLiteral("power")));
        if (!v) {
            refuse(QStringLiteral("power"), p.value(QStringLiteral("power")), v.problem);
            return std::nullopt;
        }
        changes.txPower = v.value;
    }
    if (p.isSet(QStringLiteral("rf-speed"))) {
        const Parsed<quint8> v = parseRfSpeedValue(p.value(QStringLiteral("rf-speed")));
        if (!v) {
            refuse(QStringLiteral("rf-speed"), p.value(QStringLiteral("rf-speed")), v.problem);
            return std::nullopt;
        }
        changes.rfSpeed = v.value;
    }
    return changes;
}

} // namespace FieldOptions

} // namespace zomar
