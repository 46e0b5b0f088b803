// The window-timer semantics of IntervalTimer and the yielding wait.

#include "gui/timing/IntervalTimer.h"
#include "gui/timing/YieldingWait.h"
#include "tests/support/TestUtil.h"

#include <QElapsedTimer>
#include <QList>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

using namespace zomar;
using zomar::test::spinningFault;

namespace {

// Milliseconds since `clock` started, with sub-millisecond precision.
double msSince(const QElapsedTimer &clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}

// Records the time of every tick of a timer.
struct TickLog {
    TickLog(IntervalTimer &timer, const QElapsedTimer &clock)
    {
        QObject::connect(&timer, &IntervalTimer::tick, &guard,
                         [this, &clock] { at.append(msSince(clock)); });
    }
    QObject guard; // ends the connection with the log
    QList<double> at;
};

// CPU time (user + system) of the whole process, in milliseconds.
double cpuMs()
{
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    const auto ms = [](const timeval &t) {
        return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
    };
    return ms(use.ru_utime) + ms(use.ru_stime);
}

} // namespace

class TestTiming : public QObject
{
    Q_OBJECT
private slots:
    void zeroIntervalNeverTicks_data();
    void zeroIntervalNeverTicks();
    void ticksEveryInterval();
    void restartsPostponeTheTick_data();
    void restartsPostponeTheTick();
    void disableInTickStops();
    void intervalChangeWhileEnabled_data();
    void intervalChangeWhileEnabled();
    void disabledTimerIgnoresIntervalChange();
    void yieldingWaitDuration_data();
    void yieldingWaitDuration();
    void yieldingWaitHandlesEvents();
    void yieldingWaitDoesNotSpin();
};

void TestTiming::zeroIntervalNeverTicks_data()
{
    QTest::addColumn<bool>("afterTicking");
    QTest::newRow("from the start") << false;
    // A timer that was ticking and gets interval 0 stops ticking.
    QTest::newRow("set to 0 while ticking") << true;
}

void TestTiming::zeroIntervalNeverTicks()
{
    QFETCH(bool, afterTicking);
    QElapsedTimer clock;
    clock.start();
    IntervalTimer timer;
    TickLog log(timer, clock);
    if (afterTicking) {
        timer.setInterval(30);
        timer.setEnabled(true);
        QVERIFY(QTest::qWaitFor([&] { return !log.at.isEmpty(); }, 3000));
    }
    timer.setInterval(0);
    timer.setEnabled(true);
    QVERIFY(timer.isEnabled());
    QVERIFY(!timer.isTicking());
    const qsizetype before = log.at.size();
    QTest::qWait(300);
    QCOMPARE(log.at.size(), before);
}

void TestTiming::ticksEveryInterval()
{
    QElapsedTimer clock;
    IntervalTimer timer;
    TickLog log(timer, clock);
    timer.setInterval(50);
    clock.start();
    timer.setEnabled(true);
    QVERIFY(timer.isTicking());
    QVERIFY(QTest::qWaitFor([&] { return log.at.size() >= 6; }, 5000));
    timer.setEnabled(false);

    // The first tick comes one interval after enabling, each next one an
    // interval after the one before (never early; late only under load).
    QVERIFY2(log.at[0] >= 49.0 && log.at[0] < 400.0, qPrintable(QString::number(log.at[0])));
    for (qsizetype i = 1; i < log.at.size(); ++i) {
        const double gap = log.at[i] - log.at[i - 1];
        QVERIFY2(gap >= 49.0 && gap < 400.0,
                 qPrintable(QStringLiteral("gap %1: %2 ms").arg(i).arg(gap)));
    }
    // Disabled: no more ticks.
    const qsizetype count = log.at.size();
    QTest::qWait(200);
    QCOMPARE(log.at.size(), count);
}

void TestTiming::restartsPostponeTheTick_data()
{
    QTest::addColumn<bool>("viaRestart"); // restart() or disable + enable
    QTest::newRow("restart") << true;
    QTest::newRow("disable and enable") << false;
}

