#pragma once

#include "QStringPrinter.h"

#include <QFont>
#include <QPalette>
#include <QStringList>

class QScreen;
class QWidget;

namespace testing_support {

// The test programs' second screen, 800 x 600, smaller than several windows' design
// size (windows open on the first, large one).
QScreen *smallScreen();

// Whether the control lies whole in the part of its scroll area that shows.
bool inView(const QWidget *control);

// A desktop's dark colour scheme: light text on dark window, box and button colours.
QPalette darkPalette();

// Puts the dark scheme on the whole program while it lives.
class DarkScheme
{
public:
    DarkScheme();
    ~DarkScheme();
    DarkScheme(const DarkScheme &) = delete;
    DarkScheme &operator=(const DarkScheme &) = delete;

private:
    QPalette m_previous;
};

// The desktop's font at another size for as long as it lives (the application font,
// which a desktop sets for every program).
class DesktopFont
{
public:
    explicit DesktopFont(const QFont &font);
    ~DesktopFont();
    DesktopFont(const DesktopFont &) = delete;
    DesktopFont &operator=(const DesktopFont &) = delete;

private:
    QFont m_previous;
};

// The contrast ratio of two colours (1 to 21; text wants at least 4.5).
double contrastRatio(const QColor &a, const QColor &b);

// The visible labels of a shown window whose text, as the window paints it, stands
// out from what lies behind it by less than `least`; each as "name (ratio)" (its text
// where it has no name).
QStringList unreadableLabels(QWidget &window, double least = 4.5);

} // namespace testing_support
