// Layout of the window: every control with its design name, text, place
// (in twips, 15 twips to a pixel), tab index, state, font and colours. The
// texts are translated; a translation that does not fit a control's place
// takes the free room around it, more lines or smaller print (TextFit).

#include "gui/widgets/DropDownBox.h"
#include "gui/widgets/TextFit.h"
#include "gui/window/Form1Controls.h"
#include "gui/window/Form1Description.h"
#include "gui/widgets/TrafficView.h"
#include "gui/widgets/TypingBox.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>

#include <algorithm>
#include <vector>

namespace zomar {

namespace {

constexpr int kTwipsPerPixel = 15;

int px(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

QRect twips(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

// Font sizes are given in points at 96 dpi and set in pixels, so the text
// keeps its proportion to the twip-placed controls whatever the screen dpi.
QFont courier(double points, bool bold = false)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(qRound(points * 96.0 / 72.0));
    font.setBold(bold);
    return font;
}

const QColor kPageBackground(0xFC, 0xFC, 0xFC);
const QString kReceiveColour = QStringLiteral("#000088");
const QString kTransmitColour = QStringLiteral("#008800");
const QString kRepeaterTxColour = QStringLiteral("#FF0000");
const QString kRepeaterRxColour = QStringLiteral("#10CC00");

QString translated(const char *text)
{
    return QCoreApplication::translate("Form1", text);
}

// The frame and its pages keep their light background in any desktop theme,
// so what is drawn on them takes the dark text of a light palette: a dark
// theme's light text would be unreadable there.
QPalette panelPalette()
{
    QPalette palette(QColor(0xEF, 0xEF, 0xEF), kPageBackground);
    palette.setColor(QPalette::PlaceholderText, QColor(0x6E, 0x6E, 0x6E));
    palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xDC));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    return palette;
}

class Builder
{
public:
    struct Focusable {
        int tabIndex;
        QWidget *widget;
    };

    template <typename W> W *place(W *widget, const char *name, QRect rect, int tabIndex)
    {
        widget->setObjectName(QString::fromLatin1(name));
        // Set on each control: a style sheet on a container stops inheritance.
        widget->setFont(courier(9.75));
        widget->setGeometry(rect);
        if (widget->focusPolicy() != Qt::NoFocus)
            m_focusables.push_back({tabIndex, widget});
        return widget;
    }

    // `text` is translated (marked with QT_TRANSLATE_NOOP("Form1", ...)) unless
    // it is a figure.
    QLabel *label(QWidget *parent, const char *name, const QString &text, QRect rect, int tab,
                  const QString &colour = {})
    {
        auto *l = place(new QLabel(text, parent), name, rect, tab);
        if (!colour.isEmpty()) {
            QPalette palette = l->palette();
            palette.setColor(QPalette::WindowText, QColor(colour));
            l->setPalette(palette);
        }
        m_labels.push_back(l);
        return l;
    }

    QLineEdit *textBox(QWidget *parent, const char *name, const char *text, QRect rect, int tab)
    {
        return place(new QLineEdit(QString::fromLatin1(text), parent), name, rect, tab);
    }

    QLineEdit *valueField(QWidget *parent, const char *name, const char *text, QRect rect, int tab)
    {
        auto *box = textBox(parent, name, text, rect, tab);
        box->setFont(courier(10.5, true));
        box->setStyleSheet(QStringLiteral("QLineEdit { background: black; color: #FFFF00;"
                                          " font: bold %1px \"Courier New\"; }")
                               .arg(box->font().pixelSize()));
        return box;
    }

    DropDownBox *dropDown(QWidget *parent, const char *name, const char *text, QRect rect, int tab,
                          bool listStyle)
    {
        auto *box = place(new DropDownBox(parent), name, rect, tab);
        box->setTextQuietly(QString::fromLatin1(text));
        if (listStyle) {
            box->setFont(courier(11.25, true));
            box->setStyleSheet(
                QStringLiteral("QComboBox, QComboBox QLineEdit { background: black; color: #FFFF00;"
                               " font: bold %1px \"Courier New\"; }"
                               "QComboBox QAbstractItemView { background: black; color: #FFFF00;"
                               " selection-background-color: #606000; }")
                    .arg(box->font().pixelSize()));
        }
        return box;
    }

