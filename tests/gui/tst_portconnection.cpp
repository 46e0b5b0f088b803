// Opening and closing the port: "Connect"/"Disconnect", picks in the port and
// speed lists, and the failures of an open, over the virtual module.

#include "gui/widgets/DropDownBox.h"
#include "gui/modem/RefreshOperation.h"
#include "gui/connection/PortConnection.h"
#include "core/link/SerialLink.h"
#include "tests/support/FormHarness.h"
#include "gui/timing/IntervalTimer.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <optional>

using namespace zomar;
using namespace zomar::test;

namespace {

const QString kInvalidPortText = QStringLiteral("Please select a valid comms port");

// What the window shows at one moment.
struct Snapshot {
    QString status;
    QString caption;
    bool set = false;
    bool refresh = false;
    bool reset = false;
    bool clearTerminal = false;
    bool clearRepeater = false;
    bool busy = false;
    bool open = false;
};

// After a failed open and the read that follows it: closed, with the
// no-response status, and every button that needs the port disabled.
void checkClosedAfterFailedOpen(FormHarness &h)
{
    Form1Controls &ui = h.ui();
    QCOMPARE(h.status(), kNoResponse);
    QCOMPARE(ui.Command7->text(), QString("Connect"));
    QVERIFY(!h.form().comm().portOpen());
    for (QPushButton *b : {ui.Command2, ui.Command3, ui.Command6, ui.Command5, ui.Command13})
        QVERIFY2(!b->isEnabled(), qPrintable(b->objectName()));
}

Snapshot snapshot(FormHarness &h)
{
    Form1Controls &ui = h.ui();
    Snapshot s;
    s.status = h.status();
    s.caption = ui.Command7->text();
    s.set = ui.Command2->isEnabled();
    s.refresh = ui.Command3->isEnabled();
    s.reset = ui.Command6->isEnabled();
    s.clearTerminal = ui.Command5->isEnabled();
    s.clearRepeater = ui.Command13->isEnabled();
    s.busy = h.form().pointer().isBusy();
    s.open = h.form().comm().portOpen();
    return s;
}

// Takes a snapshot as the next configuration read begins: its first step
// writes "??" into Text1, before it writes a status of its own. So the
// snapshot shows what the open (or its failure) left behind.
class ReadStartProbe
{
public:
    explicit ReadStartProbe(FormHarness &h) : m_h(h)
    {
        h.ui().Text1->setText(QStringLiteral("--"));
        m_connection =
            QObject::connect(h.ui().Text1, &QLineEdit::textChanged, [this](const QString &text) {
                if (!seen && text == QLatin1String("??"))
                    seen = snapshot(m_h);
            });
    }
    ~ReadStartProbe() { QObject::disconnect(m_connection); }

    std::optional<Snapshot> seen;

private:
    FormHarness &m_h;
    QMetaObject::Connection m_connection;
};

// Picks an item the way the operator does: opens the list, moves to the item
// and presses Enter.
bool pickFromList(DropDownBox *box, const QString &item)
{
    const int index = box->findText(item, Qt::MatchExactly);
    if (index < 0)
        return false;
    box->showPopup();
    QAbstractItemView *view = box->view();
    if (!QTest::qWaitForWindowExposed(view->window()))
        return false;
    view->setCurrentIndex(view->model()->index(index, box->modelColumn()));
    QTest::keyClick(view, Qt::Key_Return);
    return !view->window()->isVisible() ||
           QTest::qWaitFor([view] { return !view->window()->isVisible(); });
}

// The module takes in `count` more messages than it had at `before`.
bool waitForMessages(FormHarness &h, int before, int count)
{
    return QTest::qWaitFor([&] { return h.module().messagesHandled() >= before + count; }, 5000);
}

SerialError errorOf(const std::function<void()> &call)
{
    try {
        call();
    } catch (const SerialError &e) {
        return e;
    }
    return SerialError(0, QString());
}

} // namespace

