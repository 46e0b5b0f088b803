#include "core/link/PortResolver.h"

#include <QDir>
#include <QTest>

using zomar::PortResolver;
using zomar::SystemPort;

namespace {

QList<SystemPort> portsNamed(const QStringList &devices)
{
    QList<SystemPort> ports;
    for (const QString &device : devices)
        ports.append(SystemPort{device, QString()});
    return ports;
}

QStringList devicesOf(const QList<SystemPort> &ports)
{
    QStringList devices;
    for (const SystemPort &port : ports)
        devices.append(port.device);
    return devices;
}

} // namespace

class TestPortResolver : public QObject
{
    Q_OBJECT

private slots:
    void sortPorts_data();
    void sortPorts();
    void systemPortsAreNumberedInOrder();
    void priority_data();
    void priority();
    void deviceNames_data();
    void deviceNames();
    void unmappedNumbers_data();
    void unmappedNumbers();
    void describe_data();
    void describe();
};

void TestPortResolver::sortPorts_data()
{
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("numbers compare as numbers")
        << QStringList{"/dev/ttyUSB10", "/dev/ttyUSB2", "/dev/ttyUSB1"}
        << QStringList{"/dev/ttyUSB1", "/dev/ttyUSB2", "/dev/ttyUSB10"};
    QTest::newRow("usb adapters before other ports")
        << QStringList{"/dev/ttyS0", "/dev/ttyACM0", "/dev/ttyS1", "/dev/ttyUSB0"}
        << QStringList{"/dev/ttyACM0", "/dev/ttyUSB0", "/dev/ttyS0", "/dev/ttyS1"};
    QTest::newRow("acm before builtin serial")
        << QStringList{"/dev/ttyS0", "/dev/ttyACM3"} << QStringList{"/dev/ttyACM3", "/dev/ttyS0"};
    QTest::newRow("others numerically too")
        << QStringList{"/dev/ttyS10", "/dev/ttyS9", "/dev/ttyAMA0", "/dev/ttyS0"}
        << QStringList{"/dev/ttyAMA0", "/dev/ttyS0", "/dev/ttyS9", "/dev/ttyS10"};
    QTest::newRow("mixed groups and numbers")
        << QStringList{"/dev/ttyS2", "/dev/ttyUSB10", "/dev/ttyACM1", "/dev/ttyUSB2", "/dev/ttyS10"}
        << QStringList{"/dev/ttyACM1", "/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyS2",
                       "/dev/ttyS10"};
    QTest::newRow("leading zeros do not change the value")
        << QStringList{"/dev/ttyX010", "/dev/ttyX9"} << QStringList{"/dev/ttyX9", "/dev/ttyX010"};
    QTest::newRow("empty") << QStringList{} << QStringList{};
}

void TestPortResolver::sortPorts()
{
    QFETCH(QStringList, given);
    QFETCH(QStringList, expected);
    QCOMPARE(devicesOf(PortResolver::sortPorts(portsNamed(given))), expected);
}

void TestPortResolver::systemPortsAreNumberedInOrder()
{
    PortResolver resolver;
    resolver.setSystemPortsSource([] {
        return portsNamed({"/dev/ttyS0", "/dev/ttyUSB10", "/dev/ttyUSB2"});
    });
    QCOMPARE(resolver.deviceFor(1), QStringLiteral("/dev/ttyUSB2"));
    QCOMPARE(resolver.deviceFor(2), QStringLiteral("/dev/ttyUSB10"));
    QCOMPARE(resolver.deviceFor(3), QStringLiteral("/dev/ttyS0"));
    QCOMPARE(resolver.deviceFor(4), QString());
    QCOMPARE(devicesOf(resolver.orderedSystemPorts()),
             (QStringList{"/dev/ttyUSB2", "/dev/ttyUSB10", "/dev/ttyS0"}));
}

void TestPortResolver::priority_data()
{
    QTest::addColumn<bool>("withExplicit");
    QTest::addColumn<bool>("withSaved");
    QTest::addColumn<QString>("expected");

    QTest::newRow("explicit beats saved and system") << true << true << "/dev/pts/7";
    QTest::newRow("explicit beats system") << true << false << "/dev/pts/7";
    QTest::newRow("saved beats system") << false << true << "/dev/ttyS4";
    QTest::newRow("system when nothing else") << false << false << "/dev/ttyUSB0";
}

