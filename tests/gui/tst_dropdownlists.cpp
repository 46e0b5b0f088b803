// The drop-down lists under the mouse and the keyboard while connected:
// opening a list (a press on its arrow) does nothing on the line; choosing an
// item in the opened list does what a pick does, once; the list's current
// item is the one its text shows, so the arrow keys move on from it.

#include "core/link/SerialLink.h"
#include "gui/widgets/DropDownBox.h"
#include "tests/support/FormHarness.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTest>

using namespace zomar;
using namespace zomar::test;

namespace {

constexpr int kModemTab = 0;
constexpr int kCommsTab = 1;

// The box's arrow as its style draws it.
struct ArrowOf : QComboBox {
    static QRect rect(const QComboBox *box)
    {
        QStyleOptionComboBox option;
        (box->*(&ArrowOf::initStyleOption))(&option);
        return box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow,
                                            box);
    }
};

bool openByArrow(DropDownBox *box)
{
    const QPoint at = ArrowOf::rect(box).center();
    QTest::mousePress(box, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(box, Qt::LeftButton, Qt::NoModifier, at);
    return QTest::qWaitFor([box] { return box->view()->isVisible(); }, 2000);
}

// Clicks the item in the open list, once the list takes clicks: a release
// within a double-click time of the opening is the end of the opening click.
bool clickItem(DropDownBox *box, const QString &item)
{
    QAbstractItemView *view = box->view();
    const int row = box->findText(item, Qt::MatchExactly);
    if (row < 0 || !view->isVisible())
        return false;
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    const QRect at = view->visualRect(view->model()->index(row, box->modelColumn()));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at.center());
    return QTest::qWaitFor([view] { return !view->isVisible(); }, 10000);
}

// Shows the window on `tab`, connects, reads, and forgets that traffic.
bool showConnected(FormHarness &h, int tab)
{
    h.form().show();
    h.form().activateWindow();
    if (!QTest::qWaitForWindowActive(&h.form()))
        return false;
    h.ui().TabStrip1->setCurrentIndex(tab);
    return h.connectAndRead(VirtualModule::factoryConfiguration()) && h.ui().Command2->isEnabled();
}

// Counts the configuration reads that begin (each first writes "??" into Text1)
// and keeps the status shown as each began.
struct ReadStarts {
    explicit ReadStarts(FormHarness &h)
    {
        QObject::connect(h.ui().Text1, &QLineEdit::textChanged, &context,
                         [this, &h](const QString &text) {
                             if (text == QLatin1String("??"))
                                 statuses << h.status();
                         });
    }
    QStringList statuses;
    QObject context;
};

} // namespace

class TestDropDownLists : public QObject
{
    Q_OBJECT
private slots:
    void openingActsNot_data();
    void openingActsNot();
    void bandPickReadsOnce_data();
    void bandPickReadsOnce();
    void speedPickReconnectsOnce_data();
    void speedPickReconnectsOnce();
};

void TestDropDownLists::openingActsNot_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("tab");
    QTest::newRow("band") << "Combo6" << kModemTab;
    QTest::newRow("line speed") << "Combo2" << kCommsTab;
    QTest::newRow("port") << "Combo1" << kCommsTab;
}

void TestDropDownLists::openingActsNot()
{
    QFETCH(QString, box);
    QFETCH(int, tab);
    FormHarness h;
    QVERIFY(showConnected(h, tab));
    auto *list = h.form().findChild<DropDownBox *>(box);
    QVERIFY(list && list->isVisible());
    const QString text = list->text();
    ReadStarts reads(h);

    QVERIFY(openByArrow(list));
    QTest::qWait(400); // longer than a read would take
    QVERIFY(list->view()->isVisible());
    // Closing it again by Escape is no pick either.
    QTest::keyClick(list->view(), Qt::Key_Escape);
    QTRY_VERIFY(!list->view()->isVisible());
    QTest::qWait(400);

    QCOMPARE(reads.statuses, QStringList());
    QCOMPARE(h.module().receivedBytes(), QByteArray());
    QCOMPARE(list->text(), text);
    // Not reconnected: that would have disabled "Set" until a read.
    QVERIFY(h.form().comm().portOpen());
    QVERIFY(h.ui().Command2->isEnabled());
    QCOMPARE(h.status(), kComplete);
    QVERIFY(h.prompter().shown.isEmpty());
}

