// Keyboard, screen reader and contrast, with real key and mouse events:
// the setup window's Tab order is its controls' tab indexes, the station
// setup's runs down its form; in every language each mnemonic of a dialog,
// menu bar or menu is its own and Alt+letter reaches the field it names;
// every control a screen reader lands on has a name; disabled buttons say
// why; and the station setup's fields take clicks whatever the profile.

#include "core/settings/InterfaceLanguage.h"
#include "gui/connection/LinkTestLauncher.h"
#include "gui/dialogs/LinkTestDialog.h"
#include "gui/language/Translations.h"
#include "gui/station/PinPrompt.h"
#include "gui/station/SlotTeacher.h"
#include "gui/station/StationSetupDialog.h"
#include "gui/station/StationWindow.h"
#include "gui/widgets/DropDownBox.h"
#include "gui/window/MenuBar.h"
#include "tests/support/WindowWalk.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractScrollArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using namespace zomar;
using namespace zomar::test;

namespace {

// The control the focus is in, as named in the window (a drop-down's line
// edit stands for its box).
QString focused(QWidget *window, const QSet<QString> &names)
{
    for (QWidget *w = QApplication::focusWidget(); w && w != window; w = w->parentWidget())
        if (names.contains(w->objectName()))
            return w->objectName();
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

QStringList tabThrough(QWidget *window, const QStringList &expected)
{
    const QSet<QString> names(expected.cbegin(), expected.cend());
    QStringList seen{focused(window, names)};
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << focused(window, names);
    }
    return seen;
}

struct Mnemonic {
    QString text;
    QWidget *target; // a label's buddy, or the button itself
    bool label;
};

// The mnemonics a dialog's keyboard reaches: labels with a buddy and buttons.
QList<Mnemonic> mnemonicsOf(QWidget *dialog)
{
    QList<Mnemonic> out;
    for (QWidget *w : dialog->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(dialog))
            continue;
        auto *label = qobject_cast<QLabel *>(w);
        auto *button = qobject_cast<QAbstractButton *>(w);
        const QString text = label && label->buddy() ? label->text() : button ? button->text() : QString();
        if (!QKeySequence::mnemonic(text).isEmpty())
            out.append({text, label ? label->buddy() : w, label != nullptr});
    }
    return out;
}

QString clash(const QStringList &texts)
{
    QHash<QKeySequence, QString> seen;
    for (const QString &t : texts) {
        const QKeySequence key = QKeySequence::mnemonic(t);
        if (key.isEmpty())
            continue;
        if (seen.contains(key))
            return seen.value(key) + QStringLiteral(" and ") + t;
        seen.insert(key, t);
    }
    return {};
}

QString menuClashes(QMenuBar *bar, const QStringList &windowLevel)
{
    QStringList top = windowLevel;
    for (QAction *a : bar->actions())
        top << a->text();
    if (const QString c = clash(top); !c.isEmpty())
        return c;
    QList<QMenu *> menus;
    for (QAction *a : bar->actions())
        if (a->menu())
            menus << a->menu();
    while (!menus.isEmpty()) {
        QMenu *m = menus.takeFirst();
        QStringList texts;
        for (QAction *a : m->actions()) {
            texts << a->text();
            if (a->menu())
                menus << a->menu();
        }
        if (const QString c = clash(texts); !c.isEmpty())
            return c;
    }
    return {};
}

} // namespace

class TstAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void setupWindowTabsInItsTabIndexOrder();
    void stationSetupTabsDownItsForm();
    void mnemonicsInEveryLanguage_data();
    void mnemonicsInEveryLanguage();
    void everyControlHasAName();
    void disabledButtonsSayWhy();
    void stationSetupFieldsTakeClicks_data();
    void stationSetupFieldsTakeClicks();
};

void TstAccessibility::cleanup()
{
    installLanguage(kSourceLanguage);
}

