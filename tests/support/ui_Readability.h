#pragma once

#include <QPalette>
#include <QStringList>

class QWidget;

namespace testing_support {

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

// The contrast ratio of two colours (1 to 21; text wants at least 4.5).
double contrastRatio(const QColor &a, const QColor &b);

// The visible labels of a shown window whose text, as the window paints it, stands
// out from what lies behind it by less than `least`; each as "name (ratio)".
QStringList unreadableLabels(QWidget &window, double least = 4.5);

} // namespace testing_support