// A pick in the band list, by the mouse or by the keyboard from the item
// shown: one read, and the frequency on the new band.
void TestDropDownLists::bandPickReadsOnce_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("868Mhz clicked in the open list") << false;
    QTest::newRow("Down from 433Mhz") << true;
}

void TestDropDownLists::bandPickReadsOnce()
{
    QFETCH(bool, byKeyboard);
    FormHarness h;
    QVERIFY(showConnected(h, kModemTab));
    Form1Controls &ui = h.ui();
    QCOMPARE(ui.Combo6->text(), QString("433Mhz"));
    QCOMPARE(ui.Text9->text(), QString("433.920"));
    ReadStarts reads(h);

    if (byKeyboard) {
        ui.Combo6->setFocus();
        QTest::keyClick(ui.Combo6, Qt::Key_Down);
    } else {
        QVERIFY(openByArrow(ui.Combo6));
        QVERIFY(clickItem(ui.Combo6, "868Mhz"));
    }
    QVERIFY(h.waitIdle());
    QVERIFY(h.waitModuleIdle());

    QCOMPARE(ui.Combo6->text(), QString("868Mhz"));
    QCOMPARE(reads.statuses.size(), 1);
    QCOMPARE(h.module().receivedBytes(), QByteArray("+++---"));
    QCOMPARE(ui.Text9->text(), QString("867.840"));
    QCOMPARE(pageFields(ui).first(8), QStringList(8, "0"));
    QCOMPARE(h.status(), kComplete);
}

// A pick in the speed list reconnects once, at the speed picked: by a click,
// or by the keys from the item shown (Alt+Down opens the list on 38400; Up
// four times is 9600).
void TestDropDownLists::speedPickReconnectsOnce_data()
{
    QTest::addColumn<bool>("byKeyboard");
    QTest::addColumn<int>("speed");
    QTest::newRow("19200 clicked in the open list") << false << 19200;
    QTest::newRow("Alt+Down, Up x4, Return from 38400") << true << 9600;
}

void TestDropDownLists::speedPickReconnectsOnce()
{
    QFETCH(bool, byKeyboard);
    QFETCH(int, speed);
    FormHarness h;
    QVERIFY(showConnected(h, kCommsTab));
    Form1Controls &ui = h.ui();
    QCOMPARE(ui.Combo2->text(), QString("38400"));
    QCOMPARE(h.form().comm().baudRate(), 38400);
    h.module().setLineSpeed(speed);
    ReadStarts reads(h);

    if (byKeyboard) {
        ui.Combo2->setFocus();
        QTest::keyClick(ui.Combo2, Qt::Key_Down, Qt::AltModifier);
        QTRY_VERIFY(ui.Combo2->view()->isVisible());
        // Opened on the item shown, and opening it ran nothing.
        QCOMPARE(ui.Combo2->view()->currentIndex().data().toString(), QString("38400"));
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(ui.Combo2->view(), Qt::Key_Up);
        QTest::qWait(300);
        QCOMPARE(reads.statuses, QStringList());
        QTest::keyClick(ui.Combo2->view(), Qt::Key_Return);
        QTRY_VERIFY(!ui.Combo2->view()->isVisible());
    } else {
        QVERIFY(openByArrow(ui.Combo2));
        QVERIFY(clickItem(ui.Combo2, QString::number(speed)));
    }
    QVERIFY(h.waitIdle());
    QVERIFY(h.waitModuleIdle());

    // One reconnect (the read after it begins on its status), at the new speed.
    QCOMPARE(ui.Combo2->text(), QString::number(speed));
    QCOMPARE(reads.statuses, QStringList{"Connected to COMM 1"});
    QCOMPARE(h.form().comm().baudRate(), speed);
    QCOMPARE(h.module().receivedBytes(), QByteArray("+++---"));
    QCOMPARE(h.status(), kComplete);
    QVERIFY(ui.Command2->isEnabled());
    QVERIFY(h.prompter().shown.isEmpty());
}

QTEST_MAIN(TestDropDownLists)
#include "tst_dropdownlists.moc"
