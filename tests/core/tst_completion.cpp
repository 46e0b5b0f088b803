// The bash completion the build makes: each option's values are the
// program's own lists, as the code has them now.

#include "core/link/LineSettings.h"
#include "core/protocol/Band.h"
#include "core/protocol/BandPlan.h"
#include "core/store/Unit.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace zomar;

class TestCompletion : public QObject
{
    Q_OBJECT

private slots:
    void valuesComeFromTheCode_data();
    void valuesComeFromTheCode();
};

void TestCompletion::valuesComeFromTheCode_data()
{
    QTest::addColumn<QString>("options"); // the case arm, as the completion has it
    QTest::addColumn<QStringList>("values");

    QTest::newRow("line speeds") << "--baud | --to-baud" << lineSpeedItems();
    QTest::newRow("bands") << "--band" << bandNames();
    QTest::newRow("regions") << "--region" << bandPlanRegions();
    QTest::newRow("unit states") << "--state" << unitStateNames();
}

void TestCompletion::valuesComeFromTheCode()
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

QTEST_GUILESS_MAIN(TestCompletion)
#include "tst_completion.moc"