void TestTiming::restartsPostponeTheTick()
{
    QFETCH(bool, viaRestart);
    constexpr int interval = 60;
    QElapsedTimer clock;
    clock.start();
    IntervalTimer timer;
    TickLog log(timer, clock);
    timer.setInterval(interval);
    timer.setEnabled(true);

    // A restart every 20 ms for 200 ms, like the bytes of a burst.
    QList<double> restarts{msSince(clock)};
    QTimer pacer;
    pacer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&pacer, &QTimer::timeout, [&] {
        if (msSince(clock) >= 200.0) {
            pacer.stop();
            return;
        }
        if (viaRestart) {
            timer.restart(interval);
        } else {
            timer.setEnabled(false);
            timer.setEnabled(true);
        }
        restarts.append(msSince(clock));
    });
    pacer.start(20);
    QVERIFY(QTest::qWaitFor([&] { return !pacer.isActive(); }, 5000));
    QVERIFY(restarts.size() >= 3);
    QVERIFY(QTest::qWaitFor([&] { return !log.at.isEmpty(); }, 3000));

    // A tick never comes sooner than a full interval after the restart before
    // it. (Under load the pacer may itself be late; then a tick between
    // restarts is right, as long as the interval had run out.)
    for (const double tick : log.at) {
        double last = -1;
        for (const double r : restarts) {
            if (r <= tick)
                last = r;
        }
        QVERIFY2(
            tick - last >= interval - 1.0,
            qPrintable(
                QStringLiteral("tick at %1 ms, %2 ms after a restart").arg(tick).arg(tick - last)));
    }
    // The first tick after the last restart comes about one interval later.
    const double lastRestart = restarts.last();
    double firstAfter = -1;
    for (const double tick : log.at) {
        if (tick >= lastRestart) {
            firstAfter = tick;
            break;
        }
    }
    QVERIFY(firstAfter >= 0);
    const double delay = firstAfter - lastRestart;
    QVERIFY2(delay >= interval - 1.0 && delay < 500.0, qPrintable(QString::number(delay)));
}

void TestTiming::disableInTickStops()
{
    IntervalTimer timer;
    int ticks = 0;
    QObject::connect(&timer, &IntervalTimer::tick, [&] {
        ++ticks;
        timer.setEnabled(false);
    });
    timer.setInterval(30);
    timer.setEnabled(true);
    QVERIFY(QTest::qWaitFor([&] { return ticks > 0; }, 3000));
    QVERIFY(!timer.isEnabled());
    QTest::qWait(300);
    QCOMPARE(ticks, 1);

    // Enabled again it ticks once more.
    timer.setEnabled(true);
    QVERIFY(QTest::qWaitFor([&] { return ticks == 2; }, 3000));
}

void TestTiming::intervalChangeWhileEnabled_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("changeAfter"); // ms after enabling
    QTest::addColumn<int>("after");
    // The count starts anew at the change: not at the old deadline (900 ms
    // later), and not at 80 ms from the start (already past).
    QTest::newRow("shorter") << 1000 << 100 << 80;
    // Not at the old deadline 30 ms after the change.
    QTest::newRow("longer") << 80 << 50 << 400;
}

void TestTiming::intervalChangeWhileEnabled()
{
    QFETCH(int, before);
    QFETCH(int, changeAfter);
    QFETCH(int, after);
    QElapsedTimer clock;
    clock.start();
    IntervalTimer timer;
    TickLog log(timer, clock);
    timer.setInterval(before);
    timer.setEnabled(true);

    double changedAt = -1;
    QTimer::singleShot(changeAfter, Qt::PreciseTimer, &timer, [&] {
        changedAt = msSince(clock);
        timer.setInterval(after);
    });
    // Three ticks after the change (a tick of the old interval may come first
    // on a busy machine; the count still starts anew at the change).
    QList<double> ticks;
    QVERIFY(QTest::qWaitFor(
        [&] {
            ticks.clear();
            for (const double t : log.at) {
                if (changedAt >= 0 && t >= changedAt)
                    ticks.append(t);
            }
            return ticks.size() >= 3;
        },
        5000));
    timer.setEnabled(false);

    const double first = ticks[0] - changedAt;
    QVERIFY2(first >= after - 1.0 && first < after + 500.0, qPrintable(QString::number(first)));
    // Later ticks keep the new interval.
    for (qsizetype i = 1; i < ticks.size(); ++i) {
        const double gap = ticks[i] - ticks[i - 1];
        QVERIFY2(gap >= after - 1.0 && gap < after + 500.0, qPrintable(QString::number(gap)));
    }
}

