// Closing the window writes the port and speed; when the settings file cannot
// be written, the operator is told once, with the file and the reason.

#include "core/link/PortResolver.h"
#include "core/settings/AppSettings.h"
#include "gui/widgets/DropDownBox.h"
#include "gui/window/Form1.h"
#include "tests/support/FormHarness.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace zomar;
using namespace zomar::test;

class TestSettingsSave : public QObject
{
    Q_OBJECT
private slots:
    void closing_data();
    void closing();
};

void TestSettingsSave::closing_data()
{
    // Where the settings file is, under a fresh folder, and what is in the way.
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("obstacle"); // "folder:PATH", "file:PATH", "locked:PATH" or ""
    QTest::addColumn<QString>("reason");   // "" when it is saved; "<dir>" stands for the folder

    QTest::newRow("writable") << "ZOMAR.conf"
                              << ""
                              << "";
    QTest::newRow("its folder still to be made") << "ZOMAR/ZOMAR.conf"
                                                 << ""
                                                 << "";
    QTest::newRow("a folder in its place") << "ZOMAR.conf"
                                           << "folder:ZOMAR.conf"
                                           << "a folder is in its place";
    QTest::newRow("the settings folder's parent is a file") << "config/ZOMAR/ZOMAR.conf"
                                                            << "file:config"
                                                            << "<dir>/config is not a folder";
    QTest::newRow("a folder without permission")
        << "ZOMAR/ZOMAR.conf"
        << "locked:ZOMAR"
        << "the folder <dir>/ZOMAR is not writable: Permission denied";
}

void TestSettingsSave::closing()
{
    QFETCH(QString, file);
    QFETCH(QString, obstacle);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString at = dir.filePath(obstacle.section(QLatin1Char(':'), 1));
    if (obstacle.startsWith(QLatin1String("folder:"))) {
        QVERIFY(QDir().mkpath(at));
    } else if (obstacle.startsWith(QLatin1String("file:"))) {
        QFile blocker(at);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    } else if (obstacle.startsWith(QLatin1String("locked:"))) {
        if (::geteuid() == 0)
            QSKIP("running as root, which writes into a folder whatever its mode");
        QVERIFY(QDir().mkpath(at));
        QVERIFY(QFile::setPermissions(at, QFileDevice::Permissions()));
    }
    const QString path = dir.filePath(file);
    reason.replace(QLatin1String("<dir>"), dir.path());

    RecordingPrompter prompter;
    {
        AppSettings settings(path);
        PortResolver resolver;
        resolver.setSystemPortsSource([] { return QList<SystemPort>{}; });
        Form1 form(settings, resolver, prompter);
        form.controls().Combo1->setText("4");
        form.controls().Combo2->setText("9600");
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.close();
    }
    if (obstacle.startsWith(QLatin1String("locked:")))
        QFile::setPermissions(at, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                      QFileDevice::ExeOwner);

    if (reason.isEmpty()) {
        QCOMPARE(prompter.texts(), QStringList());
        QSettings stored(path, QSettings::IniFormat);
        QCOMPARE(stored.value("Settings/Port").toString(), QString("4"));
        QCOMPARE(stored.value("Settings/BAUD").toString(), QString("9600"));
        return;
    }
    QCOMPARE(prompter.shown.size(), 1);
    const MessageRequest &box = prompter.shown.first();
    QCOMPARE(box.title, QString("Settings not saved"));
    QCOMPARE(box.icon, MessageRequest::Warning);
    QCOMPARE(box.buttons, MessageRequest::Ok);
    QVERIFY2(box.text.contains(path) && box.text.contains(reason), qPrintable(box.text));
}

QTEST_MAIN(TestSettingsSave)
#include "tst_settingssave.moc"
