#include "apps/zomar-cli/RecordsCommand.h"

#include <QDateTime>
#include <QRegularExpression>

namespace zomar {

namespace {

// "2026-12-07", "2026-12-07T08:00" (local time unless a zone is given), or
// a time back from now: "30m", "12h", "7d". Invalid when it is none of them.
QDateTime parseSince(const QString &text)
{
    static const QRegularExpression relative(QStringLiteral("^(\\d+)([mhd])$"));
    const QRegularExpressionMatch m = relative.match(text.trimmed());
    if (m.hasMatch()) {
        const qint64 n = m.captured(1).toLongLong();
        const qint64 unit = m.captured(2) == QLatin1String("m")   ? 60
                            : m.captured(2) == QLatin1String("h") ? 3600
                                                                  : 86400;
        return QDateTime::currentDateTimeUtc().addSecs(-n * unit);
    }
    QDateTime t = QDateTime::fromString(text.trimmed(), Qt::ISODateWithMs);
    if (!t.isValid())
        t = QDateTime(QDate::fromString(text.trimmed(), Qt::ISODate), QTime(0, 0));
    return t;
}

} // namespace

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
