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
         QStringLiteral("TX power: %1; --power=-21 or \"-21 dBm\".").arg(allowedTxPowers()),
         QStringLiteral("dbm")},
        {QStringLiteral("rf-speed"), QStringLiteral("RF speed: %1.").arg(allowedRfSpeeds()),
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

QString fieldNames(const QList<BlockField> &fields)
{
    QStringList names;
    for (BlockField f : fields)
        names << fieldKey(f);
    return names.join(QStringLiteral(", "));
}

QString writeProblem(const Profile &changes)
{
    const QList<BlockField> holding = changes.fieldsHoldingUnreadableByte();
    if (holding.isEmpty())
        return QString();
    return QStringLiteral("%1 would put the byte A5 into the block; a module's answer cannot "
                          "carry it, so the write could never be verified")
        .arg(fieldNames(holding));
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
    // An option given sets its field, or refuses the run naming the text and why.
    const auto take = [&](const QString &option, auto &field, auto parse) {
        if (!p.isSet(option))
            return true;
        const auto v = parse(p.value(option));
        if (!v) {
            cli.fail(exit_codes::InvalidValue,
                     QStringLiteral("--%1 %2: %3; nothing was sent")
                         .arg(option, Cli::visible(p.value(option)), v.problem));
            return false;
        }
        field = v.value;
        return true;
    };
    if (!take(QStringLiteral("dest"), changes.destination, parseAddressValue) ||
        !take(QStringLiteral("local"), changes.local, parseAddressValue))
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
    const Band band = *changes.band;
    const auto frequency = [band](const QString &text) { return parseFrequencyValue(band, text); };
    if (!take(freq, changes.channel, frequency) ||
        !take(channel, changes.channel, parseChannelValue) ||
        !take(QStringLiteral("power"), changes.txPower, parseTxPowerValue) ||
        !take(QStringLiteral("rf-speed"), changes.rfSpeed, parseRfSpeedValue))
        return std::nullopt;
    return changes;
}

} // namespace FieldOptions

} // namespace zomar
