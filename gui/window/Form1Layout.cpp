// Layout of the window: every control with its design name, text, place
// (in twips, 15 twips to a pixel), tab index, state, font and colours.

#include "gui/widgets/DropDownBox.h"
#include "gui/window/Form1Controls.h"
#include "gui/widgets/TrafficView.h"
#include "gui/widgets/TypingBox.h"

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

const QString kPageBackground = QStringLiteral("#FCFCFC");
const QString kReceiveColour = QStringLiteral("#000088");
const QString kTransmitColour = QStringLiteral("#008800");
const QString kRepeaterTxColour = QStringLiteral("#FF0000");
const QString kRepeaterRxColour = QStringLiteral("#10CC00");

// How a label whose text is wider than its design box is made to fit.
enum class Fit {
    Keep, // fits as designed
    Grow, // widen to the text (room to the right)
    Wrap, // break into two lines (no room to the right)
};

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

    QLabel *label(QWidget *parent, const char *name, const char *text, QRect rect, int tab,
                  Fit fit = Fit::Keep, const QString &colour = {})
    {
        auto *l = place(new QLabel(QString::fromLatin1(text), parent), name, rect, tab);
        if (!colour.isEmpty())
            l->setStyleSheet(QStringLiteral("color: %1; font: %2px \"Courier New\";")
                                 .arg(colour)
                                 .arg(l->font().pixelSize()));
        const int needed = QFontMetrics(l->font()).horizontalAdvance(l->text()) + 2;
        if (fit == Fit::Grow && needed > rect.width()) {
            l->resize(needed, rect.height());
        } else if (fit == Fit::Wrap) {
            l->setWordWrap(true);
            l->resize(rect.width(), std::max(rect.height(), l->heightForWidth(rect.width())));
        }
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

    QPushButton *button(QWidget *parent, const char *name, const char *caption, QRect rect, int tab,
                        bool enabled = true)
    {
        auto *b = place(new QPushButton(QString::fromLatin1(caption), parent), name, rect, tab);
        b->setEnabled(enabled);
        b->setAutoDefault(false);
        // A caption wider than the design box is widened, never clipped.
        const int needed = QFontMetrics(b->font()).horizontalAdvance(b->text()) + 10;
        if (needed > rect.width())
            b->resize(needed, rect.height());
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
                             .arg(QString::fromLatin1(name), kPageBackground));
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

private:
    std::vector<Focusable> m_focusables;
};

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
    c.TabStrip1->setStyleSheet(QStringLiteral(
        "QTabBar { font: 13px \"Courier New\"; } QTabBar::tab { padding: 3px 6px; }"));
    for (const char *caption : {"Modem Setup", "Comms Port Setup", "Terminal", "Repeater"})
        c.TabStrip1->addTab(QString::fromLatin1(caption));
    const int tabHeight = c.TabStrip1->sizeHint().height();
    c.TabStrip1->resize(px(6132), tabHeight);
    const QRect strip = twips(120, 120, 6132, 6492);
    c.TabStripPane = new QFrame(form);
    c.TabStripPane->setObjectName(QStringLiteral("TabStripPane"));
    c.TabStripPane->setFrameShape(QFrame::StyledPanel);
    c.TabStripPane->setGeometry(strip.left(), strip.top() + tabHeight - 1, strip.width(),
                                strip.height() - tabHeight + 1);
    c.TabStrip1->raise();

    c.Frame2 = b.place(new QGroupBox(QStringLiteral("Terminal"), form), "Frame2",
                       twips(360, 600, 5652, 5652), 15);
    c.Frame2->setAutoFillBackground(true);
    c.Frame2->setStyleSheet(
        QStringLiteral("QGroupBox#Frame2 { background: %1; font: 13px \"Courier New\"; }"
                       "QGroupBox#Frame2::title { subcontrol-origin: margin;"
                       " left: 8px; padding: 0 3px; }")
            .arg(kPageBackground));

    c.TermPic = b.page(c.Frame2, "TermPic", 16);
    c.CommsPic = b.page(c.Frame2, "CommsPic", 22);
    c.ModemPic = b.page(c.Frame2, "ModemPic", 29);
    c.RepeaterPic = b.page(c.Frame2, "RepeaterPic", 56);

    c.Command7 = b.button(form, "Command7", "Connect", twips(4320, 6240, 1695, 310), 0);

    c.StatusBar1 = b.place(new QStatusBar(form), "StatusBar1", twips(0, 6648, 6372, 372), 14);
    c.StatusBar1->setSizeGripEnabled(false);
    c.StatusBar1->setFont(courier(9));
    c.StatusPanel1 = new QLabel(c.StatusBar1);
    c.StatusPanel1->setObjectName(QStringLiteral("StatusPanel1"));
    c.StatusPanel1->setFont(courier(9));
    c.StatusBar1->addWidget(c.StatusPanel1, 1);

    // Modem page.
    QWidget *m = c.ModemPic;
    c.Label1 =
        b.label(m, "Label1", "Destination Address", twips(480, 240, 1575, 255), 37, Fit::Wrap);
    c.Text1 = b.valueField(m, "Text1", "??", twips(2040, 240, 540, 360), 1);
    c.Text2 = b.valueField(m, "Text2", "??", twips(2640, 240, 540, 360), 2);
    c.Text3 = b.valueField(m, "Text3", "??", twips(3240, 240, 540, 360), 3);
    c.Text4 = b.valueField(m, "Text4", "??", twips(3840, 240, 540, 360), 4);
    c.Label13 = b.label(m, "Label13", "0-FF Hex", twips(4440, 240, 735, 255), 31, Fit::Grow);
    c.Label2 = b.label(m, "Label2", "Local Address", twips(480, 720, 1455, 255), 36, Fit::Wrap);
    c.Text5 = b.valueField(m, "Text5", "??", twips(2040, 720, 540, 372), 5);
    c.Text6 = b.valueField(m, "Text6", "??", twips(2640, 720, 540, 372), 6);
    c.Text7 = b.valueField(m, "Text7", "??", twips(3240, 720, 540, 372), 7);
    c.Text8 = b.valueField(m, "Text8", "??", twips(3840, 720, 540, 372), 8);
    c.Label14 = b.label(m, "Label14", "0-FF Hex", twips(4440, 720, 735, 255), 30, Fit::Grow);
    c.Label30 = b.label(m, "Label30", "Band", twips(480, 1440, 1455, 255), 72);
    c.Combo6 = b.dropDown(m, "Combo6", "?", twips(2040, 1440, 1335, 375), 71, true);
    c.Label5 =
        b.label(m, "Label5", "Select Freq Band ", twips(3480, 1440, 1575, 255), 76, Fit::Wrap);
    c.Label3 = b.label(m, "Label3", "RF Frequency", twips(480, 2160, 1455, 255), 35, Fit::Grow);
    c.Text9 = b.valueField(m, "Text9", "?", twips(2040, 2160, 1140, 360), 9);
    c.Label7 = b.label(m, "Label7", "MHz", twips(3360, 2160, 1455, 255), 32);
    c.Label31 = b.label(m, "Label31", "430.24-439.75", twips(3840, 2160, 1575, 255), 74);
    c.Label32 = b.label(m, "Label32", "860.48-879.51", twips(3840, 2400, 1575, 255), 75);
    c.Label4 = b.label(m, "Label4", "Tx Power", twips(480, 2880, 1575, 255), 34);
    c.Text10 = b.dropDown(m, "Text10", "?", twips(2040, 2880, 1815, 375), 55, true);
    c.Label28 = b.label(m, "Label28", "RF TX Speed", twips(480, 3600, 1575, 495), 69, Fit::Wrap);
    c.Combo5 = b.dropDown(m, "Combo5", "?", twips(2040, 3600, 1815, 375), 68, true);
    c.Label29 = b.label(m, "Label29", "BPS", twips(4080, 3720, 735, 255), 70);
    c.Command2 = b.button(m, "Command2", "Set", twips(360, 4440, 1215, 495), 11, false);
    c.Command6 = b.button(m, "Command6", "Reset Defaults", twips(2160, 4440, 1335, 495), 73, false);
    c.Command3 = b.button(m, "Command3", "Refresh", twips(3960, 4440, 1095, 495), 12, false);
    // "Reset Defaults" is wider than its design box: centre it between its neighbours.
    const int gapLeft = c.Command2->geometry().right() + 1;
    c.Command6->move(gapLeft + (c.Command3->x() - gapLeft - c.Command6->width()) / 2,
                     c.Command6->y());
    for (QLineEdit *box : c.addressBoxes())
        box->setMaxLength(2);

    // Comms page.
    QWidget *p = c.CommsPic;
    c.Label11 = b.label(p, "Label11", "Comm Port", twips(1680, 1920, 1092, 252), 28);
    c.Combo1 = b.dropDown(p, "Combo1", "", twips(2880, 1920, 972, 360), 25, false);
    c.Label15 = b.label(p, "Label15", "Baud Rate", twips(1680, 2400, 1092, 252), 27);
    c.Combo2 = b.dropDown(p, "Combo2", "", twips(2880, 2400, 972, 360), 24, false);

    // Terminal page.
    QWidget *t = c.TermPic;
    const QString page = kPageBackground;
    c.Label19 = b.label(t, "Label19", "RX", twips(0, 50, 372, 252), 39, Fit::Keep, kReceiveColour);
    c.Text13 =
        b.trafficBox<TrafficView>(t, "Text13", twips(0, 240, 5412, 3492), 21, kReceiveColour, 9);
    c.Label18 =
        b.label(t, "Label18", "TX", twips(0, 3770, 372, 252), 38, Fit::Keep, kTransmitColour);
    c.Text14 =
        b.trafficBox<TypingBox>(t, "Text14", twips(0, 3960, 5412, 732), 20, kTransmitColour, 9);
    // The design box of "Send Speed" runs under the period box; end it before.
    c.Label17 = b.label(t, "Label17", "Send Speed", twips(960, 4920, 1095, 255), 67, Fit::Grow);
    c.Label17->move(px(1680) - c.Label17->width() - 4, c.Label17->y());
    c.Text24 = b.textBox(t, "Text24", "500", twips(1680, 4920, 855, 288), 66);
    c.Command8 = b.button(t, "Command8", "Cont Send On", twips(2640, 4920, 1815, 252), 42);
    c.Command8->setToolTip(QStringLiteral("Exit AT Mode"));
    c.Command5 = b.button(t, "Command5", "Clear", twips(4680, 4920, 732, 252), 17, false);

    // Repeater page.
    QWidget *r = c.RepeaterPic;
    c.Label8 = b.label(r, "Label8", "TX", twips(0, 0, 2052, 252), 61, Fit::Keep, kRepeaterTxColour);
    c.Text21 = b.trafficBox<TrafficView>(r, "Text21", twips(0, 240, 5292, 1812), 59,
                                         kRepeaterTxColour, 9.75);
    c.Label22 =
        b.label(r, "Label22", "RX", twips(0, 2160, 2052, 252), 62, Fit::Keep, kRepeaterRxColour);
    c.Text22 = b.trafficBox<TrafficView>(r, "Text22", twips(0, 2400, 5292, 1812), 60,
                                         kRepeaterRxColour, 9.75);
    c.Command10 = b.button(r, "Command10", "Loopback On", twips(1800, 4320, 1692, 372), 57);
    c.Command10->setToolTip(QStringLiteral("Exit AT Mode"));
    c.Label26 = b.label(r, "Label26", "Loopback Delay", twips(120, 4920, 1812, 252), 64, Fit::Grow);
    c.Text23 = b.textBox(r, "Text23", "100", twips(1920, 4920, 975, 288), 63);
    c.Label27 = b.label(r, "Label27", "ms", twips(3000, 4920, 495, 255), 65);
    c.Command13 = b.button(r, "Command13", "Clear", twips(4560, 4920, 732, 252), 58, false);

    // The terminal's RX/TX labels share the page background.
    for (QLabel *l : {c.Label18, c.Label19})
        l->setStyleSheet(l->styleSheet() + QStringLiteral("background: %1;").arg(page));

    b.applyTabOrder();
    return c;
}

} // namespace zomar
