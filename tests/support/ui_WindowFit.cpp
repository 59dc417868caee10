#include "support/ui_WindowFit.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
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

QScreen *smallScreen()
{
    for (QScreen *screen : QGuiApplication::screens())
        if (screen->name() == QLatin1String("Small"))
            return screen;
    return nullptr;
}

bool inView(const QWidget *control)
{
    for (const QWidget *parent = control->parentWidget(); parent; parent = parent->parentWidget()) {
        if (const auto *area = qobject_cast<const QScrollArea *>(parent))
            return area->viewport()->rect().contains(
                QRect(control->mapTo(area->viewport(), QPoint()), control->size()));
    }
    return control->isVisible();
}

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

DesktopFont::DesktopFont(const QFont &font)
    : m_previous(QApplication::font())
{
    QApplication::setFont(font);
}

DesktopFont::~DesktopFont()
{
    QApplication::setFont(m_previous);
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QStringList unreadableLabels(QWidget &window, double least)
{
    QStringList unreadable;
    const QList<QLabel *> labels = window.findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (!label->isVisible() || label->text().trimmed().isEmpty())
            continue;
        // Only the part that shows: a label may be scrolled partly out of view.
        const QRect shown = label->visibleRegion().boundingRect();
        const QRect area = QRect(label->mapTo(&window, shown.topLeft()), shown.size()) & window.rect();
        if (area.isEmpty())
            continue;
        // The text is what changes when the label goes; each of its pixels is set
        // against the same pixel without it, so the picture's own shapes do not count.
        const QImage with = window.grab(area).toImage();
        label->hide();
        const QImage without = window.grab(area).toImage();
        label->show();
        double best = 1.0;
        for (int y = 0; y < with.height() && y < without.height(); ++y)
            for (int x = 0; x < with.width() && x < without.width(); ++x)
                best = std::max(best, contrastRatio(QColor(with.pixel(x, y)), QColor(without.pixel(x, y))));
        if (best < least)
            unreadable << QStringLiteral("%1 (%2)")
                              .arg(label->objectName().isEmpty() ? label->text() : label->objectName())
                              .arg(best, 0, 'f', 1);
    }
    return unreadable;
}

} // namespace testing_support