    QPushButton *button(QWidget *parent, const char *name, const QString &caption, QRect rect,
                        int tab, bool enabled = true)
    {
        auto *b = place(new QPushButton(caption, parent), name, rect, tab);
        b->setEnabled(enabled);
        b->setAutoDefault(false);
        return b;
    }

    template <typename V>
    V *trafficBox(QWidget *parent, const char *name, QRect rect, int tab, const QString &colour,
                  double points)
    {
        auto *box = place(new V(parent), name, rect, tab);
        box->setFont(courier(points));
        box->setStyleSheet(QStringLiteral("color: %1; font: %2px \"Courier New\";")
                               .arg(colour)
                               .arg(box->font().pixelSize()));
        return box;
    }

    QWidget *page(QWidget *frame, const char *name, int tab)
    {
        auto *p = place(new QWidget(frame), name, twips(120, 240, 5412, 5292), tab);
        p->setAutoFillBackground(true);
        p->setStyleSheet(QStringLiteral("QWidget#%1 { background: %2; }")
                             .arg(QString::fromLatin1(name), kPageBackground.name()));
        return p;
    }

    // Keyboard focus moves in increasing tab index.
    void applyTabOrder()
    {
        std::stable_sort(
            m_focusables.begin(), m_focusables.end(),
            [](const Focusable &a, const Focusable &b) { return a.tabIndex < b.tabIndex; });
        for (size_t i = 1; i < m_focusables.size(); ++i)
            QWidget::setTabOrder(m_focusables[i - 1].widget, m_focusables[i].widget);
    }

    // Each label's whole text, as placed or in the room around it. Left to
    // right, top to bottom, so a label that grows is seen by those after it.
    void fitLabels()
    {
        for (QLabel *l : m_labels)
            fitLabel(l, freeRoom(l));
    }

private:
    std::vector<Focusable> m_focusables;
    std::vector<QLabel *> m_labels;
};

// The tab strip's print, smaller only when the captions of all four tabs
// (the test tabs come and go) would not fit side by side.
void fitTabStrip(QTabBar *strip, int width)
{
    for (int size = 13; size >= kSmallestFitPixelSize; --size) {
        strip->setStyleSheet(QStringLiteral("QTabBar { font: %1px \"Courier New\"; }"
                                            " QTabBar::tab { padding: 3px 6px; }")
                                 .arg(size));
        strip->ensurePolished();
        if (strip->sizeHint().width() <= width)
            return;
    }
}


} // namespace