class TestPortConnection : public QObject
{
    Q_OBJECT
private slots:
    void connectThenDisconnect();
    void openCommsShowsPortText_data();
    void openCommsShowsPortText();
    void pickPortWhileClosed();
    void pickPortWhileOpen_data();
    void pickPortWhileOpen();
    void pickSpeedWhileClosed();
    void pickSpeedWhileOpen_data();
    void pickSpeedWhileOpen();
    void portWithoutDevice_data();
    void portWithoutDevice();
    void portTextNotANumber_data();
    void portTextNotANumber();
    void refusedSpeedTextKeepsButtons();
    void typingIntoListsChangesNothing_data();
    void typingIntoListsChangesNothing();
    void portTextToNumber_data();
    void portTextToNumber();
    void disconnectDuringRead();
};

void TestPortConnection::connectThenDisconnect()
{
    FormHarness h;
    Form1Controls &ui = h.ui();
    h.form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&h.form()));
    QVERIFY(h.waitIdle());
    const int before = h.module().messagesHandled();

    {
        ReadStartProbe probe(h);
        ui.Command7->click();
        // Between the open and the read: open, read buttons on, Set and Reset still off.
        QVERIFY(probe.seen);
        QCOMPARE(probe.seen->status, QString("Connected to COMM 1"));
        QCOMPARE(probe.seen->caption, QString("Disconnect"));
        QVERIFY(probe.seen->open);
        QVERIFY(probe.seen->refresh);
        QVERIFY(probe.seen->clearTerminal);
        QVERIFY(probe.seen->clearRepeater);
        QVERIFY(!probe.seen->set);
        QVERIFY(!probe.seen->reset);
    }
    QCOMPARE(h.status(), QString("Request Complete"));
    QVERIFY(h.waitIdle());
    QCOMPARE(ui.Command7->text(), QString("Disconnect"));
    QVERIFY(h.form().comm().portOpen());
    QCOMPARE(h.form().comm().commPort(), 1);
    QCOMPARE(h.form().comm().baudRate(), 38400);
    // The decode enabled Set and Reset Defaults and filled the page.
    QVERIFY(ui.Command2->isEnabled());
    QVERIFY(ui.Command6->isEnabled());
    QVERIFY(ui.Command3->isEnabled());
    QCOMPARE(ui.Text1->text(), QString("0"));
    QCOMPARE(ui.Text9->text(), QString("433.920"));
    QVERIFY(waitForMessages(h, before, 2));
    QCOMPARE(h.module().receivedBytes(), QByteArray("+++---"));
    QVERIFY(h.prompter().shown.isEmpty());

    ui.Command7->click();
    QCOMPARE(ui.Command7->text(), QString("Connect"));
    QCOMPARE(h.status(), QString("Disconnected"));
    QVERIFY(!h.form().comm().portOpen());
    QVERIFY(!ui.Command2->isEnabled());
    QVERIFY(!ui.Command3->isEnabled());
    QVERIFY(!ui.Command6->isEnabled());
    QVERIFY(ui.Command5->isEnabled());
    QVERIFY(ui.Command13->isEnabled());
    QVERIFY(!h.form().pointer().isBusy());
    QVERIFY(h.prompter().shown.isEmpty());
    // A disconnect does not read.
    QCOMPARE(ui.Text1->text(), QString("0"));
}

void TestPortConnection::openCommsShowsPortText_data()
{
    QTest::addColumn<QString>("portText");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<QString>("status");
    // The module sits on port 2.
    QTest::newRow("plain") << "2" << true << "Connected to COMM 2";
    QTest::newRow("blanks kept in the status") << " 2 " << true << "Connected to COMM  2 ";
    QTest::newRow("1.5 rounds to 2") << "1.5" << true << "Connected to COMM 1.5";
    QTest::newRow("2.5 rounds to 2") << "2.5" << true << "Connected to COMM 2.5";
    QTest::newRow("2.5001 rounds to 3") << "2.5001" << false << "Invalid port";
    QTest::newRow("0.4 rounds to 0") << "0.4" << false << "Invalid port";
    QTest::newRow("negative") << "-2" << false << "Invalid port";
}

void TestPortConnection::openCommsShowsPortText()
{
    QFETCH(QString, portText);
    QFETCH(bool, opens);
    QFETCH(QString, status);
    FormHarness::Options o;
    o.modulePort = 2;
    FormHarness h(o);
    QVERIFY(h.waitIdle());
    h.form().state().portNumber = portText;
    h.form().portConnection().OpenComms();
    QCOMPARE(h.status(), status);
    QCOMPARE(h.form().comm().portOpen(), opens);
    QCOMPARE(h.ui().Command7->text(), QString(opens ? "Disconnect" : "Connect"));
    QCOMPARE(h.prompter().shown.size(), opens ? 0 : 1);
    if (opens)
        QCOMPARE(h.form().comm().commPort(), 2);
    else
        QCOMPARE(h.prompter().shown.first().text, kInvalidPortText);
    QVERIFY(!h.form().pointer().isBusy());
}

