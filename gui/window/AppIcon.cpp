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
QPixmap drawStationIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, size > 16);
    const double s = size / 32.0;
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
    return pixmap;
}

} // namespace

QIcon stationIcon()
{
    QIcon icon;
    icon.addPixmap(drawStationIcon(32));
    icon.addPixmap(drawStationIcon(16));
    return icon;
}

QIcon appIcon()
{
    QIcon icon;
    icon.addPixmap(drawIcon(32));
    icon.addPixmap(drawIcon(16));
    return icon;
}

} // namespace zomar
