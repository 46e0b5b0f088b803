#include "apps/zomar-cli/ProfileCommand.h"

#include "apps/zomar-cli/BlockReport.h"
#include "apps/zomar-cli/FieldOptions.h"
#include "core/profiles/Profile.h"
#include "core/protocol/FieldValues.h"

#include <QJsonArray>

namespace zomar {

std::optional<int> runProfile(Cli &cli)
{
    cli.parser.addPositionalArgument(QStringLiteral("check"),
                                     QStringLiteral("Validate the profile and show what it sets."));
    cli.parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The profile file."));
    cli.allowArguments(2);
    if (!cli.parse(Cli::JsonOption | Cli::RegionOption, QStringLiteral(" check FILE")))
        return cli.exitCode();
    const QStringList args = cli.parser.positionalArguments();
    if (args.size() != 2 || args.first() != QLatin1String("check")) {
        cli.fail(exit_codes::BadCommandLine, QStringLiteral("usage: zomar-cli profile check FILE"));
        return cli.exitCode();
    }
    const ProfileReading reading = readProfile(args.at(1));
    const QJsonObject invalid{{QStringLiteral("file"), args.at(1)},
                              {QStringLiteral("valid"), false}};
    if (!reading.profile) {
        cli.fail(exit_codes::InvalidValue, reading.error, invalid);
        return cli.exitCode();
    }
    const Profile &p = *reading.profile;
    // Valid means that a write takes it: the write's own rules too.
    const QString problem = FieldOptions::writeProblem(p);
    if (!problem.isEmpty()) {
        cli.fail(exit_codes::InvalidValue, QStringLiteral("%1: %2").arg(args.at(1), problem),
                 invalid);
        return cli.exitCode();
    }
    const Band band = p.band.value_or(Band::None);
    const ConfigBlock block = p.applyTo(ConfigBlock{});
    // Advice only when the profile places a channel on a band.
    const BandAdvice advice = cli.bandAdviceFor(p, band);
    QJsonArray sets;
    QStringList lines;
    for (BlockField f : p.namedFields()) {
        const QString text = f == BlockField::Channel && band != Band::None
                                 ? QStringLiteral("%1 (channel %2)")
                                       .arg(blockFieldText(block, f, band))
                                       .arg(block.channel)
                                 : blockFieldText(block, f, band);
        sets.append(
            QJsonObject{{QStringLiteral("field"), fieldKey(f)}, {QStringLiteral("value"), text}});
        lines << QStringLiteral("  %1  %2").arg(fieldLabel(f), -11).arg(text);
    }
    if (cli.json()) {
        cli.printJson({{QStringLiteral("file"), args.at(1)},
                       {QStringLiteral("valid"), true},
                       {QStringLiteral("name"), p.name.value_or(QString())},
                       {QStringLiteral("sets"), sets},
                       {QStringLiteral("band_advice"), BlockReport::bandAdvice(advice)}});
        return exit_codes::Done;
    }
    cli.out(QStringLiteral("%1: valid profile%2")
                .arg(Cli::visible(args.at(1)),
                     p.name ? QStringLiteral(" \"%1\"").arg(Cli::visible(*p.name)) : QString()));
    if (p.comment)
        cli.out(QStringLiteral("  %1").arg(Cli::visible(*p.comment)));
    if (lines.isEmpty())
        cli.out(QStringLiteral("  It names no field: writing it changes nothing."));
    else
        cli.out(QStringLiteral("It sets:"));
    for (const QString &line : lines)
        cli.out(line);
    if (!lines.isEmpty() && !p.namesEveryField())
        cli.out(QStringLiteral("Fields it does not name keep each module's own values."));
    cli.printBandAdvice(advice);
    return exit_codes::Done;
}

} // namespace zomar
