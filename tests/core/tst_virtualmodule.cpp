// The virtual module, driven from the program's side of the pseudo-terminal
// through a plain terminal descriptor (no SerialLink involved).

#include "sim/VirtualModule.h"
#include "tests/support/TestUtil.h"

#include <QEventLoop>
#include <QFile>
#include <QSocketNotifier>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

using zomar::VirtualModule;
using namespace zomar::test;

namespace {

const QByteArray kBlock = QByteArray::fromHex("0102030405060708076c0523");

// The program's end of the line: a raw terminal that collects what arrives,
// with the time each read happened.
class Terminal
{
public:
    ~Terminal() { close(); }

    bool open(const QString &path, speed_t speed = B38400)
    {
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (m_fd < 0)
            return false;
        setSpeed(speed);
        m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
        QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { drain(); });
        return true;
    }

    void setSpeed(speed_t speed)
    {
        termios settings{};
        ::tcgetattr(m_fd, &settings);
        ::cfmakeraw(&settings);
        settings.c_cflag |= CLOCAL | CREAD;
        ::cfsetispeed(&settings, speed);
        ::cfsetospeed(&settings, speed);
        ::tcsetattr(m_fd, TCSANOW, &settings);
    }

    bool write(const QByteArray &bytes)
    {
        return ::write(m_fd, bytes.constData(), static_cast<size_t>(bytes.size())) == bytes.size();
    }

