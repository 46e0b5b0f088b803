#include "core/line/ProgramLog.h"

#include "core/files/RecordFile.h"

#include <QFile>

namespace zomar {

QStringList ProgramLog::header()
{
    return {QStringLiteral("time"),          QStringLiteral("station"),
            QStringLiteral("device"),        QStringLiteral("by_id"),
            QStringLiteral("by_path"),       QStringLiteral("usb_serial"),
            QStringLiteral("profile"),       QStringLiteral("profile_sha256"),
            QStringLiteral("local"),         QStringLiteral("block_before"),
            QStringLiteral("block_written"), QStringLiteral("block_read_back"),
            QStringLiteral("result"),        QStringLiteral("message"),
            QStringLiteral("state"),         QStringLiteral("unit_id")};
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
            row.message,
            row.state,
            row.unitId};
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
    const QString problem = RecordFile::problem(path, QStringLiteral("log"), false);
    if (!problem.isEmpty())
        return problem;
    if (const WriteFailure failure = m_file.open(path, OutputStream::Start::Append);
        failure.failed())
        return QStringLiteral("cannot write the log %1: %2").arg(path, failure.detail);
    QByteArray start;
    if (m_file.size() == 0) {
        start = csvLine(header());
    } else {
        // A row cut short (a full disk, a power cut) is ended, so the next
        // row is not glued onto it.
        QFile tail(path);
        if (tail.open(QIODevice::ReadOnly) && tail.seek(tail.size() - 1) &&
            tail.read(1) != "\n")
            start = "\r\n";
    }
    if (!start.isEmpty() && (!m_file.write(start) || !m_file.sync()))
        return QStringLiteral("cannot write the log %1: %2").arg(path, m_file.failure().detail);
    return QString();
}

QString ProgramLog::append(const ProgramRow &row)
{
    if (!m_file.write(csvLine(fields(row))) || !m_file.sync())
        return QStringLiteral("cannot write the log %1: %2")
            .arg(m_file.path(), m_file.failure().detail);
    return QString();
}

} // namespace zomar
