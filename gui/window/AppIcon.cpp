#include "gui/window/AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace zomar {

namespace {

// Both icons are drawn on a 32-unit grid, at 32x32 and 16x16, in a few
// solid colours so they stay readable at the smaller size.
QIcon drawn(void (*paint)(QPainter &p, double s))
{
    QIcon icon;
    for (int size : {32, 16}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing, size > 16);
        paint(p, size / 32.0);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void paintMast(QPainter &p, double s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    p.drawRoundedRect(QRectF(1 * s, 1 * s, 30 * s, 30 * s), 4 * s, 4 * s);
    p.setPen(QPen(QColor(255, 255, 0), 2.2 * s, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16 * s, 14 * s), QPointF(16 * s, 28 * s));
    p.drawLine(QPointF(16 * s, 16 * s), QPointF(11 * s, 28 * s));
    p.drawLine(QPointF(16 * s, 16 * s), QPointF(21 * s, 28 * s));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 0), 2.0 * s, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(10 * s, 7 * s, 12 * s, 12 * s), 30 * 16, 120 * 16);
    p.setPen(QPen(QColor(0, 255, 255), 2.0 * s, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(6 * s, 3 * s, 20 * s, 20 * s), 35 * 16, 110 * 16);
    p.setBrush(QColor(255, 0, 0));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(16 * s, 13 * s), 2 * s, 2 * s);
}

void paintSockets(QPainter &p, double s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x4f, 0x8f));
    p.drawRoundedRect(QRectF(1 * s, 1 * s, 30 * s, 30 * s), 4 * s, 4 * s);
    const QColor pass(0x1b, 0x7f, 0x3a), fail(0xc6, 0x28, 0x28);
    const QPointF corners[] = {{3.5, 3.5}, {17, 3.5}, {3.5, 17}, {17, 17}};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i == 2 ? fail : pass);
        p.drawRoundedRect(QRectF(corners[i].x() * s, corners[i].y() * s, 11.5 * s, 11.5 * s),
                          2 * s, 2 * s);
    }
}

} // namespace

QIcon appIcon()
{
    return drawn(paintMast);
}

QIcon stationIcon()
{
    return drawn(paintSockets);
}

} // namespace zomar
