#include "browser/BrowserLayout.h"

#include "base/Error.h"

namespace browser {

namespace {

constexpr int Margin = 100;

int notNegative(int twips)
{
    if (twips < 0)
        throw base::Error(QStringLiteral("The window is too small."));
    return twips;
}

} // namespace

int addressWidthFor(int innerWidth)
{
    return notNegative(innerWidth - Margin);
}

int pageWidthFor(int innerWidth)
{
    return notNegative(innerWidth - Margin);
}

int pageHeightFor(int innerHeight, int stripBottom)
{
    return notNegative(innerHeight - stripBottom - Margin);
}

QRect openingGeometry(QSize kept, QSize design, QRect available, QSize frame)
{
    static constexpr QSize Usable(1024, 700);
    frame = frame.expandedTo(QSize(0, 0));
    const bool keptFits = kept.width() >= design.width() && kept.height() >= design.height();
    QSize size = keptFits ? kept : design.expandedTo(Usable);
    size = size.boundedTo(available.size() - frame).expandedTo(QSize(1, 1));
    // The frame, centred: its side edges are alike, the title bar takes the rest of its height.
    QRect outside(QPoint(), size + frame);
    outside.moveCenter(available.center());
    const int side = frame.width() / 2;
    return QRect(outside.topLeft() + QPoint(side, frame.height() - side), size);
}

} // namespace browser
