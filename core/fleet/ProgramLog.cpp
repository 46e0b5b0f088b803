#include "core/fleet/ProgramLog.h"

#include <QFileInfo>

#include <algorithm>

#include <unistd.h>

namespace zomar {

namespace {
// Finds a column of a log by its header name, so that logs written before a
// column was added still resume.
int columnOf(const QStringList &header, const char *name)
{
    return static_cast<int>(header.indexOf(QLatin1String(name)));
}
} // namespace

QStringList ProgramLog::header()
{
    return {QStringLiteral("time"),          QStringLiteral("station"),
            QStringLiteral("device"),        QStringLiteral("by_id"),
            QStringLiteral("by_path"),       QStringLiteral("usb_serial"),
            QStringLiteral("profile"),       QStringLiteral("profile_sha256"),
            QStringLiteral("local"),         QStringLiteral("block_before"),
            QStringLiteral("block_written"), QStringLiteral("block_read_back"),
            QStringLiteral("result"),        QStringLiteral("message")};
}

QByteArray ProgramLog::csvLine(const QStringList &fields)
{
    QStringList quoted;
    for (QString f : fields) {
        if (f.contains(QLatin1Char(',')) || f.contains(QLatin1Char('"')) ||
            f.contains(QLatin1Char('\n')) || f.contains(QLatin1Char('\r'))) {
            f.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            f = QLatin1Char('"') + f + QLatin1Char('"');
        }
        quoted << f;
    }
    return quoted.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

QStringList ProgramLog::fields(const ProgramRow &row)
{
    return {row.time.toOffsetFromUtc(row.time.offsetFromUtc()).toString(Qt::ISODate),
            row.station,
            row.device,
            row.byId,
            row.byPath,
            row.usbSerial,
            row.profileFile,
            row.profileSha256,
            row.local,
            row.blockBefore,
            row.blockWritten,
            row.blockReadBack,
            row.pass ? QStringLiteral("PASS") : QStringLiteral("FAIL"),
            row.message};
}

QList<QStringList> ProgramLog::parseCsv(const QByteArray &bytes)
{
    const QString text = QString::fromUtf8(bytes);
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    bool any = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        any = true;
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            row << field;
            rows << row;
            row.clear();
            field.clear();
            any = false;
        } else {
            field += c;
        }
    }
    if (any) {
        row << field;
        rows << row;
    }
    return rows;
}

QString ProgramLog::open(const QString &path)
{
    m_file.setFileName(path);
    if (QFileInfo(path).isDir())
        return QStringLiteral("%1 is a folder, not a log file").arg(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append))
        return QStringLiteral("cannot write the log %1: %2").arg(path, m_file.errorString());
    if (m_file.size() == 0) {
        m_file.write(csvLine(header()));
        if (!m_file.flush() || ::fsync(m_file.handle()) != 0)
            return QStringLiteral("cannot write the log %1: %2").arg(path, m_file.errorString());
    }
    return QString();
}

QString ProgramLog::append(const ProgramRow &row)
{
    const QByteArray line = csvLine(fields(row));
    if (m_file.write(line) != line.size() || !m_file.flush() || ::fsync(m_file.handle()) != 0)
        return QStringLiteral("cannot write the log %1: %2")
            .arg(m_file.fileName(), m_file.errorString());
    return QString();
}

std::optional<quint32> ProgramLog::highestLocal(const QString &path, const QString &profileSha256,
                                                const QString &profileFile, QString *error)
{
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    if (QFileInfo(path).isDir()) {
        if (error)
            *error = QStringLiteral("%1 is a folder, not a log file").arg(path);
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot read the log %1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    const QList<QStringList> rows = parseCsv(file.readAll());
    if (rows.isEmpty())
        return std::nullopt;
    const QStringList &head = rows.first();
    const int shaColumn = columnOf(head, "profile_sha256");
    const int fileColumn = columnOf(head, "profile");
    const int localColumn = columnOf(head, "local");
    const int writtenColumn = columnOf(head, "block_written");
    if (shaColumn < 0 || fileColumn < 0 || localColumn < 0 || writtenColumn < 0) {
        if (error)
            *error = QStringLiteral("%1 is not a log of this program (its header lacks the "
                                    "profile, local or block_written column)")
                         .arg(path);
        return std::nullopt;
    }
    const int needed = std::max({shaColumn, fileColumn, localColumn, writtenColumn}) + 1;
    std::optional<quint32> highest;
    for (const QStringList &row : rows.mid(1)) {
        // The same profile, or the same file edited since: an address once
        // handed out under it is never handed out again.
        if (row.size() < needed ||
            (row.at(shaColumn) != profileSha256 && row.at(fileColumn) != profileFile))
            continue;
        // An address counts as used once something was written with it.
        if (row.at(writtenColumn).isEmpty())
            continue;
        bool ok = false;
        const quint32 local = row.at(localColumn).toUInt(&ok, 16);
        if (ok && (!highest || local > *highest))
            highest = local;
    }
    return highest;
}

} // namespace zomar