void TstAccessibility::setupWindowTabsInItsTabIndexOrder()
{
    FormHarness h;
    h.form().show();
    QVERIFY(QTest::qWaitForWindowActive(&h.form()));
    QVERIFY(h.connectAndRead(VirtualModule::factoryConfiguration()));
    h.ui().Command7->setFocus();
    // The modem page's controls by tab index: Connect 0, the fields 1..9,
    // Set 11, Refresh 12, the tab strip 13, Tx Power 55, RF TX Speed 68,
    // Band 71, Reset Defaults 73; then Connect again.
    const QStringList modem = {"Command7", "Text1",  "Text2",     "Text3",  "Text4",  "Text5",
                               "Text6",    "Text7",  "Text8",     "Text9",  "Command2",
                               "Command3", "TabStrip1", "Text10", "Combo5", "Combo6",
                               "Command6", "Command7"};
    QCOMPARE(tabThrough(&h.form(), modem.mid(0, modem.size() - 1)), modem);
    h.ui().TabStrip1->setCurrentIndex(1);
    h.ui().Command7->setFocus();
    // Comms page: Baud Rate 24, Comm Port 25.
    const QStringList comms = {"Command7", "TabStrip1", "Combo2", "Combo1", "Command7"};
    QCOMPARE(tabThrough(&h.form(), comms.mid(0, comms.size() - 1)), comms);
}

void TstAccessibility::stationSetupTabsDownItsForm()
{
    AnsweringFiles files;
    StationSetupDialog dialog(StationSetup{}, QString(), files);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.findChild<QWidget *>("station")->setFocus();
    const QStringList order = {"station", "profile",     "browseProfile", "localFrom", "step",
                               "store",   "browseStore", "baud",          "region",    "language",
                               "slotFolder", "slots",    "teach",         "removeSlot", "label",
                               "labelTemplate", "browseLabelTemplate", "serialPattern", "setPin",
                               "clearPin"};
    QCOMPARE(tabThrough(&dialog, order.mid(0, order.size() - 1)), order);
}

void TstAccessibility::mnemonicsInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const InterfaceLanguage &l : interfaceLanguages())
        QTest::newRow(qPrintable(l.code)) << l.code;
}

void TstAccessibility::mnemonicsInEveryLanguage()
{
    QFETCH(QString, language);
    QVERIFY(installLanguage(language));
    QTemporaryDir dir;
    AnsweringFiles files;
    RecordingPrompter messages;
    AppSettings settings(dir.filePath("s.ini"));
    StationWindow station(settings, messages, files);
    FormHarness h(FormHarness::Options::noModule());
    QString c = menuClashes(h.form().menuBar().widget(), {});
    QVERIFY2(c.isEmpty(), qPrintable(c));
    QLabel *operatorLabel = station.findChild<QLabel *>("operatorLabel");
    c = menuClashes(station.menuBar(), {operatorLabel->text()});
    QVERIFY2(c.isEmpty(), qPrintable(c));

    LinkTestDialog link({}, 38400, Band::Mhz433, [](const QString &s) { return s; },
                        [] { return QString(); }, files);
    StationSetupDialog setup(StationSetup{}, QString(), files);
    PinPrompt pin(PinPrompt::NewPin, "-");
    SlotTeacher teacher(dir.filePath("by-path"), {});
    for (QDialog *d : std::initializer_list<QDialog *>{&link, &setup, &pin, &teacher}) {
        d->show();
        QVERIFY(QTest::qWaitForWindowActive(d));
        const QList<Mnemonic> all = mnemonicsOf(d);
        QStringList texts;
        for (const Mnemonic &m : all)
            texts << m.text;
        c = clash(texts);
        QVERIFY2(c.isEmpty(), qPrintable(d->windowTitle() + ": " + c));
        // Alt+letter of each label takes the keyboard to its field.
        for (const Mnemonic &m : all) {
            if (!m.label)
                continue; // a button would act, not take the focus
            QTest::keySequence(d, QKeySequence::mnemonic(m.text));
            QWidget *want = m.target->focusProxy() ? m.target->focusProxy() : m.target;
            QWidget *got = QApplication::focusWidget();
            QVERIFY2(got && (got == want || want->isAncestorOf(got) || got->focusProxy() == want),
                     qPrintable(QStringLiteral("%1: %2 went to %3")
                                    .arg(d->windowTitle(), m.text,
                                         got ? got->objectName() : QStringLiteral("nothing"))));
        }
        d->hide();
    }
}

