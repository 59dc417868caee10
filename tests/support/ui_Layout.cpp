#include "support/ui_Layout.h"

#include "ui/FitCaption.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>

namespace testing_support {

namespace {

QString nameOf(const QWidget &control)
{
    if (!control.objectName().isEmpty())
        return control.objectName();
    QString text;
    if (const auto *label = qobject_cast<const QLabel *>(&control))
        text = label->text();
    else if (const auto *button = qobject_cast<const QAbstractButton *>(&control))
        text = button->text();
    return QLatin1String(control.metaObject()->className())
           + (text.isEmpty() ? QString() : QStringLiteral(" \"%1\"").arg(text));
}

// A control a person sees as one thing; its own parts (a scroll bar, a header, the
// line of a combo box) are its business, not the window's.
bool isControl(const QWidget &widget)
{
    if (qobject_cast<const QScrollArea *>(&widget))
        return false; // holds controls, which count one by one
    return qobject_cast<const QAbstractButton *>(&widget) || qobject_cast<const QLabel *>(&widget)
           || qobject_cast<const QLineEdit *>(&widget) || qobject_cast<const QAbstractScrollArea *>(&widget)
           || qobject_cast<const QComboBox *>(&widget) || qobject_cast<const QAbstractSpinBox *>(&widget)
           || qobject_cast<const QAbstractSlider *>(&widget) || qobject_cast<const QProgressBar *>(&widget)
           || qobject_cast<const QMenuBar *>(&widget) || qobject_cast<const QTabBar *>(&widget);
}

// The widgets that stand in `holder` and show.
QList<const QWidget *> shownIn(const QWidget &holder, const QWidget &root)
{
    QList<const QWidget *> shown;
    for (const QWidget *child : holder.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || !child->isVisibleTo(&root) || child->size().isEmpty())
            continue;
        shown << child;
    }
    return shown;
}

// Calls `visit` with each widget that holds controls, from `holder` down: a scroll
// area lends its content, which may be larger than what shows of it.
template <class Visit> void eachHolder(const QWidget &holder, const QWidget &root, const Visit &visit)
{
    visit(holder);
    for (const QWidget *child : shownIn(holder, root)) {
        if (const auto *area = qobject_cast<const QScrollArea *>(child)) {
            if (area->widget() && area->widget()->isVisibleTo(&root))
                eachHolder(*area->widget(), root, visit);
        } else if (!isControl(*child)) {
            eachHolder(*child, root, visit);
        }
    }
}

// The room a control needs for its text, where it needs more than it has; else empty.
QSize textNeeds(const QWidget &control)
{
    const QStyle *style = control.style();
    const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &control);
    const QFontMetrics metrics = control.fontMetrics();
    QSize needs;
    QSize has = control.size();
    if (const auto *label = qobject_cast<const QLabel *>(&control)) {
        if (label->text().trimmed().isEmpty())
            return {};
        has = label->contentsRect().size();
        needs = label->wordWrap() ? QSize(has.width(), label->heightForWidth(label->width())) : label->sizeHint();
        needs -= QSize(label->width() - has.width(), label->height() - has.height());
    } else if (qobject_cast<const QCheckBox *>(&control) || qobject_cast<const QRadioButton *>(&control)) {
        needs = control.sizeHint();
    } else if (const auto *tool = qobject_cast<const QToolButton *>(&control)) {
        // A picture button shows no caption; its text is its tool-tip and its name.
        if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly && !tool->icon().isNull())
            return {};
        needs = control.sizeHint();
    } else if (const auto *button = qobject_cast<const QAbstractButton *>(&control)) {
        if (button->text().isEmpty())
            return {};
        // Room inside the button's bevel and margins, as the style lays out its caption.
        const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &control) + frame;
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        needs = QSize(metrics.horizontalAdvance(ui::shownCaption(button->text())) + icon + 2 * margin,
                      metrics.height() + 2 * frame);
    } else if (const auto *frameBox = qobject_cast<const QGroupBox *>(&control)) {
        if (frameBox->title().isEmpty())
            return {};
        needs = QSize(metrics.horizontalAdvance(ui::shownCaption(frameBox->title())) + 2 * metrics.averageCharWidth(),
                      metrics.height());
    } else if (qobject_cast<const QLineEdit *>(&control) || qobject_cast<const QComboBox *>(&control)
               || qobject_cast<const QAbstractSpinBox *>(&control)) {
        // What is typed is the person's; the box must show a whole line of it.
        needs = QSize(has.width(), metrics.height() + 2 * frame);
    } else {
        return {};
    }
    return needs.width() > has.width() || needs.height() > has.height() ? needs : QSize();
}

} // namespace

