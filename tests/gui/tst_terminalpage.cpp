// The terminal page: typed characters and the continuous send on the wire,
// the toggle, "Clear", and the length rules of the two boxes.

#include "gui/widgets/TrafficView.h"
#include "gui/widgets/TypingBox.h"
#include "tests/support/FormHarness.h"
#include "gui/timing/IntervalTimer.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

using namespace zomar;
using namespace zomar::test;

namespace {

constexpr int kModemTab = 0;
constexpr int kTerminalTab = 2;

// Shows the window active with the test tabs revealed and `tab` selected.
void showWithTab(FormHarness &h, int tab)
{
    h.form().show();
    h.form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&h.form()));
    QTest::keyRelease(h.ui().Command7, Qt::Key_F1); // reveals the test tabs
    QCOMPARE(h.ui().TabStrip1->count(), 4);
    h.ui().TabStrip1->setCurrentIndex(tab);
}

// Connects to the module and waits until the read that follows is over, then
// forgets its traffic: the wire record and the boxes start empty.
void connectAndSettle(FormHarness &h)
{
    h.connectPort();
    QVERIFY(h.waitIdle());
    // On a heavily loaded machine the virtual module's thread can sleep
    // through a whole read and take "+++---" as one message; read again then.
    for (int attempt = 1; attempt < 3 && h.status() != "Request Complete"; ++attempt) {
        waitModuleOutOfCommandMode(h);
        h.ui().Command3->click();
        QVERIFY(h.waitIdle());
    }
    QCOMPARE(h.status(), QString("Request Complete"));
    waitModuleOutOfCommandMode(h);
    h.module().clearReceived();
    h.ui().Text13->setText(QString());
    h.ui().Text14->setText(QString());
    h.ui().Text21->setText(QString());
    h.ui().Text22->setText(QString());
}

#define SHOW_CONNECTED(h, tab)                                                                     \
    do {                                                                                           \
        showWithTab(h, tab);                                                                       \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
        connectAndSettle(h);                                                                       \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)

void typeKey(QWidget *box, QChar ch)
{
    switch (ch.unicode()) {
    case '\r':
        QTest::keyClick(box, Qt::Key_Return);
        break;
    case '\b':
        QTest::keyClick(box, Qt::Key_Backspace);
        break;
    case 0x1b:
        QTest::keyClick(box, Qt::Key_Escape);
        break;
    default:
        QTest::keyClick(box, ch.toLatin1());
    }
}

QByteArray latin1(const QString &text)
{
    return text.toLatin1();
}

} // namespace

class TestTerminalPage : public QObject
{
    Q_OBJECT
private slots:
    void typedCharactersGoOutOneByteEach_data();
    void typedCharactersGoOutOneByteEach();
    void typingWithPortClosedOnlyShows();
    void toggleCaptionAndTimer();
    void switchOnPeriod_data();
    void switchOnPeriod();
    void sendPattern();
    void fourBytesInTwoSecondsAtFiveHundred();
    void periodEditedWhileSending_data();
    void periodEditedWhileSending();
    void tickWithPortClosedStillAppends();
    void clearKeepsSending();
    void txBoxEmptiedPastTwoHundred_data();
    void txBoxEmptiedPastTwoHundred();
    void rxBoxEmptiedPastTwoHundredFifty_data();
    void rxBoxEmptiedPastTwoHundredFifty();
    void worksWithAnotherPageShown_data();
    void worksWithAnotherPageShown();
    void sendsDuringConfigurationWaits_data();
    void sendsDuringConfigurationWaits();
};

void TestTerminalPage::typedCharactersGoOutOneByteEach_data()
{
    QTest::addColumn<QString>("keys"); // "\r" is Enter, "\b" Backspace, "\x1b" Escape
    QTest::addColumn<QString>("shown");
    QTest::newRow("printable") << "Hi 7!"
                               << "Hi 7!";
    QTest::newRow("Enter sends 13 alone") << "ab\r"
                                          << "ab\n";
    QTest::newRow("Backspace sends 8 and deletes") << "ab\b"
                                                   << "a";
    QTest::newRow("Escape sends 27") << "x\x1b"
                                     << "x";
}

void TestTerminalPage::typedCharactersGoOutOneByteEach()
{
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    FormHarness h;
    SHOW_CONNECTED(h, kTerminalTab);
    TypingBox *box = h.ui().Text14;
    box->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box));

    // Each key puts its own byte on the line at once, before the next key.
    for (int i = 0; i < keys.size(); ++i) {
        typeKey(box, keys.at(i));
        QTRY_COMPARE(h.module().receivedBytes(), latin1(keys.left(i + 1)));
    }
    QCOMPARE(box->text(), shown);
    // Typing is not received data.
    QVERIFY(h.ui().Text13->text().isEmpty());
}

