#pragma once
// A production line's CSV log (RFC 4180, header first): a human-readable
// mirror of the store, one row per module attempt appended (flushed and
// fsynced) once its outcome is committed to the store. The store, not this
// file, is the allocation record; a log of an earlier version, which was,
// is imported into the store once (LegacyLogImport).

#include "core/files/OutputStream.h"

#include <QDateTime>
#include <QString>
#include <QStringList>


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
    QString state;  // the store's state of the unit: "pass", "fail", "unknown"
    QString unitId; // the unit's id in the store
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
    // Returns "" when open, else why not. A log must be a regular file.
    QString open(const QString &path);
    // Appends, flushes and fsyncs one row; "" when it is on disk.
    QString append(const ProgramRow &row);
    QString path() const { return m_file.path(); }

private:
    OutputStream m_file;
};

} // namespace zomar