void TestPortConnection::pickPortWhileClosed()
{
    FormHarness::Options o;
    o.modulePort = 3;
    FormHarness h(o);
    Form1Controls &ui = h.ui();
    h.form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&h.form()));
    QVERIFY(h.waitIdle());
    QCOMPARE(ui.Combo1->text(), QString("1"));
    const int before = h.module().messagesHandled();

    QSignalSpy picks(ui.Combo1, &DropDownBox::picked);
    QVERIFY(pickFromList(ui.Combo1, "3"));
    QCOMPARE(picks.size(), 1);
    // The pick connected and read before returning.
    QCOMPARE(h.form().state().portNumber, QString("3"));
    QCOMPARE(ui.Command7->text(), QString("Disconnect"));
    QCOMPARE(h.status(), QString("Request Complete"));
    QVERIFY(h.form().comm().portOpen());
    QCOMPARE(h.form().comm().commPort(), 3);
    QVERIFY(h.waitIdle());
    QVERIFY(ui.Command2->isEnabled());
    QVERIFY(ui.Command6->isEnabled());
    QVERIFY(waitForMessages(h, before, 2));
    QCOMPARE(h.module().receivedBytes(), QByteArray("+++---"));
    QVERIFY(h.prompter().shown.isEmpty());
}

void TestPortConnection::pickPortWhileOpen_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("opens");
    QTest::newRow("the same port again") << "3" << true;
    QTest::newRow("a port without a device") << "5" << false;
}

void TestPortConnection::pickPortWhileOpen()
{
    QFETCH(QString, item);
    QFETCH(bool, opens);
    FormHarness::Options o;
    o.modulePort = 3;
    o.savedPort = QStringLiteral("3");
    FormHarness h(o);
    Form1Controls &ui = h.ui();
    h.form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&h.form()));
    h.connectPort();
    QVERIFY(h.waitIdle());
    QVERIFY(ui.Command2->isEnabled());
    QVERIFY(waitForMessages(h, 0, 2));
    h.module().clearReceived();
    const int before = h.module().messagesHandled();

    ReadStartProbe probe(h);
    QVERIFY(pickFromList(ui.Combo1, item));
    QVERIFY(h.waitIdle());
    QVERIFY(probe.seen);
    QCOMPARE(h.form().state().portNumber, item);
    QCOMPARE(h.form().comm().portOpen(), opens);
    if (opens) {
        // Closed, opened again and read again: Set was off until the new decode.
        QVERIFY(!probe.seen->set);
        QCOMPARE(probe.seen->status, QString("Connected to COMM 3"));
        QCOMPARE(h.status(), QString("Request Complete"));
        QVERIFY(ui.Command2->isEnabled());
        QVERIFY(waitForMessages(h, before, 2));
        QCOMPARE(h.module().receivedBytes(), QByteArray("+++---"));
        QVERIFY(h.prompter().shown.isEmpty());
    } else {
        QCOMPARE(probe.seen->status, QString("Invalid port"));
        QCOMPARE(h.prompter().texts(), QStringList{kInvalidPortText});
        QCOMPARE(h.status(), kNoResponse);
        QCOMPARE(ui.Command7->text(), QString("Connect"));
        QVERIFY(!ui.Command2->isEnabled());
        QVERIFY(!ui.Command3->isEnabled());
        QVERIFY(!ui.Command5->isEnabled());
        QVERIFY(!ui.Command6->isEnabled());
        QVERIFY(!ui.Command13->isEnabled());
        QVERIFY(h.module().receivedBytes().isEmpty());
    }
}