Form1Controls buildForm1(QWidget *form)
{
    Form1Controls c;
    Builder b;
    form->setFont(courier(9.75));
    form->setFixedSize(px(6375), px(7020));

    // Tab strip with its four designed tabs; the frame lies over its client area.
    c.TabStrip1 = b.place(new QTabBar(form), "TabStrip1", twips(120, 120, 6132, 360), 13);
    c.TabStrip1->setDrawBase(false);
    c.TabStrip1->setExpanding(false);
    c.TabStrip1->setUsesScrollButtons(false);
    for (const char *caption :
         {QT_TRANSLATE_NOOP("Form1", "Modem Setup"), QT_TRANSLATE_NOOP("Form1", "Comms Port Setup"),
          QT_TRANSLATE_NOOP("Form1", "Terminal"), QT_TRANSLATE_NOOP("Form1", "Repeater")})
        c.TabStrip1->addTab(translated(caption));
    fitTabStrip(c.TabStrip1, px(6132));
    const int tabHeight = c.TabStrip1->sizeHint().height();
    c.TabStrip1->resize(px(6132), tabHeight);
    const QRect strip = twips(120, 120, 6132, 6492);
    c.TabStripPane = new QFrame(form);
    c.TabStripPane->setObjectName(QStringLiteral("TabStripPane"));
    c.TabStripPane->setFrameShape(QFrame::StyledPanel);
    c.TabStripPane->setGeometry(strip.left(), strip.top() + tabHeight - 1, strip.width(),
                                strip.height() - tabHeight + 1);
    c.TabStrip1->raise();

    c.Frame2 = b.place(new QGroupBox(translated(QT_TRANSLATE_NOOP("Form1", "Terminal")), form), "Frame2",
                       twips(360, 600, 5652, 5652), 15);
    c.Frame2->setPalette(panelPalette());
    c.Frame2->setAutoFillBackground(true);
    c.Frame2->setStyleSheet(
        QStringLiteral("QGroupBox#Frame2 { background: %1; font: 13px \"Courier New\"; }"
                       "QGroupBox#Frame2::title { subcontrol-origin: margin;"
                       " left: 8px; padding: 0 3px; }")
            .arg(kPageBackground.name()));

    c.TermPic = b.page(c.Frame2, "TermPic", 16);
    c.CommsPic = b.page(c.Frame2, "CommsPic", 22);
    c.ModemPic = b.page(c.Frame2, "ModemPic", 29);
    c.RepeaterPic = b.page(c.Frame2, "RepeaterPic", 56);

    c.Command7 =
        b.button(form, "Command7", translated(QT_TRANSLATE_NOOP("Form1", "Connect")), twips(4320, 6240, 1695, 310), 0);

    c.StatusBar1 = b.place(new QStatusBar(form), "StatusBar1", twips(0, 6648, 6372, 372), 14);
    c.StatusBar1->setSizeGripEnabled(false);
    c.StatusBar1->setFont(courier(9));
    c.StatusPanel1 = new FittedLabel(c.StatusBar1);
    c.StatusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    c.StatusPanel1->setLargestFont(courier(9));
    c.StatusPanel1->setAccessibleName(translated(QT_TRANSLATE_NOOP("Form1", "Status")));
    c.StatusBar1->addWidget(c.StatusPanel1, 1);

    // Modem page.
    QWidget *m = c.ModemPic;
    c.Label1 = b.label(m, "Label1", translated(QT_TRANSLATE_NOOP("Form1", "Destination Address")),
                       twips(480, 240, 1575, 255), 37);
    c.Text1 = b.valueField(m, "Text1", "??", twips(2040, 240, 540, 360), 1);
    c.Text2 = b.valueField(m, "Text2", "??", twips(2640, 240, 540, 360), 2);
    c.Text3 = b.valueField(m, "Text3", "??", twips(3240, 240, 540, 360), 3);
    c.Text4 = b.valueField(m, "Text4", "??", twips(3840, 240, 540, 360), 4);
    const QString hexHint = translated(QT_TRANSLATE_NOOP("Form1", "0-FF Hex"));
    c.Label13 = b.label(m, "Label13", hexHint, twips(4440, 240, 735, 255), 31);
    c.Label2 = b.label(m, "Label2", translated(QT_TRANSLATE_NOOP("Form1", "Local Address")),
                       twips(480, 720, 1455, 255), 36);
    c.Text5 = b.valueField(m, "Text5", "??", twips(2040, 720, 540, 372), 5);
    c.Text6 = b.valueField(m, "Text6", "??", twips(2640, 720, 540, 372), 6);
    c.Text7 = b.valueField(m, "Text7", "??", twips(3240, 720, 540, 372), 7);
    c.Text8 = b.valueField(m, "Text8", "??", twips(3840, 720, 540, 372), 8);
    c.Label14 = b.label(m, "Label14", hexHint, twips(4440, 720, 735, 255), 30);
    c.Label30 = b.label(m, "Label30", translated(QT_TRANSLATE_NOOP("Form1", "Band")),
                        twips(480, 1440, 1455, 255), 72);
    c.Combo6 = b.dropDown(m, "Combo6", "?", twips(2040, 1440, 1335, 375), 71, true);
    c.Label5 = b.label(m, "Label5", translated(QT_TRANSLATE_NOOP("Form1", "Select Freq Band ")),
                       twips(3480, 1440, 1575, 255), 76);
    c.Label3 = b.label(m, "Label3", translated(QT_TRANSLATE_NOOP("Form1", "RF Frequency")),
                       twips(480, 2160, 1455, 255), 35);
    c.Text9 = b.valueField(m, "Text9", "?", twips(2040, 2160, 1140, 360), 9);
    c.Label7 = b.label(m, "Label7", translated(QT_TRANSLATE_NOOP("Form1", "MHz")),
                       twips(3360, 2160, 1455, 255), 32);
    // The two bands' ranges are figures, the same in every language.
    c.Label31 = b.label(m, "Label31", QStringLiteral("430.24-439.75"), twips(3840, 2160, 1575, 255), 74);
    c.Label32 = b.label(m, "Label32", QStringLiteral("860.48-879.51"), twips(3840, 2400, 1575, 255), 75);
    c.Label4 = b.label(m, "Label4", translated(QT_TRANSLATE_NOOP("Form1", "Tx Power")),
                       twips(480, 2880, 1575, 255), 34);
    c.Text10 = b.dropDown(m, "Text10", "?", twips(2040, 2880, 1815, 375), 55, true);
    c.Label28 = b.label(m, "Label28", translated(QT_TRANSLATE_NOOP("Form1", "RF TX Speed")),
                        twips(480, 3600, 1575, 495), 69);
    c.Combo5 = b.dropDown(m, "Combo5", "?", twips(2040, 3600, 1815, 375), 68, true);
    c.Label29 = b.label(m, "Label29", translated(QT_TRANSLATE_NOOP("Form1", "BPS")),
                        twips(4080, 3720, 735, 255), 70);
    c.Command2 = b.button(m, "Command2", translated(QT_TRANSLATE_NOOP("Form1", "Set")),
                          twips(360, 4440, 1215, 495), 11, false);
    c.Command6 = b.button(m, "Command6", translated(QT_TRANSLATE_NOOP("Form1", "Reset Defaults")),
                          twips(2160, 4440, 1335, 495), 73, false);
    c.Command3 = b.button(m, "Command3", translated(QT_TRANSLATE_NOOP("Form1", "Refresh")),
                          twips(3960, 4440, 1095, 495), 12, false);
    for (QLineEdit *box : c.addressBoxes())
        box->setMaxLength(2);

    // Comms page.
    QWidget *p = c.CommsPic;
    c.Label11 = b.label(p, "Label11", translated(QT_TRANSLATE_NOOP("Form1", "Comm Port")),
                        twips(1680, 1920, 1092, 252), 28);
    c.Combo1 = b.dropDown(p, "Combo1", "", twips(2880, 1920, 972, 360), 25, false);
    c.Label15 = b.label(p, "Label15", translated(QT_TRANSLATE_NOOP("Form1", "Baud Rate")),
                        twips(1680, 2400, 1092, 252), 27);
    c.Combo2 = b.dropDown(p, "Combo2", "", twips(2880, 2400, 972, 360), 24, false);

    // Terminal page.
    QWidget *t = c.TermPic;
    const QString rx = translated(QT_TRANSLATE_NOOP("Form1", "RX"));
    const QString tx = translated(QT_TRANSLATE_NOOP("Form1", "TX"));
    c.Label19 = b.label(t, "Label19", rx, twips(0, 50, 372, 252), 39, kReceiveColour);
    c.Text13 =
        b.trafficBox<TrafficView>(t, "Text13", twips(0, 240, 5412, 3492), 21, kReceiveColour, 9);
    c.Label18 = b.label(t, "Label18", tx, twips(0, 3770, 372, 252), 38, kTransmitColour);
    c.Text14 =
        b.trafficBox<TypingBox>(t, "Text14", twips(0, 3960, 5412, 732), 20, kTransmitColour, 9);
    // The design box of "Send Speed" runs under the period box: it ends
    // before the box, growing to the left.
    c.Label17 = b.label(t, "Label17", translated(QT_TRANSLATE_NOOP("Form1", "Send Speed")),
                        twips(960, 4920, 1095, 255), 67);
    c.Label17->setGeometry(QRect(c.Label17->pos(), QPoint(px(1680) - kFitGap - 1,
                                                         c.Label17->geometry().bottom())));
    c.Label17->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c.Text24 = b.textBox(t, "Text24", "500", twips(1680, 4920, 855, 288), 66);
    const QString exitAtMode = translated(QT_TRANSLATE_NOOP("Form1", "Exit AT Mode"));
    c.Command8 = b.button(t, "Command8", translated(QT_TRANSLATE_NOOP("Form1", "Cont Send On")),
                          twips(2640, 4920, 1815, 252), 42);
    c.Command8->setToolTip(exitAtMode);
    const QString clear = translated(QT_TRANSLATE_NOOP("Form1", "Clear"));
    c.Command5 = b.button(t, "Command5", clear, twips(4680, 4920, 732, 252), 17, false);

    // Repeater page.
    QWidget *r = c.RepeaterPic;
    c.Label8 = b.label(r, "Label8", tx, twips(0, 0, 2052, 252), 61, kRepeaterTxColour);
    c.Text21 = b.trafficBox<TrafficView>(r, "Text21", twips(0, 240, 5292, 1812), 59,
                                         kRepeaterTxColour, 9.75);
    c.Label22 = b.label(r, "Label22", rx, twips(0, 2160, 2052, 252), 62, kRepeaterRxColour);
    c.Text22 = b.trafficBox<TrafficView>(r, "Text22", twips(0, 2400, 5292, 1812), 60,
                                         kRepeaterRxColour, 9.75);
    c.Command10 = b.button(r, "Command10", translated(QT_TRANSLATE_NOOP("Form1", "Loopback On")),
                           twips(1800, 4320, 1692, 372), 57);
    c.Command10->setToolTip(exitAtMode);
    c.Label26 = b.label(r, "Label26", translated(QT_TRANSLATE_NOOP("Form1", "Loopback Delay")),
                        twips(120, 4920, 1812, 252), 64);
    c.Text23 = b.textBox(r, "Text23", "100", twips(1920, 4920, 975, 288), 63);
    c.Label27 = b.label(r, "Label27", translated(QT_TRANSLATE_NOOP("Form1", "ms")),
                        twips(3000, 4920, 495, 255), 65);
    c.Command13 = b.button(r, "Command13", clear, twips(4560, 4920, 732, 252), 58, false);

    // The terminal's RX/TX labels share the page background.
    for (QLabel *l : {c.Label18, c.Label19})
        l->setStyleSheet(QStringLiteral("background: %1;").arg(kPageBackground.name()));

    // Every control on the panel gets its palette itself: the style sheets of
    // the frame and pages would otherwise hand their children the desktop's.
    for (QWidget *w : c.Frame2->findChildren<QWidget *>()) {
        QPalette palette = panelPalette();
        if (w->testAttribute(Qt::WA_SetPalette))
            palette.setColor(QPalette::WindowText, w->palette().color(QPalette::WindowText));
        w->setPalette(palette);
    }

    b.fitLabels();
    // Buttons that change their caption fit the longer one.
    fitButton(c.Command7, freeRoom(c.Command7),
              {c.Command7->text(), translated(QT_TRANSLATE_NOOP("Form1", "Disconnect"))}, Qt::AlignRight);
    fitButton(c.Command8, freeRoom(c.Command8),
              {c.Command8->text(), translated(QT_TRANSLATE_NOOP("Form1", "Cont Send Off"))});
    fitButton(c.Command10, freeRoom(c.Command10),
              {c.Command10->text(), translated(QT_TRANSLATE_NOOP("Form1", "Loopback Off"))});
    for (QPushButton *button : {c.Command2, c.Command6, c.Command3, c.Command5, c.Command13})
        fitButton(button, freeRoom(button), {button->text()});
    describeForScreenReaders(c);
    b.applyTabOrder();
    return c;
}

} // namespace zomar
