#include "gui/station/SlotTile.h"

#include "core/protocol/ConfigBlock.h"
#include "gui/widgets/Contrast.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

namespace zomar {

namespace {

// Strong colours with white text hold their contrast on any desktop theme.
const QColor kPass(0x1b, 0x7f, 0x3a);
const QColor kFail(0xc6, 0x28, 0x28);
const QColor kBusy(0x15, 0x65, 0xc0);
const QColor kAttention(0xf9, 0xa8, 0x25);

int stepNumber(ModuleStep step)
{
    switch (step) {
    case ModuleStep::Reading:
        return 1;
    case ModuleStep::Writing:
        return 2;
    case ModuleStep::Verifying:
        break;
    }
    return 3;
}

QFont scaled(QFont font, double factor, bool bold)
{
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}

} // namespace

SlotTile::SlotTile(const QString &name, QWidget *parent) : QFrame(parent), m_name(name)
{
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    updateAccessibleText();
}

QSize SlotTile::sizeHint() const
{
    const QFontMetrics fm(font());
    return {fm.height() * 17, fm.height() * 12};
}

QSize SlotTile::minimumSizeHint() const
{
    const QFontMetrics fm(font());
    return {fm.height() * 14, fm.height() * 10};
}

void SlotTile::setView(const SlotView &view)
{
    m_view = view;
    updateAccessibleText();
    update();
}

void SlotTile::setCounts(const Counts &counts)
{
    m_counts = counts;
    updateAccessibleText();
    update();
}

void SlotTile::setTrace(const QStringList &lines)
{
    if (lines == m_trace)
        return;
    m_trace = lines;
    updateAccessibleText();
    update();
}

QString SlotTile::word() const
{
    switch (m_view.kind) {
    case SlotView::Empty:
        return tr("Waiting");
    case SlotView::LeftAlone:
        return tr("Left alone");
    case SlotView::Busy:
        switch (m_view.step) {
        case ModuleStep::Reading:
            return tr("Reading");
        case ModuleStep::Writing:
            return tr("Writing");
        case ModuleStep::Verifying:
            break;
        }
        return tr("Verifying");
    case SlotView::Pass:
        return tr("PASS");
    case SlotView::Fail:
        return tr("FAIL");
    case SlotView::Unknown:
        return tr("UNKNOWN");
    case SlotView::Stopped:
        return tr("Not running");
    case SlotView::NoFolder:
        return tr("No sockets");
    case SlotView::NotStarted:
        break;
    }
    return tr("Not started");
}

QString SlotTile::line() const
{
    switch (m_view.kind) {
    case SlotView::Empty:
        return tr("Plug in a module");
    case SlotView::LeftAlone:
        return tr("It was in place at the start: unplug it and plug it in again");
    case SlotView::Busy:
        return tr("Step %1 of 3: do not unplug").arg(stepNumber(m_view.step));
    case SlotView::Pass:
        return (QStringList{m_view.local ? tr("Address %1: unplug it").arg(addressHex(*m_view.local))
                                         : tr("Written and verified: unplug it")} +
                m_trace)
            .join(QLatin1Char('\n'));
    case SlotView::Fail:
    case SlotView::NotStarted:
    case SlotView::Unknown:
    case SlotView::Stopped:
    case SlotView::NoFolder:
        break;
    }
    return m_view.reason;
}

QColor SlotTile::background(SlotView::Kind kind, const QPalette &palette)
{
    switch (kind) {
    case SlotView::Empty:
        return palette.color(QPalette::Base);
    case SlotView::Busy:
        return kBusy;
    case SlotView::Pass:
        return kPass;
    case SlotView::Fail:
        return kFail;
    case SlotView::LeftAlone:
    case SlotView::NotStarted:
    case SlotView::Unknown:
    case SlotView::Stopped:
    case SlotView::NoFolder:
        break;
    }
    return kAttention;
}

QColor SlotTile::focusRing(SlotView::Kind kind, const QPalette &palette)
{
    // The highlight where it stands out from the tile (3:1, as WCAG asks of
    // a control's outline), else black or white.
    const QColor tile = background(kind, palette);
    const QColor highlight = palette.color(QPalette::Highlight);
    if (contrastRatio(highlight, tile) >= 3)
        return highlight;
    return contrastRatio(Qt::black, tile) > contrastRatio(Qt::white, tile) ? QColor(Qt::black)
                                                                           : QColor(Qt::white);
}

QColor SlotTile::foreground(SlotView::Kind kind, const QPalette &palette)
{
    switch (kind) {
    case SlotView::Empty:
        return palette.color(QPalette::Text);
    case SlotView::LeftAlone:
    case SlotView::NotStarted:
    case SlotView::Unknown:
    case SlotView::Stopped:
    case SlotView::NoFolder:
        return Qt::black;
    case SlotView::Busy:
    case SlotView::Pass:
    case SlotView::Fail:
        break;
    }
    return Qt::white;
}

void SlotTile::updateAccessibleText()
{
    setAccessibleName(QStringLiteral("%1: %2").arg(m_name, word()));
    setAccessibleDescription(QStringLiteral("%1. %2").arg(line(), m_counts.text()));
    setToolTip(m_view.detail.isEmpty() ? QString() : m_view.detail);
}

void SlotTile::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor bg = background(m_view.kind, palette());
    const QColor fg = foreground(m_view.kind, palette());
    const QRectF outer = QRectF(rect()).adjusted(3, 3, -3, -3);
    const double radius = QFontMetricsF(font()).height() * 0.6;

