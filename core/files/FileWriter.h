#pragma once
// The one way the tools write a file. Only a regular file, or a new one, is
// written: a device, a FIFO, a socket or a folder at the path is refused (a
// rename would put a file in its place; a FIFO could hang the writer). A
// whole file goes to a temporary file beside it, is flushed to the disk and
// renamed over the old one, which keeps its mode (and, when root writes,
// its owner); a symbolic link is followed and stays a link. So a file is
// either the old one or the whole new one, never half, and a write that
// failed is reported, never taken for done. Files written as they go (a
// trace, a capture, a log) are OutputStream's.

#include <QByteArray>
#include <QString>

namespace zomar {

// Why a file or stream did not get what was written to it: the reason and
// its facts, for each front end to word (text() is the plain English line).
struct WriteFailure {
    enum Reason {
        None,
        NotAFile,   // detail: what stands at the path ("a FIFO (named pipe)")
        NoFolder,   // detail: the folder that does not exist
        Refused,    // the system would not create, open or rename it; detail: why
        Lost,       // written bytes did not reach it; detail: why ("No space left on device")
        ReaderGone, // the program that read the pipe went away
    };
    Reason reason = None;
    QString path; // as given ("standard output" for the output)
    QString detail;

    bool failed() const { return reason != None; }
    // "out.csv: is a FIFO (named pipe), not a file", "out.csv: cannot be
    // written: No space left on device"; "" when nothing failed.
    QString text() const;
    // The failure of a system call that set `error` (an errno value).
    static WriteFailure ofError(Reason reason, const QString &path, int error);
};

// The file a write to `path` ends in: symbolic links followed, even to a
// file that does not exist yet.
QString writeTarget(const QString &path);

// Why `path` could not be written, told before any work is done: something
// other than a file stands there, its folder does not exist or may not be
// written, or the file may not be written. None when it looks writable.
WriteFailure writeProblem(const QString &path);

// Writes all of `bytes` as the file at `path`, atomically (see above).
WriteFailure writeFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace zomar
