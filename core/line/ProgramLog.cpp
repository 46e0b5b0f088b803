#include "core/line/ProgramLog.h"

#include "core/files/CsvText.h"
#include "core/files/RecordFile.h"
#include "core/store/UnitColumns.h"

#include <QFile>

namespace zomar {

namespace {

QString valueOf(const ProgramRow &row, UnitColumn column)
{
    switch (column) {
    case UnitColumn::Time:
        return row.time.toOffsetFromUtc(row.time.offsetFromUtc()).toString(Qt::ISODate);
    case UnitColumn::Station:
        return row.station;
    case UnitColumn::Device:
        return row.device;
    case UnitColumn::ById:
        return row.byId;
    case UnitColumn::ByPath:
        return row.byPath;
    case UnitColumn::UsbSerial:
        return row.usbSerial;
    case UnitColumn::Profile:
        return row.profileFile;
    case UnitColumn::ProfileSha256:
        return row.profileSha256;
    case UnitColumn::Local:
        return row.local;
    case UnitColumn::BlockBefore:
        return row.blockBefore;
    case UnitColumn::BlockWritten:
        return row.blockWritten;
    case UnitColumn::BlockReadBack:
        return row.blockReadBack;
    case UnitColumn::Result:
        return row.pass ? QStringLiteral("PASS") : QStringLiteral("FAIL");
    case UnitColumn::Message:
        return row.message;
    case UnitColumn::State:
        return row.state;
    case UnitColumn::UnitId:
        return row.unitId;
    default:
        return QString(); // not a column of the log
    }
}

} // namespace

QStringList ProgramLog::header()
{
    return unitColumnNames(logColumns());
}

QByteArray ProgramLog::csvLine(const QStringList &fields)
{
    return zomar::csvLine(fields);
}

QStringList ProgramLog::fields(const ProgramRow &row)
{
    QStringList values;
    for (const UnitColumn column : logColumns())
        values << valueOf(row, column);
    return values;
}

QList<QStringList> ProgramLog::parseCsv(const QByteArray &text)
{
    return zomar::parseCsv(text);
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
