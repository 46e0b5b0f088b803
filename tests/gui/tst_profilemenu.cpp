// Profiles in the window against the virtual module: opening one fills the
// page and sends nothing (Set then writes it), saving refuses what Set would
// refuse, dropped files open, the dialogs wait for a read under way, and the
// recent list.

#include "gui/profiles/ProfileActions.h"
#include "gui/widgets/DropDownBox.h"
#include "gui/window/MenuBar.h"
#include "tests/support/AnsweringFiles.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTest>
#include <QUrl>

using namespace zomar;
using namespace zomar::test;

namespace {

// On the 433 MHz band the page shows 1 2 3 4 5 6 7 8, 433.920, -9 dBm, 19200 bps.
const QByteArray kModule = QByteArray::fromHex("0102030405060708 0620 03 11");

struct Rig : HarnessWithFiles {
    using HarnessWithFiles::HarnessWithFiles;
    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }
    QStringList page() { return pageFields(h.ui()) << h.ui().Combo6->text(); }
    QTemporaryDir dir;
};

} // namespace

class TestProfileMenu : public QObject
{
    Q_OBJECT
private slots:
    void openFillsThePageAndSetWritesIt_data();
    void openFillsThePageAndSetWritesIt();
    void refusedProfileChangesNothing();
    void droppedProfileOpens();
    void save_data();
    void save();
    void dialogsWaitForTheReadUnderWay_data();
    void dialogsWaitForTheReadUnderWay();
    void recentProfiles();
};

void TestProfileMenu::openFillsThePageAndSetWritesIt_data()
{
    QTest::addColumn<QByteArray>("members");
    QTest::addColumn<QStringList>("page"); // the fields, the band last
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("every field")
        << QByteArray(
               R"("destination": "A0B0C0D0", "local": "00000001", "band": "868",)"
               R"( "frequency_mhz": "869.500", "tx_power": "-21 dBm", "rf_speed": "115200 bps")")
        << QStringList{"A0", "B0", "C0",      "D0",      "0",          "0",
                       "0",  "1",  "869.500", "-21 dBm", "115200 bps", "868Mhz"}
        << QByteArray::fromHex("A0B0C0D000000001 076C 07 02");
    QTest::newRow("destination only: the rest stays")
        << QByteArray(R"("destination": "FFFFFFFF")")
        << QStringList{"FF", "FF", "FF",      "FF",     "5",         "6",
                       "7",  "8",  "433.920", "-9 dBm", "19200 bps", "433Mhz"}
        << QByteArray::fromHex("FFFFFFFF05060708 0620 03 11");
    QTest::newRow("band only: the channel stays, shown for the band")
        << QByteArray(R"("band": "868")")
        << QStringList{"1", "2", "3",       "4",      "5",         "6",
                       "7", "8", "867.840", "-9 dBm", "19200 bps", "868Mhz"}
        << kModule;
    QTest::newRow("channel without band: on the page's band")
        << QByteArray(R"("channel": 1599, "rf_speed": "1200 bps")")
        << QStringList{"1", "2", "3",       "4",      "5",        "6",
                       "7", "8", "433.998", "-9 dBm", "1200 bps", "433Mhz"}
        << QByteArray::fromHex("0102030405060708 063F 03 A3");
}

void TestProfileMenu::openFillsThePageAndSetWritesIt()
{
    QFETCH(QByteArray, members);
    QFETCH(QStringList, page);
    QFETCH(QByteArray, written);
    Rig r;
    QVERIFY(r.h.connectAndRead(kModule, QStringLiteral("433Mhz")));
    const QString path =
        r.writeFile("site.json", R"({"format": "zomar-profile", "version": 1, "name": "Site A", )" +
                                     members + "}");
    r.files.answers << path;
    r.h.form().menuBar().openAction()->trigger();

    QCOMPARE(r.files.asked.size(), 1);
    QCOMPARE(r.files.asked.first().mode, FileRequest::Open);
    QCOMPARE(r.page(), page);
    QCOMPARE(r.h.status(), QString("Profile Site A loaded: Set writes it to the module"));
    QTest::qWait(400); // a read would have sent "+++" at once
    QCOMPARE(r.h.module().receivedBytes(), QByteArray());
    QVERIFY(r.h.prompter().shown.isEmpty());

    r.h.ui().Command2->click();
    QVERIFY(r.h.waitIdle(5000));
    QCOMPARE(r.h.module().configuration().toHex(), written.toHex());
    // The page shows what the module reports after the write.
    QCOMPARE(r.h.status(), kComplete);
    QCOMPARE(r.page(), page);
    QCOMPARE(r.h.form().profileActions().recentProfiles(), QStringList{path});
}

