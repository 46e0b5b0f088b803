#include "apps/zomar-cli/ModuleCommands.h"

#include "apps/zomar-cli/BlockReport.h"
#include "apps/zomar-cli/FieldOptions.h"
#include "core/files/FileWriter.h"
#include "core/profiles/Profile.h"
#include "core/protocol/FieldValues.h"

#include <QFileInfo>
#include <QJsonArray>

namespace zomar {

namespace {

constexpr int kOptions = Cli::PortOptions | Cli::BandOption | Cli::JsonOption;

ModuleSession *startSession(Cli &cli)
{
    ModuleSession *session = cli.openSession(cli.device()).release();
    session->setParent(&cli);
    return session;
}

QString skippedNote(int skipped)
{
    return QStringLiteral("note: %1 byte(s) 0xA5 in the module's answer were skipped (an answer "
                          "cannot carry 0xA5)")
        .arg(skipped);
}

// A failed operation ends the run with its exit code and message.
bool failed(Cli &cli, const SessionResult &r)
{
    if (r.ok())
        return false;
    QJsonObject context{{QStringLiteral("device"), cli.device()}};
    if (r.stateUnknown)
        context.insert(QStringLiteral("state_unknown"), true);
    cli.fail(exitCodeOf(r), r.message, context);
    return true;
}

} // namespace

std::optional<int> runRead(Cli &cli)
{
    cli.parser.addOption({QStringLiteral("save"),
                          QStringLiteral("Also save the configuration as a profile in FILE."),
                          QStringLiteral("file")});
    if (!cli.parse(kOptions | Cli::RegionOption))
        return cli.exitCode();
    // Told before the module is asked: the save would refuse it after.
    const QString savePath = cli.parser.value(QStringLiteral("save"));
    if (cli.parser.isSet(QStringLiteral("save"))) {
        if (const WriteFailure problem = writeProblem(savePath); problem.failed()) {
            cli.fail(exit_codes::BadCommandLine,
                     QStringLiteral("--save %1; nothing was sent").arg(problem.text()));
            return cli.exitCode();
        }
    }
    if (!cli.resolveDevices())
        return cli.exitCode();
    ModuleSession *session = startSession(cli);
    QObject::connect(
        session, &ModuleSession::finished, &cli, [&cli, savePath](const SessionResult &r) {
            if (failed(cli, r))
                return;
            const ConfigBlock block = *r.block;
            const bool saving = cli.parser.isSet(QStringLiteral("save"));
            if (saving) {
                const QString problem =
                    saveProfile(Profile::fromBlock(block, cli.band()), savePath);
                if (!problem.isEmpty()) {
                    cli.fail(exit_codes::BadCommandLine, problem);
                    return;
                }
            }
            const QString saved = saving ? QFileInfo(savePath).absoluteFilePath() : QString();
            // What the module holds, placed in the band plan.
            const BandAdvice advice = cli.bandAdviceFor(cli.band(), block);
            if (cli.json()) {
                QJsonObject o = BlockReport::json(block, cli.band(), cli.device(), cli.baud());
                o.insert(QStringLiteral("skipped_a5"), r.skippedA5);
                if (saving)
                    o.insert(QStringLiteral("saved"), saved);
                o.insert(QStringLiteral("band_advice"), BlockReport::bandAdvice(advice));
                cli.printJson(o);
            } else {
                cli.out(BlockReport::table(block, cli.band(), cli.device(), cli.baud()));
                if (r.skippedA5 > 0)
                    cli.out(skippedNote(r.skippedA5));
                if (saving)
                    cli.out(QStringLiteral("Saved as a profile: %1").arg(Cli::visible(saved)));
            }
            cli.printBandAdvice(advice);
            cli.finish(exit_codes::Done);
        });
    session->read();
    return std::nullopt;
}

std::optional<int> runWrite(Cli &cli)
{
    FieldOptions::add(cli.parser, true);
    cli.parser.addOption({QStringLiteral("dry-run"),
                          QStringLiteral("Print the twelve bytes that would be sent, open no port "
                                         "(every field must be named).")});
    if (!cli.parse(kOptions | Cli::RegionOption))
        return cli.exitCode();
    const std::optional<Profile> changes = FieldOptions::read(cli, true);
    if (!changes)
        return cli.exitCode();
    if (changes->namedFields().isEmpty()) {
        const QString options = QStringLiteral("--dest, --local, --freq or --channel, --power, "
                                               "--rf-speed");
        cli.fail(exit_codes::BadCommandLine,
                 cli.parser.isSet(QStringLiteral("profile"))
                     ? QStringLiteral("the profile %1 names no field, so there is nothing to "
                                      "write; name one in it, or with %2")
                           .arg(Cli::visible(cli.parser.value(QStringLiteral("profile"))), options)
                     : QStringLiteral("name what to change: %1, or a --profile").arg(options));
        return cli.exitCode();
    }
    const QString problem = FieldOptions::writeProblem(*changes);
    if (!problem.isEmpty()) {
        cli.fail(exit_codes::InvalidValue, problem + QStringLiteral(". Nothing was sent"));
        return cli.exitCode();
    }

    if (cli.parser.isSet(QStringLiteral("dry-run"))) {
        if (!changes->namesEveryField()) {
            QList<BlockField> missing;
            for (BlockField f : {BlockField::Destination, BlockField::Local, BlockField::Channel,
                                 BlockField::TxPower, BlockField::RfSpeed})
                if (!changes->namedFields().contains(f))
                    missing << f;
            cli.fail(exit_codes::BadCommandLine,
                     QStringLiteral("--dry-run opens no port, so every field must be named; "
                                    "missing: %1")
                         .arg(FieldOptions::fieldNames(missing)));
            return cli.exitCode();
        }
        const ConfigBlock block = changes->applyTo(ConfigBlock{});
        const BandAdvice advice = cli.bandAdviceFor(*changes->band, block, changes->antennaGainDbi);
        if (cli.json())
            cli.printJson({{QStringLiteral("block"), blockHex(block.toBytes())},
                           {QStringLiteral("band_advice"), BlockReport::bandAdvice(advice)}});
        else
            cli.out(blockHex(block.toBytes(), true));
        cli.printBandAdvice(advice);
        return exit_codes::Done;
    }
    if (!cli.resolveDevices())
        return cli.exitCode();

    ModuleSession *session = startSession(cli);
    const Profile wanted = *changes;
    QObject::connect(
        session, &ModuleSession::finished, &cli, [&cli, session, wanted](const SessionResult &r) {
            if (failed(cli, r))
                return;
            if (r.op == SessionOp::Read) {
                session->write(wanted.applyTo(*r.block));
                return;
            }
            const Band band = wanted.band.value_or(cli.band());
            const ConfigBlock before = r.before.value_or(*r.written);
            const BandAdvice advice = cli.bandAdviceFor(band, *r.written, wanted.antennaGainDbi);
            if (cli.json()) {
                cli.printJson(
                    {{QStringLiteral("result"), QStringLiteral("verified")},
                     {QStringLiteral("device"), cli.device()},
                     {QStringLiteral("before"), blockHex(before.toBytes())},
                     {QStringLiteral("written"), blockHex(r.written->toBytes())},
                     {QStringLiteral("read_back"), blockHex(r.block->toBytes())},
                     {QStringLiteral("changed"),
                      QJsonArray::fromStringList(BlockReport::changes(before, *r.written, band))},
                     {QStringLiteral("band_advice"), BlockReport::bandAdvice(advice)}});
            } else {
                cli.out(QStringLiteral("Written and verified on %1 at %2 baud")
                            .arg(cli.device())
                            .arg(cli.baud()));
                const QStringList changed = BlockReport::changes(before, *r.written, band);
                for (const QString &line : changed)
                    cli.out(QStringLiteral("  ") + line);
                if (changed.isEmpty())
                    cli.out(QStringLiteral("  (the module already held these values)"));
            }
            cli.printBandAdvice(advice);
            cli.finish(exit_codes::Done);
        });
    session->read();
    return std::nullopt;
}

std::optional<int> runReset(Cli &cli)
{
    cli.parser.addOption({QStringLiteral("yes"),
                          QStringLiteral("Confirm: write the factory defaults over the module's "
                                         "configuration.")});
    if (!cli.parse(kOptions))
        return cli.exitCode();
    const QString defaults = blockHex(ConfigBlock::factoryDefaults().toBytes(), true);
    if (!cli.parser.isSet(QStringLiteral("yes"))) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("this writes the factory defaults (%1) over the module's "
                                "configuration, addresses included; add --yes to do it")
                     .arg(defaults));
        return cli.exitCode();
    }
    if (!cli.resolveDevices())
        return cli.exitCode();
    ModuleSession *session = startSession(cli);
    QObject::connect(
        session, &ModuleSession::finished, &cli, [&cli, defaults](const SessionResult &r) {
            if (failed(cli, r))
                return;
            if (cli.json())
                cli.printJson({{QStringLiteral("result"), QStringLiteral("verified")},
                               {QStringLiteral("device"), cli.device()},
                               {QStringLiteral("written"), blockHex(r.written->toBytes())}});
            else
                cli.out(QStringLiteral("Factory defaults (%1) written and verified "
                                       "on %2")
                            .arg(defaults, cli.device()));
            cli.finish(exit_codes::Done);
        });
    session->factoryReset();
    return std::nullopt;
}

