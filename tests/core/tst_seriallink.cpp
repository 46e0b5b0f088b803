// The serial link over a real pseudo-terminal, with the virtual module on the
// other end.

#include "core/link/PortResolver.h"
#include "core/link/PortsAhead.h"
#include "core/link/SerialLink.h"
#include "sim/VirtualModule.h"
#include "tests/support/TestUtil.h"

#include <QTemporaryDir>
#include <QEventLoop>
#include <QFile>
#include <QSignalSpy>
#include <QFileInfo>
#include <QTest>
#include <QSerialPort>
#include <QThread>
#include <QTimer>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using zomar::PortResolver;
using zomar::SerialError;
using zomar::SerialLink;
using zomar::VirtualModule;
using namespace zomar::test;
namespace errors = zomar::serial_errors;

namespace {

const QByteArray kBlock = QByteArray::fromHex("0a0b0c0d01020304076c0523");

// Bytes waiting in a terminal's input queue, looked at without reading them.
int queuedAt(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return -1;
    int count = -1;
    if (::ioctl(fd, FIONREAD, &count) != 0)
        count = -1;
    ::close(fd);
    return count;
}

QByteArray allByteValues()
{
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(static_cast<char>(i));
    return bytes;
}

// Runs a call that must fail and returns the error's number and text.
template <typename F> std::optional<SerialError> errorOf(F call)
{
    try {
        call();
    } catch (const SerialError &error) {
        return error;
    }
    return std::nullopt;
}

// A module on port 1 and a link to it, opened at the given settings.
struct Rig {
    VirtualModule module;
    PortResolver resolver;
    SerialLink link{resolver};
    QByteArray got; // every byte read in a receive event
    int events = 0; // receive events
    bool oneByteEach = true;

    bool start(const QString &settings = QStringLiteral("38400,n,8,1"))
    {
        QString error;
        if (!module.start(&error)) {
            qWarning("%s", qPrintable(error));
            return false;
        }
        resolver.setExplicit(1, module.devicePath(), QStringLiteral("Virtual module"));
        link.setSettings(settings);
        link.setCommPort(1);
        link.setPortOpen(true);
        return link.portOpen();
    }

    void readInEvents()
    {
        QObject::connect(&link, &SerialLink::commEvent, &link, [this] {
            ++events;
            const QByteArray byte = link.input();
            oneByteEach = oneByteEach && byte.size() == 1;
            got += byte;
        });
    }
};

} // namespace

class TestSerialLink : public QObject
{
    Q_OBJECT

private slots:
    void receiveEventPerByte_data();
    void receiveEventPerByte();
    void inputWithNothingWaiting();
    void outputPutsBytesOnTheWire_data();
    void outputPutsBytesOnTheWire();
    void closingSendsWhatWasWritten();
    void closedLinkRefusesOutput();
    void invalidPortNumbers_data();
    void invalidPortNumbers();
    void unusablePorts_data();
    void unusablePorts();
    void settingsText_data();
    void settingsText();
    void moduleAnswersOnlyAtItsSpeed_data();
    void moduleAnswersOnlyAtItsSpeed();
    void speedChangeWhileOpenAppliesAtOnce();
    void configurationWriteThroughTheLink();
    void shortAnswerOverride();
    void reopenWhileOpen();
    void closeDropsWaitingBytes();
    void handlerThatDoesNotRead();
    void nestedEventLoopKeepsOrder();
    void largeBurstArrivesInOrder();
    void deviceLost();
    void portInUse();
    void permissionDenied();
    void portsOpenedAhead();
};

void TestSerialLink::receiveEventPerByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("five bytes") << QByteArray("\x31\x00\x7f\xa5\xff", 5);
    QTest::newRow("a lone NUL") << QByteArray(1, '\0');
    QTest::newRow("every byte value") << allByteValues();
}

void TestSerialLink::receiveEventPerByte()
{
    QFETCH(QByteArray, bytes);
    Rig rig;
    QVERIFY(rig.start());
    rig.readInEvents();

    rig.module.send(bytes);
    QTRY_COMPARE_WITH_TIMEOUT(rig.got.size(), bytes.size(), 5000);
    QCOMPARE(rig.got, bytes);
    QCOMPARE(rig.events, bytes.size());
    QVERIFY(rig.oneByteEach);
    QCOMPARE(rig.link.bytesWaiting(), 0);
}