void TestTerminalPage::typingWithPortClosedOnlyShows()
{
    FormHarness h;
    showWithTab(h, kTerminalTab);
    if (QTest::currentTestFailed())
        return;
    TypingBox *box = h.ui().Text14;
    QTest::keyClicks(box, "abc");
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->text(), QString("abc\n"));
    QCOMPARE(h.status(), QString("Disconnected"));
    QVERIFY(h.prompter().shown.isEmpty());

    // Nothing was kept for later either: after connecting, the line carries
    // the read's sequences and then only what is typed now.
    h.connectPort();
    QVERIFY(h.waitIdle());
    QTest::keyClick(box, 'Z');
    QTRY_VERIFY(h.module().receivedBytes().endsWith('Z'));
    QCOMPARE(h.module().receivedBytes().replace("+++---", ""), QByteArray("Z"));
}

void TestTerminalPage::toggleCaptionAndTimer()
{
    FormHarness h(FormHarness::Options::noModule());
    showWithTab(h, kTerminalTab);
    if (QTest::currentTestFailed())
        return;
    QPushButton *toggle = h.ui().Command8;
    IntervalTimer &timer2 = h.form().timer2();
    QCOMPARE(toggle->text(), QString("Cont Send On"));
    QVERIFY(!timer2.isEnabled());

    for (int round = 0; round < 2; ++round) {
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(toggle->text(), QString("Cont Send Off"));
        QVERIFY(timer2.isTicking());
        QCOMPARE(timer2.interval(), 500);
        QTest::mouseClick(toggle, Qt::LeftButton);
        QCOMPARE(toggle->text(), QString("Cont Send On"));
        QVERIFY(!timer2.isEnabled());
    }
}

void TestTerminalPage::switchOnPeriod_data()
{
    QTest::addColumn<QString>("period");
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("ticks");
    QTest::newRow("300") << "300" << 300 << true;
    QTest::newRow("0: on, but no tick") << "0" << 0 << false;
    // Not a number: the interval stays what it was (200 from design).
    QTest::newRow("not a number keeps the interval") << "abc" << 200 << true;
}

void TestTerminalPage::switchOnPeriod()
{
    QFETCH(QString, period);
    QFETCH(int, interval);
    QFETCH(bool, ticks);
    FormHarness h;
    SHOW_CONNECTED(h, kTerminalTab);
    h.ui().Text24->setText(period);
    QSignalSpy tickSpy(&h.form().timer2(), &IntervalTimer::tick);
    QTest::mouseClick(h.ui().Command8, Qt::LeftButton);
    QCOMPARE(h.ui().Command8->text(), QString("Cont Send Off"));
    QVERIFY(h.form().timer2().isEnabled());
    QCOMPARE(h.form().timer2().interval(), interval);
    QCOMPARE(h.form().timer2().isTicking(), ticks);
    if (ticks) {
        QTRY_VERIFY(!h.module().receivedBytes().isEmpty());
    } else {
        QTest::qWait(600);
        QCOMPARE(tickSpy.count(), 0);
        QVERIFY(h.module().receivedBytes().isEmpty());
        QVERIFY(h.ui().Text14->text().isEmpty());
    }
    QTest::mouseClick(h.ui().Command8, Qt::LeftButton);
    QCOMPARE(h.ui().Command8->text(), QString("Cont Send On"));
}

void TestTerminalPage::sendPattern()
{
    FormHarness h;
    SHOW_CONNECTED(h, kTerminalTab);
    Form1Controls &ui = h.ui();
    FormState &state = h.form().state();
    QCOMPARE(state.contSendChar, 32);
    ui.Text24->setText("40");

    // From start-up: "!" first, then each next code.
    QTest::mouseClick(ui.Command8, Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return ui.Text14->text().size() >= 3; }, 5000));
    QTest::mouseClick(ui.Command8, Qt::LeftButton);
    const QString first = ui.Text14->text();
    for (int i = 0; i < first.size(); ++i)
        QCOMPARE(first.at(i).unicode(), char16_t(33 + i));
    QCOMPARE(state.contSendChar, 32 + int(first.size()));
    QTRY_COMPARE(h.module().receivedBytes(), latin1(first));

    // After "Z" comes "A", not "[".
    h.module().clearReceived();
    ui.Text14->setText(QString());
    state.contSendChar = 88;
    QTest::mouseClick(ui.Command8, Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return ui.Text14->text().size() >= 4; }, 5000));
    QTest::mouseClick(ui.Command8, Qt::LeftButton);
    const QString wrapped = ui.Text14->text();
    QCOMPARE(wrapped.left(4), QString("YZAB"));
    QTRY_COMPARE(h.module().receivedBytes(), latin1(wrapped));

    // Off and on again: the sequence goes on where it stopped.
    const QChar last = wrapped.back();
    h.module().clearReceived();
    ui.Text14->setText(QString());
    QTest::mouseClick(ui.Command8, Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return !ui.Text14->text().isEmpty(); }, 5000));
    QTest::mouseClick(ui.Command8, Qt::LeftButton);
    QCOMPARE(ui.Text14->text().at(0).unicode(), char16_t(last.unicode() + 1));
    QTRY_COMPARE(h.module().receivedBytes(), latin1(ui.Text14->text()));
}

