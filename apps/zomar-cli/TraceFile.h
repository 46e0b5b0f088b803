#pragma once
// The --trace file: every byte on the lines, both ways, with a millisecond
// time. Opened before anything is sent; a write that fails later is kept, to
// be told at the end of the run.

#include <QElapsedTimer>
#include <QFile>
#include <QString>

namespace zomar {

class SerialLink;

class TraceFile
{
public:
    // Opens (creates or empties) the file and writes its heading at once, so
    // that a full disk shows now. Returns "" when open, else why not. A FIFO
    // that no program reads is refused, not waited for.
    QString open(const QString &path, const QString &command);
    // Every byte the link sends or receives goes into the trace.
    void tap(SerialLink &link, const QString &device);
    QString path() const { return m_path; }
    // Why the first failed write failed ("" while none did).
    QString error() const { return m_error; }

private:
    bool write(const QByteArray &bytes);

    QFile m_file;
    QString m_path;
    QString m_error;
    QElapsedTimer m_clock;
};

} // namespace zomar