void TestSerialLink::inputWithNothingWaiting()
{
    Rig rig;
    QVERIFY(rig.module.start());
    rig.resolver.setExplicit(1, rig.module.devicePath());
    QVERIFY(rig.link.input().isEmpty());
    rig.link.setPortOpen(true);
    QVERIFY(rig.link.input().isEmpty());
    QCOMPARE(rig.link.bytesWaiting(), 0);

    // After a byte is read the queue is empty again.
    rig.module.send(QByteArray(1, '\0'));
    QTRY_COMPARE_WITH_TIMEOUT(rig.link.bytesWaiting(), 1, 5000);
    QCOMPARE(rig.link.input(), QByteArray(1, '\0'));
    QVERIFY(rig.link.input().isEmpty());
}

void TestSerialLink::outputPutsBytesOnTheWire_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("enter sequence") << QByteArray("+++");
    QTest::newRow("exit sequence") << QByteArray("---");
    QTest::newRow("configuration block") << kBlock;
    QTest::newRow("every byte value") << allByteValues();
}

void TestSerialLink::outputPutsBytesOnTheWire()
{
    QFETCH(QByteArray, bytes);
    Rig rig;
    QVERIFY(rig.start());
    rig.link.output(bytes);
    QTRY_COMPARE_WITH_TIMEOUT(rig.module.receivedBytes(), bytes, 5000);
    // Nothing more follows (no line end).
    QTRY_COMPARE_WITH_TIMEOUT(rig.module.messagesHandled(), 1, 5000);
    QCOMPARE(rig.module.receivedBytes(), bytes);
}

void TestSerialLink::closingSendsWhatWasWritten()
{
    Rig rig;
    QVERIFY(rig.start());
    // Written and closed in the same turn of the event loop, as when the
    // operator types and disconnects at once: the bytes still go out.
    rig.link.output("xyz");
    rig.link.setPortOpen(false);
    QTRY_COMPARE_WITH_TIMEOUT(rig.module.receivedBytes(), QByteArray("xyz"), 5000);
}

void TestSerialLink::closedLinkRefusesOutput()
{
    Rig rig;
    auto error = errorOf([&] { rig.link.output("+++"); });
    QVERIFY(error);
    QCOMPARE(error->number(), errors::PortNotOpen);
    QCOMPARE(error->description(), QStringLiteral("Operation valid only when the port is open"));

    QVERIFY(rig.start());
    rig.link.setPortOpen(false);
    QVERIFY(!rig.link.portOpen());
    error = errorOf([&] { rig.link.output("---"); });
    QVERIFY(error);
    QCOMPARE(error->number(), errors::PortNotOpen);
    rig.link.setPortOpen(false); // closing a closed port is harmless
}

void TestSerialLink::invalidPortNumbers_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -3;
}

void TestSerialLink::invalidPortNumbers()
{
    QFETCH(int, number);
    PortResolver resolver;
    SerialLink link(resolver);
    link.setCommPort(4);
    const auto error = errorOf([&] { link.setCommPort(number); });
    QVERIFY(error);
    QCOMPARE(error->number(), errors::InvalidPort);
    QCOMPARE(error->number(), 8002);
    QCOMPARE(error->description(), QStringLiteral("Invalid port number"));
    QCOMPARE(link.commPort(), 4);
}

void TestSerialLink::unusablePorts_data()
{
    QTest::addColumn<QString>("device"); // "" maps the number to nothing
    QTest::newRow("maps to nothing") << QString();
    QTest::newRow("no such device") << QStringLiteral("/dev/ttyNoSuchPort99");
    QTest::newRow("no such path") << QStringLiteral("/nonexistent/dir/tty0");
}

