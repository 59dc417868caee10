#include "browser/ui/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace browser {

namespace {

constexpr int Size = 24;

const QColor Ink(0x1f, 0x4e, 0x8c);
const QColor StopRed(0xc0, 0x28, 0x28);

QIcon drawn(const std::function<void(QPainter &)> &draw)
{
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(Size * scale, Size * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPen thickPen(const QColor &color)
{
    return QPen(color, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// An arrow along the middle; pointing left when leftwards.
void arrow(QPainter &painter, bool leftwards)
{
    painter.save();
    if (!leftwards) {
        painter.translate(Size, 0);
        painter.scale(-1, 1);
    }
    QPainterPath head;
    head.moveTo(3, 12);
    head.lineTo(11, 4);
    head.lineTo(11, 20);
    head.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    painter.drawPath(head);
    painter.drawRoundedRect(QRectF(10, 9, 11, 6), 1.5, 1.5);
    painter.restore();
}

void stopSign(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(StopRed);
    painter.drawEllipse(QRectF(2, 2, 20, 20));
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(8, 8), QPointF(16, 16));
    painter.drawLine(QPointF(16, 8), QPointF(8, 16));
}

void refreshArrow(QPainter &painter)
{
    painter.setPen(thickPen(Ink));
    painter.setBrush(Qt::NoBrush);
    // Three quarters of a circle, open at the top right, with the arrow head there.
    painter.drawArc(QRectF(4, 4, 16, 16), 60 * 16, 290 * 16);
    QPainterPath head;
    head.moveTo(13, 2);
    head.lineTo(20, 5);
    head.lineTo(14, 10);
    head.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    painter.drawPath(head);
}

void house(QPainter &painter)
{
    painter.setPen(thickPen(Ink));
    painter.setBrush(Qt::NoBrush);
    QPainterPath roof;
    roof.moveTo(2, 12);
    roof.lineTo(12, 3);
    roof.lineTo(22, 12);
    painter.drawPath(roof);
    painter.drawRect(QRectF(6, 11, 12, 10));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    painter.drawRect(QRectF(10.5, 15, 3.5, 6));
}

void magnifier(QPainter &painter)
{
    painter.setPen(thickPen(Ink));
    painter.setBrush(QColor(0xdd, 0xea, 0xf8));
    painter.drawEllipse(QRectF(3, 3, 12, 12));
    painter.setPen(QPen(Ink, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(14.5, 14.5), QPointF(20.5, 20.5));
}

} // namespace

QIcon toolbarIcon(const QString &key)
{
    if (key == u"Back")
        return drawn([](QPainter &painter) { arrow(painter, true); });
    if (key == u"Forward")
        return drawn([](QPainter &painter) { arrow(painter, false); });
    if (key == u"Stop")
        return drawn(stopSign);
    if (key == u"Refresh")
        return drawn(refreshArrow);
    if (key == u"Home")
        return drawn(house);
    if (key == u"Search")
        return drawn(magnifier);
    return {};
}

} // namespace browser
