// Start-up, saved settings, the window's design states and page navigation.

#include "core/Version.h"
#include "gui/widgets/DropDownBox.h"
#include "gui/widgets/TrafficView.h"
#include "gui/widgets/TypingBox.h"
#include "tests/support/FormHarness.h"
#include "gui/timing/IntervalTimer.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>
#include <QTest>

using namespace zomar;
using namespace zomar::test;

namespace {
QStringList tabCaptions(QTabBar *bar)
{
    QStringList out;
    for (int i = 0; i < bar->count(); ++i)
        out << bar->tabText(i);
    return out;
}

QWidget *shownPage(Form1Controls &ui)
{
    QWidget *shown = nullptr;
    for (QWidget *page : {ui.ModemPic, ui.CommsPic, ui.TermPic, ui.RepeaterPic}) {
        if (!page->isHidden()) {
            if (shown)
                return nullptr; // more than one: wrong
            shown = page;
        }
    }
    return shown;
}
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void settledState();
    void savedSettingsShown_data();
    void savedSettingsShown();
    void unloadWritesSettings_data();
    void unloadWritesSettings();
    void designStates();
    void addressBoxesTakeTwoCharacters();
    void versionedTitle();
    void listContents();
    void pageForEachTab_data();
    void pageForEachTab();
    void hiddenTabKeys_data();
    void hiddenTabKeys();
    void secondF1KeepsFourTabs();
    void idleAfterStartUp();
};

void TestStartup::settledState()
{
    FormHarness h(FormHarness::Options::noModule());
    Form1Controls &ui = h.ui();
    h.form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&h.form()));
    QTRY_VERIFY(!h.form().timer1().isEnabled());

    QVERIFY(h.form().windowTitle().startsWith("Zomar Setup Utility - Version:"));
    QCOMPARE(tabCaptions(ui.TabStrip1), QStringList({"Modem Setup", "Comms Port Setup"}));
    QCOMPARE(ui.Frame2->title(), QString("Modem Settings"));
    QCOMPARE(shownPage(ui), ui.ModemPic);
    for (QLineEdit *box : ui.addressBoxes())
        QCOMPARE(box->text(), QString("??"));
    QCOMPARE(ui.Text9->text(), QString("??"));
    QCOMPARE(ui.Text10->text(), QString("??"));
    QCOMPARE(ui.Combo5->text(), QString("??"));
    QCOMPARE(ui.Combo6->text(), QString("433Mhz"));
    QCOMPARE(ui.Combo1->text(), QString("1"));
    QCOMPARE(ui.Combo2->text(), QString("38400"));
    QVERIFY(!ui.Command2->isEnabled());
    QVERIFY(!ui.Command3->isEnabled());
    QVERIFY(!ui.Command6->isEnabled());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(ui.Command7));
    QCOMPARE(h.status(), QString("Disconnected"));
    QCOMPARE(h.form().state().parsePending, false);
    QCOMPARE(h.form().state().contSendChar, 32);
    QVERIFY(!h.form().pointer().isBusy());
    // The band write during the load ran one read on the closed port: nothing asked.
    QVERIFY(h.prompter().shown.isEmpty());
    // Nothing is written to the store until the window closes.
    QSettings store(h.settingsFile(), QSettings::IniFormat);
    QVERIFY(!store.contains("Settings/Port"));
    QVERIFY(!store.contains("Settings/BAUD"));
}

void TestStartup::savedSettingsShown_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("baud");
    QTest::newRow("list items") << "3"
                                << "9600";
    QTest::newRow("not a list item") << "20"
                                     << "115200";
    QTest::newRow("blank kept") << " 3"
                                << "4800 ";
}

void TestStartup::savedSettingsShown()
{
    QFETCH(QString, port);
    QFETCH(QString, baud);
    FormHarness::Options o;
    o.withModule = false;
    o.savedPort = port;
    o.savedBaud = baud;
    FormHarness h(o);
    QCOMPARE(h.ui().Combo1->text(), port);
    QCOMPARE(h.ui().Combo2->text(), baud);
    QCOMPARE(h.form().state().portNumber, port);
}

void TestStartup::unloadWritesSettings_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("baud");
    QTest::addColumn<QString>("storedPort"); // "<absent>" when not written
    QTest::addColumn<QString>("storedBaud");
    QTest::newRow("both") << "5"
                          << "9600"
                          << "5"
                          << "9600";
    QTest::newRow("untrimmed") << " 3"
                               << " 2400 "
                               << " 3"
                               << " 2400 ";
    QTest::newRow("blank speed writes port only") << "7"
                                                  << "  "
                                                  << "7"
                                                  << "<absent>";
    QTest::newRow("blank port writes speed only") << ""
                                                  << "19200"
                                                  << "<absent>"
                                                  << "19200";
}