    void close()
    {
        m_notifier.reset();
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    int fd() const { return m_fd; }

    QByteArray data;
    QList<qint64> arrivals; // one per byte in data

private:
    void drain()
    {
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            if (n <= 0) {
                if (n == 0 || (errno != EAGAIN && errno != EINTR))
                    m_notifier->setEnabled(false); // hung up
                return;
            }
            const qint64 at = VirtualModule::now();
            data.append(buffer, n);
            for (ssize_t i = 0; i < n; ++i)
                arrivals.append(at);
        }
    }

    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace

class TestVirtualModule : public QObject
{
    Q_OBJECT

private slots:
    void factoryConfiguration();
    void protocol_data();
    void protocol();
    void answerOverride();
    void recordsEveryByteWithItsTime();
    void sendAfterKeepsItsTime();
    void largeSendArrivesWhole();
    void closedTerminalLeavesModuleQuiet();
    void hangUpRemovesTheDevice();
};

void TestVirtualModule::factoryConfiguration()
{
    QCOMPARE(VirtualModule::factoryConfiguration(),
             QByteArray::fromHex("000000000000000006200011"));
    VirtualModule module;
    QCOMPARE(module.configuration(), VirtualModule::factoryConfiguration());
    QCOMPARE(module.lineSpeed(), 38400);
    QVERIFY(!module.inCommandMode());
}

void TestVirtualModule::protocol_data()
{
    QTest::addColumn<QList<QByteArray>>("messages");
    QTest::addColumn<int>("moduleSpeed");
    QTest::addColumn<int>("terminalSpeed");
    QTest::addColumn<QByteArray>("expectedReply");
    QTest::addColumn<QByteArray>("expectedConfiguration");
    QTest::addColumn<bool>("expectedCommandMode");

    const QByteArray factory = VirtualModule::factoryConfiguration();
    using Messages = QList<QByteArray>;

    QTest::newRow("enter answers with the configuration")
        << Messages{"+++"} << 38400 << 38400 << factory << factory << true;
    QTest::newRow("data ending with enter")
        << Messages{"hello+++"} << 38400 << 38400 << factory << factory << true;
    QTest::newRow("enter again answers again")
        << Messages{"+++", "+++"} << 38400 << 38400 << factory + factory << factory << true;
    QTest::newRow("block in command mode is the new configuration")
        << Messages{"+++", kBlock} << 38400 << 38400 << factory << kBlock << true;
    QTest::newRow("exit leaves command mode")
        << Messages{"+++", kBlock, "---"} << 38400 << 38400 << factory << kBlock << false;
    QTest::newRow("block after exit is data")
        << Messages{"+++", "---", kBlock} << 38400 << 38400 << factory << factory << false;
    QTest::newRow("block outside command mode is data")
        << Messages{kBlock} << 38400 << 38400 << QByteArray() << factory << false;
    QTest::newRow("other messages in command mode are ignored")
        << Messages{"+++", "hello", "++++", "--", kBlock.left(11)} << 38400 << 38400 << factory
        << factory << true;
    QTest::newRow("exit outside command mode is data")
        << Messages{"---"} << 38400 << 38400 << QByteArray() << factory << false;
    QTest::newRow("enter in the middle of data is data")
        << Messages{"+++x"} << 38400 << 38400 << QByteArray() << factory << false;
    QTest::newRow("exit and enter merged into one message")
        << Messages{"+++", "---+++"} << 38400 << 38400 << factory + factory << factory << true;
    QTest::newRow("enter and exit merged into one message")
        << Messages{"+++---"} << 38400 << 38400 << factory << factory << false;
    // A module's thread held up (a loaded PC) reads what followed the
    // block with it: the block is still written, then the sequence taken.
    QTest::newRow("block and exit merged into one message")
        << Messages{"+++", kBlock + "---"} << 38400 << 38400 << factory << kBlock << false;
    QTest::newRow("block, exit and enter merged into one message")
        << Messages{"+++", kBlock + "---+++"} << 38400 << 38400 << factory + kBlock << kBlock
        << true;
    QTest::newRow("module at another speed stays silent")
        << Messages{"+++"} << 9600 << 38400 << QByteArray() << factory << false;
    QTest::newRow("port at another speed is not heard")
        << Messages{"+++", kBlock} << 38400 << 19200 << QByteArray() << factory << false;
    QTest::newRow("both at a lower speed")
        << Messages{"+++", kBlock, "---"} << 9600 << 9600 << factory << kBlock << false;
}

void TestVirtualModule::protocol()
{
    QFETCH(QList<QByteArray>, messages);
    QFETCH(int, moduleSpeed);
    QFETCH(int, terminalSpeed);
    QFETCH(QByteArray, expectedReply);
    QFETCH(QByteArray, expectedConfiguration);
    QFETCH(bool, expectedCommandMode);

    VirtualModule module;
    QString error;
    QVERIFY2(module.start(&error), qPrintable(error));
    module.setLineSpeed(moduleSpeed);
    QList<QByteArray> written;
    connect(&module, &VirtualModule::configurationWritten, this,
            [&written](const QByteArray &block) { written.append(block); });

    Terminal terminal;
    const speed_t speed =
        terminalSpeed == 9600 ? B9600 : (terminalSpeed == 19200 ? B19200 : B38400);
    QVERIFY(terminal.open(module.devicePath(), speed));

    QByteArray sent;
    for (const QByteArray &message : messages) {
        const int before = module.messagesHandled();
        QVERIFY(terminal.write(message));
        sent += message;
        // Each message is taken in before the next is written (a block
        // merged with what follows counts as the messages it holds).
        QTRY_VERIFY_WITH_TIMEOUT(module.messagesHandled() > before, 5000);
    }

    // A marker from the module comes after any answer it gave.
    module.send("!");
    QTRY_VERIFY_WITH_TIMEOUT(terminal.data.endsWith('!'), 5000);
    QCOMPARE(terminal.data, expectedReply + "!");
    QCOMPARE(module.configuration(), expectedConfiguration);
    QCOMPARE(module.inCommandMode(), expectedCommandMode);
    QCOMPARE(module.receivedBytes(), sent);

    const bool blockTaken = expectedConfiguration != VirtualModule::factoryConfiguration();
    QTRY_COMPARE_WITH_TIMEOUT(written.size(), blockTaken ? 1 : 0, 5000);
    if (blockTaken)
        QCOMPARE(written.first(), expectedConfiguration);
}

void TestVirtualModule::answerOverride()
{
    VirtualModule module;
    QVERIFY(module.start());
    Terminal terminal;
    QVERIFY(terminal.open(module.devicePath()));

    const QByteArray shortAnswer = QByteArray::fromHex("0620");
    module.setAnswerOverride(shortAnswer);
    QVERIFY(terminal.write("+++"));
    QTRY_COMPARE_WITH_TIMEOUT(module.messagesHandled(), 1, 5000);
    module.setAnswerOverride(std::nullopt);
    QVERIFY(terminal.write("+++"));
    QTRY_COMPARE_WITH_TIMEOUT(module.messagesHandled(), 2, 5000);
    module.send("!");
    QTRY_VERIFY_WITH_TIMEOUT(terminal.data.endsWith('!'), 5000);
    QCOMPARE(terminal.data, shortAnswer + VirtualModule::factoryConfiguration() + "!");
}

void TestVirtualModule::recordsEveryByteWithItsTime()
{
    VirtualModule module;
    QVERIFY(module.start());
    Terminal terminal;
    QVERIFY(terminal.open(module.devicePath()));

    const QByteArray bytes("\x00\xA5\xFFz", 4);
    const qint64 before = VirtualModule::now();
    QVERIFY(terminal.write(bytes.left(2)));
    QTRY_COMPARE_WITH_TIMEOUT(module.received().size(), 2, 5000);
    QVERIFY(terminal.write(bytes.mid(2)));
    QTRY_COMPARE_WITH_TIMEOUT(module.received().size(), 4, 5000);
    const qint64 after = VirtualModule::now();

    const QList<VirtualModule::WireByte> received = module.received();
    QCOMPARE(module.receivedBytes(), bytes);
    for (int i = 0; i < received.size(); ++i) {
        QCOMPARE(received.at(i).value, static_cast<quint8>(bytes.at(i)));
        QVERIFY(received.at(i).nsecs >= before);
        QVERIFY(received.at(i).nsecs <= after);
        if (i > 0)
            QVERIFY(received.at(i).nsecs >= received.at(i - 1).nsecs);
    }

    module.clearReceived();
    QVERIFY(module.received().isEmpty());
    QVERIFY(module.receivedBytes().isEmpty());
}

void TestVirtualModule::sendAfterKeepsItsTime()
{
    VirtualModule module;
    QVERIFY(module.start());
    Terminal terminal;
    QVERIFY(terminal.open(module.devicePath()));

    const qint64 start = VirtualModule::now();
    module.sendAfter(80, "C");
    module.sendAfter(0, "A");
    module.sendAfter(40, "B");
    QTRY_COMPARE_WITH_TIMEOUT(terminal.data.size(), 3, 10000);
    QCOMPARE(terminal.data, QByteArray("ABC"));

    const qint64 ms = 1'000'000;
    // Never early; late only within a generous margin for a busy machine.
    QVERIFY(terminal.arrivals.at(1) - start >= 40 * ms);
    QVERIFY(terminal.arrivals.at(2) - start >= 80 * ms);
    QVERIFY(terminal.arrivals.at(2) - start < 80 * ms + 3000 * ms);
}

void TestVirtualModule::largeSendArrivesWhole()
{
    VirtualModule module;
    QVERIFY(module.start());
    Terminal terminal;
    QVERIFY(terminal.open(module.devicePath()));

    // Far more than the terminal's queue holds, so the module must wait for it
    // to drain rather than lose bytes.
    QByteArray bytes(512 * 1024, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
    module.send(bytes);
    QTRY_COMPARE_WITH_TIMEOUT(terminal.data.size(), bytes.size(), 30000);
    QVERIFY(terminal.data == bytes);
}

void TestVirtualModule::closedTerminalLeavesModuleQuiet()
{
    VirtualModule module;
    QVERIFY(module.start());
    {
        Terminal terminal;
        QVERIFY(terminal.open(module.devicePath()));
        QVERIFY(terminal.write("x"));
        QTRY_COMPARE_WITH_TIMEOUT(module.messagesHandled(), 1, 5000);
    }

    // With the program's side closed the module must not busy-wait on its
    // descriptor.
    const double cpuBefore = processCpuSeconds();
    runEventLoopFor(1000);
    const double cpuUsed = processCpuSeconds() - cpuBefore;
    const QString spinning = spinningFault(cpuUsed, 1000);
    QVERIFY2(spinning.isEmpty(), qPrintable(spinning));

    // And it still answers when the port is opened again.
    Terminal terminal;
    QVERIFY(terminal.open(module.devicePath()));
    QVERIFY(terminal.write("+++"));
    QTRY_COMPARE_WITH_TIMEOUT(terminal.data, VirtualModule::factoryConfiguration(), 5000);
}

void TestVirtualModule::hangUpRemovesTheDevice()
{
    VirtualModule module;
    QVERIFY(module.start());
    const QString path = module.devicePath();
    QVERIFY(QFile::exists(path));
    Terminal terminal;
    QVERIFY(terminal.open(path));

    module.sendAfter(60000, "late"); // must not outlive the hang-up
    struct stat before {
    };
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);
    module.hangUp();
    // Gone: the name is free (or, by now, another program's new terminal).
    struct stat after {
    };
    QVERIFY(::stat(QFile::encodeName(path).constData(), &after) != 0 ||
            after.st_rdev != before.st_rdev || after.st_ctim.tv_nsec != before.st_ctim.tv_nsec ||
            after.st_ctim.tv_sec != before.st_ctim.tv_sec);
    pollfd pfd{terminal.fd(), POLLIN, 0};
    QCOMPARE(::poll(&pfd, 1, 5000), 1);
    QVERIFY(pfd.revents & POLLHUP);

    module.send("ignored"); // harmless once the line is gone
    module.hangUp();        // and so is a second hang-up
    const double cpuBefore = processCpuSeconds();
    runEventLoopFor(500);
    const QString spinning = spinningFault(processCpuSeconds() - cpuBefore, 500);
    QVERIFY2(spinning.isEmpty(), qPrintable(spinning));
}

QTEST_GUILESS_MAIN(TestVirtualModule)
#include "tst_virtualmodule.moc"
