#include "ui/WindowPlacement.h"

#include <algorithm>

namespace ui {

namespace {

// The inside of a window whose outside, frame included, is `outside`.
QRect inside(const QRect &outside, const QMargins &frame)
{
    return outside.marginsRemoved(frame);
}

} // namespace

QRect openingGeometry(QSize wanted, const std::optional<QRect> &kept, const QRect &available, const QMargins &frame,
                      int scrollBar)
{
    const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QSize room = (available.size() - frameSize).expandedTo(QSize(1, 1));
    if (kept && kept->isValid()) {
        const QSize size = kept->size().boundedTo(room);
        QRect outside(kept->topLeft() - QPoint(frame.left(), frame.top()), size + frameSize);
        // Pushed back onto the free area: from the far edges first, so that the title
        // bar ends up on the screen where the window is larger than it.
        outside.moveLeft(std::max(available.left(), std::min(outside.left(), available.right() + 1 - outside.width())));
        outside.moveTop(std::max(available.top(), std::min(outside.top(), available.bottom() + 1 - outside.height())));
        return inside(outside, frame);
    }
    QSize size = wanted.boundedTo(room);
    if (size.height() < wanted.height())
        size.rwidth() += scrollBar;
    if (size.width() < wanted.width())
        size.rheight() += scrollBar;
    QRect outside(QPoint(), size.boundedTo(room).expandedTo(QSize(1, 1)) + frameSize);
    outside.moveCenter(available.center());
    return inside(outside, frame);
}

} // namespace ui
