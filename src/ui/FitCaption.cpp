#include "ui/FitCaption.h"

#include "ui/Controls.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QStyle>

#include <algorithm>

namespace ui {

namespace {

constexpr qreal SmallestPointSize = 7.0;

int marginsOf(const QAbstractButton *button)
{
    const QStyle *style = button->style();
    return 2
           * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
              + style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button));
}

int roomFor(const QAbstractButton *button)
{
    return button->width() - marginsOf(button);
}

} // namespace

void widenToCaption(QAbstractButton *button)
{
    const int needs = button->fontMetrics().horizontalAdvance(shownCaption(button->text())) + marginsOf(button);
    button->setMinimumWidth(std::max(button->sizeHint().width(), needs));
}

QString shownCaption(const QString &caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

void fitCaptions(const QList<QAbstractButton *> &buttons)
{
    if (buttons.isEmpty())
        return;
    const int room = roomFor(buttons.first());
    const auto allFit = [&](const QFont &font) {
        const QFontMetrics metrics(font);
        return std::all_of(buttons.begin(), buttons.end(), [&](const QAbstractButton *button) {
            return metrics.horizontalAdvance(shownCaption(button->text())) <= room;
        });
    };

    QFont font = buttons.first()->font();
    bool fit = allFit(font);
    if (!fit) {
        font.setStretch(QFont::Condensed);
        fit = allFit(font);
    }
    while (!fit && font.pointSizeF() > SmallestPointSize) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        fit = allFit(font);
    }

    for (QAbstractButton *button : buttons) {
        button->setFont(font);
        // Measured once more only where the smallest size still leaves a caption too long.
        if (!fit)
            elideCaption(button);
    }
}

void elideCaption(QAbstractButton *button)
{
    const QFontMetrics metrics(button->font());
    const QString shown = shownCaption(button->text());
    const int room = roomFor(button);
    if (metrics.horizontalAdvance(shown) <= room)
        return;
    button->setToolTip(plainToolTip(shown));
    button->setText(metrics.elidedText(shown, Qt::ElideRight, room).replace(u'&', QLatin1String("&&")));
}

} // namespace ui
