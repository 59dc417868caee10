#include "support/ui_Readability.h"

#include <QApplication>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QWidget>

#include <cmath>

namespace testing_support {

namespace {

double luminance(const QColor &colour)
{
    const auto channel
        = [](double value) { return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

} // namespace

QPalette darkPalette()
{
    QPalette palette;
    const QColor window(0x35, 0x35, 0x35);
    const QColor text(0xee, 0xee, 0xee);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    palette.setColor(QPalette::AlternateBase, window);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::ToolTipBase, window);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x9a, 0x9a, 0x9a));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0x9a, 0x9a, 0x9a));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x9a, 0x9a, 0x9a));
    return palette;
}

DarkScheme::DarkScheme()
    : m_previous(QApplication::palette())
{
    QApplication::setPalette(darkPalette());
}

DarkScheme::~DarkScheme()
{
    QApplication::setPalette(m_previous);
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QStringList unreadableLabels(QWidget &window, double least)
{
    const QImage picture = window.grab().toImage();
    QStringList unreadable;
    const QList<QLabel *> labels = window.findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        if (!label->isVisible() || label->text().trimmed().isEmpty())
            continue;
        const QRect area = QRect(label->mapTo(&window, QPoint()), label->size()) & picture.rect();
        if (area.isEmpty())
            continue;
        // What lies behind is the commonest colour; the text, the one furthest from it.
        QHash<QRgb, int> counts;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                ++counts[picture.pixel(x, y)];
        QRgb behind = 0;
        int most = 0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            if (it.value() > most) {
                most = it.value();
                behind = it.key();
            }
        }
        double best = 1.0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            best = std::max(best, contrastRatio(QColor(it.key()), QColor(behind)));
        if (best < least)
            unreadable << QStringLiteral("%1 (%2)").arg(label->objectName()).arg(best, 0, 'f', 1);
    }
    return unreadable;
}

} // namespace testing_support