void TstAccessibility::everyControlHasAName()
{
    AllWindows all;
    QList<QWidget *> windows = all.dialogs();
    windows.prepend(&all.form().form());
    QStringList nameless;
    for (int page = 0; page < 4; ++page) {
        all.showPage(page);
        for (QWidget *window : windows) {
            for (QWidget *w : window->findChildren<QWidget *>()) {
                if (!w->isVisibleTo(window) || !(w->focusPolicy() & Qt::TabFocus) ||
                    w->focusProxy() || qobject_cast<QAbstractScrollArea *>(w->parentWidget()))
                    continue;
                QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
                // A drop-down's name on Linux is its text; its label comes
                // through a relation (AT-SPI's labelled-by).
                const bool labelled =
                    a && !a->relations(QAccessible::Label).isEmpty();
                const bool named = a && !a->text(QAccessible::Name).trimmed().isEmpty() &&
                                   (!qobject_cast<QComboBox *>(w) || labelled);
                if (!named)
                    nameless << QStringLiteral("%1 %2 in %3")
                                    .arg(w->metaObject()->className(), w->objectName(),
                                         window->windowTitle());
            }
        }
    }
    nameless.removeDuplicates();
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join('\n')));
}

void TstAccessibility::disabledButtonsSayWhy()
{
    FormHarness h;
    Form1Controls &ui = h.ui();
    for (QWidget *b : std::initializer_list<QWidget *>{ui.Command2, ui.Command3, ui.Command6,
                                                        ui.Command5, ui.Command13}) {
        QVERIFY(!b->isEnabled());
        QVERIFY2(!b->toolTip().isEmpty(), qPrintable(b->objectName()));
        QCOMPARE(b->accessibleDescription(), b->toolTip());
    }
    QVERIFY(h.connectAndRead(VirtualModule::factoryConfiguration()));
    for (QWidget *b : std::initializer_list<QWidget *>{ui.Command2, ui.Command3, ui.Command6}) {
        QVERIFY(b->isEnabled());
        QCOMPARE(b->toolTip(), QString());
    }
    // A tip of its own comes back once enabled; the design's stay as they are.
    QCOMPARE(ui.Command8->toolTip(), QString("Exit AT Mode"));
}

void TstAccessibility::stationSetupFieldsTakeClicks_data()
{
    QTest::addColumn<QString>("profile");
    QTest::newRow("no profile") << "";
    QTest::newRow("missing profile") << "missing.json";
    QTest::newRow("broken profile") << "broken.json";
}

void TstAccessibility::stationSetupFieldsTakeClicks()
{
    QFETCH(QString, profile);
    QTemporaryDir dir;
    QFile broken(dir.filePath("broken.json"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("{\"format\": \"zomar-profile\", \"version\": 1, \"band\": 5,\n \"oops\"");
    broken.close();
    AnsweringFiles files;
    StationSetupDialog dialog(StationSetup{}, dir.filePath("station.json"), files);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    auto *profileField = dialog.findChild<QLineEdit *>("profile");
    auto *from = dialog.findChild<QLineEdit *>("localFrom");
    profileField->setFocus();
    QTest::keyClicks(profileField, profile);
    QTest::mouseClick(from, Qt::LeftButton, {}, QPoint(from->width() / 2, from->height() / 2));
    QCOMPARE(QApplication::focusWidget(), from);
    QTest::keyClicks(from, "C0");
    QCOMPARE(from->text(), QString("C0"));
    QCOMPARE(profileField->text(), profile);
    // The note under the profile stays within its own row.
    auto *note = dialog.findChild<QLabel *>("profileNote");
    const QRect noteBox(note->mapTo(&dialog, QPoint(0, 0)), note->size());
    const QRect fromBox(from->mapTo(&dialog, QPoint(0, 0)), from->size());
    QVERIFY(!noteBox.intersects(fromBox));
}

QTEST_MAIN(TstAccessibility)
#include "tst_accessibility.moc"
