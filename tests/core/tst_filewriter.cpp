// The one writer of files and streams: only a regular file or a new one is
// written (device nodes, FIFOs, sockets and folders the test makes itself
// are refused and stay what they were), a whole file replaces the old one
// at once with its mode, and a full file system, a full device or a closed
// pipe is reported, never taken for done.

#include "core/files/FileWriter.h"
#include "core/files/OutputStream.h"
#include "tests/support/FileNodes.h"
#include "tests/support/FullDisk.h"

#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zomar;
using namespace zomar::test;

namespace {

mode_t modeOf(const QString &path)
{
    struct stat st {
    };
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode : 0;
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

} // namespace

class TstFileWriter : public QObject
{
    Q_OBJECT
private slots:
    void refusesWhatIsNotAFile_data();
    void refusesWhatIsNotAFile();
    void replacesAWholeFileAtOnce();
    void writesThroughALink();
    void fullFileSystem_data();
    void fullFileSystem();
    void fullDeviceAndClosedPipe();
    void missingFolder();

private:
    QTemporaryDir m_dir;
};

void TstFileWriter::refusesWhatIsNotAFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("says");
    QTest::addColumn<bool>("stream");
    for (const bool stream : {false, true}) {
        const char *how = stream ? "stream" : "whole file";
        QTest::addRow("FIFO, %s", how) << "FIFO"
                                       << "a FIFO (named pipe)" << stream;
        QTest::addRow("folder, %s", how) << "folder"
                                         << "a folder" << stream;
        QTest::addRow("socket, %s", how) << "socket"
                                         << "a socket" << stream;
        QTest::addRow("device, %s", how) << "device"
                                         << "a character device" << stream;
    }
}

void TstFileWriter::refusesWhatIsNotAFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, says);
    QFETCH(bool, stream);
    const QString path = m_dir.filePath(QStringLiteral("%1-%2").arg(kind).arg(stream));
    if (const QString why = makeNode(kind, path); !why.isEmpty())
        QSKIP(qPrintable(QStringLiteral("cannot make a %1 here: %2").arg(kind, why)));
    const mode_t before = modeOf(path);
    // Through a link too: it is followed to what it names.
    const QString link = path + QStringLiteral(".link");
    QVERIFY(QFile::link(path, link));
    for (const QString &target : {path, link}) {
        OutputStream out;
        const WriteFailure failure = stream ? out.open(target, OutputStream::Start::Empty)
                                            : writeFileAtomically(target, "replaced?\n");
        QCOMPARE(failure.reason, WriteFailure::NotAFile);
        QCOMPARE(failure.text(), QStringLiteral("%1: is %2, not a file").arg(target, says));
        QVERIFY(!out.isOpen() && !out.write("x"));
    }
    QCOMPARE(modeOf(path), before); // still the node it was, not a file in its place
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral(".*-*")}, QDir::Hidden | QDir::Files),
             QStringList()); // no temporary file left
}

void TstFileWriter::replacesAWholeFileAtOnce()
{
    const QString path = m_dir.filePath(QStringLiteral("kept-mode.csv"));
    QVERIFY(writeFileAtomically(path, "old\n").reason == WriteFailure::None);
    // A new file takes the umask's mode; a replaced one keeps its own.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    QCOMPARE(modeOf(path) & 0777, 0666 & ~mask);
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0640) == 0);
    struct stat st {
    };
    QVERIFY(::stat(QFile::encodeName(path).constData(), &st) == 0);
    // A reader that holds the old file open keeps reading the old bytes.
    QFile reader(path);
    QVERIFY(reader.open(QIODevice::ReadOnly));
    QCOMPARE(writeFileAtomically(path, "new\n").text(), QString());
    QCOMPARE(contents(path), QByteArray("new\n"));
    QCOMPARE(reader.readAll(), QByteArray("old\n"));
    QCOMPARE(modeOf(path) & 07777, mode_t(0640));
    struct stat after {
    };
    QVERIFY(::stat(QFile::encodeName(path).constData(), &after) == 0);
    QVERIFY(after.st_ino != st.st_ino); // renamed into place, not written over
}

