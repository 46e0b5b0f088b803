// Field entry on the modem page: the address boxes' focus rule, band changes
// that read the configuration again, and the terminal's receive box that hands
// the focus on.

#include "gui/widgets/DropDownBox.h"
#include "gui/widgets/TrafficView.h"
#include "gui/widgets/TypingBox.h"
#include "tests/support/FormHarness.h"
#include "tests/support/TestUtil.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <initializer_list>

using namespace zomar;
using namespace zomar::test;

namespace {

const QString kRange433 = QStringLiteral("430.24-439.75");
const QString kRange868 = QStringLiteral("860.48-879.51");

bool showWindow(FormHarness &h)
{
    h.form().show();
    h.form().activateWindow();
    return QTest::qWaitForWindowActive(&h.form());
}

// Picks an item the way the operator does: opens the list, moves to the item
// and takes it with Enter.
bool pickItem(DropDownBox *box, const QString &item)
{
    const int index = box->findText(item);
    if (index < 0)
        return false;
    box->showPopup();
    QAbstractItemView *list = box->view();
    if (!QTest::qWaitFor([list] { return list->isVisible(); }))
        return false;
    list->setCurrentIndex(list->model()->index(index, 0));
    QTest::keyClick(list, Qt::Key_Return);
    return !list->isVisible();
}

} // namespace

class TestFieldEntry : public QObject
{
    Q_OBJECT
private slots:
    void tabIntoAddressBoxSelectsAll_data();
    void tabIntoAddressBoxSelectsAll();
    void focusRestoresTwoCharacterLimit();
    void bandPickReadsOnce_data();
    void bandPickReadsOnce();
    void bandPickDiscardsEdits();
    void bandPickWhileClosed();
    void typedBandReadsPerCharacter();
    void bandInOtherCase_data();
    void bandInOtherCase();
    void receiveBoxHandsFocusOn_data();
    void receiveBoxHandsFocusOn();
};

void TestFieldEntry::tabIntoAddressBoxSelectsAll_data()
{
    QTest::addColumn<bool>("connected");
    QTest::addColumn<QString>("shown");
    QTest::newRow("7F read from the module") << true << "7F";
    QTest::newRow("?? after a read on the closed port") << false << "??";
}

void TestFieldEntry::tabIntoAddressBoxSelectsAll()
{
    QFETCH(bool, connected);
    QFETCH(QString, shown);

    FormHarness h;
    Form1Controls &ui = h.ui();
    QVERIFY(showWindow(h));
    const QByteArray config(8, char(0x7F));
    if (connected)
        QVERIFY(h.connectAndRead(config + bytes({0x06, 0x20, 0x00, 0x11})));
    else
        QVERIFY(h.waitIdle());
    const auto boxes = ui.addressBoxes();
    for (QLineEdit *box : boxes)
        QCOMPARE(box->text(), shown);

    // Tab forward from each box into the next; Shift+Tab back into the first.
    for (size_t k = 0; k < boxes.size(); ++k) {
        QLineEdit *box = boxes[k];
        QLineEdit *from = k == 0 ? boxes[1] : boxes[k - 1];
        from->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(from));
        if (k == 0)
            QTest::keyClick(from, Qt::Key_Backtab, Qt::ShiftModifier);
        else
            QTest::keyClick(from, Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box));
        QCOMPARE(box->selectedText(), shown);
        // Two digits replace the selection; a third is refused.
        const QString digits = QString::number(k / 2) + QString::number(k % 2);
        QTest::keyClicks(box, digits);
        QCOMPARE(box->text(), digits);
        QTest::keyClick(box, Qt::Key_7);
        QCOMPARE(box->text(), digits);
    }

    if (!connected)
        return;
    // What was typed is what the write sends.
    ui.Command2->click();
    QVERIFY(h.waitIdle());
    const QByteArray typed = bytes({0x00, 0x01, 0x10, 0x11, 0x20, 0x21, 0x30, 0x31});
    QTRY_COMPARE(h.module().configuration(), typed + bytes({0x06, 0x20, 0x00, 0x11}));
    QCOMPARE(ui.Text3->text(), QString("10"));
}