void TestPortConnection::pickSpeedWhileClosed()
{
    FormHarness h;
    Form1Controls &ui = h.ui();
    h.form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&h.form()));
    QVERIFY(h.waitIdle());
    ui.Text1->setText(QStringLiteral("--"));

    QVERIFY(pickFromList(ui.Combo2, "9600"));
    QCOMPARE(ui.Combo2->text(), QString("9600"));
    QCOMPARE(ui.Command7->text(), QString("Connect"));
    QCOMPARE(h.status(), QString("Disconnected"));
    QVERIFY(!h.form().comm().portOpen());
    QCOMPARE(h.form().comm().baudRate(), 38400);
    QCOMPARE(ui.Text1->text(), QString("--")); // no read ran
    QVERIFY(h.prompter().shown.isEmpty());

    // The next connect opens at the picked speed, which the module (at 38400)
    // does not understand.
    h.connectPort();
    QCOMPARE(h.form().comm().baudRate(), 9600);
    QVERIFY(h.form().comm().portOpen());
    QCOMPARE(h.status(), kNoResponse);
    QVERIFY(h.waitIdle());
    QVERIFY(!ui.Command2->isEnabled());
}

void TestPortConnection::pickSpeedWhileOpen_data()
{
    QTest::addColumn<int>("moduleSpeed");
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("answered");
    QTest::newRow("module follows to 19200") << 19200 << "19200" << true;
    QTest::newRow("module stays at 38400") << 38400 << "9600" << false;
}

void TestPortConnection::pickSpeedWhileOpen()
{
    QFETCH(int, moduleSpeed);
    QFETCH(QString, item);
    QFETCH(bool, answered);
    FormHarness h;
    Form1Controls &ui = h.ui();
    h.form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&h.form()));
    h.connectPort();
    QVERIFY(h.waitIdle());
    QVERIFY(ui.Command2->isEnabled());
    QVERIFY(waitForMessages(h, 0, 2));
    h.module().clearReceived();
    h.module().setLineSpeed(moduleSpeed);
    const int before = h.module().messagesHandled();

    ReadStartProbe probe(h);
    QVERIFY(pickFromList(ui.Combo2, item));
    QVERIFY(h.waitIdle());
    QVERIFY(probe.seen);
    QVERIFY(!probe.seen->set); // reopening disabled it
    QCOMPARE(probe.seen->status, QString("Connected to COMM 1"));
    QCOMPARE(h.form().comm().baudRate(), item.toInt());
    QVERIFY(h.form().comm().portOpen());
    QCOMPARE(ui.Command7->text(), QString("Disconnect"));
    QCOMPARE(h.status(), answered ? QString("Request Complete") : kNoResponse);
    QCOMPARE(ui.Command2->isEnabled(), answered);
    QCOMPARE(ui.Command6->isEnabled(), answered);
    // Both sequences went out at the new speed, understood or not.
    QVERIFY(waitForMessages(h, before, 2));
    QCOMPARE(h.module().receivedBytes(), QByteArray("+++---"));
    QVERIFY(h.prompter().shown.isEmpty());
}

void TestPortConnection::portWithoutDevice_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("saved port, Connect") << "connect";
    QTest::newRow("picked while closed") << "pick";
    QTest::newRow("picked while open") << "pick while open";
}

void TestPortConnection::portWithoutDevice()
{
    QFETCH(QString, how);
    FormHarness::Options o; // module on port 1, nothing on 7
    if (how == "connect")
        o.savedPort = QStringLiteral("7");
    FormHarness h(o);
    Form1Controls &ui = h.ui();
    h.form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&h.form()));
    if (how == "pick while open") {
        h.connectPort();
        QVERIFY(h.waitIdle());
        QVERIFY(h.form().comm().portOpen());
        QVERIFY(waitForMessages(h, 0, 2));
    }
    QVERIFY(h.waitIdle());
    h.module().clearReceived();

    std::optional<Snapshot> atBox;
    h.prompter().onShown = [&](const MessageRequest &) { atBox = snapshot(h); };
    ReadStartProbe probe(h);
    if (how == "connect")
        ui.Command7->click();
    else
        QVERIFY(pickFromList(ui.Combo1, "7"));

    QCOMPARE(h.prompter().shown.size(), 1);
    const MessageRequest box = h.prompter().shown.first();
    QCOMPARE(box.text, kInvalidPortText);
    QVERIFY(box.title.isEmpty());
    QCOMPARE(box.shownTitle(), QString("Zomar Setup Utility"));
    QCOMPARE(box.buttons, MessageRequest::Ok);
    QCOMPARE(box.icon, MessageRequest::NoIcon);
    // The pointer is back before the box; the status follows the box.
    QVERIFY(atBox);
    QVERIFY(!atBox->busy);
    QCOMPARE(atBox->status, QString("Connecting..."));
    QVERIFY(probe.seen);
    QCOMPARE(probe.seen->status, QString("Invalid port"));
    QCOMPARE(probe.seen->caption, QString("Connect"));

    // The read still ran, on the closed port.
    checkClosedAfterFailedOpen(h);
    QCOMPARE(ui.Text1->text(), QString("??"));
    QVERIFY(h.module().receivedBytes().isEmpty());
    QVERIFY(!h.form().pointer().isBusy());
}