void TestProfileMenu::refusedProfileChangesNothing()
{
    Rig r;
    QVERIFY(r.h.connectAndRead(kModule, QStringLiteral("433Mhz")));
    const QStringList before = r.page();
    const QString status = r.h.status();
    const QString path = r.writeFile(
        "typo.json", R"({"format": "zomar-profile", "version": 1, "tx_powr": "-9 dBm"})");
    r.files.answers << path;
    r.h.form().menuBar().openAction()->trigger();
    QCOMPARE(r.h.prompter().shown.size(), 1);
    QVERIFY2(r.h.prompter().shown.first().text.startsWith(path + R"(: unknown key "tx_powr")"),
             qPrintable(r.h.prompter().shown.first().text));
    QCOMPARE(r.page(), before);
    QCOMPARE(r.h.status(), status);
    QTest::qWait(300);
    QCOMPARE(r.h.module().receivedBytes(), QByteArray());
    QVERIFY(r.h.form().profileActions().recentProfiles().isEmpty());
}

void TestProfileMenu::droppedProfileOpens()
{
    Rig r(FormHarness::Options::noModule());
    const QString path = r.writeFile(
        "drop.json", R"({"format": "zomar-profile", "version": 1, "tx_power": "-6 dBm"})");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(path)});
    mime.setText(path);
    // Over the frequency box, which would take the file's name as text.
    QLineEdit *box = r.h.ui().Text9;
    const QPoint at = box->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &drop);
    QVERIFY(drop.isAccepted());
    QTRY_COMPARE(r.h.ui().Text10->text(), QString("-6 dBm"));
    QCOMPARE(box->text(), QString("??"));
    QCOMPARE(r.h.status(),
             QString("Profile drop loaded: connect first, then open it again to Set it"));
}

void TestProfileMenu::save_data()
{
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refusal"); // "" when saved

    QTest::newRow("unread page") << false << QString() << QString()
                                 << R"(the Destination Address field shows "??")";
    QTest::newRow("power unread") << true << "Text10"
                                  << "??"
                                  << R"(the Tx Power field shows "??")";
    QTest::newRow("address Set refuses")
        << true << "Text3"
        << "G1"
        << R"(Set would refuse the Destination Address field ("G1": Invalid input (00-FF)))";
    QTest::newRow("frequency below the band")
        << true << "Text9"
        << "429"
        << R"(Set would refuse the RF Frequency field ("429": Incorrect Frequency value))";
    QTest::newRow("power none of the list") << true << "Text10"
                                            << "-20 dBm"
                                            << R"(the Tx Power field holds "-20 dBm")";
    QTest::newRow("speed none of the list") << true << "Combo5"
                                            << "300 bps"
                                            << R"(the RF TX Speed field holds "300 bps")";
    QTest::newRow("the page as read") << true << QString() << QString() << QString();
    QTest::newRow("a typed speed of the table") << true << "Combo5"
                                                << "57600 bps" << QString();
}

void TestProfileMenu::save()
{
    QFETCH(bool, read);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, refusal);
    Rig r;
    if (read)
        QVERIFY(r.h.connectAndRead(kModule, QStringLiteral("433Mhz")));
    if (auto *box = r.h.form().findChild<QLineEdit *>(field))
        box->setText(text);
    else if (auto *list = r.h.form().findChild<DropDownBox *>(field))
        list->setText(text);
    const QString path = r.dir.filePath("bench.json");
    r.files.answers << path;
    const QString status = r.h.status();
    r.h.form().menuBar().saveAction()->trigger();

    if (!refusal.isEmpty()) {
        QCOMPARE(r.h.prompter().shown.size(), 1);
        const MessageRequest &box = r.h.prompter().shown.first();
        QCOMPARE(box.title, QString("Profile not saved"));
        QVERIFY2(box.text.startsWith("The profile was not saved: " + refusal),
                 qPrintable(box.text));
        QVERIFY(r.files.asked.isEmpty());
        QVERIFY(!QFile::exists(path));
        QCOMPARE(r.h.status(), status);
        return;
    }
    QVERIFY(r.h.prompter().shown.isEmpty());
    QCOMPARE(r.files.asked.size(), 1);
    QCOMPARE(r.files.asked.first().mode, FileRequest::Save);
    QCOMPARE(r.files.asked.first().defaultSuffix, QString("json"));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray speed = field == "Combo5" ? text.toUtf8() : QByteArray("19200 bps");
    QCOMPARE(QString::fromUtf8(saved.readAll()),
             QString::fromUtf8("{\n  \"format\": \"zomar-profile\",\n  \"version\": 1,\n"
                               "  \"name\": \"bench\",\n  \"destination\": \"01020304\",\n"
                               "  \"local\": \"05060708\",\n  \"band\": \"433\",\n"
                               "  \"frequency_mhz\": \"433.920\",\n  \"tx_power\": \"-9 dBm\",\n"
                               "  \"rf_speed\": \"" +
                               speed + "\"\n}\n"));
    QCOMPARE(r.h.status(), QString("Profile bench saved to bench.json"));
    // Its own section of the settings, not "Settings".
    QSettings store(r.h.settingsFile(), QSettings::IniFormat);
    QCOMPARE(store.value("RecentProfiles/Files").toStringList(), QStringList{path});
    QVERIFY(!store.contains("Settings/Files"));
    QCOMPARE(r.h.form().menuBar().recentMenu()->actions().first()->text(), "&1 " + path);
    QTest::qWait(300);
    QCOMPARE(r.h.module().receivedBytes(), QByteArray()); // saving sends nothing
}

