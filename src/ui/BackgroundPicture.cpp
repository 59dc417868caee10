#include "ui/BackgroundPicture.h"

#include <QApplication>
#include <QEvent>
#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QWidget>

namespace ui {

namespace {

constexpr int BannerHeight = 64;
constexpr int RuleSpacing = 48;

const char *const PictureProperty = "tallowmereBackgroundPicture";
// The picture's body runs from this colour at the top to a slightly darker one.
const QColor PictureColor(0xf4, 0xf1, 0xea);
const QColor TextColor(0x1f, 0x1f, 0x1f);
const QColor DisabledTextColor(0x6e, 0x6a, 0x62);

void paintBody(QPainter &painter, const QRect &area)
{
    QLinearGradient body(0, 0, 0, BackgroundHeight);
    body.setColorAt(0.0, PictureColor);
    body.setColorAt(1.0, QColor(0xe3, 0xdd, 0xd0));
    painter.fillRect(area, body);

    // Faint diagonal ruling, like ledger paper, so large empty areas are not flat.
    painter.setPen(QPen(QColor(0xd8, 0xd1, 0xc2), 1));
    const QRect picture(0, 0, BackgroundWidth, BackgroundHeight);
    const QRect ruled = area & picture;
    if (ruled.isEmpty())
        return;
    // Rules run from (x, height) to (x + height, 0) for x = -height + k * spacing; only
    // those whose span reaches the area are drawn, always on the same lattice.
    const int firstX = -BackgroundHeight + (ruled.left() / RuleSpacing - 1) * RuleSpacing;
    painter.save();
    painter.setClipRect(ruled);
    for (int x = firstX; x <= ruled.right(); x += RuleSpacing)
        painter.drawLine(x, BackgroundHeight, x + BackgroundHeight, 0);
    painter.restore();
}

void paintBanner(QPainter &painter, const QRect &area)
{
    if (area.top() > BannerHeight + 4)
        return;
    QLinearGradient banner(0, 0, BackgroundWidth, 0);
    banner.setColorAt(0.0, QColor(0x2f, 0x4b, 0x3a));
    banner.setColorAt(1.0, QColor(0x5b, 0x7f, 0x5f));
    painter.fillRect(QRect(0, 0, BackgroundWidth, BannerHeight) & area, banner);
    painter.fillRect(QRect(0, BannerHeight, BackgroundWidth, 4) & area, QColor(0xc8, 0x9b, 0x3c));
}

void paintEmblem(QPainter &painter, const QRect &area)
{
    if (!area.intersects(QRect(0, 0, 80, 64)))
        return;
    // A candle flame in a ring: the program's emblem.
    painter.save();
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
    painter.restore();
}

class BackgroundPainter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Runs before the window's own painting, so its controls draw on top.
        if (event->type() == QEvent::Paint) {
            auto *widget = static_cast<QWidget *>(watched);
            QPainter painter(widget);
            paintBackground(painter, static_cast<QPaintEvent *>(event)->rect());
        }
        return false;
    }
};

} // namespace

void paintBackground(QPainter &painter, const QRect &area)
{
    paintBody(painter, area);
    paintBanner(painter, area);
    paintEmblem(painter, area);
}

void applyBackground(QWidget *window)
{
    static BackgroundPainter *painter = new BackgroundPainter(qApp);
    window->setAutoFillBackground(false);
    window->setAttribute(Qt::WA_OpaquePaintEvent);
    window->removeEventFilter(painter);
    window->installEventFilter(painter);
    window->setProperty(PictureProperty, true);

    // Only the two roles of text on the window's own background are set, so the
    // controls' own colours (boxes, buttons, lists) still follow the scheme.
    QPalette palette = window->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, PictureColor);
        palette.setColor(group, QPalette::WindowText, group == QPalette::Disabled ? DisabledTextColor : TextColor);
    }
    window->setPalette(palette);
}

bool hasBackground(const QWidget *widget)
{
    return widget->property(PictureProperty).toBool();
}

} // namespace ui
