// zomar-setup's command line: --simulate [N] is N virtual modules, the
// first on the port the window starts with and the others on the numbers
// after it, past 15 back to 1.

#include "apps/zomar-setup/StartupOptions.h"

#include <QtTest>

using namespace zomar;

class TstStartupOptions : public QObject
{
    Q_OBJECT
private slots:
    void simulate_data();
    void simulate();
    void simulatedPorts_data();
    void simulatedPorts();
};

void TstStartupOptions::simulate_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("count"); // 0: none
    QTest::addColumn<bool>("refused");
    QTest::newRow("none") << QStringList{} << 0 << false;
    QTest::newRow("bare") << QStringList{"--simulate"} << 1 << false;
    QTest::newRow("two") << QStringList{"--simulate", "2"} << 2 << false;
    QTest::newRow("two, with =") << QStringList{"--simulate=2"} << 2 << false;
    QTest::newRow("bare, then an option") << QStringList{"--simulate", "--settings", "f"} << 1 << false;
    QTest::newRow("fifteen") << QStringList{"--simulate", "15"} << 15 << false;
    QTest::newRow("sixteen") << QStringList{"--simulate", "16"} << 0 << true;
    QTest::newRow("zero") << QStringList{"--simulate=0"} << 0 << true;
}

void TstStartupOptions::simulate()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, count);
    QFETCH(bool, refused);
    const StartupOptions o = StartupOptions::parse(QStringList{"zomar-setup"} + arguments);
    QCOMPARE(!o.error.isEmpty(), refused);
    QCOMPARE(o.simulateCount.value_or(0), count);
}

void TstStartupOptions::simulatedPorts_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("ports");
    QTest::newRow("one") << 1 << 1 << QList<int>{1};
    QTest::newRow("pair from 1") << 1 << 2 << QList<int>{1, 2};
    QTest::newRow("pair from 15") << 15 << 2 << QList<int>{15, 1};
    QTest::newRow("saved 20") << 20 << 3 << QList<int>{20, 1, 2};
    QTest::newRow("all from 7") << 7 << 15
                                << QList<int>{7, 8, 9, 10, 11, 12, 13, 14, 15, 1, 2, 3, 4, 5, 6};
}

void TstStartupOptions::simulatedPorts()
{
    QFETCH(int, first);
    QFETCH(int, count);
    QFETCH(QList<int>, ports);
    QCOMPARE(StartupOptions::simulatedPorts(first, count), ports);
}

QTEST_GUILESS_MAIN(TstStartupOptions)
#include "tst_startupoptions.moc"
