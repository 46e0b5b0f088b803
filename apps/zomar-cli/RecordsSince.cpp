#include "apps/zomar-cli/RecordsCommand.h"

#include "core/lineview/SinceText.h"

namespace zomar {

std::optional<QString> sinceOption(Cli &cli)
{
    const QString text = cli.parser.value(QStringLiteral("since"));
    if (!cli.parser.isSet(QStringLiteral("since")))
        return QString();
    const QDateTime since = parseSince(text);
    if (!since.isValid()) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("--since %1: give a date (2026-12-07), a date and time "
                                "(2026-12-07T08:00) or a time back from now (30m, 12h, 7d)")
                     .arg(Cli::visible(text)));
        return std::nullopt;
    }
    return since.toUTC().toString(Qt::ISODateWithMs);
}

} // namespace zomar
