#include "browser/BrowserLayout.h"

#include <QCoreApplication>

#include "base/Error.h"

namespace browser {

namespace {

constexpr int Margin = 100;

int notNegative(int twips)
{
    if (twips < 0)
        throw base::Error(QCoreApplication::translate("browser::BrowserLayout", "The window is too small."));
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

} // namespace browser