void TestTiming::disabledTimerIgnoresIntervalChange()
{
    IntervalTimer timer;
    int ticks = 0;
    QObject::connect(&timer, &IntervalTimer::tick, [&] { ++ticks; });
    timer.setInterval(30);
    timer.setEnabled(true);
    timer.setEnabled(false);
    // A new interval does not enable the timer (the receive path sets the
    // loopback interval with loopback off).
    timer.setInterval(40);
    QCOMPARE(timer.interval(), 40);
    QVERIFY(!timer.isEnabled());
    QTest::qWait(300);
    QCOMPARE(ticks, 0);
}

void TestTiming::yieldingWaitDuration_data()
{
    QTest::addColumn<double>("seconds");
    QTest::newRow("0") << 0.0;
    QTest::newRow("0.1") << 0.1;
    QTest::newRow("0.2") << 0.2;
}

void TestTiming::yieldingWaitDuration()
{
    QFETCH(double, seconds);
    QElapsedTimer clock;
    clock.start();
    yieldingWait(seconds);
    const qint64 ns = clock.nsecsElapsed();
    // Strictly more than the time asked for; the upper bound only catches a
    // wait that hangs on or waits a different unit.
    QVERIFY2(ns > qint64(seconds * 1e9), qPrintable(QString::number(ns)));
    QVERIFY2(ns < qint64((seconds + 0.5) * 1e9), qPrintable(QString::number(ns)));
}

void TestTiming::yieldingWaitHandlesEvents()
{
    QElapsedTimer clock;
    clock.start();
    QObject receiver;
    bool posted = false;
    double singleShotAt = -1;
    QMetaObject::invokeMethod(
        &receiver, [&] { posted = true; }, Qt::QueuedConnection);
    QTimer::singleShot(50, Qt::PreciseTimer, &receiver, [&] { singleShotAt = msSince(clock); });
    // A timer of the window ticks inside the wait, as the quiet-line timer does.
    IntervalTimer ticking;
    int ticks = 0;
    QObject::connect(&ticking, &IntervalTimer::tick, [&] { ++ticks; });
    ticking.setInterval(20);
    ticking.setEnabled(true);

    yieldingWait(0.2);
    const double waited = msSince(clock);
    ticking.setEnabled(false);

    QVERIFY(posted);
    // The single shot ran inside the wait, near its time, not after it.
    QVERIFY2(singleShotAt >= 49.0 && singleShotAt < waited,
             qPrintable(QString::number(singleShotAt)));
    // About one tick per 20 ms of the wait; a loaded machine may run fewer,
    // but several, and never more than are due.
    QVERIFY2(ticks >= 3 && ticks <= int(waited / 20.0) + 1, qPrintable(QString::number(ticks)));
}

void TestTiming::yieldingWaitDoesNotSpin()
{
    // Five waits in a row, so the measure is not lost in the clock's grain.
    QElapsedTimer clock;
    clock.start();
    const double cpuBefore = cpuMs();
    for (int i = 0; i < 5; ++i)
        yieldingWait(0.2);
    const double cpu = cpuMs() - cpuBefore;
    const double wall = msSince(clock);
    QVERIFY(wall > 1000.0);
    // A polling loop would use a whole core; a blocking one next to nothing.
    const QString spinning = spinningFault(cpu / 1000.0, int(wall));
    QVERIFY2(spinning.isEmpty(), qPrintable(spinning));
}

QTEST_GUILESS_MAIN(TestTiming)
#include "tst_timing.moc"
