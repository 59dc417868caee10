#include "ui/PaintSavingStyle.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QStyleOption>

namespace ui {

namespace {

// A panel drawn the same for every box of one size, state and palette: a plain box,
// on a painter that only moves (a scaled print draws afresh).
bool isCopyablePanel(const QStyleOption *option, const QPainter *painter, const QWidget *widget)
{
    if (!painter || option->rect.isEmpty() || !qobject_cast<const QLineEdit *>(widget))
        return false;
    // Boxes inside these have their panel drawn by the outer control.
    const QWidget *parent = widget->parentWidget();
    if (qobject_cast<const QComboBox *>(parent) || qobject_cast<const QAbstractSpinBox *>(parent))
        return false;
    return painter->deviceTransform().type() <= QTransform::TxTranslate
           && qstyleoption_cast<const QStyleOptionFrame *>(option);
}

// The colours in use, spelled out: each box has its own copy of the window's palette,
// so the copies' cache keys differ where their colours do not. Empty for a palette
// with a gradient or picture, which is drawn afresh.
QString colourKey(const QPalette &palette)
{
    QString key = QString::number(int(palette.currentColorGroup()));
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const QBrush &brush = palette.brush(QPalette::ColorRole(role));
        if (brush.style() != Qt::SolidPattern && brush.style() != Qt::NoBrush)
            return {};
        key += u'-' + QString::number(quint64(brush.color().rgba64()), 16);
    }
    return key;
}

} // namespace

PaintSavingStyle::PaintSavingStyle(QStyle *base)
    : QProxyStyle(base)
{
}

void PaintSavingStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                     const QWidget *widget) const
{
    if (element != PE_PanelLineEdit || !isCopyablePanel(option, painter, widget)) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QString colours = colourKey(option->palette);
    if (colours.isEmpty()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    const QSize size = option->rect.size();
    const QString key = QStringLiteral("tallowmere-panel-%1-%2-%3x%4-%5-%6-%7-%8")
                            .arg(uint(option->state))
                            .arg(int(option->direction))
                            .arg(size.width())
                            .arg(size.height())
                            .arg(colours)
                            .arg(frame->lineWidth)
                            .arg(uint(frame->features))
                            .arg(ratio);
    QPixmap panel;
    if (!QPixmapCache::find(key, &panel)) {
        panel = QPixmap(size * ratio);
        panel.setDevicePixelRatio(ratio);
        panel.fill(Qt::transparent);
        QStyleOptionFrame atOrigin(*frame);
        atOrigin.rect = QRect(QPoint(0, 0), size);
        QPainter panelPainter(&panel);
        QProxyStyle::drawPrimitive(element, &atOrigin, &panelPainter, widget);
        panelPainter.end();
        QPixmapCache::insert(key, panel);
    }
    painter->drawPixmap(option->rect.topLeft(), panel);
}

void useQuickerStyle()
{
    if (!dynamic_cast<PaintSavingStyle *>(QApplication::style()))
        QApplication::setStyle(new PaintSavingStyle(QStyleFactory::create(QApplication::style()->name())));
}

} // namespace ui