void TestProfileMenu::dialogsWaitForTheReadUnderWay_data()
{
    QTest::addColumn<bool>("open");
    QTest::newRow("open") << true;
    QTest::newRow("save") << false;
}

void TestProfileMenu::dialogsWaitForTheReadUnderWay()
{
    // Asked for while a Refresh waits for the module's answer, the file
    // dialog comes up once the read is over: the module is not held in
    // command mode, a saved page is the one read, an opened profile is not
    // overwritten by the answer.
    QFETCH(bool, open);
    Rig r;
    QVERIFY(r.h.connectAndRead(kModule, QStringLiteral("433Mhz")));
    const QString profile = r.writeFile(
        "power.json", R"({"format": "zomar-profile", "version": 1, "tx_power": "-21 dBm"})");
    const QString saved = r.dir.filePath("read.json");
    r.files.answers << (open ? profile : saved);
    QString statusAtAsk;
    r.files.onAsk = [&] { statusAtAsk = r.h.status(); };
    QAction *action = open ? r.h.form().menuBar().openAction() : r.h.form().menuBar().saveAction();
    QTimer::singleShot(50, action, &QAction::trigger); // inside the read's 0.2 s wait
    r.h.ui().Command3->click();
    QVERIFY(r.h.waitIdle());
    QCOMPARE(r.files.asked.size(), 1);
    QCOMPARE(statusAtAsk, kComplete); // "---" sent, the answer decoded
    QVERIFY(r.h.prompter().shown.isEmpty());
    if (open) {
        QCOMPARE(r.h.ui().Text10->text(), QString("-21 dBm"));
        QCOMPARE(r.h.ui().Text9->text(), QString("433.920"));
    } else {
        QVERIFY(QFile::exists(saved));
    }
}

void TestProfileMenu::recentProfiles()
{
    Rig r(FormHarness::Options::noModule());
    ProfileActions &actions = r.h.form().profileActions();
    QMenu *menu = r.h.form().menuBar().recentMenu();
    QVERIFY(!menu->isEnabled());
    QStringList files;
    for (int i = 0; i < 9; ++i)
        files << r.writeFile(QStringLiteral("p%1.json").arg(i),
                             R"({"format": "zomar-profile", "version": 1, "tx_power": "-3 dBm"})");
    for (const QString &file : files)
        actions.openFile(file);
    QStringList newestFirst{files[8], files[7], files[6], files[5],
                            files[4], files[3], files[2], files[1]};
    QCOMPARE(actions.recentProfiles(), newestFirst);
    actions.openFile(files[3]); // once, at the top
    newestFirst.move(5, 0);
    QCOMPARE(actions.recentProfiles(), newestFirst);
    QVERIFY(menu->isEnabled());
    QCOMPARE(menu->actions().at(1)->text(), "&2 " + files[8]);

    // A file that has gone is taken off the list.
    QVERIFY(QFile::remove(files[8]));
    menu->actions().at(1)->trigger();
    QCOMPARE(r.h.prompter().shown.size(), 1);
    QCOMPARE(r.h.prompter().shown.first().text,
             files[8] + ": no longer exists; it was taken off the recent profiles.");
    newestFirst.removeOne(files[8]);
    QCOMPARE(actions.recentProfiles(), newestFirst);
    QCOMPARE(menu->actions().at(1)->text(), "&2 " + files[7]);

    // The list survives the window, in its own section.
    QSettings store(r.h.settingsFile(), QSettings::IniFormat);
    QCOMPARE(store.value("RecentProfiles/Files").toStringList(), newestFirst);
    menu->actions().last()->trigger(); // "Clear List"
    QVERIFY(actions.recentProfiles().isEmpty());
    QVERIFY(!menu->isEnabled());
}

QTEST_MAIN(TestProfileMenu)
#include "tst_profilemenu.moc"