QRect placeIn(const QWidget &control, const QWidget &root)
{
    return QRect(control.mapTo(&root, QPoint()), control.size());
}

QStringList controlsOutside(const QWidget &root)
{
    QStringList faults;
    eachHolder(root, root, [&](const QWidget &holder) {
        const QRect room(QPoint(), holder.size());
        for (const QWidget *child : shownIn(holder, root)) {
            if (!room.contains(child->geometry()))
                faults << QStringLiteral("%1: reaches outside %2").arg(nameOf(*child), nameOf(holder));
        }
    });
    return faults;
}

QStringList overlappingControls(const QWidget &root)
{
    QStringList faults;
    eachHolder(root, root, [&](const QWidget &holder) {
        const QList<const QWidget *> shown = shownIn(holder, root);
        for (qsizetype i = 0; i < shown.size(); ++i) {
            for (qsizetype j = i + 1; j < shown.size(); ++j) {
                // A sliver of one pixel is the rounding of twips to pixels (Next and Last
                // share five twips by design); more is a control covering another.
                const QRect shared = shown[i]->geometry() & shown[j]->geometry();
                if (shared.width() > 1 && shared.height() > 1)
                    faults << QStringLiteral("%1: overlaps %2").arg(nameOf(*shown[i]), nameOf(*shown[j]));
            }
        }
    });
    return faults;
}

QStringList labelsNotBeforeTheirBoxes(const QWidget &root)
{
    QStringList faults;
    for (const QLabel *label : root.findChildren<QLabel *>()) {
        const QWidget *box = label->buddy();
        if (!box || !label->isVisibleTo(&root) || !box->isVisibleTo(&root))
            continue;
        const QRect named = placeIn(*label, root);
        const QRect boxPlace = placeIn(*box, root);
        const bool sameRow = named.top() <= boxPlace.bottom() && named.bottom() >= boxPlace.top();
        const bool sameColumn = named.left() <= boxPlace.right() && named.right() >= boxPlace.left();
        const bool leftOf = sameRow && named.right() < boxPlace.left();
        const bool above = sameColumn && named.bottom() < boxPlace.top();
        if (!leftOf && !above)
            faults << QStringLiteral("%1: neither left of nor above %2").arg(nameOf(*label), nameOf(*box));
    }
    return faults;
}

QStringList cutTexts(const QWidget &root)
{
    QStringList faults;
    eachHolder(root, root, [&](const QWidget &holder) {
        for (const QWidget *child : shownIn(holder, root)) {
            // A frame holds controls and has its own title too.
            if (const QSize needs = textNeeds(*child); needs.isValid())
                faults << QStringLiteral("%1: text cut (needs %2 x %3 pixels, has %4 x %5)")
                              .arg(nameOf(*child))
                              .arg(needs.width())
                              .arg(needs.height())
                              .arg(child->width())
                              .arg(child->height());
        }
    });
    return faults;
}

QStringList layoutFaults(const QWidget &root)
{
    return controlsOutside(root) + overlappingControls(root) + labelsNotBeforeTheirBoxes(root) + cutTexts(root);
}

QStringList tabOrder(QWidget *first)
{
    QStringList order;
    const QWidget *window = first->window();
    QWidget *widget = first;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() && widget->isVisibleTo(window))
            order << nameOf(*widget);
        widget = widget->nextInFocusChain();
    } while (widget && widget != first);
    return order;
}

} // namespace testing_support