    p.setPen(m_view.kind == SlotView::Empty ? QPen(palette().color(QPalette::Mid), 2, Qt::DashLine)
                                            : QPen(bg.darker(130), 2));
    p.setBrush(bg);
    p.drawRoundedRect(outer, radius, radius);
    if (hasFocus()) {
        // Two rings, dark and light, so that one stands out on any tile.
        const QColor ring = focusRing(m_view.kind, palette());
        const QColor other = contrastRatio(ring, Qt::black) > contrastRatio(ring, Qt::white)
                                 ? QColor(Qt::black)
                                 : QColor(Qt::white);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(other, 8));
        p.drawRoundedRect(outer.adjusted(1, 1, -1, -1), radius, radius);
        p.setPen(QPen(ring, 4));
        p.drawRoundedRect(outer.adjusted(1, 1, -1, -1), radius, radius);
    }

    // Larger tiles (fewer slots) get larger print, up to two and a half times.
    const double zoom = std::clamp(
        std::min(double(width()) / sizeHint().width(), double(height()) / sizeHint().height()), 1.0,
        2.5);
    const QFont base = scaled(font(), zoom, false);
    const double unit = QFontMetricsF(base).height();
    const QRectF inner = outer.adjusted(unit * 0.7, unit * 0.5, -unit * 0.7, -unit * 0.5);
    p.setPen(fg);

    // The slot's name, then its counts at the bottom.
    const QFont nameFont = scaled(base, 1.35, true);
    p.setFont(nameFont);
    const double nameHeight = QFontMetricsF(nameFont).height();
    p.drawText(QRectF(inner.left(), inner.top(), inner.width(), nameHeight),
               Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetricsF(nameFont).elidedText(m_name, Qt::ElideRight, inner.width()));
    const QFont smallFont = scaled(base, 1.0, false);
    p.setFont(smallFont);
    const double smallHeight = QFontMetricsF(smallFont).height();
    p.drawText(QRectF(inner.left(), inner.bottom() - smallHeight, inner.width(), smallHeight),
               Qt::AlignLeft | Qt::AlignVCenter, m_counts.text());

    // The icon and the word side by side, then the line under them, the
    // two in the middle of the room between the name and the counts.
    QFont wordFont = scaled(base, 2.4, true);
    const double wordHeight = QFontMetricsF(wordFont).height();
    const double iconSide = wordHeight * 1.1;
    const double wordRoom = inner.width() - iconSide - unit * 0.6;
    const double wordWidth = QFontMetricsF(wordFont).horizontalAdvance(word());
    if (wordWidth > wordRoom) // a long word in a narrow tile: smaller, never cut
        wordFont.setPointSizeF(wordFont.pointSizeF() * wordRoom / wordWidth);
    QFont lineFont = scaled(base, 1.2, m_view.kind == SlotView::Fail);
    const QRectF room(inner.left(), inner.top() + nameHeight + unit * 0.3, inner.width(),
                      inner.height() - nameHeight - smallHeight - unit * 0.6);
    const auto boundsOf = [&](const QFont &f) {
        return QFontMetricsF(f).boundingRect(QRectF(0, 0, room.width(), room.height()),
                                             Qt::TextWordWrap, line());
    };
    QRectF lineBounds = boundsOf(lineFont);
    // A long reason in a small tile: smaller print, never cut.
    for (int i = 0; i < 6 && lineBounds.height() > room.height() - iconSide - unit * 0.3; ++i) {
        lineFont.setPointSizeF(lineFont.pointSizeF() * 0.9);
        lineBounds = boundsOf(lineFont);
    }
    const double block = iconSide + unit * 0.3 + lineBounds.height();
    const double top = room.top() + std::max(0.0, (room.height() - block) / 2);
    const QRectF icon(inner.left(), top, iconSide, iconSide);
    drawSlotIcon(p, icon, m_view, fg);
    p.setFont(wordFont);
    p.drawText(QRectF(icon.right() + unit * 0.6, top, wordRoom, iconSide),
               Qt::AlignLeft | Qt::AlignVCenter, word());
    p.setFont(lineFont);
    p.drawText(QRectF(room.left(), icon.bottom() + unit * 0.3, room.width(),
                      room.bottom() - icon.bottom() - unit * 0.3),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line());
}

