#pragma once
// The record of a production line: one CSV row (RFC 4180, header first) per
// module attempt, appended, each row flushed and fsynced before the module's
// result is shown, so that a power cut loses no row that was reported. The
// log is also the allocation record: a new run resumes after the highest
// address written for the same profile.

#include <QDateTime>
#include <QFile>
#include <QString>
#include <QStringList>

#include <optional>

namespace zomar {

struct ProgramRow {
    QDateTime time;
    QString station;
    QString device;
    QString byId;
    QString byPath;
    QString usbSerial;
    QString profileFile;
    QString profileSha256;
    QString local;         // the local address given (hex), or ""
    QString blockBefore;   // hex, "" when the module did not answer
    QString blockWritten;  // hex, "" when nothing was written
    QString blockReadBack; // hex, "" when there was no read-back
    bool pass = false;
    QString message;
};

class ProgramLog
{
public:
    static QStringList header();
    // One row as a CSV line with CRLF.
    static QByteArray csvLine(const QStringList &fields);
    static QStringList fields(const ProgramRow &row);
    // Parses CSV text into rows of fields (quoted fields with commas, quotes
    // and line breaks).
    static QList<QStringList> parseCsv(const QByteArray &text);

    // Opens the log for appending, writing the header to a new or empty file.
    // Returns "" when open, else why not.
    QString open(const QString &path);
    // Appends, flushes and fsyncs one row; "" when it is on disk.
    QString append(const ProgramRow &row);

    // The highest local address written with this profile (its digest, or
    // the same file name) in an existing log (nullopt when none, or no file).
    static std::optional<quint32> highestLocal(const QString &path, const QString &profileSha256,
                                               const QString &profileFile,
                                               QString *error = nullptr);

private:
    QFile m_file;
};

} // namespace zomar