void TestPortConnection::portTextNotANumber_data()
{
    QTest::addColumn<QString>("savedPort");
    QTest::newRow("letters") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("too large") << "40000";
}

void TestPortConnection::portTextNotANumber()
{
    QFETCH(QString, savedPort);
    const SerialError expected = errorOf([&] { PortConnection::portTextToNumber(savedPort); });
    QVERIFY(expected.number() != 0);
    QVERIFY(expected.number() != serial_errors::InvalidPort);
    QVERIFY(!expected.description().isEmpty());

    FormHarness::Options o;
    o.savedPort = savedPort;
    FormHarness h(o);
    QVERIFY(h.waitIdle());
    QCOMPARE(h.form().state().portNumber, savedPort);

    std::optional<Snapshot> atBox;
    h.prompter().onShown = [&](const MessageRequest &) { atBox = snapshot(h); };
    ReadStartProbe probe(h);
    h.connectPort();

    QCOMPARE(h.prompter().shown.size(), 1);
    const MessageRequest box = h.prompter().shown.first();
    QCOMPARE(box.text, "Error: " + expected.description());
    QCOMPARE(box.title, QString("Error"));
    QCOMPARE(box.buttons, MessageRequest::Ok);
    QCOMPARE(box.icon, MessageRequest::NoIcon);
    QVERIFY(atBox);
    QVERIFY(!atBox->busy);
    QVERIFY(probe.seen);
    QCOMPARE(probe.seen->status, "Error!! " + expected.description());

    // The conversion failed after the buttons were disabled.
    checkClosedAfterFailedOpen(h);
}

void TestPortConnection::refusedSpeedTextKeepsButtons()
{
    PortResolver noPorts;
    SerialLink scratch(noPorts);
    const SerialError expected = errorOf([&] { scratch.setSettings("fast,n,8,1"); });
    QVERIFY(expected.number() != 0);

    FormHarness h;
    Form1Controls &ui = h.ui();
    h.connectPort();
    QVERIFY(h.waitIdle());
    QVERIFY(ui.Command2->isEnabled());

    // Not a list item, so only code can put it there; the pick handler reads it.
    ui.Combo2->setText(QStringLiteral(" fast "));
    ReadStartProbe probe(h);
    h.form().portConnection().speedPicked();

    QCOMPARE(h.prompter().texts(), QStringList{"Error: " + expected.description()});
    QCOMPARE(h.prompter().shown.first().title, QString("Error"));
    QVERIFY(probe.seen);
    QCOMPARE(probe.seen->status, "Error!! " + expected.description());
    // The close ran, the open failed at the settings: the two Clear buttons
    // keep the state the close left them in.
    QVERIFY(!h.form().comm().portOpen());
    QCOMPARE(ui.Command7->text(), QString("Connect"));
    QVERIFY(!ui.Command2->isEnabled());
    QVERIFY(!ui.Command3->isEnabled());
    QVERIFY(!ui.Command6->isEnabled());
    QVERIFY(ui.Command5->isEnabled());
    QVERIFY(ui.Command13->isEnabled());
    QCOMPARE(h.status(), kNoResponse);
}

void TestPortConnection::typingIntoListsChangesNothing_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("typed"); // characters, or
    QTest::addColumn<int>("key");       // one key (0: none)
    // With the port open a pick of either list would reconnect and read.
    for (const char *list : {"Combo1", "Combo2"}) {
        const QString name = QString::fromLatin1(list);
        QTest::addRow("%s digits", list) << name << "72" << 0;
        QTest::addRow("%s letters and blank", list) << name << "a b" << 0;
        QTest::addRow("%s Backspace", list) << name << "" << int(Qt::Key_Backspace);
        QTest::addRow("%s Delete", list) << name << "" << int(Qt::Key_Delete);
        QTest::addRow("%s Return", list) << name << "" << int(Qt::Key_Return);
        QTest::addRow("%s Enter", list) << name << "" << int(Qt::Key_Enter);
    }
}

