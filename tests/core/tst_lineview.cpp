// The supervisor's shift: which shift a moment falls in (the night shift
// crosses midnight), and the --shifts text read or refused; a unit written
// without a JSON tree as Qt writes it.

#include "core/lineview/LineView.h"
#include "core/lineview/UnitJson.h"
#include "core/store/StoreReport.h"

#include <QJsonDocument>

#include <QtTest>

using namespace zomar;

class TstLineView : public QObject
{
    Q_OBJECT
private slots:
    void shiftStart_data();
    void shiftStart();
    void parseShifts_data();
    void parseShifts();
    void unitWrittenAsQtWrites_data();
    void unitWrittenAsQtWrites();
};

void TstLineView::shiftStart_data()
{
    QTest::addColumn<QString>("starts");
    QTest::addColumn<QString>("now");
    QTest::addColumn<QString>("start");
    const QString three = QStringLiteral("06:00,14:00,22:00");
    QTest::newRow("morning") << three << "2026-12-09T09:30" << "2026-12-09T06:00";
    QTest::newRow("at a change") << three << "2026-12-09T14:00" << "2026-12-09T14:00";
    QTest::newRow("a second before") << three << "2026-12-09T13:59:59" << "2026-12-09T06:00";
    QTest::newRow("night, before midnight") << three << "2026-12-09T23:10" << "2026-12-09T22:00";
    QTest::newRow("night, after midnight") << three << "2026-12-10T03:00" << "2026-12-09T22:00";
    QTest::newRow("New Year's night") << three << "2027-01-01T01:00" << "2026-12-31T22:00";
    QTest::newRow("one shift a day") << "07:30" << "2026-12-09T07:00" << "2026-12-08T07:30";
    QTest::newRow("starts in any order") << "22:00,06:00,14:00" << "2026-12-09T15:00"
                                         << "2026-12-09T14:00";
}

void TstLineView::shiftStart()
{
    QFETCH(QString, starts);
    QFETCH(QString, now);
    QFETCH(QString, start);
    QString error;
    const std::optional<QList<QTime>> parsed = LineView::parseShifts(starts, &error);
    QVERIFY2(parsed, qPrintable(error));
    const QDateTime at = QDateTime::fromString(now, Qt::ISODate); // local time
    QCOMPARE(LineView::shiftStart(*parsed, at), QDateTime::fromString(start, Qt::ISODate));
}

void TstLineView::parseShifts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::newRow("three") << "06:00, 14:00,22:00" << 3;
    QTest::newRow("nothing") << "" << -1;
    QTest::newRow("hours only") << "6,14" << -1;
    QTest::newRow("past midnight") << "24:00" << -1;
    QTest::newRow("a word") << "06:00,noon" << -1;
}

void TstLineView::parseShifts()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QString error;
    const std::optional<QList<QTime>> parsed = LineView::parseShifts(text, &error);
    QCOMPARE(parsed ? int(parsed->size()) : -1, count);
    QCOMPARE(error.isEmpty(), count >= 0);
}

void TstLineView::unitWrittenAsQtWrites_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("withPool");
    QTest::newRow("plain") << "line-1" << true;
    QTest::newRow("markup") << "<img src=x onerror=alert(1)>" << false;
    QTest::newRow("quotes and slashes") << "a \"b\" \\c/d" << true;
    QTest::newRow("controls") << QString::fromUtf8("t\tn\nr\rb\bf\f\x01\x1f\x7f") << true;
    QTest::newRow("not ASCII") << QString::fromUtf8("Prüfplatz 3 – 東京 😀") << false;
}

void TstLineView::unitWrittenAsQtWrites()
{
    QFETCH(QString, text);
    QFETCH(bool, withPool);
    UnitRow u;
    u.unitId = QStringLiteral("5f0c");
    u.state = UnitState::Fail;
    u.station = u.operatorName = u.message = u.failure = u.productSerial = text;
    u.local = 0x1234;
    u.poolId = withPool ? std::optional<qint64>(7) : std::nullopt;
    u.runId = 123456789;
    u.packetSent = withPool;
    QByteArray written;
    appendUnitJson(written, u);
    QCOMPARE(written, QJsonDocument(unitJson(u)).toJson(QJsonDocument::Compact));
}

QTEST_GUILESS_MAIN(TstLineView)
#include "tst_lineview.moc"