void TestSerialLink::unusablePorts()
{
    QFETCH(QString, device);
    PortResolver resolver;
    resolver.setSystemPortsSource([] { return QList<zomar::SystemPort>(); });
    if (!device.isEmpty())
        resolver.setExplicit(5, device);
    SerialLink link(resolver);
    link.setCommPort(5);
    const auto error = errorOf([&] { link.setPortOpen(true); });
    QVERIFY(error);
    QCOMPARE(error->number(), errors::InvalidPort);
    QCOMPARE(error->description(), QStringLiteral("Invalid port number"));
    QVERIFY(!link.portOpen());
    QCOMPARE(link.deviceName(), QString());
}

void TestSerialLink::settingsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("baud"); // 0: refused

    QTest::newRow("usual") << "38400,n,8,1" << 38400;
    QTest::newRow("capital N") << "9600,N,8,1" << 9600;
    QTest::newRow("blanks around parts") << " 19200 , n ,8 , 1 " << 19200;
    QTest::newRow("non-standard speed") << "250000,n,8,1" << 250000;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("speed missing") << ",n,8,1" << 0;
    QTest::newRow("speed not a number") << "fast,n,8,1" << 0;
    QTest::newRow("speed zero") << "0,n,8,1" << 0;
    QTest::newRow("speed negative") << "-9600,n,8,1" << 0;
    QTest::newRow("speed with a fraction") << "9600.5,n,8,1" << 0;
    QTest::newRow("speed too large") << "99999999999,n,8,1" << 0;
    QTest::newRow("even parity") << "9600,e,8,1" << 0;
    QTest::newRow("seven data bits") << "9600,n,7,1" << 0;
    QTest::newRow("two stop bits") << "9600,n,8,2" << 0;
    QTest::newRow("part missing") << "9600,n,8" << 0;
    QTest::newRow("extra part") << "9600,n,8,1,x" << 0;
    QTest::newRow("blank inside the speed") << "96 00,n,8,1" << 0;
}

void TestSerialLink::settingsText()
{
    QFETCH(QString, text);
    QFETCH(int, baud);
    PortResolver resolver;
    SerialLink link(resolver);
    link.setSettings(QStringLiteral("4800,n,8,1"));

    const auto error = errorOf([&] { link.setSettings(text); });
    if (baud == 0) {
        QVERIFY(error);
        QCOMPARE(error->number(), errors::InvalidSettings);
        QCOMPARE(error->description(), QStringLiteral("Invalid property value"));
        QCOMPARE(link.baudRate(), 4800);
        QCOMPARE(link.settings(), QStringLiteral("4800,n,8,1"));
    } else {
        QVERIFY2(!error, error ? qPrintable(error->description()) : "");
        QCOMPARE(link.baudRate(), baud);
        QCOMPARE(link.settings(), text);
    }
}

void TestSerialLink::moduleAnswersOnlyAtItsSpeed_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("moduleSpeed");
    QTest::addColumn<bool>("answered");

    QTest::newRow("both 38400") << "38400,n,8,1" << 38400 << true;
    QTest::newRow("link 9600, module 38400") << "9600,n,8,1" << 38400 << false;
    QTest::newRow("link 38400, module 9600") << "38400,n,8,1" << 9600 << false;
    QTest::newRow("both 9600") << "9600,n,8,1" << 9600 << true;
    QTest::newRow("both 115200") << "115200,n,8,1" << 115200 << true;
    QTest::newRow("both non-standard") << "250000,n,8,1" << 250000 << true;
    QTest::newRow("link non-standard, module 38400") << "250000,n,8,1" << 38400 << false;
}

void TestSerialLink::moduleAnswersOnlyAtItsSpeed()
{
    QFETCH(QString, settings);
    QFETCH(int, moduleSpeed);
    QFETCH(bool, answered);

    Rig rig;
    rig.module.setLineSpeed(moduleSpeed);
    QVERIFY(rig.start(settings));
    rig.readInEvents();

    rig.link.output("+++");
    QTRY_COMPARE_WITH_TIMEOUT(rig.module.messagesHandled(), 1, 5000);
    // The marker follows any answer on the line.
    rig.module.send("!");
    QTRY_VERIFY_WITH_TIMEOUT(rig.got.endsWith('!'), 5000);
    const QByteArray answer = answered ? VirtualModule::factoryConfiguration() : QByteArray();
    QCOMPARE(rig.got, answer + "!");
    QCOMPARE(rig.module.inCommandMode(), answered);
}

