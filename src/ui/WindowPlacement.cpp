#include "ui/WindowPlacement.h"

#include <algorithm>

namespace ui {

namespace {

// The inside of a window whose outside, frame included, is `outside`.
QRect inside(const QRect &outside, const QMargins &frame)
{
    return outside.marginsRemoved(frame);
}

// Moved only as far as it takes to lie whole on the free area, from the far edges
// first, so that the title bar ends up on the screen where the window is larger.
void pushOnto(QRect &outside, const QRect &available)
{
    outside.moveLeft(std::max(available.left(), std::min(outside.left(), available.right() + 1 - outside.width())));
    outside.moveTop(std::max(available.top(), std::min(outside.top(), available.bottom() + 1 - outside.height())));
}

QPoint besideOpener(const Opener &opener)
{
    // Windows opened from one window one after another stand apart down the diagonal.
    constexpr int MostSteps = 12;
    const int step = std::max(opener.step, 1);
    const auto isTaken = [&](QPoint corner) {
        return std::any_of(opener.taken.begin(), opener.taken.end(),
                           [&](QPoint other) { return (other - corner).manhattanLength() < step; });
    };
    QPoint corner = opener.frame.topLeft() + QPoint(step, step);
    for (int steps = 1; steps < MostSteps && isTaken(corner); ++steps)
        corner += QPoint(step, step);
    return corner;
}

} // namespace

QRect openingGeometry(QSize wanted, const std::optional<QRect> &kept, const QRect &available, const QMargins &frame,
                      int scrollBar, const std::optional<Opener> &opener)
{
    const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QSize room = (available.size() - frameSize).expandedTo(QSize(1, 1));
    if (kept && kept->isValid()) {
        const QSize size = kept->size().boundedTo(room);
        QRect outside(kept->topLeft() - QPoint(frame.left(), frame.top()), size + frameSize);
        pushOnto(outside, available);
        return inside(outside, frame);
    }
    QSize size = wanted.boundedTo(room);
    if (size.height() < wanted.height())
        size.rwidth() += scrollBar;
    if (size.width() < wanted.width())
        size.rheight() += scrollBar;
    QRect outside(QPoint(), size.boundedTo(room).expandedTo(QSize(1, 1)) + frameSize);
    if (opener) {
        outside.moveTopLeft(besideOpener(*opener));
        pushOnto(outside, available);
    } else {
        outside.moveCenter(available.center());
    }
    return inside(outside, frame);
}

} // namespace ui
