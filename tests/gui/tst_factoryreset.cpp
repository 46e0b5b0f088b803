// "Reset Defaults" end to end against the virtual module: the confirmation,
// the factory block on the wire, the fields it leaves, and a No that changes
// nothing.

#include "gui/widgets/DropDownBox.h"
#include "tests/support/FormHarness.h"
#include "tests/support/TestUtil.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <initializer_list>

using namespace zomar;
using namespace zomar::test;

namespace {

const QString kPrompt =
    QStringLiteral("This will reset the unit to Factory defaults.\r\nContinue?");

// Text1..Text8, Text9, Text10, Combo5, and the band Combo6 last.
QStringList pageWithBand(const Form1Controls &ui)
{
    QStringList out;
    for (QLineEdit *box : ui.addressBoxes())
        out << box->text();
    out << ui.Text9->text() << ui.Text10->text() << ui.Combo5->text() << ui.Combo6->text();
    return out;
}

// The page at the moment the read-back blanks Text1, its first field: after
// the reset filled the fields and the write sent them.
class PageBeforeReadBack
{
public:
    explicit PageBeforeReadBack(Form1Controls &ui)
    {
        QObject::connect(ui.Text1, &QLineEdit::textChanged, &m_context,
                         [this, &ui](const QString &text) {
                             if (text == QLatin1String("??") && page.isEmpty())
                                 page = pageWithBand(ui);
                         });
    }
    QStringList page;

private:
    QObject m_context;
};

int countOf(const QByteArray &haystack, const QByteArray &needle)
{
    return int(haystack.count(needle));
}

} // namespace

class TestFactoryReset : public QObject
{
    Q_OBJECT
private slots:
    void confirmationBox();
    void answerNoChangesNothing_data();
    void answerNoChangesNothing();
    void resetWritesFactoryBlock_data();
    void resetWritesFactoryBlock();
    void silentModuleAfterWrite();
};

void TestFactoryReset::confirmationBox()
{
    FormHarness h;
    Form1Controls &ui = h.ui();
    QVERIFY(h.connectAndRead(VirtualModule::factoryConfiguration(), "433Mhz"));
    QVERIFY(ui.Command6->isEnabled());
    h.prompter().answers << MessageRequest::AnswerNo;
    ui.Command6->click();

    QCOMPARE(h.prompter().shown.size(), 1);
    const MessageRequest &box = h.prompter().shown.first();
    QCOMPARE(box.text, kPrompt);
    QCOMPARE(box.buttons, MessageRequest::YesNo);
    QCOMPARE(box.defaultAnswer, MessageRequest::AnswerYes);
    QCOMPARE(box.icon, MessageRequest::NoIcon);
    QVERIFY(box.title.isEmpty());
    QCOMPARE(box.shownTitle(), QString("Zomar Setup Utility"));
}

void TestFactoryReset::answerNoChangesNothing_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<QStringList>("edits"); // Text1, Text9, Text10, Combo5; empty: none
    QTest::newRow("as read, 868 band") << "868Mhz" << QStringList();
    QTest::newRow("unsaved edits kept")
        << "433Mhz" << QStringList{"5", "435.5", "-21 dBm", "2400 bps"};
}

void TestFactoryReset::answerNoChangesNothing()
{
    QFETCH(QString, band);
    QFETCH(QStringList, edits);

    const QByteArray config =
        bytes({0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0, 0x07, 0x6C, 0x07, 0x08});
    FormHarness h;
    Form1Controls &ui = h.ui();
    QVERIFY(h.connectAndRead(config, band));
    if (!edits.isEmpty()) {
        ui.Text1->setText(edits.at(0));
        ui.Text9->setText(edits.at(1));
        ui.Text10->setText(edits.at(2));
        ui.Combo5->setText(edits.at(3));
    }
    const QStringList before = pageWithBand(ui);
    const QString statusBefore = h.status();

    h.prompter().answers << MessageRequest::AnswerNo;
    ui.Command6->click();
    QVERIFY(h.waitIdle());

    QCOMPARE(h.prompter().shown.size(), 1);
    QCOMPARE(pageWithBand(ui), before);
    QCOMPARE(h.status(), statusBefore);
    QCOMPARE(h.module().configuration(), config);
    // A read now is the first thing on the wire: the reset sent nothing before it.
    ui.Command3->click();
    QVERIFY(h.waitIdle());
    QTRY_COMPARE(h.module().receivedBytes(), QByteArray("+++---"));
}