void TestFieldEntry::focusRestoresTwoCharacterLimit()
{
    FormHarness h;
    QVERIFY(showWindow(h));
    QVERIFY(h.waitIdle());
    for (QLineEdit *box : h.ui().addressBoxes()) {
        box->setMaxLength(6);
        box->setText("ABCD");
        box->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(box));
        QCOMPARE(box->maxLength(), 2);
        // A longer text from code is cut to the limit by the box itself.
        QCOMPARE(box->text(), QString("AB"));
        QCOMPARE(box->selectedText(), QString("AB"));
    }
}

void TestFieldEntry::bandPickReadsOnce_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("frequency");
    QTest::newRow("433 to 868") << "433Mhz"
                                << "868Mhz"
                                << "867.840";
    QTest::newRow("868 to 433") << "868Mhz"
                                << "433Mhz"
                                << "433.920";
    QTest::newRow("433 again") << "433Mhz"
                               << "433Mhz"
                               << "433.920";
}

void TestFieldEntry::bandPickReadsOnce()
{
    QFETCH(QString, before);
    QFETCH(QString, item);
    QFETCH(QString, frequency);

    FormHarness h;
    Form1Controls &ui = h.ui();
    QVERIFY(showWindow(h));
    ui.Combo6->setText(before);
    QVERIFY(h.connectAndRead(VirtualModule::factoryConfiguration()));

    QVERIFY(pickItem(ui.Combo6, item));
    QVERIFY(h.waitIdle());

    QCOMPARE(ui.Combo6->text(), item);
    QTRY_COMPARE(h.module().receivedBytes(), QByteArray("+++---"));
    QCOMPARE(ui.Text9->text(), frequency);
    QCOMPARE(h.status(), kComplete);
    // The range labels are fixed captions.
    QCOMPARE(ui.Label31->text(), kRange433);
    QCOMPARE(ui.Label32->text(), kRange868);
}

void TestFieldEntry::bandPickDiscardsEdits()
{
    FormHarness h;
    Form1Controls &ui = h.ui();
    QVERIFY(showWindow(h));
    const QByteArray config =
        bytes({0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0, 0x06, 0x20, 0x02, 0x47});
    QVERIFY(h.connectAndRead(config));
    QCOMPARE(ui.Text9->text(), QString("433.920"));

    ui.Text1->setText("00");
    ui.Text8->setText("01");
    ui.Text9->setText("439");
    ui.Text10->setText("-21 dBm");
    ui.Combo5->setText("1200 bps");
    QStringList text1Seen;
    QObject context;
    connect(ui.Text1, &QLineEdit::textChanged, &context,
            [&text1Seen](const QString &t) { text1Seen << t; });

    QVERIFY(pickItem(ui.Combo6, "868Mhz"));
    QVERIFY(h.waitIdle());

    QCOMPARE(pageFields(ui), (QStringList{"12", "34", "56", "78", "9A", "BC", "DE", "F0", "867.840",
                                          "-6 dBm", "4800 bps"}));
    QCOMPARE(text1Seen, (QStringList{"??", "12"}));
    QCOMPARE(ui.Combo6->text(), QString("868Mhz"));
    QCOMPARE(h.status(), kComplete);
    // Nothing was written to the module.
    QTRY_COMPARE(h.module().receivedBytes(), QByteArray("+++---"));
    QCOMPARE(h.module().configuration(), config);
    QCOMPARE(ui.Label31->text(), kRange433);
    QCOMPARE(ui.Label32->text(), kRange868);
}