void TestTerminalPage::fourBytesInTwoSecondsAtFiveHundred()
{
    FormHarness h;
    SHOW_CONNECTED(h, kTerminalTab);
    Form1Controls &ui = h.ui();
    QCOMPARE(ui.Text24->text(), QString("500"));
    QTest::mouseClick(ui.Command8, Qt::LeftButton);
    QTest::qWait(2000); // the span measured
    QTest::mouseClick(ui.Command8, Qt::LeftButton);

    const QString shown = ui.Text14->text();
    QVERIFY2(shown.size() >= 3 && shown.size() <= 5, qPrintable(shown));
    QTRY_COMPARE(h.module().receivedBytes(), latin1(shown));
    // One byte per period, not a bunch at once.
    const QList<VirtualModule::WireByte> wire = h.module().received();
    for (qsizetype i = 1; i < wire.size(); ++i) {
        const double gap = msBetween(wire[i - 1].nsecs, wire[i].nsecs);
        QVERIFY2(gap >= 300.0 && gap < 1200.0, qPrintable(QString::number(gap)));
    }
}

void TestTerminalPage::periodEditedWhileSending_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("edited");
    QTest::addColumn<int>("newInterval");
    QTest::newRow("slower") << "100"
                            << "400" << 400;
    QTest::newRow("faster") << "400"
                            << "100" << 100;
    QTest::newRow("1 keeps the pace") << "200"
                                      << "1" << 200;
    QTest::newRow("0 keeps the pace") << "200"
                                      << "0" << 200;
    QTest::newRow("letters keep the pace") << "200"
                                           << "abc" << 200;
}

void TestTerminalPage::periodEditedWhileSending()
{
    QFETCH(QString, start);
    QFETCH(QString, edited);
    QFETCH(int, newInterval);
    FormHarness h;
    SHOW_CONNECTED(h, kTerminalTab);
    Form1Controls &ui = h.ui();
    const int oldInterval = start.toInt();

    QList<qint64> ticks;
    QObject guard;
    connect(&h.form().timer2(), &IntervalTimer::tick, &guard,
            [&] { ticks.append(VirtualModule::now()); });
    ui.Text24->setText(start);
    QTest::mouseClick(ui.Command8, Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return ticks.size() >= 2; }, 5000));
    ui.Text24->setText(edited);
    const qsizetype before = ticks.size();
    QVERIFY(QTest::qWaitFor([&] { return ticks.size() >= before + 3; }, 8000));
    QTest::mouseClick(ui.Command8, Qt::LeftButton);
    QCOMPARE(h.form().timer2().interval(), newInterval);

    // The tick already counting comes at the old pace; from it on, the new one.
    // A gap is taken between two handler runs, so one run delayed by a busy
    // machine shortens the next gap by as much: allow 10 ms of that.
    const double pending = msBetween(ticks[before - 1], ticks[before]);
    QVERIFY2(pending >= oldInterval - 10.0 && pending < oldInterval + 500.0,
             qPrintable(QString::number(pending)));
    for (qsizetype i = before + 1; i < ticks.size(); ++i) {
        const double gap = msBetween(ticks[i - 1], ticks[i]);
        QVERIFY2(gap >= newInterval - 10.0 && gap < newInterval + 500.0,
                 qPrintable(QStringLiteral("tick %1: %2 ms").arg(i).arg(gap)));
    }
    // And every tick put its character on the line.
    QTRY_COMPARE(h.module().receivedBytes(), latin1(ui.Text14->text()));
    QCOMPARE(ui.Text14->text().size(), ticks.size());
}