void TstFileWriter::writesThroughALink()
{
    const QString target = m_dir.filePath(QStringLiteral("real.json"));
    const QString link = m_dir.filePath(QStringLiteral("named.json"));
    QVERIFY(QFile::link(QStringLiteral("real.json"), link)); // relative, as people make them
    QCOMPARE(writeFileAtomically(link, "{}\n").text(), QString());
    QVERIFY(S_ISLNK(modeOf(link)));
    QCOMPARE(contents(target), QByteArray("{}\n"));
    OutputStream out;
    QCOMPARE(out.open(link, OutputStream::Start::Append).text(), QString());
    QVERIFY(out.write("more\n"));
    QCOMPARE(out.close().text(), QString());
    QVERIFY(S_ISLNK(modeOf(link)));
    QCOMPARE(contents(target), QByteArray("{}\nmore\n"));
}

void TstFileWriter::fullFileSystem_data()
{
    QTest::addColumn<bool>("stream");
    QTest::newRow("whole file") << false;
    QTest::newRow("stream") << true;
}

void TstFileWriter::fullFileSystem()
{
    QFETCH(bool, stream);
    FullDisk disk;
    if (const QString why = disk.mount({{QStringLiteral("old.csv"), "old\n"}}); !why.isEmpty())
        QSKIP(qPrintable(why));
    const QString path = disk.filePath(QStringLiteral("old.csv"));
    const QByteArray bytes(64 * 1024, 'n');
    WriteFailure failure;
    if (stream) {
        OutputStream out;
        QCOMPARE(out.open(path, OutputStream::Start::Append).text(), QString());
        QVERIFY(!out.write(bytes));
        QVERIFY(!out.write("later\n")); // nothing after the first failure: no hole
        failure = out.close();
    } else {
        failure = writeFileAtomically(path, bytes);
        // The old file is whole: a failed write never leaves half a file.
        QCOMPARE(contents(path), QByteArray("old\n"));
    }
    QCOMPARE(failure.reason, WriteFailure::Lost);
    QCOMPARE(failure.text(), path + QStringLiteral(": cannot be written: No space left on device"));
    QCOMPARE(disk.entries(), QStringList{QStringLiteral("old.csv")});
}

void TstFileWriter::fullDeviceAndClosedPipe()
{
    // A full device and a pipe whose reader left, as a standard output may be.
    const QString full = m_dir.filePath(QStringLiteral("full-node"));
    if (const QString why = makeNode(QStringLiteral("device"), full); !why.isEmpty())
        QSKIP(qPrintable(QStringLiteral("cannot make a device node like /dev/full: %1").arg(why)));
    const int fd = ::open(QFile::encodeName(full).constData(), O_WRONLY | O_CLOEXEC);
    QVERIFY(fd >= 0);
    {
        OutputStream out(fd, QStringLiteral("standard output"));
        QVERIFY(!out.readerGone());
        QVERIFY(!out.write("lost\n"));
        QCOMPARE(out.failure().reason, WriteFailure::Lost);
        QCOMPARE(out.failure().detail, QStringLiteral("No space left on device"));
    }
    ::close(fd);

    int pipe[2];
    QVERIFY(::pipe2(pipe, O_CLOEXEC) == 0);
    OutputStream out(pipe[1], QStringLiteral("standard output"));
    QVERIFY(out.write("read\n"));
    QVERIFY(!out.readerGone());
    ::close(pipe[0]);
    QVERIFY(out.readerGone()); // seen without writing: an idle run ends too
    QVERIFY(!out.write("nobody\n"));
    QCOMPARE(out.failure().reason, WriteFailure::ReaderGone);
    ::close(pipe[1]);
}

void TstFileWriter::missingFolder()
{
    const QString path = m_dir.filePath(QStringLiteral("absent/file.csv"));
    const WriteFailure failure = writeFileAtomically(path, "x");
    QCOMPARE(failure.reason, WriteFailure::NoFolder);
    QCOMPARE(failure.text(), QStringLiteral("%1: cannot be written: the folder %2 does not exist")
                                 .arg(path, m_dir.filePath(QStringLiteral("absent"))));
    OutputStream out;
    QCOMPARE(out.open(path, OutputStream::Start::Empty).reason, WriteFailure::NoFolder);
    QCOMPARE(writeProblem(m_dir.filePath(QStringLiteral("new.csv"))).reason, WriteFailure::None);
}

QTEST_GUILESS_MAIN(TstFileWriter)
#include "tst_filewriter.moc"
