#pragma once
// The --trace file: every byte on the lines, both ways, with a millisecond
// time. Opened before anything is sent; a write that fails later is kept, to
// be told at the end of the run.

#include "core/files/OutputStream.h"

#include <QElapsedTimer>
#include <QString>

namespace zomar {

class SerialLink;

class TraceFile
{
public:
    // Opens (creates or empties) the file and writes its heading at once, so
    // that a full disk shows now; a failure says why not. Only a file is
    // written: a FIFO, a device or a folder is refused.
    WriteFailure open(const QString &path, const QString &command);
    // Every byte the link sends or receives goes into the trace.
    void tap(SerialLink &link, const QString &device);
    QString path() const { return m_path; }
    // Why the first failed write failed ("" while none did).
    QString error() const;
    // Flushed to the disk and closed; error() after it.
    QString close();

private:
    bool write(const QByteArray &bytes);

    OutputStream m_file;
    QString m_path;
    QElapsedTimer m_clock;
};

} // namespace zomar
