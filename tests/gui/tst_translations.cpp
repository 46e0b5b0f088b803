// Every window and dialog in a pseudo-translation made here from the English
// (each text accented and about 40 % longer): no text cut, elided or
// covering another, at the scale the suite runs at (it runs again with
// QT_SCALE_FACTOR=2); every text shown went through the translation; and
// every text asked for is in each language's .ts file, translated.

#include "core/settings/InterfaceLanguage.h"
#include "gui/modem/RefreshOperation.h"
#include "gui/station/StationWindow.h"
#include "gui/widgets/DropDownBox.h"
#include "tests/support/WindowWalk.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QRegularExpression>
#include <QtTest>

using namespace zomar;
using namespace zomar::test;

namespace {

PseudoTranslator *pseudo = nullptr;

// Texts that are figures or names rather than words: port numbers, speeds,
// the band list's items, addresses, the languages' own names.
bool isData(const QString &text)
{
    static const QRegularExpression figures(
        QStringLiteral(R"(^[\s\d.,:;%/()\-–+?*#A-F]*(Mhz| dBm| bps| MHz)?$)"));
    static const QRegularExpression path(QStringLiteral(R"(^/\S*$)"));
    if (figures.match(text).hasMatch() || path.match(text).hasMatch())
        return true;
    for (const InterfaceLanguage &l : interfaceLanguages())
        if (text == l.nativeName)
            return true;
    return false;
}

// Words of the core, shown as it gives them (English for now).
bool coreWords(const QString &where)
{
    for (const char *name : {" storeStatus ", " bandAdvice ", " BandAdvice ", " LinkSummary "})
        if (where.contains(QLatin1String(name)))
            return true;
    return false;
}

struct TsMessage {
    bool finished = false;
};

// (context, source) -> finished, of one .ts file.
QHash<std::pair<QString, QString>, TsMessage> readTs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString raw = QString::fromUtf8(file.readAll());
    QHash<std::pair<QString, QString>, TsMessage> out;
    static const QRegularExpression context(QStringLiteral("<context>(.*?)</context>"),
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression name(QStringLiteral("<name>(.*?)</name>"));
    static const QRegularExpression message(
        QStringLiteral("<source>(.*?)</source>\\s*<translation([^>]*)>(.*?)</translation>"),
        QRegularExpression::DotMatchesEverythingOption);
    const auto text = [](QString x) {
        x.replace(QStringLiteral("<byte value=\"xd\"/>"), QStringLiteral("\r"));
        x.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&apos;"), QStringLiteral("'"));
        return x.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    };
    for (auto c = context.globalMatch(raw); c.hasNext();) {
        const QString block = c.next().captured(1);
        const QString ctx = name.match(block).captured(1);
        for (auto m = message.globalMatch(block); m.hasNext();) {
            const auto hit = m.next();
            const bool empty = hit.captured(3).trimmed().isEmpty() ||
                               hit.captured(3).contains(QStringLiteral("<numerusform></numerusform>"));
            out.insert({ctx, text(hit.captured(1))},
                       TsMessage{!hit.captured(2).contains(QStringLiteral("unfinished")) && !empty});
        }
    }
    return out;
}

void checkWindow(QWidget *window)
{
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTest::qWait(20); // texts set after showing settle in their layouts
    const QStringList problems = textProblems(window);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    QStringList untranslated;
    for (const auto &[where, text] : shownTexts(window))
        if (!text.isEmpty() && !isPseudo(text) && !isData(text) && !coreWords(where))
            untranslated << where + QStringLiteral(": ") + text;
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
}

} // namespace

class TstTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void setupWindowPages_data();
    void setupWindowPages();
    void otherWindowsAndDialogs();
    void everyTextAskedForIsTranslated();
};

void TstTranslations::initTestCase()
{
    pseudo = new PseudoTranslator;
    QCoreApplication::installTranslator(pseudo);
}

void TstTranslations::setupWindowPages_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("status");
    // The longest advice and status lines the window writes.
    const QString noResponse = RefreshOperation::noResponseText();
    QTest::newRow("modem page, advice at 869.525 MHz") << 0 << "868Mhz" << "869.525" << noResponse;
    QTest::newRow("modem page, outside the band") << 0 << "433Mhz" << "439" << QString();
    QTest::newRow("comms page") << 1 << QString() << QString() << QString();
    QTest::newRow("terminal page") << 2 << QString() << QString() << QString();
    QTest::newRow("repeater page") << 3 << QString() << QString() << QString();
}

void TstTranslations::setupWindowPages()
{
    QFETCH(int, page);
    QFETCH(QString, band);
    QFETCH(QString, frequency);
    QFETCH(QString, status);
    AllWindows all;
    Form1 &form = all.form().form();
    all.showPage(page);
    if (!band.isEmpty()) {
        all.form().ui().Combo6->setText(band);
        QVERIFY(all.form().waitIdle());
        all.form().ui().Text9->setText(frequency);
    }
    const QString profileLoaded =
        QCoreApplication::translate("zomar::ProfileActions",
                                    "Profile %1 loaded: connect first, then open it again to Set it")
            .arg(QStringLiteral("north-mast"));
    for (const QString &line : {status, profileLoaded}) {
        if (line.isEmpty())
            continue;
        form.context().setStatus(line);
        checkWindow(&form);
        if (QTest::currentTestFailed())
            return;
    }
    checkWindow(&form);
}

void TstTranslations::otherWindowsAndDialogs()
{
    AllWindows all;
    for (QWidget *w : all.dialogs()) {
        checkWindow(w);
        if (QTest::currentTestFailed())
            return;
    }
}

void TstTranslations::everyTextAskedForIsTranslated()
{
    QVERIFY(!pseudo->asked.isEmpty());
    const QDir dir(QStringLiteral(ZOMAR_TRANSLATIONS_DIR));
    QStringList files = dir.entryList({QStringLiteral("zomar_*.ts")}, QDir::Files, QDir::Name);
    QStringList expected;
    for (const InterfaceLanguage &l : interfaceLanguages())
        if (l.code != kSourceLanguage)
            expected << QStringLiteral("zomar_%1.ts").arg(l.code);
    expected.sort();
    QCOMPARE(files, expected);
    for (const QString &file : files) {
        const auto ts = readTs(dir.filePath(file));
        QVERIFY2(!ts.isEmpty(), qPrintable(file));
        QStringList missing;
        for (const auto &asked : std::as_const(pseudo->asked)) {
            if (asked.first.startsWith(QLatin1Char('Q')))
                continue; // Qt's own, from its own translations
            const auto it = ts.constFind(asked);
            if (it == ts.constEnd() || !it->finished)
                missing << asked.first + QStringLiteral(": ") + asked.second;
        }
        QVERIFY2(missing.isEmpty(), qPrintable(file + QStringLiteral(":\n") + missing.join('\n')));
        for (auto it = ts.constBegin(); it != ts.constEnd(); ++it)
            QVERIFY2(it->finished, qPrintable(file + QStringLiteral(": ") + it.key().second));
    }
}

QTEST_MAIN(TstTranslations)
#include "tst_translations.moc"