void TestTerminalPage::tickWithPortClosedStillAppends()
{
    FormHarness h;
    SHOW_CONNECTED(h, kTerminalTab);
    Form1Controls &ui = h.ui();
    FormState &state = h.form().state();
    ui.Text24->setText("60");
    QTest::mouseClick(ui.Command8, Qt::LeftButton);
    QTRY_VERIFY(h.module().receivedBytes().size() >= 2);

    // Disconnecting does not stop the continuous send.
    h.connectPort();
    QCOMPARE(ui.Command7->text(), QString("Connect"));
    const qsizetype atClose = ui.Text14->text().size();
    QCOMPARE(ui.Command8->text(), QString("Cont Send Off"));
    QVERIFY(h.form().timer2().isTicking());
    QVERIFY(QTest::qWaitFor([&] { return ui.Text14->text().size() >= atClose + 3; }, 5000));
    QTest::mouseClick(ui.Command8, Qt::LeftButton);

    // The ticks on the closed port appended and advanced the sequence, but
    // wrote nothing, and nothing was reported.
    const QString shown = ui.Text14->text();
    QCOMPARE(state.contSendChar, 32 + int(shown.size()));
    // What reached the line is what was shown before the close (a byte still
    // queued in the port when it closed may be lost, but none came after).
    QTest::qWait(100);
    const QByteArray wire = h.module().receivedBytes();
    QVERIFY(wire.size() >= 2 && wire.size() <= atClose);
    QCOMPARE(wire, latin1(shown.left(wire.size())));
    QCOMPARE(h.status(), QString("Disconnected"));
    QVERIFY(h.prompter().shown.isEmpty());
}

void TestTerminalPage::clearKeepsSending()
{
    FormHarness h;
    SHOW_CONNECTED(h, kTerminalTab);
    Form1Controls &ui = h.ui();
    QVERIFY(ui.Command5->isEnabled());
    h.module().send("rx");
    QTRY_COMPARE(ui.Text13->text(), QString("rx"));
    QTest::keyClicks(ui.Text14, "tx");
    ui.Text24->setText("150");
    QTest::mouseClick(ui.Command8, Qt::LeftButton);
    QTRY_VERIFY(ui.Text14->text().size() >= 3);

    QTest::mouseClick(ui.Command5, Qt::LeftButton);
    QVERIFY(ui.Text13->text().isEmpty());
    QVERIFY(ui.Text14->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(ui.Text14));
    // The repeater's box is not this button's.
    QCOMPARE(ui.Text22->text(), QString("rx"));

    QCOMPARE(ui.Command8->text(), QString("Cont Send Off"));
    QVERIFY(h.form().timer2().isTicking());
    const int next = h.form().state().contSendChar + 1;
    QTRY_VERIFY(!ui.Text14->text().isEmpty());
    QCOMPARE(ui.Text14->text().at(0).unicode(), char16_t(next));
    QTest::mouseClick(ui.Command8, Qt::LeftButton);
}

void TestTerminalPage::txBoxEmptiedPastTwoHundred_data()
{
    QTest::addColumn<int>("initial");
    QTest::addColumn<bool>("typed"); // else sent by the continuous send
    QTest::addColumn<int>("after");
    QTest::newRow("typed to 200") << 199 << true << 200;
    QTest::newRow("typed to 201") << 200 << true << 0;
    QTest::newRow("sent to 200") << 199 << false << 200;
    QTest::newRow("sent to 201") << 200 << false << 0;
}

void TestTerminalPage::txBoxEmptiedPastTwoHundred()
{
    QFETCH(int, initial);
    QFETCH(bool, typed);
    QFETCH(int, after);
    FormHarness h;
    SHOW_CONNECTED(h, kTerminalTab);
    Form1Controls &ui = h.ui();
    ui.Text14->setText(QString(initial, QChar('x')));
    QCOMPARE(ui.Text14->text().size(), initial);

    QByteArray expected;
    if (typed) {
        QTest::keyClick(ui.Text14, 'q');
        expected = "q";
    } else {
        h.form().state().contSendChar = 'O';
        ui.Text24->setText("300");
        QSignalSpy tickSpy(&h.form().timer2(), &IntervalTimer::tick);
        QTest::mouseClick(ui.Command8, Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return tickSpy.count() > 0; }, 5000));
        QTest::mouseClick(ui.Command8, Qt::LeftButton);
        QCOMPARE(tickSpy.count(), 1);
        expected = "P";
    }
    // Emptied whole, not trimmed; the character went out all the same.
    QCOMPARE(ui.Text14->text().size(), after);
    if (after > 0)
        QVERIFY(ui.Text14->text().contains(QChar(expected.at(0))));
    QTRY_COMPARE(h.module().receivedBytes(), expected);
}