std::optional<int> runVerify(Cli &cli)
{
    cli.parser.addOption({QStringLiteral("profile"),
                          QStringLiteral("The profile to compare with (only the fields it names)."),
                          QStringLiteral("file")});
    if (!cli.parse(kOptions))
        return cli.exitCode();
    if (!cli.parser.isSet(QStringLiteral("profile"))) {
        cli.fail(exit_codes::BadCommandLine, QStringLiteral("name the --profile to compare with"));
        return cli.exitCode();
    }
    const std::optional<Profile> profile = FieldOptions::readProfileOption(cli);
    if (!profile)
        return cli.exitCode();
    if (profile->namedFields().isEmpty()) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("the profile %1 names no field, so there is nothing to verify; "
                                "nothing was sent")
                     .arg(Cli::visible(cli.parser.value(QStringLiteral("profile")))));
        return cli.exitCode();
    }
    if (!cli.resolveDevices())
        return cli.exitCode();
    ModuleSession *session = startSession(cli);
    const Profile wanted = *profile;
    QObject::connect(
        session, &ModuleSession::finished, &cli, [&cli, wanted](const SessionResult &r) {
            if (failed(cli, r))
                return;
            const Band band = cli.parser.isSet(QStringLiteral("band"))
                                  ? cli.band()
                                  : wanted.band.value_or(cli.band());
            const ConfigBlock module = *r.block;
            const ConfigBlock expected = wanted.applyTo(module);
            const QList<BlockField> differ = module.differingFields(expected);
            QJsonArray rows;
            QStringList lines;
            for (BlockField f : differ) {
                rows.append(
                    QJsonObject{{QStringLiteral("field"), fieldKey(f)},
                                {QStringLiteral("module"), blockFieldText(module, f, band)},
                                {QStringLiteral("profile"), blockFieldText(expected, f, band)}});
                lines << QStringLiteral("  %1: module %2, profile %3")
                             .arg(fieldKey(f), blockFieldText(module, f, band),
                                  blockFieldText(expected, f, band));
            }
            if (cli.json()) {
                cli.printJson(
                    {{QStringLiteral("device"), cli.device()},
                     {QStringLiteral("result"),
                      differ.isEmpty() ? QStringLiteral("match") : QStringLiteral("differ")},
                     {QStringLiteral("block"), blockHex(module.toBytes())},
                     {QStringLiteral("differing"), rows}});
            } else if (differ.isEmpty()) {
                cli.out(QStringLiteral("Match: %1 holds the %2 field(s) the profile names (%3)")
                            .arg(cli.device())
                            .arg(wanted.namedFields().size())
                            .arg(FieldOptions::fieldNames(wanted.namedFields())));
            } else {
                cli.out(QStringLiteral("Differ: %1 field(s) of %2 differ from the profile")
                            .arg(differ.size())
                            .arg(cli.device()));
                for (const QString &line : lines)
                    cli.out(line);
            }
            cli.finish(differ.isEmpty() ? exit_codes::Done : exit_codes::Mismatch);
        });
    session->read();
    return std::nullopt;
}

} // namespace zomar
