// The copies of facts made for users, against their one home: the bash
// completion the build makes (each option's values are the program's own
// lists), the CSV headers the README shows, and the value lists the README
// writes out.

#include "core/line/ProgramLog.h"
#include "core/link/LineSettings.h"
#include "core/protocol/Band.h"
#include "core/protocol/BandPlan.h"
#include "core/protocol/ModuleFinder.h"
#include "core/protocol/ValueTables.h"
#include "core/store/StoreReport.h"
#include "core/store/Unit.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace zomar;

class TestCopies : public QObject
{
    Q_OBJECT

private slots:
    void valuesComeFromTheCode_data();
    void valuesComeFromTheCode();
    void readmeHeadersAreTheColumns();
    void readmeListsAreTheCode_data();
    void readmeListsAreTheCode();
};

namespace {

QString readme()
{
    QFile file(QStringLiteral(ZOMAR_README));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList texts(const QList<int> &numbers)
{
    QStringList list;
    for (const int n : numbers)
        list << QString::number(n);
    return list;
}

} // namespace

void TestCopies::valuesComeFromTheCode_data()
{
    QTest::addColumn<QString>("options"); // the case arm, as the completion has it
    QTest::addColumn<QStringList>("values");

    QTest::newRow("line speeds") << "--baud | --to-baud" << lineSpeedItems();
    QTest::newRow("bands") << "--band" << bandNames();
    QTest::newRow("regions") << "--region" << bandPlanRegions();
    QTest::newRow("unit states") << "--state" << unitStateNames();
}

void TestCopies::valuesComeFromTheCode()
{
    QFETCH(QString, options);
    QFETCH(QStringList, values);
    QVERIFY(values.size() >= 2);

    if (QStringLiteral(ZOMAR_COMPLETION).isEmpty())
        QSKIP("this build makes no completion (a sanitizer build)");
    QFile file(QStringLiteral(ZOMAR_COMPLETION));
    QVERIFY2(file.open(QIODevice::ReadOnly), ZOMAR_COMPLETION);
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("@[A-Z_]+@"))),
             "a mark of the template is left unfilled");
    const QRegularExpression arm(QStringLiteral("\\n\\s*%1\\)\\n(?:\\s*#[^\\n]*\\n)*\\s*"
                                                "COMPREPLY=\\(\\$\\(compgen -W \"([^\"]*)\"")
                                     .arg(QRegularExpression::escape(options)));
    const QRegularExpressionMatch m = arm.match(text);
    QVERIFY2(m.hasMatch(), qPrintable(options));
    QCOMPARE(m.captured(1).split(QLatin1Char(' ')), values);
}

void TestCopies::readmeHeadersAreTheColumns()
{
    const QString text = readme();
    QVERIFY2(!text.isEmpty(), ZOMAR_README);
    // Every example of a log or an export shows its header as it is written.
    const QList<QPair<QString, QStringList>> files = {
        {QStringLiteral("time,"), ProgramLog::header()},
        {QStringLiteral("unit_id,"), StoreReport::csvHeader()},
    };
    int shown = 0;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QString example = line.trimmed();
        for (const auto &[start, header] : files)
            if (line.startsWith(QStringLiteral("    ") + start)) {
                QCOMPARE(example.split(QLatin1Char(',')), header);
                ++shown;
            }
    }
    QVERIFY(shown >= 1);
}

void TestCopies::readmeListsAreTheCode_data()
{
    QTest::addColumn<QString>("line");  // how the README's line starts
    QTest::addColumn<QString>("after"); // the list follows this ("": the line's start),
                                        // to the next ';' or table cell
    QTest::addColumn<QString>("item");  // an item of the list (its first group)
    QTest::addColumn<QStringList>("values");

    const QString quoted = QStringLiteral("`\"([^\"]*)\"`");
    QTest::newRow("profile: tx_power") << "| `tx_power` |"
                                       << "" << quoted << txPowerItems();
    QTest::newRow("profile: rf_speed") << "| `rf_speed` |"
                                       << "" << quoted << rfSpeedTableTexts();
    QTest::newRow("profile: band") << "| `band` |"
                                   << "" << quoted << bandNames();
    QTest::newRow("discover's speeds") << "| `discover` |"
                                       << "line speed:"
                                       << "(\\d+)" << texts(ModuleFinder::speedsToTry());
    QTest::newRow("records list: states") << "| `records list ["
                                          << "`S` one of"
                                          << "`([a-z]+)`" << unitStateNames();
    // "433\|868" in a table's cell; not the default after it.
    QTest::newRow("--band") << "| `--band"
                            << ""
                            << "(\\d+)(?=\\\\\\||`)" << bandNames();
}

// Lists the README writes out (the profile's values, the speeds discover
// tries, the states a unit has) are the code's, in its order.
void TestCopies::readmeListsAreTheCode()
{
    QFETCH(QString, line);
    QFETCH(QString, after);
    QFETCH(QString, item);
    QFETCH(QStringList, values);
    QVERIFY(values.size() >= 2);

    const QString text = readme();
    QVERIFY2(!text.isEmpty(), ZOMAR_README);
    QStringList found;
    int lines = 0;
    for (const QString &l : text.split(QLatin1Char('\n'))) {
        if (!l.startsWith(line))
            continue;
        ++lines;
        const qsizetype at = l.indexOf(after, line.size());
        QVERIFY2(at >= 0, qPrintable(l));
        QString list = l.mid(at + after.size());
        static const QRegularExpression end(QStringLiteral(";|(?<!\\\\)\\|"));
        const QRegularExpressionMatch m = end.match(list);
        if (m.hasMatch())
            list.truncate(m.capturedStart());
        QRegularExpressionMatchIterator it = QRegularExpression(item).globalMatch(list);
        while (it.hasNext())
            found << it.next().captured(1);
    }
    QCOMPARE(lines, 1);
    QCOMPARE(found, values);
}

QTEST_GUILESS_MAIN(TestCopies)
#include "tst_copies.moc"
