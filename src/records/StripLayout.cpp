#include "records/StripLayout.h"

namespace records {

StripPositions resizeStrips(FormSize size, int currentStatusWidth, bool hasGrid)
{
    StripPositions positions;
    if (hasGrid) {
        const int gridHeight = size.innerHeight - Strip::GridGap - 2 * Strip::Height;
        if (gridHeight >= 0)
            positions.gridHeight = gridHeight;
    }
    const int statusWidth = size.outerWidth - Strip::StatusWidthAllowance;
    positions.statusWidth = statusWidth >= 0 ? statusWidth : currentStatusWidth;
    positions.nextLeft = positions.statusWidth + Strip::NextAfterStatus;
    positions.lastLeft = positions.nextLeft + Strip::LastAfterNext;
    return positions;
}

} // namespace records
