// The copies of facts made for users, against their one home: the bash
// completion the build makes (each option's values are the program's own
// lists) and the CSV headers the README shows.

#include "core/line/ProgramLog.h"
#include "core/link/LineSettings.h"
#include "core/protocol/Band.h"
#include "core/protocol/BandPlan.h"
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
};

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
    QFile readme(QStringLiteral(ZOMAR_README));
    QVERIFY(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll());
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

QTEST_GUILESS_MAIN(TestCopies)
#include "tst_copies.moc"