void TestSerialLink::speedChangeWhileOpenAppliesAtOnce()
{
    Rig rig;
    rig.module.setLineSpeed(9600);
    QVERIFY(rig.start());
    rig.readInEvents();

    rig.link.output("+++");
    QTRY_COMPARE_WITH_TIMEOUT(rig.module.messagesHandled(), 1, 5000);
    rig.link.setSettings(QStringLiteral("9600,n,8,1"));
    QVERIFY(rig.link.portOpen());
    rig.link.output("+++");
    QTRY_COMPARE_WITH_TIMEOUT(rig.module.messagesHandled(), 2, 5000);
    rig.module.send("!");
    QTRY_VERIFY_WITH_TIMEOUT(rig.got.endsWith('!'), 5000);
    QCOMPARE(rig.got, VirtualModule::factoryConfiguration() + "!");
}

void TestSerialLink::configurationWriteThroughTheLink()
{
    Rig rig;
    QVERIFY(rig.start());
    rig.readInEvents();
    QList<QByteArray> written;
    connect(&rig.module, &VirtualModule::configurationWritten, this,
            [&written](const QByteArray &block) { written.append(block); });

    rig.link.output("+++");
    QTRY_COMPARE_WITH_TIMEOUT(rig.got, VirtualModule::factoryConfiguration(), 5000);
    rig.link.output(kBlock);
    QTRY_COMPARE_WITH_TIMEOUT(written.size(), 1, 5000);
    QCOMPARE(written.first(), kBlock);
    QCOMPARE(rig.module.configuration(), kBlock);
    QVERIFY(rig.module.inCommandMode());
    rig.link.output("---");
    QTRY_VERIFY_WITH_TIMEOUT(!rig.module.inCommandMode(), 5000);

    // Read back: the module now reports the new block.
    rig.got.clear();
    rig.link.output("+++");
    QTRY_COMPARE_WITH_TIMEOUT(rig.got, kBlock, 5000);
}

void TestSerialLink::shortAnswerOverride()
{
    Rig rig;
    QVERIFY(rig.start());
    rig.readInEvents();
    rig.module.setAnswerOverride(QByteArray::fromHex("000102"));
    rig.link.output("+++");
    QTRY_COMPARE_WITH_TIMEOUT(rig.module.messagesHandled(), 1, 5000);
    rig.module.send("!");
    QTRY_VERIFY_WITH_TIMEOUT(rig.got.endsWith('!'), 5000);
    QCOMPARE(rig.got, QByteArray::fromHex("000102") + "!");
}

void TestSerialLink::reopenWhileOpen()
{
    Rig rig;
    QVERIFY(rig.start());
    rig.readInEvents();
    QCOMPARE(rig.link.deviceName(), rig.module.devicePath());

    rig.link.setPortOpen(true); // reopens
    QVERIFY(rig.link.portOpen());
    QCOMPARE(rig.link.deviceName(), rig.module.devicePath());
    rig.link.output("+++");
    QTRY_COMPARE_WITH_TIMEOUT(rig.got, VirtualModule::factoryConfiguration(), 5000);

    rig.link.setPortOpen(false);
    QVERIFY(!rig.link.portOpen());
    QCOMPARE(rig.link.deviceName(), QString());
}

void TestSerialLink::closeDropsWaitingBytes()
{
    Rig rig;
    QVERIFY(rig.start());
    rig.module.send("abc");
    QTRY_COMPARE_WITH_TIMEOUT(rig.link.bytesWaiting(), 3, 5000);
    rig.link.setPortOpen(false);
    QCOMPARE(rig.link.bytesWaiting(), 0);
    QVERIFY(rig.link.input().isEmpty());

    // Bytes that arrive while the port is closed are not handed out after
    // the next open either.
    rig.module.send("stale");
    QTRY_COMPARE_WITH_TIMEOUT(queuedAt(rig.module.devicePath()), 5, 5000);
    rig.link.setPortOpen(true);
    rig.module.send("new");
    QTRY_COMPARE_WITH_TIMEOUT(rig.link.bytesWaiting(), 3, 5000);
    QCOMPARE(rig.link.input(), QByteArray("n"));
    QCOMPARE(rig.link.input(), QByteArray("e"));
    QCOMPARE(rig.link.input(), QByteArray("w"));
}

