#include "records/ui/NavigationIcons.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace records {

namespace {

constexpr int Size = 16;

QPixmap drawArrow(bool pointsLeft, bool withBar, const QColor &color)
{
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    // Drawn pointing right, mirrored for the backward buttons.
    if (pointsLeft) {
        painter.translate(Size, 0);
        painter.scale(-1, 1);
    }
    const qreal tip = withBar ? 11.5 : 12.5;
    painter.drawPolygon(
        QPolygonF({QPointF(withBar ? 3.5 : 4.5, 3), QPointF(tip, 8), QPointF(withBar ? 3.5 : 4.5, 13)}));
    if (withBar)
        painter.drawRect(QRectF(12, 3, 2, 10));
    return pixmap;
}

} // namespace

QIcon navigationIcon(NavigationDirection direction)
{
    const bool pointsLeft = direction == NavigationDirection::First || direction == NavigationDirection::Previous;
    const bool withBar = direction == NavigationDirection::First || direction == NavigationDirection::Last;
    QIcon icon;
    icon.addPixmap(drawArrow(pointsLeft, withBar, QColor(0x2f, 0x4b, 0x3a)), QIcon::Normal);
    icon.addPixmap(drawArrow(pointsLeft, withBar, QColor(0xa0, 0xa0, 0xa0)), QIcon::Disabled);
    return icon;
}

} // namespace records
