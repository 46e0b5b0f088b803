// Which paths the serial link opens: one owner per device whatever name it is
// given by, and no path that is not a terminal device.

#include "core/link/PortResolver.h"
#include "core/link/SerialLink.h"
#include "sim/VirtualModule.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace zomar;
namespace errors = zomar::serial_errors;

namespace {

std::optional<SerialError> openError(SerialLink &link, const QString &path)
{
    try {
        link.openDevice(path);
    } catch (const SerialError &e) {
        return e;
    }
    return std::nullopt;
}

} // namespace

class TestDeviceAccess : public QObject
{
    Q_OBJECT

private slots:
    void oneOwnerWhateverTheName_data();
    void oneOwnerWhateverTheName();
    void pathsThatAreNoSerialPort_data();
    void pathsThatAreNoSerialPort();
    void mappedPortNumberToNonTerminal();

private:
    QTemporaryDir m_dir;
};

void TestDeviceAccess::oneOwnerWhateverTheName_data()
{
    QTest::addColumn<bool>("firstByLink");
    QTest::newRow("link first, device second") << true;
    QTest::newRow("device first, link second") << false;
}

void TestDeviceAccess::oneOwnerWhateverTheName()
{
    QFETCH(bool, firstByLink);
    VirtualModule module;
    QVERIFY(module.start());
    const QString link = m_dir.filePath(QStringLiteral("module-%1").arg(firstByLink));
    QVERIFY(QFile::link(module.devicePath(), link));

    PortResolver resolver;
    SerialLink first(resolver);
    SerialLink second(resolver);
    first.openDevice(firstByLink ? link : module.devicePath());
    QVERIFY(first.portOpen());
    QCOMPARE(first.deviceName(), module.devicePath());

    const QString other = firstByLink ? module.devicePath() : link;
    const auto error = openError(second, other);
    QVERIFY(error);
    QCOMPARE(error->number(), errors::PortInUse);
    QVERIFY2(error->description().contains(module.devicePath()), qPrintable(error->description()));
    QVERIFY(!second.portOpen());

    // Once the first lets go, the other name opens the same device.
    first.setPortOpen(false);
    QVERIFY(!openError(second, other));
    QCOMPARE(second.deviceName(), module.devicePath());
}

void TestDeviceAccess::pathsThatAreNoSerialPort_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("number");
    QTest::newRow("regular file") << "file" << errors::NotATerminal;
    QTest::newRow("folder") << "folder" << errors::NotATerminal;
    QTest::newRow("fifo") << "fifo" << errors::NotATerminal;
    QTest::newRow("memory device") << "/dev/null" << errors::NotATerminal;
    QTest::newRow("missing") << "missing" << errors::InvalidPort;
    QTest::newRow("dangling link") << "dangling" << errors::InvalidPort;
}

void TestDeviceAccess::pathsThatAreNoSerialPort()
{
    QFETCH(QString, kind);
    QFETCH(int, number);
    QString path = kind.startsWith('/') ? kind : m_dir.filePath(kind + QTest::currentDataTag());
    path.replace(' ', '_');
    if (kind == "file") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("keep");
    } else if (kind == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == "fifo") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == "dangling") {
        QVERIFY(QFile::link(m_dir.filePath("nothing-here"), path));
    }

    PortResolver resolver;
    SerialLink link(resolver);
    const auto error = openError(link, path);
    QVERIFY(error);
    QCOMPARE(error->number(), number);
    QVERIFY2(error->description().contains(path), qPrintable(error->description()));
    QVERIFY(!link.portOpen());
    if (kind == "file") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("keep"));
    }
}

void TestDeviceAccess::mappedPortNumberToNonTerminal()
{
    // A saved mapping is followed like any other name, and refused the same way.
    PortResolver resolver;
    resolver.setSavedLookup([](int n) { return n == 3 ? QStringLiteral("/dev/null") : QString(); });
    SerialLink link(resolver);
    link.setCommPort(3);
    try {
        link.setPortOpen(true);
        QFAIL("a memory device was opened as a serial port");
    } catch (const SerialError &e) {
        QCOMPARE(e.number(), errors::NotATerminal);
        QVERIFY2(e.description().contains("not a serial port"), qPrintable(e.description()));
    }
    QVERIFY(!link.portOpen());
}

QTEST_GUILESS_MAIN(TestDeviceAccess)
#include "tst_deviceaccess.moc"
