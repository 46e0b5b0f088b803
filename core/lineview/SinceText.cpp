#include "core/lineview/SinceText.h"

#include <QRegularExpression>

namespace zomar {

QDateTime parseSince(const QString &text)
{
    static const QRegularExpression relative(QStringLiteral("^(\\d{1,9})([mhd])$"));
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

} // namespace zomar
