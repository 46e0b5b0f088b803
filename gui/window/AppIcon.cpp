#include "gui/window/AppIcon.h"

#include <QPainter>
#include <QPixmap>

namespace zomar {

namespace {
QPixmap drawIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, size > 16);
    const double s = size / 32.0;
    // A plain palette of a few solid colours, readable at 16x16.
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
    return pixmap;
}
} // namespace

QIcon appIcon()
{
    QIcon icon;
    icon.addPixmap(drawIcon(32));
    icon.addPixmap(drawIcon(16));
    return icon;
}

} // namespace zomar