void TestStartup::unloadWritesSettings()
{
    QFETCH(QString, port);
    QFETCH(QString, baud);
    QFETCH(QString, storedPort);
    QFETCH(QString, storedBaud);
    FormHarness h(FormHarness::Options::noModule());
    h.ui().Combo1->setText(port);
    h.ui().Combo2->setText(baud);
    h.form().show();
    h.closeWindow();
    QSettings store(h.settingsFile(), QSettings::IniFormat);
    QCOMPARE(store.value("Settings/Port", "<absent>").toString(), storedPort);
    QCOMPARE(store.value("Settings/BAUD", "<absent>").toString(), storedBaud);

    // And a new window reads back exactly what was written.
    AppSettings again(h.settingsFile());
    if (storedPort != "<absent>")
        QCOMPARE(again.port(), storedPort);
    else
        QCOMPARE(again.port(), QString("1"));
}

void TestStartup::designStates()
{
    FormHarness h(FormHarness::Options::noModule());
    Form1Controls &ui = h.ui();
    for (QPushButton *off : {ui.Command2, ui.Command3, ui.Command6, ui.Command5, ui.Command13})
        QVERIFY2(!off->isEnabled(), qPrintable(off->objectName()));
    for (QPushButton *on : {ui.Command7, ui.Command8, ui.Command10})
        QVERIFY2(on->isEnabled(), qPrintable(on->objectName()));
    QCOMPARE(ui.Command7->text(), QString("Connect"));
    QCOMPARE(ui.Command8->text(), QString("Cont Send On"));
    QCOMPARE(ui.Command10->text(), QString("Loopback On"));
    QCOMPARE(ui.Command8->toolTip(), QString("Exit AT Mode"));
    QCOMPARE(ui.Command10->toolTip(), QString("Exit AT Mode"));
    QCOMPARE(ui.Label5->text(), QString("Select Freq Band "));
    QCOMPARE(ui.Text24->text(), QString("500"));
    QCOMPARE(ui.Text23->text(), QString("100"));
    QVERIFY(ui.Text13->text().isEmpty());
    QVERIFY(ui.Text14->text().isEmpty());
    // Every named control carries its design name as its object name.
    for (const char *name :
         {"Form1",    "TabStrip1",  "Frame2",  "ModemPic", "CommsPic", "TermPic", "RepeaterPic",
          "Command7", "StatusBar1", "Text1",   "Text9",    "Text10",   "Combo1",  "Combo2",
          "Combo5",   "Combo6",     "Text13",  "Text14",   "Text21",   "Text22",  "Text23",
          "Text24",   "Command13",  "Label31", "Label32"}) {
        const bool found = h.form().objectName() == name ||
                           h.form().findChild<QWidget *>(QString::fromLatin1(name)) != nullptr;
        QVERIFY2(found, name);
    }
    // Labels sit beside their fields, inside the page.
    for (QLabel *label : h.form().findChildren<QLabel *>()) {
        if (!label->parentWidget() || label->objectName() == "StatusPanel1")
            continue;
        const QRect inParent = label->geometry();
        QVERIFY2(label->parentWidget()->rect().contains(inParent), qPrintable(label->objectName()));
    }
}

void TestStartup::addressBoxesTakeTwoCharacters()
{
    FormHarness h(FormHarness::Options::noModule());
    h.form().show();
    h.form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&h.form()));
    for (QLineEdit *box : h.ui().addressBoxes()) {
        QCOMPARE(box->maxLength(), 2);
        box->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), box);
        // Focus selects the whole "??", so typing replaces it; a third character is refused.
        QCOMPARE(box->selectedText(), QString("??"));
        QTest::keyClicks(box, "ABC");
        QCOMPARE(box->text(), QString("AB"));
    }
}

void TestStartup::versionedTitle()
{
    QCOMPARE(Form1::versionedTitle(1, 0, 116), QString("Zomar Setup Utility - Version:1.0.116"));
    FormHarness h(FormHarness::Options::noModule());
    QCOMPARE(h.form().windowTitle(),
             Form1::versionedTitle(kVersionMajor, kVersionMinor, kVersionPatch));
}

void TestStartup::listContents()
{
    FormHarness h(FormHarness::Options::noModule());
    auto items = [](QComboBox *box) {
        QStringList out;
        for (int i = 0; i < box->count(); ++i)
            out << box->itemText(i);
        return out;
    };
    Form1Controls &ui = h.ui();
    QCOMPARE(items(ui.Combo1), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11",
                                            "12", "13", "14", "15"}));
    QCOMPARE(items(ui.Combo2),
             QStringList({"2400", "4800", "9600", "14400", "19200", "28800", "38400"}));
    QCOMPARE(items(ui.Text10), QStringList({"0 dBm", "-3 dBm", "-6 dBm", "-9 dBm", "-12 dBm",
                                            "-15 dBm", "-18 dBm", "-21 dBm"}));
    QCOMPARE(items(ui.Combo5), QStringList({"1200 bps", "2400 bps", "4800 bps", "9600 bps",
                                            "19200 bps", "38400 bps"}));
    QCOMPARE(items(ui.Combo6), QStringList({"433Mhz", "868Mhz"}));
}

