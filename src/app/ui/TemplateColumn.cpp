#include "app/ui/TemplateColumn.h"

#include "ui/FitCaption.h"
#include "ui/Twips.h"

#include <QKeyEvent>
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
    // Tab goes from button to button; the column itself is no stop on the way.
    setFocusPolicy(Qt::NoFocus);
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
    m_captions = captions;
    m_font = font;
    m_open = open;
    const TemplateColumnGeometry &g = m_geometry;
    const int shown = std::min(count, g.rowsShown);
    const bool scrolls = count > shown;
    // As wide as the planning buttons of the same column, rounded as they are.
    const int columnWidth = ui::twipsRect({g.left, g.firstTop, g.buttonWidth, g.buttonHeight}).width();
    m_buttonWidth = columnWidth - (scrolls ? verticalScrollBar()->sizeHint().width() : 0);
    makeButtons(shown);
    // The content has the height of every button from the start, so the scroll bar is
    // right before the others exist.
    const QPoint origin = ui::twipsRect({g.left, g.firstTop, 0, 0}).topLeft();
    const int contentBottom
        = ui::twipsRect({g.left, g.firstTop + (count - 1) * g.step, g.buttonWidth, g.buttonHeight}).bottom();
    m_content->resize(columnWidth, contentBottom - origin.y() + 1);
    setGeometry(QRect(origin, QSize(columnWidth, ui::twipsToPixels(g.firstTop + (shown - 1) * g.step + g.buttonHeight)
                                                     - origin.y())));
    if (scrolls) {
        connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &TemplateColumn::makeTheRest,
                Qt::SingleShotConnection);
        m_buttons.back()->installEventFilter(this);
    }
    show();
}

void TemplateColumn::makeButtons(int upTo)
{
    const TemplateColumnGeometry &g = m_geometry;
    // The column's origin in pixels; each button is placed from its own twips position so
    // rounding never adds up.
    const QPoint origin = ui::twipsRect({g.left, g.firstTop, 0, 0}).topLeft();
    QWidget *previous = m_buttons.empty() ? nullptr : m_buttons.back();
    for (int i = madeCount(); i < upTo; ++i) {
        const QString caption = m_captions[i];
        auto *button = new QPushButton(asCaption(caption), m_content);
        button->setObjectName(QStringLiteral("cmdArticleOfCorporation_%1").arg(i + 1));
        button->setAccessibleName(caption);
        button->setAutoDefault(false);
        button->setFont(m_font);
        const QRect place = ui::twipsRect({g.left, g.firstTop + i * g.step, g.buttonWidth, g.buttonHeight});
        button->setGeometry(QRect(place.topLeft() - origin, QSize(m_buttonWidth, place.height())));
        // Template names are the user's: one that is too long is shortened, not cut off.
        ui::elideCaption(button);
        connect(button, &QPushButton::clicked, this, [open = m_open, caption] { open(caption); });
        // Buttons made later still follow the ones before them in the Tab order.
        if (previous)
            QWidget::setTabOrder(previous, button);
        if (m_content->isVisible())
            button->show();
        previous = button;
        m_buttons.push_back(button);
    }
}

void TemplateColumn::makeTheRest()
{
    if (madeCount() < count())
        makeButtons(count());
}

bool TemplateColumn::eventFilter(QObject *watched, QEvent *event)
{
    // Tab from the last button made goes on to the next template, not out of the column.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Tab) {
        watched->removeEventFilter(this);
        makeTheRest();
    }
    return QScrollArea::eventFilter(watched, event);
}

void TemplateColumn::clear()
{
    for (QPushButton *button : m_buttons)
        delete button;
    m_buttons.clear();
    m_captions.clear();
    m_open = nullptr;
    disconnect(verticalScrollBar(), &QScrollBar::valueChanged, this, &TemplateColumn::makeTheRest);
    hide();
}

int TemplateColumn::shownBottom() const
{
    const int shown = std::min(count(), m_geometry.rowsShown);
    return m_geometry.firstTop + (shown - 1) * m_geometry.step + m_geometry.buttonHeight;
}

} // namespace app
