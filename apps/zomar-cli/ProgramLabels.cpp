#include "apps/zomar-cli/ProgramLabels.h"

#include "core/run/ProductionRun.h"

#include <QJsonObject>

namespace zomar {

QList<QCommandLineOption> ProgramLabels::options()
{
    return {{QStringLiteral("label"),
             QStringLiteral("A label for each module that passes: pdf:FOLDER, printer:NAME or "
                            "zpl://HOST[:PORT] (a label printer's raw port, 9100 unless given)."),
             QStringLiteral("target")},
            {QStringLiteral("label-template"),
             QStringLiteral("The labels' layout (size, fields, code, font): a zomar-label JSON "
                            "file; default 50 x 25 mm with a QR code."),
             QStringLiteral("file")}};
}

bool ProgramLabels::fromOptions(Cli &cli, std::unique_ptr<ProgramLabels> *labels)
{
    const QCommandLineParser &p = cli.parser;
    if (!p.isSet(QStringLiteral("label"))) {
        if (p.isSet(QStringLiteral("label-template"))) {
            cli.fail(exit_codes::BadCommandLine,
                     QStringLiteral("--label-template needs --label (where the labels go)"));
            return false;
        }
        return true;
    }
    QString error;
    const std::optional<LabelTarget> target =
        LabelTarget::parse(p.value(QStringLiteral("label")), &error);
    if (target && error.isEmpty())
        error = target->problem();
    if (!target || !error.isEmpty()) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("--label %1; nothing was sent").arg(Cli::visible(error)));
        return false;
    }
    LabelTemplate layout;
    if (p.isSet(QStringLiteral("label-template"))) {
        const std::optional<LabelTemplate> read =
            LabelTemplate::read(p.value(QStringLiteral("label-template")), &error);
        if (!read) {
            cli.fail(exit_codes::InvalidValue,
                     QStringLiteral("--label-template %1; nothing was sent").arg(error));
            return false;
        }
        layout = *read;
    }
    labels->reset(new ProgramLabels(cli, layout, *target));
    return true;
}

ProgramLabels::ProgramLabels(Cli &cli, const LabelTemplate &layout, const LabelTarget &target)
    : m_cli(cli), m_printer(std::make_unique<LabelPrinter>(layout, target))
{
    connect(m_printer.get(), &LabelPrinter::finished, this, &ProgramLabels::tell);
    m_printer->warmUp();
}

void ProgramLabels::attach(ProductionRun &run, const QString &store)
{
    // On a server the outcome follows the unit's rows through the journal.
    m_printer->recordIn(store, run.journalPath(), run.runId());
}

void ProgramLabels::writing(const ModuleOutcome &o, Band band, const QString &station)
{
    if (!o.unitId.isEmpty() && o.local)
        m_printer->prepare(LabelData::ofPass(o.unitId, *o.local, o.written, band, station));
}

void ProgramLabels::passed(const ModuleOutcome &o, Band band, const QString &station,
                           const QString &serial)
{
    if (!o.pass || o.unitId.isEmpty() || !o.local) {
        m_printer->forget(o.unitId);
        return;
    }
    LabelData d = LabelData::ofPass(o.unitId, *o.local, o.readBack, band, station);
    d.serial = serial;
    m_devices.insert(o.unitId, o.job.byPath.isEmpty() ? o.job.device : o.job.byPath);
    m_printer->print(d);
}

void ProgramLabels::tell(const QString &unitId, const LabelOutcome &outcome,
                         const QString &recordError)
{
    const QString device = m_devices.take(unitId);
    if (m_cli.json()) {
        m_cli.printJson({{QStringLiteral("unit_id"), unitId},
                         {QStringLiteral("device"), device},
                         {QStringLiteral("label"), outcome.printed ? QStringLiteral("printed")
                                                                   : QStringLiteral("failed")},
                         {QStringLiteral("target"), outcome.target},
                         {QStringLiteral("reason"), outcome.reason},
                         {QStringLiteral("record_error"), recordError}});
    } else if (outcome.printed) {
        m_cli.out(QStringLiteral("LABEL  %1  unit %2  printed to %3")
                      .arg(device, unitId, outcome.target));
    } else {
        // The unit passed all the same: a label can be printed again.
        m_cli.out(QStringLiteral("LABEL  %1  unit %2  label not printed: %3 (again: zomar-cli "
                                 "records label %2 --label %4)")
                      .arg(device, unitId, outcome.reason, outcome.target));
    }
    if (!recordError.isEmpty())
        m_cli.err(QStringLiteral("The label's outcome for unit %1 is not in the record: %2")
                      .arg(unitId, recordError));
    emit told();
}

} // namespace zomar
