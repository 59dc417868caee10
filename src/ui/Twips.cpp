#include "ui/Twips.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double DesignPointSize = 9.0;
// A line of mixed text and how wide and tall DejaVu Sans at 9 pt sets it, in inches
// (677.75 and 13.97 pixels at 96 DPI).
const char *const SampleText
    = "The quick brown fox jumps over the lazy dog. THE QUICK BROWN FOX JUMPS OVER THE LAZY DOG 0123456789:";
constexpr double DesignSampleWidth = 677.75 / 96.0;
constexpr double DesignLineHeight = 13.96875 / 96.0;
constexpr double SmallestScale = 1.0;
constexpr double LargestScale = 4.0;

double logicalDpi()
{
    // A screen that reports no resolution is taken as the usual one rather than divided by.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        if (const double dpi = screen->logicalDotsPerInchX(); dpi > 0 && std::isfinite(dpi))
            return dpi;
    }
    return 96.0;
}

// A scale above 1 is rounded up so that a pixel is a whole number of twips: a size
// in pixels then turns into twips and back unchanged, and sizes worked out in twips
// (a grid that takes what the window gains) follow the window pixel for pixel.
double snapped(double scale, double dpi)
{
    if (scale <= SmallestScale)
        return scale;
    const double twipsPerPixel = std::max(1.0, std::floor(TwipsPerInch / (dpi * scale)));
    return TwipsPerInch / (dpi * twipsPerPixel);
}

// Pixels per twip; the scale is measured once per font and screen, not per control.
double pixelsPerTwip()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return 96.0 / TwipsPerInch;
    struct Measured
    {
        QString fontKey;
        double dpi = 0;
        double scale = 1;
    };
    static Measured measured;
    const QFont font = QGuiApplication::font();
    const double dpi = logicalDpi();
    if (measured.dpi != dpi || measured.fontKey != font.key())
        measured = {font.key(), dpi, snapped(layoutScale(font), dpi)};
    return measured.scale * dpi / TwipsPerInch;
}

} // namespace

double layoutScale(const QFont &font)
{
    const QFontMetricsF metrics(font);
    const double dpi = logicalDpi();
    // The size asked for, where the font is given in points; else the size it has.
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
    const double bySize = points / DesignPointSize;
    const double byWidth = metrics.horizontalAdvance(QLatin1String(SampleText)) / (DesignSampleWidth * dpi);
    const double byHeight = metrics.height() / (DesignLineHeight * dpi);
    const double scale = std::max({bySize, byWidth, byHeight});
    if (!std::isfinite(scale))
        return SmallestScale;
    return std::clamp(scale, SmallestScale, LargestScale);
}

double layoutScale()
{
    return pixelsPerTwip() * TwipsPerInch / logicalDpi();
}

int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(twips * pixelsPerTwip()));
}

int pixelsToTwips(int pixels)
{
    return static_cast<int>(std::lround(pixels / pixelsPerTwip()));
}

QRect twipsRect(const TwipsBox &box)
{
    // Edges, not sizes, are rounded: controls that meet in twips meet in pixels, and one
    // that ends at its holder's edge ends there in pixels too.
    const int x = twipsToPixels(box.left);
    const int y = twipsToPixels(box.top);
    return {x, y, twipsToPixels(box.left + box.width) - x, twipsToPixels(box.top + box.height) - y};
}

QSize twipsSize(const TwipsSize &size)
{
    return {twipsToPixels(size.width), twipsToPixels(size.height)};
}

void place(QWidget *control, const TwipsBox &box)
{
    control->setGeometry(twipsRect(box));
}

void setClientSize(QWidget *window, const TwipsSize &size)
{
    window->resize(twipsSize(size));
}

} // namespace ui