void TestPortResolver::priority()
{
    QFETCH(bool, withExplicit);
    QFETCH(bool, withSaved);
    QFETCH(QString, expected);

    PortResolver resolver;
    resolver.setSystemPortsSource([] { return portsNamed({"/dev/ttyUSB0"}); });
    if (withExplicit)
        resolver.setExplicit(1, "/dev/pts/7", "Virtual module");
    if (withSaved)
        resolver.setSavedLookup([](int n) { return n == 1 ? QString("/dev/ttyS4") : QString(); });
    QCOMPARE(resolver.deviceFor(1), expected);
}

// One reading of a device name through every entry: a bare name is under
// /dev, a name with a "/" a path from the working folder.
void TestPortResolver::deviceNames_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    const QString here = QDir::currentPath();
    for (const char *entry : {"--device", "--port-map", "Ports/N"}) {
        const auto row = [&](const char *what) -> QTestData & {
            return QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(entry, what)));
        };
        const QString e = QString::fromLatin1(entry);
        row("bare name") << e << "ttyUSB0" << "/dev/ttyUSB0";
        row("dot slash") << e << "./x" << here + "/x";
        row("relative path") << e << "a/b" << here + "/a/b";
        row("absolute path") << e << "/abs/ttyS9" << "/abs/ttyS9";
        row("blanks around") << e << " a/b " << here + "/a/b";
    }
}

void TestPortResolver::deviceNames()
{
    QFETCH(QString, entry);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    PortResolver resolver;
    resolver.setSystemPortsSource([] { return QList<SystemPort>{}; });
    if (entry == QLatin1String("--device")) {
        QCOMPARE(PortResolver::devicePath(name), expected);
        return;
    }
    if (entry == QLatin1String("--port-map")) {
        const auto mapping = PortResolver::parseMapping(QStringLiteral("2=") + name);
        QVERIFY(mapping);
        resolver.setExplicit(mapping->first, mapping->second);
    } else {
        resolver.setSavedLookup([name](int n) { return n == 2 ? name : QString(); });
    }
    QCOMPARE(resolver.deviceFor(2), expected);
}

void TestPortResolver::unmappedNumbers_data()
{
    QTest::addColumn<int>("number");
    QTest::newRow("beyond the system ports") << 3;
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -1;
}

void TestPortResolver::unmappedNumbers()
{
    QFETCH(int, number);
    PortResolver resolver;
    resolver.setSystemPortsSource([] { return portsNamed({"/dev/ttyUSB0", "/dev/ttyS0"}); });
    resolver.setSavedLookup([](int) { return QString(); });
    QCOMPARE(resolver.deviceFor(number), QString());
    QCOMPARE(resolver.describe(number), QString());
}

void TestPortResolver::describe_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("description");

    QTest::newRow("system port with a description") << 1 << "/dev/ttyUSB0"
                                                    << "/dev/ttyUSB0 - FT232R USB UART";
    QTest::newRow("system port without one") << 3 << "/dev/ttyS0"
                                             << "/dev/ttyS0";
    QTest::newRow("explicit mapping gives its own") << 6 << "/dev/pts/9"
                                                    << "/dev/pts/9 - Virtual module";
    QTest::newRow("saved short name becomes a path") << 4 << "/dev/ttyUSB1"
                                                     << "/dev/ttyUSB1 - CP2102 USB to UART";
    QTest::newRow("saved device unknown to the system") << 5 << "/dev/ttyXR0"
                                                        << "/dev/ttyXR0";
}

void TestPortResolver::describe()
{
    QFETCH(int, number);
    QFETCH(QString, device);
    QFETCH(QString, description);

    PortResolver resolver;
    resolver.setSystemPortsSource([] {
        return QList<SystemPort>{{"/dev/ttyS0", ""},
                                 {"/dev/ttyUSB0", "FT232R USB UART"},
                                 {"/dev/ttyUSB1", "CP2102 USB to UART"}};
    });
    resolver.setExplicit(6, "/dev/pts/9", "Virtual module");
    resolver.setSavedLookup([](int n) {
        if (n == 4)
            return QStringLiteral("ttyUSB1");
        if (n == 5)
            return QStringLiteral("/dev/ttyXR0");
        return QString();
    });
    QCOMPARE(resolver.deviceFor(number), device);
    QCOMPARE(resolver.describe(number), description);
}

QTEST_GUILESS_MAIN(TestPortResolver)
#include "tst_portresolver.moc"
