#include "tests/support/WindowWalk.h"

#include "gui/capture/CaptureLauncher.h"
#include "gui/capture/CaptureWindow.h"
#include "gui/connection/LinkTestLauncher.h"
#include "gui/dialogs/FindModuleDialog.h"
#include "gui/dialogs/LinkTestDialog.h"
#include "gui/station/PinPrompt.h"
#include "gui/station/SlotTeacher.h"
#include "gui/station/StationSetupDialog.h"
#include "gui/station/StationWindow.h"
#include "gui/widgets/TextFit.h"
#include "gui/window/PageNavigator.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include <cmath>

namespace zomar::test {

namespace {

const QChar kOpen(0x2039);  // ‹
const QChar kClose(0x203A); // ›

QString withoutMnemonic(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

QString describe(const QWidget *w, const QString &text)
{
    return QStringLiteral("%1 %2 in %3: \"%4\"")
        .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(),
             w->window()->objectName().isEmpty() ? w->window()->windowTitle()
                                                 : w->window()->objectName(),
             text);
}

// Where a label's letters are, in its parent's coordinates.
QRect inkOf(const QLabel *label)
{
    const QFontMetrics fm(label->font());
    const QRect box = label->contentsRect();
    const Qt::Alignment align = label->alignment();
    QRect ink;
    if (label->wordWrap() || label->text().contains(QLatin1Char('\n'))) {
        ink = fm.boundingRect(box, int(align) | Qt::TextWordWrap, label->text());
    } else {
        ink = fm.tightBoundingRect(label->text());
        const int width = fm.horizontalAdvance(label->text());
        const int x = align & Qt::AlignRight     ? box.right() + 1 - width
                      : align & Qt::AlignHCenter ? box.left() + (box.width() - width) / 2
                                                 : box.left();
        const int baseline = align & Qt::AlignTop      ? box.top() + fm.ascent()
                             : align & Qt::AlignBottom ? box.bottom() + 1 - fm.descent()
                                                       : box.top() + (box.height() - fm.height()) / 2 +
                                                             fm.ascent();
        ink.translate(x, baseline);
    }
    return ink.intersected(box).translated(label->pos());
}

bool isControl(const QWidget *w)
{
    if (auto *l = qobject_cast<const QLabel *>(w))
        return !l->text().isEmpty();
    return qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QLineEdit *>(w) ||
           qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractSpinBox *>(w) ||
           qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QTabBar *>(w);
}

QList<QWidget *> shownWidgets(QWidget *window)
{
    QList<QWidget *> shown;
    for (QWidget *w : window->findChildren<QWidget *>())
        if (w->window() == window && w->isVisibleTo(window))
            shown << w;
    return shown;
}

void menuTexts(QMenu *menu, const QString &where, QList<std::pair<QString, QString>> &out)
{
    for (QAction *a : menu->actions()) {
        if (a->isSeparator() || !a->isVisible())
            continue;
        out.append({where, a->text()});
        if (a->menu())
            menuTexts(a->menu(), where + QStringLiteral(" > ") + a->text(), out);
    }
}

} // namespace

QString pseudoText(const QString &source)
{
    static const QString plain = QStringLiteral("aeiouycnszgrltdAEIOUYCNSZGRLTD");
    // Accents above the letters: one below would reach into the next row.
    static const QString accented = QStringLiteral("áéíôüýćñšžğŕĺťďÅÉÎÖÛÝĆÑŠŽĞŔĹŤĎ");
    QString out;
    for (int i = 0; i < source.size(); ++i) {
        const QChar c = source.at(i);
        const bool kept = i > 0 && (source.at(i - 1) == QLatin1Char('%') ||
                                    source.at(i - 1) == QLatin1Char('&'));
        const qsizetype at = kept ? -1 : plain.indexOf(c);
        out += at < 0 ? c : accented.at(at);
    }
    // The extra characters as words of up to six, as a longer language has
    // more or longer words.
    for (int extra = int(std::lround(source.size() * 0.4)) - 2; extra > 0; extra -= 7)
        out += QLatin1Char(' ') + QString(std::min(extra - 1, 6), QLatin1Char('~'));
    return kOpen + out + kClose;
}

bool isPseudo(const QString &shown)
{
    return shown.contains(kOpen) && shown.contains(kClose);
}

QString PseudoTranslator::translate(const char *context, const char *source, const char *,
                                    int) const
{
    asked.insert({QString::fromUtf8(context), QString::fromUtf8(source)});
    return pseudoText(QString::fromUtf8(source));
}

AllWindows::AllWindows()
{
    m_form = std::make_unique<FormHarness>(FormHarness::Options::noModule());
    Form1 &form = m_form->form();
    form.setFilePrompter(m_files);
    form.show();
    form.navigator().windowKeyReleased(Qt::Key_F1, Qt::ShiftModifier); // the test pages
    form.linkTest().openLinkTest();
    form.capture().open();
    m_dialogs << form.linkTest().dialog() << form.capture().window();
    auto *find = new FindModuleDialog({}, QStringLiteral("-"), &form);
    find->setAttribute(Qt::WA_DeleteOnClose);
    find->show();
    find->start(); // no port: it says so
    m_dialogs << find;

    m_stationSettings = std::make_unique<AppSettings>(m_dir.filePath(QStringLiteral("s.ini")));
    m_station = std::make_unique<StationWindow>(*m_stationSettings, m_stationMessages, m_files);
    m_station->resize(1024, 700);
    m_station->show();
    for (QDialog *d : std::initializer_list<QDialog *>{
             new StationSetupDialog(StationSetup{}, QString(), m_files, m_station.get()),
             new PinPrompt(PinPrompt::Ask, QStringLiteral("-"), m_station.get()),
             new PinPrompt(PinPrompt::NewPin, QStringLiteral("-"), m_station.get()),
             new SlotTeacher(m_dir.filePath(QStringLiteral("by-path")), {}, m_station.get())}) {
        d->setAttribute(Qt::WA_DeleteOnClose);
        d->show();
        m_dialogs << d;
    }
    for (QWidget *w : dialogs())
        (void)QTest::qWaitForWindowExposed(w); // each test waits for its own
}

AllWindows::~AllWindows()
{
    for (const QPointer<QWidget> &d : m_dialogs)
        if (d)
            d->close();
}

QList<QWidget *> AllWindows::dialogs() const
{
    QList<QWidget *> list{m_station.get()};
    for (const QPointer<QWidget> &d : m_dialogs)
        if (d)
            list << d.data();
    return list;
}

void AllWindows::showPage(int index)
{
    m_form->ui().TabStrip1->setCurrentIndex(index);
}

QStringList textProblems(QWidget *window)
{
    QStringList problems;
    const QList<QWidget *> shown = shownWidgets(window);
    for (QWidget *w : shown) {
        const QFontMetrics fm(w->font());
        if (auto *l = qobject_cast<QLabel *>(w)) {
            if (!labelShowsAll(l))
                problems << QStringLiteral("cut: ") + describe(w, l->text()) +
                                QStringLiteral(" [%1x%2, needs %3 high; window %4x%5]")
                                    .arg(l->width()).arg(l->height())
                                    .arg(l->heightForWidth(l->width()))
                                    .arg(window->width()).arg(window->height());
            if (l->text().contains(QChar(0x2026)))
                problems << QStringLiteral("elided: ") + describe(w, l->text());
        } else if (qobject_cast<QPushButton *>(w) || qobject_cast<QToolButton *>(w)) {
            const QString text = withoutMnemonic(static_cast<QAbstractButton *>(w)->text());
            if (!text.isEmpty() && fm.horizontalAdvance(text) + 6 > w->width())
                problems << QStringLiteral("cut: ") + describe(w, text);
        } else if (auto *edit = qobject_cast<QLineEdit *>(w);
                   edit && edit->text().isEmpty() && !edit->placeholderText().isEmpty() &&
                   !edit->placeholderText().startsWith(QLatin1Char('/'))) {
            // A hint in words (a path as a hint is only as long as the path).
            if (fm.horizontalAdvance(edit->placeholderText()) + 8 > edit->width())
                problems << QStringLiteral("hint cut: ") + describe(w, edit->placeholderText());
        } else if (auto *box = qobject_cast<QCheckBox *>(w)) {
            if (box->sizeHint().width() > box->width())
                problems << QStringLiteral("cut: ") + describe(w, box->text());
        } else if (auto *tabs = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                const QRect r = tabs->tabRect(i);
                if (fm.horizontalAdvance(tabs->tabText(i)) + 6 > r.width() ||
                    r.right() >= tabs->width())
                    problems << QStringLiteral("cut: ") + describe(w, tabs->tabText(i));
            }
        } else if (auto *group = qobject_cast<QGroupBox *>(w)) {
            if (fm.horizontalAdvance(group->title()) + 16 > group->width())
                problems << QStringLiteral("cut: ") + describe(w, group->title());
        } else if (auto *header = qobject_cast<QHeaderView *>(w)) {
            for (int i = 0; i < header->count(); ++i) {
                const QString text =
                    header->model()->headerData(i, header->orientation()).toString();
                if (!header->isSectionHidden(i) &&
                    fm.horizontalAdvance(text) + 6 > header->sectionSize(i))
                    problems << QStringLiteral("cut: ") + describe(w, text);
            }
        }
    }
    // Texts covering one another: siblings' letters and boxes.
    for (int i = 0; i < shown.size(); ++i) {
        QWidget *a = shown.at(i);
        if (!isControl(a))
            continue;
        for (int j = i + 1; j < shown.size(); ++j) {
            QWidget *b = shown.at(j);
            if (b->parentWidget() != a->parentWidget() || !isControl(b))
                continue;
            const auto place = [](QWidget *w) {
                auto *l = qobject_cast<QLabel *>(w);
                return l ? inkOf(l) : w->geometry();
            };
            // A pixel's touch is the design's own (a label just above its box).
            if (place(a).adjusted(1, 1, -1, -1).intersects(place(b)))
                problems << QStringLiteral("overlap: %1 and %2 (%3,%4 %5x%6 and %7,%8 %9x%10)")
                                .arg(describe(a, QString()), describe(b, QString()))
                                .arg(place(a).x()).arg(place(a).y()).arg(place(a).width())
                                .arg(place(a).height()).arg(place(b).x()).arg(place(b).y())
                                .arg(place(b).width()).arg(place(b).height());
        }
    }
    if (auto *bar = window->findChild<QMenuBar *>(QString(), Qt::FindDirectChildrenOnly)) {
        for (QAction *a : bar->actions()) {
            const QRect r = bar->actionGeometry(a);
            if (a->isVisible() && (r.isEmpty() || r.right() >= bar->width()))
                problems << QStringLiteral("menu hidden: ") + describe(bar, a->text());
        }
    }
    return problems;
}