void TestSerialLink::handlerThatDoesNotRead()
{
    Rig rig;
    QVERIFY(rig.start());
    int ignored = 0;
    auto ignoring = connect(&rig.link, &SerialLink::commEvent, this, [&ignored] { ++ignored; });

    rig.module.send("xyz");
    QTRY_COMPARE_WITH_TIMEOUT(rig.link.bytesWaiting(), 3, 5000);
    runEventLoopFor(100);
    // Raised for the arrival, but not over and over for the same bytes.
    QVERIFY(ignored >= 1);
    QVERIFY(ignored <= 3);
    QCOMPARE(rig.link.bytesWaiting(), 3);

    // A read outside the event while more wait raises it again for the rest.
    disconnect(ignoring);
    rig.readInEvents();
    QCOMPARE(rig.link.input(), QByteArray("x"));
    QTRY_COMPARE_WITH_TIMEOUT(rig.got, QByteArray("yz"), 5000);
    QCOMPARE(rig.events, 2);
}

void TestSerialLink::nestedEventLoopKeepsOrder()
{
    Rig rig;
    QVERIFY(rig.start());
    int depth = 0;
    int deepest = 0;
    QByteArray got;
    connect(&rig.link, &SerialLink::commEvent, this, [&] {
        ++depth;
        deepest = qMax(deepest, depth);
        const QByteArray byte = rig.link.input();
        got += byte;
        if (byte == "A") {
            // A handler that waits with the event loop running, as the
            // configuration read does: the next bytes arrive meanwhile.
            rig.module.send("BCD");
            QTRY_COMPARE_WITH_TIMEOUT(rig.link.bytesWaiting(), 3, 5000);
        }
        --depth;
    });

    rig.module.send("A");
    QTRY_COMPARE_WITH_TIMEOUT(got, QByteArray("ABCD"), 5000);
    QCOMPARE(deepest, 1);
}

void TestSerialLink::largeBurstArrivesInOrder()
{
    Rig rig;
    QVERIFY(rig.start());
    rig.readInEvents();
    QByteArray bytes(300 * 1024, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 13 + i / 256) & 0xFF);
    rig.module.send(bytes);
    QTRY_COMPARE_WITH_TIMEOUT(rig.got.size(), bytes.size(), 60000);
    QVERIFY(rig.got == bytes);
    QCOMPARE(rig.events, bytes.size());
    QVERIFY(rig.oneByteEach);
}

void TestSerialLink::deviceLost()
{
    Rig rig;
    QVERIFY(rig.start());
    const QString path = rig.module.devicePath();
    QStringList descriptions;
    bool openWhenTold = true;
    connect(&rig.link, &SerialLink::deviceLost, this, [&](const QString &description) {
        descriptions.append(description);
        openWhenTold = rig.link.portOpen();
    });

    rig.module.hangUp();
    QTRY_COMPARE_WITH_TIMEOUT(descriptions.size(), 1, 5000);
    QVERIFY(!openWhenTold);
    QVERIFY(!rig.link.portOpen());
    QCOMPARE(descriptions.first(), QStringLiteral("The device %1 was disconnected").arg(path));

    // Nothing keeps watching the dead device: the process stays idle.
    const double cpuBefore = processCpuSeconds();
    runEventLoopFor(1000);
    const double cpuUsed = processCpuSeconds() - cpuBefore;
    const QString spinning = spinningFault(cpuUsed, 1000);
    QVERIFY2(spinning.isEmpty(), qPrintable(spinning));
    QCOMPARE(descriptions.size(), 1);

    const auto error = errorOf([&] { rig.link.output("+++"); });
    QVERIFY(error);
    QCOMPARE(error->number(), errors::PortNotOpen);
    // The device is gone, so opening it again names no usable port. (Another
    // program may have been given a terminal of the same number meanwhile;
    // that one is not ours to open.)
    if (!QFileInfo::exists(path)) {
        const auto reopen = errorOf([&] { rig.link.setPortOpen(true); });
        QVERIFY(reopen);
        QCOMPARE(reopen->number(), errors::InvalidPort);
    }
}

