// The windows' language: LANG=de_DE.UTF-8 starts them in German (this suite
// runs with it), a choice in the Language menu overrides the system and is
// remembered, a station names its technicians' language, every shipped
// translation loads, and Qt's own standard buttons follow.

#include "core/settings/InterfaceLanguage.h"
#include "gui/language/LanguageMenu.h"
#include "gui/language/Translations.h"
#include "gui/window/MenuBar.h"
#include "tests/support/FormHarness.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using namespace zomar;
using namespace zomar::test;

class TstLanguage : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { installLanguage(kSourceLanguage); }
    void systemLanguageStartsTheWindowsInGerman();
    void chosenLanguageAndStationLanguage_data();
    void chosenLanguageAndStationLanguage();
    void pickedFromTheSystemsLanguages_data();
    void pickedFromTheSystemsLanguages();
    void languageMenuRemembersTheChoice();
    void everyTranslationLoads();
};

void TstLanguage::systemLanguageStartsTheWindowsInGerman()
{
    QTemporaryDir dir;
    AppSettings settings(dir.filePath("s.ini"));
    QCOMPARE(QLocale::system().name(), QString("de_DE"));
    QCOMPARE(startLanguage(settings), QString("de"));
    FormHarness h(FormHarness::Options::noModule());
    QCOMPARE(h.ui().Command7->text(), QString("Verbinden"));
    QCOMPARE(h.ui().Frame2->title(), QString("Modem-Einstellungen"));
    QCOMPARE(h.status(), QString("Getrennt"));
    QCOMPARE(h.form().menuBar().widget()->actions().first()->text(), QString("&Datei"));
    // Qt's own buttons, from qt6-translations-l10n.
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
        QSKIP("Qt's German translation is not installed (qt6-translations-l10n)");
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QString("Abbrechen"));
}

void TstLanguage::chosenLanguageAndStationLanguage_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("station");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("connect");
    QTest::newRow("menu over system") << "fr" << "" << "fr" << "Connecter";
    QTest::newRow("menu over station") << "zh_CN" << "pl" << "zh_CN" << "连接";
    QTest::newRow("station over system") << "" << "pl" << "pl" << "Połącz";
    QTest::newRow("English chosen") << "en" << "cs" << "en" << "Connect";
    QTest::newRow("unknown choice ignored") << "xx" << "" << "de" << "Verbinden";
}

void TstLanguage::chosenLanguageAndStationLanguage()
{
    QFETCH(QString, chosen);
    QFETCH(QString, station);
    QFETCH(QString, language);
    QFETCH(QString, connect);
    QTemporaryDir dir;
    AppSettings settings(dir.filePath("s.ini"));
    settings.setLanguage(chosen);
    QCOMPARE(startLanguage(settings, station), language);
    FormHarness h(FormHarness::Options::noModule());
    QCOMPARE(h.ui().Command7->text(), connect);
}

void TstLanguage::pickedFromTheSystemsLanguages_data()
{
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << "de_DE" << "de";
    QTest::newRow("Swiss German") << "de_CH" << "de";
    QTest::newRow("Canadian French") << "fr_CA" << "fr";
    QTest::newRow("Chinese, China") << "zh_CN" << "zh_CN";
    QTest::newRow("Chinese, Singapore") << "zh_SG" << "zh_CN";
    QTest::newRow("Chinese, Taiwan: not ours") << "zh_TW" << "en";
    QTest::newRow("Japanese: not ours") << "ja_JP" << "en";
    QTest::newRow("Czech") << "cs_CZ" << "cs";
    QTest::newRow("C locale") << "C" << "en";
}

void TstLanguage::pickedFromTheSystemsLanguages()
{
    QFETCH(QString, system);
    QFETCH(QString, language);
    QCOMPARE(pickLanguage(QString(), QString(), QLocale(system)), language);
}

void TstLanguage::languageMenuRemembersTheChoice()
{
    installLanguage("de");
    FormHarness h(FormHarness::Options::noModule());
    LanguageMenu *menu = h.form().menuBar().languageMenu();
    QAction *czech = nullptr;
    for (QAction *a : menu->menu()->actions())
        if (a->data().toString() == "cs")
            czech = a;
    QVERIFY(czech);
    czech->trigger();
    QVERIFY(czech->isChecked());
    QCOMPARE(AppSettings(h.settingsFile()).language(), QString("cs"));
    // Said in the window's language and in the one chosen.
    QCOMPARE(h.prompter().shown.size(), 1);
    const QString note = h.prompter().shown.first().text;
    QVERIFY2(note.contains("Čeština") && note.contains("Okna budou v jazyce"), qPrintable(note));
    QVERIFY2(note.contains("Programmstart"), qPrintable(note));
    // Back to the automatic choice: the key goes.
    menu->menu()->actions().first()->trigger();
    QCOMPARE(AppSettings(h.settingsFile()).language(), QString());
}

void TstLanguage::everyTranslationLoads()
{
    for (const InterfaceLanguage &l : interfaceLanguages()) {
        QVERIFY2(installLanguage(l.code), qPrintable(l.code));
        const QString connect = QCoreApplication::translate("Form1", "Connect");
        QCOMPARE(connect == "Connect", l.code == kSourceLanguage);
    }
}

int main(int argc, char *argv[])
{
    // As a German desktop starts the program.
    qputenv("LANG", "de_DE.UTF-8");
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        qunsetenv(name);
    QApplication app(argc, argv);
    TstLanguage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_language.moc"