QList<std::pair<QString, QString>> shownTexts(QWidget *window)
{
    QList<std::pair<QString, QString>> out;
    out.append({QStringLiteral("title"), window->windowTitle()});
    for (QWidget *w : shownWidgets(window)) {
        const QString where = describe(w, QString());
        if (auto *l = qobject_cast<QLabel *>(w))
            out.append({where, l->text()});
        else if (auto *b = qobject_cast<QAbstractButton *>(w))
            out.append({where, b->text()});
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            out.append({where, group->title()});
        else if (auto *edit = qobject_cast<QLineEdit *>(w); edit && edit->text().isEmpty())
            out.append({where, edit->placeholderText()});
        else if (auto *spin = qobject_cast<QAbstractSpinBox *>(w))
            out.append({where, spin->text()});
        if (auto *tabs = qobject_cast<QTabBar *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                out.append({where, tabs->tabText(i)});
        if (auto *header = qobject_cast<QHeaderView *>(w))
            for (int i = 0; i < header->count(); ++i)
                out.append({where, header->model()->headerData(i, header->orientation()).toString()});
    }
    if (auto *bar = window->findChild<QMenuBar *>(QString(), Qt::FindDirectChildrenOnly))
        for (QAction *a : bar->actions()) {
            out.append({QStringLiteral("menu bar"), a->text()});
            if (a->menu())
                menuTexts(a->menu(), a->text(), out);
        }
    return out;
}

} // namespace zomar::test