void TestPortConnection::typingIntoListsChangesNothing()
{
    QFETCH(QString, list);
    QFETCH(QString, typed);
    QFETCH(int, key);
    FormHarness h;
    Form1Controls &ui = h.ui();
    h.form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&h.form()));
    h.connectPort();
    QVERIFY(h.waitIdle());
    QVERIFY(waitForMessages(h, 0, 2));
    h.module().clearReceived();
    DropDownBox *box = list == "Combo1" ? ui.Combo1 : ui.Combo2;
    ui.TabStrip1->setCurrentIndex(1); // the comms page, where the lists are
    box->setFocus(Qt::OtherFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), box);
    box->lineEdit()->setCursorPosition(0); // so that Delete has a character to take

    const QString text = box->text();
    const QString status = h.status();
    ui.Text1->setText(QStringLiteral("--"));
    QSignalSpy picks(box, &DropDownBox::picked);
    QSignalSpy changes(box, &DropDownBox::changed);

    if (key != 0)
        QTest::keyClick(box, Qt::Key(key));
    else
        QTest::keyClicks(box, typed);

    QCOMPARE(box->text(), text);
    QCOMPARE(picks.size(), 0);
    QCOMPARE(changes.size(), 0);
    QCOMPARE(h.status(), status);
    QVERIFY(h.form().comm().portOpen());
    QCOMPARE(ui.Text1->text(), QString("--")); // no read ran
    QVERIFY(h.prompter().shown.isEmpty());
    QVERIFY(h.module().receivedBytes().isEmpty());
}

void TestPortConnection::portTextToNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("number"); // when no error
    QTest::addColumn<int>("error");  // 0: converts
    QTest::newRow("leading blank") << " 3" << 3 << 0;
    QTest::newRow("outside the list") << "20" << 20 << 0;
    QTest::newRow("half to even, down") << "2.5" << 2 << 0;
    QTest::newRow("half to even, up") << "3.5" << 4 << 0;
    QTest::newRow("fraction below half") << "7.49" << 7 << 0;
    QTest::newRow("blanks both sides") << "  12  " << 12 << 0;
    QTest::newRow("largest") << "32767" << 32767 << 0;
    QTest::newRow("letters") << "abc" << 0 << 13;
    QTest::newRow("empty") << "" << 0 << 13;
    QTest::newRow("blank only") << "   " << 0 << 13;
    QTest::newRow("digits then letters") << "3a" << 0 << 13;
    QTest::newRow("too large") << "40000" << 0 << 6;
    QTest::newRow("just too large") << "32768" << 0 << 6;
}

void TestPortConnection::portTextToNumber()
{
    QFETCH(QString, text);
    QFETCH(int, number);
    QFETCH(int, error);
    const SerialError e = errorOf([&] {
        const int got = PortConnection::portTextToNumber(text);
        QCOMPARE(got, number);
    });
    QCOMPARE(e.number(), error);
    if (error != 0)
        QVERIFY(!e.description().isEmpty());
}

void TestPortConnection::disconnectDuringRead()
{
    FormHarness h;
    Form1Controls &ui = h.ui();
    h.connectPort();
    QVERIFY(h.waitIdle());
    QVERIFY(h.form().comm().portOpen());
    // The operator disconnects while the read still waits for the module.
    bool busyAtClick = false;
    QTimer::singleShot(50, [&] {
        busyAtClick = h.form().pointer().isBusy();
        ui.Command7->click();
    });
    ui.Command3->click();
    QVERIFY(busyAtClick);
    QVERIFY(!h.form().comm().portOpen());
    QCOMPARE(ui.Command7->text(), QString("Connect"));
    // The read does not report an outcome for a port that is no longer open.
    QCOMPARE(h.status(), QString("Disconnected"));
    QVERIFY(!h.form().pointer().isBusy());
}

QTEST_MAIN(TestPortConnection)
#include "tst_portconnection.moc"
