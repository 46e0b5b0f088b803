// Characters typed into the terminal's TX box that are not plain keys: a
// character has one byte on the line, its code when that fits in a byte and
// "?" otherwise, whether it came as a key press or from an input method, and
// however many UTF-16 units it takes.

#include "gui/widgets/TypingBox.h"
#include "tests/support/FormHarness.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QTest>

using namespace zomar;
using namespace zomar::test;

class TestTypedCharacters : public QObject
{
    Q_OBJECT
private slots:
    void oneBytePerCharacter_data();
    void oneBytePerCharacter();
};

void TestTypedCharacters::oneBytePerCharacter_data()
{
    QTest::addColumn<bool>("inputMethod"); // else a key press with that text
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("sent");

    const QString grinning = QString::fromUcs4(U"\U0001F600"); // two UTF-16 units
    const QString zhong = QString::fromUcs4(U"\u4E2D");
    const QString eAcute = QString::fromUcs4(U"\u00E9");
    QTest::newRow("emoji key") << false << grinning << QByteArray("?");
    QTest::newRow("emoji from an input method") << true << grinning << QByteArray("?");
    QTest::newRow("CJK key") << false << zhong << QByteArray("?");
    QTest::newRow("CJK from an input method") << true << zhong << QByteArray("?");
    QTest::newRow("Latin-1 key") << false << eAcute << QByteArray("\xE9");
    QTest::newRow("Latin-1 from an input method") << true << eAcute << QByteArray("\xE9");
    QTest::newRow("mixed commit") << true << QString("a" + grinning + zhong + "b")
                                  << QByteArray("a??b");
}

void TestTypedCharacters::oneBytePerCharacter()
{
    QFETCH(bool, inputMethod);
    QFETCH(QString, text);
    QFETCH(QByteArray, sent);
    FormHarness h;
    QVERIFY(h.connectAndRead(VirtualModule::factoryConfiguration()));
    TypingBox *box = h.ui().Text14;

    if (inputMethod) {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(box, &commit);
    } else {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(box, &press);
        QApplication::sendEvent(box, &release);
    }
    QTRY_COMPARE(h.module().receivedBytes().toHex(' '), sent.toHex(' '));
    QTest::qWait(100); // nothing more follows
    QCOMPARE(h.module().receivedBytes().toHex(' '), sent.toHex(' '));
    // The box shows the character itself.
    QCOMPARE(box->text(), text);
}

QTEST_MAIN(TestTypedCharacters)
#include "tst_typedcharacters.moc"