void TestTerminalPage::rxBoxEmptiedPastTwoHundredFifty_data()
{
    QTest::addColumn<int>("initial");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QString>("after"); // "<kept>" for the initial text plus the bytes
    QTest::newRow("to 250") << 249 << QByteArray("a") << "<kept>";
    QTest::newRow("to 251") << 250 << QByteArray("a") << "";
    QTest::newRow("past 251 in one burst") << 249 << QByteArray("ab") << "";
    QTest::newRow("the byte after the emptying") << 250 << QByteArray("ab") << "b";
}

void TestTerminalPage::rxBoxEmptiedPastTwoHundredFifty()
{
    QFETCH(int, initial);
    QFETCH(QByteArray, sent);
    QFETCH(QString, after);
    FormHarness h;
    SHOW_CONNECTED(h, kTerminalTab);
    Form1Controls &ui = h.ui();
    const QString start(initial, QChar('y'));
    ui.Text13->setText(start);
    h.module().send(sent);
    // The repeater's box gets the same bytes in the same handler.
    QTRY_COMPARE(ui.Text22->text(), QString::fromLatin1(sent));
    if (after == "<kept>")
        QCOMPARE(ui.Text13->text(), start + QString::fromLatin1(sent));
    else
        QCOMPARE(ui.Text13->text(), after);
}

void TestTerminalPage::worksWithAnotherPageShown_data()
{
    QTest::addColumn<int>("tab");
    QTest::newRow("Modem Setup") << kModemTab;
    QTest::newRow("Comms Port Setup") << 1;
    QTest::newRow("Repeater") << 3;
}

void TestTerminalPage::worksWithAnotherPageShown()
{
    QFETCH(int, tab);
    FormHarness h;
    SHOW_CONNECTED(h, tab);
    Form1Controls &ui = h.ui();
    QVERIFY(ui.TermPic->isHidden());
    ui.Text24->setText("50");
    ui.Command8->click();
    QTRY_VERIFY(h.module().receivedBytes().size() >= 3);
    ui.Command8->click();
    QTRY_COMPARE(h.module().receivedBytes(), latin1(ui.Text14->text()));

    h.module().send("hidden");
    QTRY_COMPARE(ui.Text13->text(), QString("hidden"));
}

void TestTerminalPage::sendsDuringConfigurationWaits_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Refresh") << "Command3";
    QTest::newRow("Set") << "Command2";
}

void TestTerminalPage::sendsDuringConfigurationWaits()
{
    QFETCH(QString, button);
    FormHarness h;
    SHOW_CONNECTED(h, kTerminalTab);
    Form1Controls &ui = h.ui();
    auto *operation = h.form().findChild<QPushButton *>(button);
    QVERIFY(operation);
    QVERIFY(operation->isEnabled());

    h.form().state().contSendChar = 'A' - 1; // letters only, no "+" or "-"
    ui.Text24->setText("20");
    QTest::mouseClick(ui.Command8, Qt::LeftButton);
    QTRY_VERIFY(!h.module().receivedBytes().isEmpty());
    operation->click(); // returns when the operation's waits are over
    QTest::mouseClick(ui.Command8, Qt::LeftButton);

    const QString letters = ui.Text14->text();
    auto countLetters = [](const QByteArray &bytes) {
        int n = 0;
        for (const char c : bytes)
            n += (c >= 'A' && c <= 'Z') ? 1 : 0;
        return n;
    };
    // Every letter and the operation's "---" (its last byte on the line) arrived.
    auto complete = [&] {
        const QByteArray bytes = h.module().receivedBytes();
        const qsizetype enter = bytes.indexOf("+++");
        return enter >= 0 && bytes.indexOf("---", enter) > enter &&
               countLetters(bytes) == int(letters.size());
    };
    QVERIFY2(QTest::qWaitFor(complete, 5000),
             qPrintable(QString::fromLatin1(h.module().receivedBytes().toPercentEncoding())));
    const QByteArray wire = h.module().receivedBytes();
    const qsizetype enter = wire.indexOf("+++");
    const qsizetype exit = wire.indexOf("---", enter);
    // About ten ticks fall in the 0.2 s after "+++"; a busy machine runs fewer.
    const int inside = countLetters(wire.mid(enter + 3, exit - enter - 3));
    QVERIFY2(inside >= 3, qPrintable(QString::fromLatin1(wire.toPercentEncoding())));
}

QTEST_MAIN(TestTerminalPage)
#include "tst_terminalpage.moc"
