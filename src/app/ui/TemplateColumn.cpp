#include "app/ui/TemplateColumn.h"

#include "ui/FitCaption.h"
#include "ui/Twips.h"

#include <QPushButton>
#include <QScrollBar>

namespace app {

namespace {

// A caption shows '&' as itself rather than as a mnemonic.
QString asCaption(const QString &text)
{
    return QString(text).replace(u'&', QLatin1String("&&"));
}

} // namespace

TemplateColumn::TemplateColumn(const TemplateColumnGeometry &geometry, QWidget *frame)
    : QScrollArea(frame)
    , m_geometry(geometry)
{
    setObjectName(QStringLiteral("templateColumn"));
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setAutoFillBackground(false);
    m_content = new QWidget;
    setWidget(m_content);
    // The frame's background shows through (setWidget turns filling on).
    m_content->setAutoFillBackground(false);
    hide();
}

void TemplateColumn::setTemplates(const QStringList &captions, const QFont &font,
                                  const std::function<void(const QString &)> &open)
{
    clear();
    const int count = static_cast<int>(captions.size());
    if (count == 0)
        return;
    const TemplateColumnGeometry &g = m_geometry;
    const int shown = std::min(count, g.rowsShown);
    const bool scrolls = count > shown;
    // The column's origin in pixels; each button is placed from its own twips position so
    // rounding never adds up.
    const QPoint origin = ui::twipsRect(g.left, g.firstTop, 0, 0).topLeft();
    const int buttonWidth = ui::twipsToPixels(g.buttonWidth) - (scrolls ? verticalScrollBar()->sizeHint().width() : 0);
    for (int i = 0; i < count; ++i) {
        const QString caption = captions[i];
        auto *button = new QPushButton(asCaption(caption), m_content);
        button->setObjectName(QStringLiteral("cmdArticleOfCorporation_%1").arg(i + 1));
        button->setAccessibleName(caption);
        button->setAutoDefault(false);
        button->setFont(font);
        const QRect place = ui::twipsRect(g.left, g.firstTop + i * g.step, g.buttonWidth, g.buttonHeight);
        button->setGeometry(QRect(place.topLeft() - origin, QSize(buttonWidth, place.height())));
        // Template names are the user's: one that is too long is shortened, not cut off.
        ui::elideCaption(button);
        connect(button, &QPushButton::clicked, this, [open, caption] { open(caption); });
        m_buttons.push_back(button);
    }
    m_content->resize(ui::twipsToPixels(g.buttonWidth), m_buttons.back()->geometry().bottom() + 1);
    setGeometry(QRect(origin, QSize(ui::twipsToPixels(g.buttonWidth),
                                    ui::twipsToPixels(g.firstTop + (shown - 1) * g.step + g.buttonHeight) - origin.y())));
    show();
}

void TemplateColumn::clear()
{
    for (QPushButton *button : m_buttons)
        delete button;
    m_buttons.clear();
    hide();
}

int TemplateColumn::shownBottom() const
{
    const int shown = std::min(count(), m_geometry.rowsShown);
    return m_geometry.firstTop + (shown - 1) * m_geometry.step + m_geometry.buttonHeight;
}

} // namespace app