void SlotTile::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space) {
        emit detailsAsked();
        return;
    }
    if (event->matches(QKeySequence::Print)) {
        emit reprintAsked();
        return;
    }
    QFrame::keyPressEvent(event);
}

void SlotTile::mouseDoubleClickEvent(QMouseEvent *)
{
    emit detailsAsked();
}

void drawSlotIcon(QPainter &p, const QRectF &square, const SlotView &view, const QColor &colour)
{
    p.save();
    const double s = square.width();
    const QRectF r = square.adjusted(s * 0.06, s * 0.06, -s * 0.06, -s * 0.06);
    QPen pen(colour, s * 0.09, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const auto at = [&r](double x, double y) {
        return QPointF(r.left() + x * r.width(), r.top() + y * r.height());
    };
    switch (view.kind) {
    case SlotView::Pass:
        p.drawEllipse(r);
        p.drawPolyline(QPolygonF{at(0.27, 0.52), at(0.44, 0.69), at(0.75, 0.33)});
        break;
    case SlotView::Fail:
        p.drawEllipse(r);
        p.drawLine(at(0.32, 0.32), at(0.68, 0.68));
        p.drawLine(at(0.68, 0.32), at(0.32, 0.68));
        break;
    case SlotView::Busy: {
        // A ring filled a third per step.
        QPen faint = pen;
        QColor dim = colour;
        dim.setAlphaF(0.35);
        faint.setColor(dim);
        p.setPen(faint);
        p.drawEllipse(r);
        p.setPen(pen);
        p.drawArc(r, 90 * 16, -stepNumber(view.step) * 120 * 16);
        p.setFont([&] {
            QFont f = p.font();
            f.setPixelSize(int(s * 0.42));
            f.setBold(true);
            return f;
        }());
        p.drawText(r, Qt::AlignCenter, QString::number(stepNumber(view.step)));
        break;
    }
    case SlotView::Empty: {
        // A socket: its outline and two contacts.
        QPen thin = pen;
        thin.setWidthF(s * 0.06);
        p.setPen(thin);
        p.drawRoundedRect(QRectF(at(0.12, 0.25), at(0.88, 0.75)), s * 0.08, s * 0.08);
        p.setBrush(colour);
        p.drawRect(QRectF(at(0.3, 0.42), at(0.4, 0.58)));
        p.drawRect(QRectF(at(0.6, 0.42), at(0.7, 0.58)));
        break;
    }
    case SlotView::Unknown:
        p.drawEllipse(r);
        p.setFont([&] {
            QFont f = p.font();
            f.setPixelSize(int(s * 0.6));
            f.setBold(true);
            return f;
        }());
        p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
        break;
    case SlotView::LeftAlone:
    case SlotView::NotStarted:
    case SlotView::Stopped:
    case SlotView::NoFolder: {
        QPainterPath triangle;
        triangle.moveTo(at(0.5, 0.08));
        triangle.lineTo(at(0.95, 0.9));
        triangle.lineTo(at(0.05, 0.9));
        triangle.closeSubpath();
        p.drawPath(triangle);
        p.drawLine(at(0.5, 0.38), at(0.5, 0.62));
        p.drawPoint(at(0.5, 0.77));
        break;
    }
    }
    p.restore();
}

} // namespace zomar
