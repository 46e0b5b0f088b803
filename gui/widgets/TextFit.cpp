#include "gui/widgets/TextFit.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>

namespace zomar {

namespace {

int widestLine(const QFontMetrics &fm, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return widest;
}

bool wordsFit(const QFontMetrics &fm, const QString &text, int width)
{
    for (const QString &word : text.split(QRegularExpression(QStringLiteral("\\s+")),
                                          Qt::SkipEmptyParts))
        if (fm.horizontalAdvance(word) > width)
            return false;
    return true;
}

int wrappedHeight(const QFontMetrics &fm, const QString &text, int width)
{
    return fm.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, text).height();
}

int pixelSizeOf(const QFont &font)
{
    return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

} // namespace

QRect freeRoom(const QWidget *control)
{
    const QWidget *parent = control->parentWidget();
    const QRect r = control->geometry();
    int left = 0;
    int right = parent->width();
    int bottom = parent->height();
    const auto siblings = parent->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    const auto beside = [&r](const QRect &g) {
        return g.top() < r.bottom() && g.bottom() > r.top() &&
               g.top() <= r.top() + r.height() / 2;
    };
    for (const QWidget *s : siblings) {
        const QRect g = s->geometry();
        // A sibling the control lies on is a background (a pane), not a neighbour.
        if (s == control || s->isWindow() || g.contains(r) || !beside(g))
            continue;
        if (g.center().x() > r.center().x())
            right = std::min(right, g.left());
        else if (g.center().x() < r.center().x())
            left = std::max(left, g.right() + 1);
    }
    for (const QWidget *s : siblings) {
        const QRect g = s->geometry();
        if (s == control || s->isWindow() || g.contains(r) || beside(g))
            continue;
        if (g.top() > r.top() && g.left() < right && g.right() >= left)
            bottom = std::min(bottom, g.top());
    }
    const int gapLeft = left > 0 ? kFitGap : 0;
    const int gapRight = right < parent->width() ? kFitGap : 0;
    const int gapBottom = bottom < parent->height() ? kFitGap : 0;
    return QRect(QPoint(left + gapLeft, r.top()), QPoint(right - gapRight - 1, bottom - gapBottom - 1));
}

void fitLabel(QLabel *label, const QRect &room)
{
    const QString text = label->text();
    const QRect design = label->geometry();
    const bool growsLeft = label->alignment() & Qt::AlignRight;
    // The widest the label may be, from the edge it keeps.
    const int roomWidth = growsLeft ? design.right() - room.left() + 1
                                    : room.right() - design.left() + 1;
    const int roomHeight = room.bottom() - design.top() + 1;
    // A design box may run under a neighbour; the text keeps clear of it.
    const int keepWidth = std::min(design.width(), roomWidth);
    const auto place = [&](int width, int height, bool wrap) {
        label->setWordWrap(wrap);
        const int x = growsLeft ? design.right() + 1 - width : design.left();
        label->setGeometry(x, design.top(), width, std::max(design.height(), height));
    };
    QFont font = label->font();
    const int designSize = pixelSizeOf(font);
    for (int size = designSize; size >= kSmallestFitPixelSize; --size) {
        font.setPixelSize(size);
        const QFontMetrics fm(font);
        const int need = widestLine(fm, text) + 2;
        const bool placed = [&] {
            if (need <= keepWidth) {
                place(design.width(), fm.height(), false);
            } else if (need <= roomWidth && fm.height() <= std::max(roomHeight, design.height())) {
                place(need, fm.height(), false);
            } else if (wordsFit(fm, text, keepWidth) &&
                       wrappedHeight(fm, text, keepWidth) <= roomHeight) {
                place(keepWidth, wrappedHeight(fm, text, keepWidth), true);
            } else if (wordsFit(fm, text, roomWidth) &&
                       wrappedHeight(fm, text, roomWidth) <= roomHeight) {
                place(roomWidth, wrappedHeight(fm, text, roomWidth), true);
            } else {
                return false;
            }
            return true;
        }();
        if (placed) {
            if (size != designSize)
                label->setFont(font);
            return;
        }
    }
    // Nothing fits even in the smallest print: as much as the room holds.
    label->setFont(font);
    place(roomWidth, roomHeight, true);
}

void fitButton(QPushButton *button, const QRect &room, const QStringList &captions,
               Qt::Alignment anchor)
{
    const QRect design = button->geometry();
    QFont font = button->font();
    const int designSize = pixelSizeOf(font);
    for (int size = designSize; size >= kSmallestFitPixelSize; --size) {
        font.setPixelSize(size);
        const QFontMetrics fm(font);
        int need = 0;
        for (const QString &caption : captions)
            need = std::max(need, fm.horizontalAdvance(QString(caption).remove(QLatin1Char('&'))) + 10);
        if (need <= design.width() || need <= room.width() || size == kSmallestFitPixelSize) {
            if (size != designSize)
                button->setFont(font);
            if (need > design.width()) {
                const int width = std::min(need, room.width());
                const int x = anchor & Qt::AlignRight
                                  ? std::max(room.left(), design.right() + 1 - width)
                                  : room.left() + (room.width() - width) / 2;
                button->setGeometry(x, design.top(), width, design.height());
            }
            return;
        }
    }
}

bool labelShowsAll(const QLabel *label)
{
    QString text = label->text();
    if (label->buddy()) // "&Operator:" shows as "Operator:", underlined
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
    if (text.isEmpty())
        return true;
    const QRect box = label->contentsRect();
    const QFontMetrics fm(label->font());
    if (label->wordWrap())
        return wordsFit(fm, text, box.width()) &&
               label->heightForWidth(label->width()) <= label->height() + 1;
    return widestLine(fm, text) <= box.width() && fm.height() * int(text.count(QLatin1Char('\n')) + 1) <= box.height() + 1;
}

namespace {

class GrowWithTexts : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::LayoutRequest && window->layout() &&
            window->layout()->hasHeightForWidth()) {
            window->layout()->activate();
            const int needed = window->layout()->totalHeightForWidth(window->width());
            if (needed > window->height())
                window->resize(window->width(), needed);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void growWithTexts(QWidget *window)
{
    window->installEventFilter(new GrowWithTexts(window));
}

FittedLabel::FittedLabel(QWidget *parent) : QLabel(parent), m_largest(font())
{
    // Its size is given (a place, or a layout's share); its text adapts to it.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

void FittedLabel::setText(const QString &text)
{
    QLabel::setText(text);
    fit();
}

void FittedLabel::setLargestFont(const QFont &font)
{
    m_largest = font;
    fit();
}

void FittedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fit();
}

void FittedLabel::fit()
{
    const QString shown = text();
    const QRect box = contentsRect();
    QFont font = m_largest;
    const int largest = pixelSizeOf(font);
    // Nothing fits even in the smallest print: wrapped, as much as it holds.
    bool wrap = true;
    for (int size = largest; size >= kSmallestFitPixelSize; --size) {
        font.setPixelSize(size);
        const QFontMetrics fm(font);
        if (widestLine(fm, shown) <= box.width() && fm.height() <= box.height()) {
            wrap = false;
            break;
        }
        if (wordsFit(fm, shown, box.width()) &&
            wrappedHeight(fm, shown, box.width()) <= box.height())
            break;
    }
    if (font != QLabel::font())
        QLabel::setFont(font);
    setWordWrap(wrap);
}

} // namespace zomar