void TestSerialLink::portInUse()
{
    Rig rig;
    QVERIFY(rig.start());
    rig.readInEvents();

    SerialLink other(rig.resolver);
    other.setCommPort(1);
    const auto error = errorOf([&] { other.setPortOpen(true); });
    QVERIFY(error);
    QCOMPARE(error->number(), errors::PortInUse);
    QCOMPARE(error->description(), QStringLiteral("Port %1 is already in use by another program")
                                       .arg(rig.module.devicePath()));
    QVERIFY(!other.portOpen());

    // The first link is untouched by the attempt.
    rig.link.output("+++");
    QTRY_COMPARE_WITH_TIMEOUT(rig.got, VirtualModule::factoryConfiguration(), 5000);

    // Once it lets go, the port is free.
    rig.link.setPortOpen(false);
    other.setPortOpen(true);
    QVERIFY(other.portOpen());
}

void TestSerialLink::permissionDenied()
{
    if (::geteuid() == 0)
        QSKIP("Access rights do not apply to root");
    Rig rig;
    QVERIFY(rig.module.start());
    const QString path = rig.module.devicePath();
    rig.resolver.setExplicit(1, path);
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0), 0);

    const auto error = errorOf([&] { rig.link.setPortOpen(true); });
    QVERIFY(error);
    QCOMPARE(error->number(), errors::PermissionDenied);
    QVERIFY2(error->description().contains(path), qPrintable(error->description()));
    QVERIFY2(error->description().contains("'dialout' group"), qPrintable(error->description()));
    QVERIFY(!rig.link.portOpen());
}

void TestSerialLink::portsOpenedAhead()
{
    // Ports opened on other threads work on this one as if the link had
    // opened them: bytes both ways, the lock held, a lost device told. A
    // port that cannot open is left out for its link to open and word.
    Rig held;
    QVERIFY(held.start());
    VirtualModule modules[2];
    QStringList paths;
    for (VirtualModule &m : modules) {
        QVERIFY(m.start());
        paths << m.devicePath();
    }
    QTemporaryDir dir;
    const QString notATerminal = dir.filePath(QStringLiteral("file"));
    QVERIFY(QFile(notATerminal).open(QIODevice::WriteOnly));
    zomar::PortsAhead ahead =
        zomar::PortsAhead::open(paths + QStringList{held.module.devicePath(), notATerminal}, 38400);
    QCOMPARE(ahead.size(), 2);
    QVERIFY(!ahead.take(held.module.devicePath()));

    SerialLink links[2];
    for (int i = 0; i < 2; ++i) {
        auto port = ahead.take(paths[i]);
        QVERIFY(port);
        QCOMPARE(port->thread(), QThread::currentThread());
        links[i].adopt(std::move(port), paths[i]);
        QVERIFY(links[i].portOpen());
        QCOMPARE(links[i].deviceName(), paths[i]);
        QCOMPARE(links[i].baudRate(), 38400);
    }
    QByteArray got;
    connect(&links[0], &SerialLink::commEvent, this, [&] { got += links[0].input(); });
    links[0].output("+++");
    QTRY_COMPARE_WITH_TIMEOUT(got, VirtualModule::factoryConfiguration(), 5000);

    SerialLink other;
    const auto error = errorOf([&] { other.openDevice(paths[0]); });
    QVERIFY(error);
    QCOMPARE(error->number(), errors::PortInUse);

    QSignalSpy lost(&links[1], &SerialLink::deviceLost);
    modules[1].hangUp();
    QTRY_COMPARE_WITH_TIMEOUT(lost.size(), 1, 5000);
    QVERIFY(!links[1].portOpen());
}

QTEST_GUILESS_MAIN(TestSerialLink)
#include "tst_seriallink.moc"