void TestFactoryReset::resetWritesFactoryBlock_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QString>("band");

    QTest::newRow("power -21 dBm, 433 band")
        << bytes({0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0, 0x07, 0xD0, 0x07, 0x08})
        << "433Mhz";
    QTest::newRow("868 band") << bytes({0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x07, 0x6C,
                                        0x03, 0x02})
                              << "868Mhz";
    QTest::newRow("already factory") << VirtualModule::factoryConfiguration() << "433Mhz";
}

void TestFactoryReset::resetWritesFactoryBlock()
{
    QFETCH(QByteArray, config);
    QFETCH(QString, band);

    const QByteArray factory = bytes({0, 0, 0, 0, 0, 0, 0, 0, 0x06, 0x20, 0x00, 0x11});
    FormHarness h;
    Form1Controls &ui = h.ui();
    QVERIFY(h.connectAndRead(config, band));
    QCOMPARE(ui.Combo6->text(), band);

    PageBeforeReadBack seen(ui);
    ui.Command6->click(); // the box's default answer is Yes
    QVERIFY(h.waitIdle());
    QCOMPARE(h.prompter().shown.size(), 1);

    // The write's "+++", the block, "---", and the read-back: no other read.
    const QByteArray wire("+++" + factory + "---+++---");
    QTRY_COMPARE(h.module().receivedBytes(), wire);
    QCOMPARE(countOf(h.module().receivedBytes(), "+++"), 2);
    QCOMPARE(h.module().configuration(), factory);
    const QList<VirtualModule::WireByte> timed = h.module().received();
    const double packetAfter = msBetween(timed.at(2).nsecs, timed.at(3).nsecs);
    QVERIFY2(packetAfter >= 150 && packetAfter <= 700, qPrintable(QString::number(packetAfter)));

    // Until the read-back blanks them, the fields hold the factory texts as
    // written (Text1 is the first to be blanked).
    QCOMPARE(seen.page, (QStringList{"??", "00", "00", "00", "00", "00", "00", "00", "433.92", "0",
                                     "19200 bps", "433Mhz"}));
    // Then they show what the module reports.
    QCOMPARE(pageWithBand(ui), (QStringList{"0", "0", "0", "0", "0", "0", "0", "0", "433.920",
                                            "0 dBm", "19200 bps", "433Mhz"}));
    QCOMPARE(h.status(), kComplete);
    QVERIFY(ui.Command2->isEnabled());
    QVERIFY(ui.Command6->isEnabled());
}

void TestFactoryReset::silentModuleAfterWrite()
{
    FormHarness h;
    Form1Controls &ui = h.ui();
    QVERIFY(h.connectAndRead(
        bytes({0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0, 0x07, 0xD0, 0x07, 0x08}), "433Mhz"));
    h.module().setAnswerOverride(QByteArray()); // takes the block but answers nothing

    ui.Command6->click();
    QVERIFY(h.waitIdle());

    QTRY_COMPARE(h.module().configuration(), VirtualModule::factoryConfiguration());
    QCOMPARE(pageWithBand(ui).first(11), QStringList(11, "??"));
    QCOMPARE(ui.Combo6->text(), QString("433Mhz"));
    QCOMPARE(h.status(), kNoResponse);
}

QTEST_MAIN(TestFactoryReset)
#include "tst_factoryreset.moc"
