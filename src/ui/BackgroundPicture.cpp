#include "ui/BackgroundPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QWidget>

namespace ui {

namespace {

constexpr int Width = 1600;
constexpr int Height = 900;
constexpr int BannerHeight = 64;

void paintBody(QPainter &painter)
{
    QLinearGradient body(0, 0, 0, Height);
    body.setColorAt(0.0, QColor(0xf4, 0xf1, 0xea));
    body.setColorAt(1.0, QColor(0xe3, 0xdd, 0xd0));
    painter.fillRect(0, 0, Width, Height, body);

    // Faint diagonal ruling, like ledger paper, so large empty areas are not flat.
    painter.setPen(QPen(QColor(0xd8, 0xd1, 0xc2), 1));
    for (int x = -Height; x < Width; x += 48)
        painter.drawLine(x, Height, x + Height, 0);
}

void paintBanner(QPainter &painter)
{
    QLinearGradient banner(0, 0, Width, 0);
    banner.setColorAt(0.0, QColor(0x2f, 0x4b, 0x3a));
    banner.setColorAt(1.0, QColor(0x5b, 0x7f, 0x5f));
    painter.fillRect(0, 0, Width, BannerHeight, banner);
    painter.fillRect(0, BannerHeight, Width, 4, QColor(0xc8, 0x9b, 0x3c));
}

void paintEmblem(QPainter &painter)
{
    // A candle flame in a ring: the program's emblem.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xf4, 0xf1, 0xea), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(40, 32), 22, 22);
    QPainterPath flame;
    flame.moveTo(40, 14);
    flame.cubicTo(52, 28, 50, 42, 40, 46);
    flame.cubicTo(30, 42, 28, 28, 40, 14);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe8, 0xb4, 0x4a));
    painter.drawPath(flame);
}

} // namespace

QPixmap backgroundPicture()
{
    static const QPixmap picture = [] {
        QPixmap pixmap(Width, Height);
        QPainter painter(&pixmap);
        paintBody(painter);
        paintBanner(painter);
        paintEmblem(painter);
        return pixmap;
    }();
    return picture;
}

void applyBackground(QWidget *window)
{
    QPalette palette = window->palette();
    palette.setBrush(QPalette::Window, QBrush(backgroundPicture()));
    window->setPalette(palette);
    window->setAutoFillBackground(true);
}

} // namespace ui
