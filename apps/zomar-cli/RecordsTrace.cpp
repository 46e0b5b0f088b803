#include "apps/zomar-cli/RecordsTrace.h"

#include "apps/zomar-cli/ProgramLabels.h"
#include "core/store/ProductionStore.h"
#include "core/run/SerialBinder.h"
#include "core/store/StoreTrace.h"
#include "core/profiles/Profile.h"

#include <QJsonObject>
#include <QRegularExpression>

namespace zomar {

namespace {

// The unit named after the verb; nullopt when refused (the run is then over).
std::optional<UnitRow> namedUnit(Cli &cli, ProductionStore &store, const QString &usage)
{
    const QString unitId = cli.parser.positionalArguments().value(1).trimmed().toLower();
    if (unitId.isEmpty()) {
        cli.fail(exit_codes::BadCommandLine, QStringLiteral("name the unit: ") + usage);
        return std::nullopt;
    }
    QString error;
    std::optional<UnitRow> unit = StoreTrace::unit(store, unitId, &error);
    if (!unit)
        cli.fail(exit_codes::BadCommandLine, Cli::visible(error));
    return unit;
}

// How the unit's channel is shown: --band, else its profile's band (when
// the file still says), else the command line's default.
Band bandOf(Cli &cli, const UnitRow &unit)
{
    if (cli.parser.isSet(QStringLiteral("band")) || unit.profileFile.isEmpty())
        return cli.band();
    const ProfileReading reading = readProfile(unit.profileFile);
    return reading.profile && reading.profile->band ? *reading.profile->band : cli.band();
}

} // namespace

QList<QCommandLineOption> traceOptions()
{
    return {{QStringLiteral("serial-pattern"),
             QStringLiteral("serial: what a product serial must match (a regular expression, "
                            "whole serial)."),
             QStringLiteral("regex")}};
}

int reprintLabel(Cli &cli, ProductionStore &store)
{
    if (!cli.parser.isSet(QStringLiteral("label"))) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("say where: records label UNIT_ID --label TARGET"));
        return *cli.exitCode();
    }
    QString error;
    const std::optional<LabelTarget> target =
        LabelTarget::parse(cli.parser.value(QStringLiteral("label")), &error);
    if (!target) {
        cli.fail(exit_codes::BadCommandLine, QStringLiteral("--label ") + Cli::visible(error));
        return *cli.exitCode();
    }
    LabelTemplate layout;
    if (cli.parser.isSet(QStringLiteral("label-template"))) {
        const std::optional<LabelTemplate> read =
            LabelTemplate::read(cli.parser.value(QStringLiteral("label-template")), &error);
        if (!read) {
            cli.fail(exit_codes::InvalidValue, QStringLiteral("--label-template ") + error);
            return *cli.exitCode();
        }
        layout = *read;
    }
    const std::optional<UnitRow> unit =
        namedUnit(cli, store, QStringLiteral("records label UNIT_ID --label TARGET"));
    if (!unit)
        return *cli.exitCode();
    const std::optional<LabelData> data = LabelData::ofUnit(*unit, bandOf(cli, *unit), &error);
    if (!data) {
        cli.fail(exit_codes::BadCommandLine, error);
        return *cli.exitCode();
    }
    LabelOutcome outcome;
    outcome.target = target->text();
    outcome.reason = LabelPrinter::deliver(*data, layout, *target);
    outcome.printed = outcome.reason.isEmpty();
    outcome.at = ProductionStore::now();
    const QString recordError = StoreTrace::recordLabel(store, unit->unitId, outcome);
    if (!recordError.isEmpty())
        cli.err(QStringLiteral("The label's outcome is not in the record: %1").arg(recordError));
    if (!outcome.printed) {
        cli.fail(exit_codes::PortFailed,
                 QStringLiteral("label not printed: %1").arg(Cli::visible(outcome.reason)),
                 {{QStringLiteral("unit_id"), unit->unitId},
                  {QStringLiteral("target"), outcome.target}});
        return *cli.exitCode();
    }
    if (cli.json())
        cli.printJson({{QStringLiteral("unit_id"), unit->unitId},
                       {QStringLiteral("label"), QStringLiteral("printed")},
                       {QStringLiteral("target"), outcome.target},
                       {QStringLiteral("code"), data->codeText(layout.code)}});
    else
        cli.out(QStringLiteral("Label of unit %1 (local address %2) printed to %3.")
                    .arg(unit->unitId, addressHex(data->local), outcome.target));
    return exit_codes::Done;
}

int bindProductSerial(Cli &cli, ProductionStore &store)
{
    const QString serial = cli.parser.positionalArguments().value(2).trimmed();
    if (serial.isEmpty()) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("give the serial: records serial UNIT_ID SERIAL"));
        return *cli.exitCode();
    }
    std::optional<QRegularExpression> pattern;
    if (cli.parser.isSet(QStringLiteral("serial-pattern"))) {
        QString error;
        pattern = serialPattern(cli.parser.value(QStringLiteral("serial-pattern")), &error);
        if (!pattern) {
            cli.fail(exit_codes::BadCommandLine, QStringLiteral("--serial-pattern: %1").arg(error));
            return *cli.exitCode();
        }
    }
    switch (serialFault(serial, pattern ? &*pattern : nullptr)) {
    case SerialFault::None:
    case SerialFault::Empty:
        break;
    case SerialFault::NoMatch:
        cli.fail(exit_codes::InvalidValue,
                 QStringLiteral("product serial %1 does not match %2: not bound")
                     .arg(Cli::visible(serial),
                          cli.parser.value(QStringLiteral("serial-pattern"))));
        return *cli.exitCode();
    case SerialFault::NotPrintable:
    case SerialFault::TooLong:
        cli.fail(exit_codes::InvalidValue,
                 QStringLiteral("a product serial is one line of at most %1 printable characters")
                     .arg(kSerialMaxLength));
        return *cli.exitCode();
    }
    const std::optional<UnitRow> unit =
        namedUnit(cli, store, QStringLiteral("records serial UNIT_ID SERIAL"));
    if (!unit)
        return *cli.exitCode();
    const QString refused = StoreTrace::bindSerial(store, unit->unitId, serial);
    if (!refused.isEmpty()) {
        cli.fail(exit_codes::InvalidValue, refused,
                 {{QStringLiteral("unit_id"), unit->unitId}, {QStringLiteral("serial"), serial}});
        return *cli.exitCode();
    }
    if (cli.json())
        cli.printJson({{QStringLiteral("unit_id"), unit->unitId},
                       {QStringLiteral("serial"), serial}});
    else
        cli.out(QStringLiteral("Product serial %1 is bound to unit %2.").arg(serial, unit->unitId));
    return exit_codes::Done;
}

} // namespace zomar