void TestFieldEntry::bandPickWhileClosed()
{
    FormHarness h;
    Form1Controls &ui = h.ui();
    QVERIFY(showWindow(h));
    QVERIFY(h.waitIdle());
    for (QLineEdit *box : ui.addressBoxes())
        box->setText("5A");
    ui.Text9->setText("869.5");
    ui.Text10->setText("-3 dBm");
    ui.Combo5->setText("4800 bps");
    QVERIFY(!ui.Command3->isEnabled());

    QVERIFY(pickItem(ui.Combo6, "868Mhz"));
    QVERIFY(h.waitIdle());

    QCOMPARE(pageFields(ui), QStringList(11, "??"));
    QCOMPARE(h.status(), kNoResponse);
    QVERIFY(!h.form().pointer().isBusy());
    QCOMPARE(h.module().receivedBytes(), QByteArray());
    QVERIFY(h.prompter().shown.isEmpty());
}

void TestFieldEntry::typedBandReadsPerCharacter()
{
    FormHarness h;
    Form1Controls &ui = h.ui();
    QVERIFY(showWindow(h));
    QVERIFY(h.connectAndRead(VirtualModule::factoryConfiguration()));

    QLineEdit *edit = ui.Combo6->lineEdit();
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, "868Mhz");
    QVERIFY(h.waitIdle());

    QCOMPARE(ui.Combo6->text(), QString("868Mhz"));
    // One read per keystroke: six "+++" each followed by its "---".
    QTRY_COMPARE(h.module().receivedBytes(), QByteArray("+++---").repeated(6));
    QCOMPARE(ui.Label31->text(), kRange433);
    QCOMPARE(ui.Label32->text(), kRange868);
}

void TestFieldEntry::bandInOtherCase_data()
{
    QTest::addColumn<QString>("band");
    QTest::newRow("433MHZ") << "433MHZ";
    QTest::newRow("868mhz") << "868mhz";
    QTest::newRow("leading blank") << " 433Mhz";
    QTest::newRow("trailing blank") << "868Mhz ";
}

void TestFieldEntry::bandInOtherCase()
{
    QFETCH(QString, band);

    FormHarness h;
    Form1Controls &ui = h.ui();
    QVERIFY(h.connectAndRead(
        bytes({0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x07, 0x6C, 0x01, 0x23})));
    QCOMPARE(ui.Text9->text(), QString("434.750"));

    ui.Combo6->setText(band); // a change from code reads again
    QVERIFY(h.waitIdle());

    QTRY_COMPARE(h.module().receivedBytes(), QByteArray("+++---"));
    QCOMPARE(pageFields(ui),
             (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "??", "-3 dBm", "9600 bps"}));
    QCOMPARE(h.status(), kComplete);
    QCOMPARE(ui.Label31->text(), kRange433);
    QCOMPARE(ui.Label32->text(), kRange868);
}

void TestFieldEntry::receiveBoxHandsFocusOn_data()
{
    QTest::addColumn<bool>("byMouse");
    QTest::newRow("click") << true;
    QTest::newRow("focus from code") << false;
}

void TestFieldEntry::receiveBoxHandsFocusOn()
{
    QFETCH(bool, byMouse);

    FormHarness h(FormHarness::Options::noModule());
    Form1Controls &ui = h.ui();
    QVERIFY(showWindow(h));
    QVERIFY(h.waitIdle());
    ui.Command7->setFocus(Qt::OtherFocusReason);
    QTest::keyRelease(ui.Command7, Qt::Key_F1); // reveal the test tabs
    QCOMPARE(ui.TabStrip1->count(), 4);
    ui.TabStrip1->setCurrentIndex(2);
    QTRY_VERIFY(ui.Text13->isVisible());

    if (byMouse)
        QTest::mouseClick(ui.Text13->viewport(), Qt::LeftButton, {},
                          ui.Text13->viewport()->rect().center());
    else
        ui.Text13->setFocus(Qt::MouseFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(ui.Text14));
    QVERIFY(!ui.Text13->hasFocus());
}

QTEST_MAIN(TestFieldEntry)
#include "tst_fieldentry.moc"