void TestStartup::pageForEachTab_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("page");
    QTest::newRow("Modem Setup") << 0 << "Modem Settings"
                                 << "ModemPic";
    QTest::newRow("Comms Port Setup") << 1 << "Comms Setup"
                                      << "CommsPic";
    QTest::newRow("Terminal") << 2 << "Terminal"
                              << "TermPic";
    QTest::newRow("Repeater") << 3 << "Repeater"
                              << "RepeaterPic";
}

void TestStartup::pageForEachTab()
{
    QFETCH(int, tab);
    QFETCH(QString, caption);
    QFETCH(QString, page);
    FormHarness h(FormHarness::Options::noModule());
    Form1Controls &ui = h.ui();
    h.form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&h.form()));
    QTest::keyRelease(ui.Command7, Qt::Key_F1); // reveal the test tabs
    QCOMPARE(ui.TabStrip1->count(), 4);
    // Start from another tab so that the click really changes the selection.
    ui.TabStrip1->setCurrentIndex(tab == 1 ? 0 : 1);
    const QRect r = ui.TabStrip1->tabRect(tab);
    QTest::mouseClick(ui.TabStrip1, Qt::LeftButton, {}, r.center());
    QCOMPARE(ui.TabStrip1->currentIndex(), tab);
    QCOMPARE(ui.Frame2->title(), caption);
    QWidget *shown = shownPage(ui);
    QVERIFY(shown);
    QCOMPARE(shown->objectName(), page);
}

void TestStartup::hiddenTabKeys_data()
{
    QTest::addColumn<bool>("onConnect");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("tabsAfter");
    QTest::newRow("F1 on Connect") << true << int(Qt::NoModifier) << int(Qt::Key_F1) << 4;
    QTest::newRow("F1 in a field") << false << int(Qt::NoModifier) << int(Qt::Key_F1) << 2;
    QTest::newRow("Shift+F1 in a field") << false << int(Qt::ShiftModifier) << int(Qt::Key_F1) << 4;
    QTest::newRow("Ctrl+Shift+F1 in a field")
        << false << int(Qt::ShiftModifier | Qt::ControlModifier) << int(Qt::Key_F1) << 2;
    QTest::newRow("Ctrl+Shift+F1 on Connect")
        << true << int(Qt::ShiftModifier | Qt::ControlModifier) << int(Qt::Key_F1) << 4;
    QTest::newRow("Alt+Shift+F1 in a field")
        << false << int(Qt::ShiftModifier | Qt::AltModifier) << int(Qt::Key_F1) << 2;
    QTest::newRow("Shift+F2 in a field") << false << int(Qt::ShiftModifier) << int(Qt::Key_F2) << 2;
    QTest::newRow("Shift+F1 on Connect") << true << int(Qt::ShiftModifier) << int(Qt::Key_F1) << 4;
}

void TestStartup::hiddenTabKeys()
{
    QFETCH(bool, onConnect);
    QFETCH(int, modifiers);
    QFETCH(int, key);
    QFETCH(int, tabsAfter);
    FormHarness h(FormHarness::Options::noModule());
    Form1Controls &ui = h.ui();
    h.form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&h.form()));
    QWidget *target = onConnect ? static_cast<QWidget *>(ui.Command7) : ui.Text9;
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);
    QTest::keyRelease(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(ui.TabStrip1->count(), tabsAfter);
    if (tabsAfter == 4) {
        QCOMPARE(tabCaptions(ui.TabStrip1),
                 QStringList({"Modem Setup", "Comms Port Setup", "Terminal", "Repeater"}));
        // Appending keeps the selection and the page.
        QCOMPARE(ui.TabStrip1->currentIndex(), 0);
        QCOMPARE(shownPage(ui), ui.ModemPic);
    }
}

void TestStartup::secondF1KeepsFourTabs()
{
    FormHarness h(FormHarness::Options::noModule());
    Form1Controls &ui = h.ui();
    h.form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&h.form()));
    ui.Command7->setFocus();
    QTest::keyRelease(ui.Command7, Qt::Key_F1, Qt::ShiftModifier);
    QTest::keyRelease(ui.Command7, Qt::Key_F1);
    QTest::keyRelease(ui.Text1, Qt::Key_F1, Qt::ShiftModifier);
    QCOMPARE(ui.TabStrip1->count(), 4);
}

void TestStartup::idleAfterStartUp()
{
    FormHarness h(FormHarness::Options::noModule());
    QTRY_VERIFY(!h.form().timer1().isEnabled());
    QVERIFY(!h.form().timer2().isTicking());
    QVERIFY(!h.form().loopTimer().isTicking());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
