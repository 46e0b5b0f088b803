#pragma once
// A file written as things happen (a trace, a capture, a production log), or
// the program's standard output. A file is a regular one or a new one, as
// FileWriter has it, opened without waiting on anything; its bytes go to it
// at once (a run that is killed keeps what it saw, and `tail -f` follows it)
// and to the disk when it is synced or closed. The first failure is kept:
// after it nothing more is written, so what is there has no hole, and the
// run can say at its end that the file is incomplete.

#include "core/files/FileWriter.h"

#include <QByteArray>
#include <QString>

namespace zomar {

class OutputStream
{
public:
    enum class Start {
        Empty,  // a new file, or the old one emptied
        Append, // after what the file holds
    };

    OutputStream() = default;
    // An open descriptor, written as it is whatever it is (it stays open):
    // what the program's standard output is built on.
    OutputStream(int fd, const QString &name);
    ~OutputStream();
    OutputStream(const OutputStream &) = delete;
    OutputStream &operator=(const OutputStream &) = delete;

    // The program's standard output, whatever it is connected to.
    static OutputStream &standardOutput();

    // Opens a file; a failure is also kept as failure().
    WriteFailure open(const QString &path, Start start);
    bool isOpen() const { return m_fd >= 0; }
    QString path() const { return m_path; }
    // Bytes the file held when it was opened (Append), and written since.
    qint64 size() const { return m_size; }

    // All of `bytes`, or false (then and after a failure).
    bool write(const QByteArray &bytes);
    // What was written is on the disk (a file; nothing for a pipe or a terminal).
    bool sync();
    // Synced and closed; the first failure, if any.
    WriteFailure close();
    const WriteFailure &failure() const { return m_failure; }
    // The output is a pipe or socket whose reader has gone away: a write
    // would fail. Asked without writing, so an idle run can end too.
    bool readerGone();

private:
    bool fail(WriteFailure::Reason reason, int error);

    int m_fd = -1;
    bool m_owned = false; // closed here (not the standard output)
    bool m_file = false;  // a regular file: synced
    QString m_path;
    qint64 m_size = 0;
    WriteFailure m_failure;
};

} // namespace zomar
