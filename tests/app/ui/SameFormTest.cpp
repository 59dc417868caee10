// The start-up yardstick in bench/ shows the very window the program shows over the
// benchmark database: should the form change and the yardstick not, this says where.
#include "SameForm.h"
#include "BenchmarkDatabase.h"
#include "app/ui/GeneralInformation1.h"
#include "app/ui/StartUp.h"
#include "records/ui/FormTesting.h"
#include "ui/PaintSavingStyle.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

using namespace testing_support;

namespace {

// Where a widget stands in its window: the object names from the window down, a
// nameless one by its class and place among its like siblings.
QString pathOf(const QWidget *widget, const QWidget *window)
{
    QStringList steps;
    for (const QWidget *step = widget; step && step != window; step = step->parentWidget()) {
        QString name = step->objectName();
        if (name.isEmpty()) {
            int index = 0;
            for (const QObject *sibling : step->parent()->children()) {
                if (sibling == step)
                    break;
                if (sibling->metaObject() == step->metaObject() && sibling->objectName().isEmpty())
                    ++index;
            }
            name = QStringLiteral("%1#%2").arg(QLatin1String(step->metaObject()->className())).arg(index);
        }
        steps.prepend(name);
    }
    return steps.join(u'/');
}

QString textOf(const QWidget *widget)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text() + (button->icon().isNull() ? QString() : QStringLiteral(" +icon"));
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *box = qobject_cast<const QLineEdit *>(widget))
        return box->text();
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    return {};
}

// One line per widget and per menu entry: what a person sees of the window.
QStringList describe(const QWidget *window)
{
    QStringList lines{QStringLiteral("window %1 %2x%3 icon %4")
                          .arg(window->windowTitle())
                          .arg(window->width())
                          .arg(window->height())
                          .arg(window->windowIcon().cacheKey() == QApplication::windowIcon().cacheKey())};
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->isWindow())
            continue; // the menus' pop-ups, described below
        const bool visible = widget->isVisibleTo(window);
        const QRect place(widget->mapTo(window, QPoint()), widget->size());
        QString line = QStringLiteral("%1 %2 visible %3 enabled %4")
                           .arg(pathOf(widget, window), QLatin1String(widget->metaObject()->className()))
                           .arg(visible)
                           .arg(widget->isEnabled());
        if (visible) {
            line += QStringLiteral(" at %1,%2 %3x%4 \"%5\" tip \"%6\" font %7 palette %8")
                        .arg(place.x())
                        .arg(place.y())
                        .arg(place.width())
                        .arg(place.height())
                        .arg(textOf(widget), widget->toolTip(), widget->font().toString())
                        .arg(widget->palette().cacheKey() == window->palette().cacheKey()
                                 ? QStringLiteral("window's")
                                 : widget->palette().color(QPalette::Window).name());
        }
        lines << line;
    }
    const auto *bar = window->findChild<QMenuBar *>();
    for (const QAction *menu : bar ? bar->actions() : QList<QAction *>()) {
        lines << QStringLiteral("menu %1 %2").arg(menu->menu()->objectName(), menu->text());
        for (const QAction *item : menu->menu()->actions())
            lines << QStringLiteral("  item %1 %2 %3 %4")
                         .arg(item->objectName(), item->text(), item->shortcut().toString())
                         .arg(item->isSeparator());
    }
    lines.sort();
    return lines;
}

class SameFormTest : public FormTest
{ };

TEST_F(SameFormTest, ShowsWhatTheProgramShowsOverTheBenchmarkDatabase)
{
    if (onServerEngine())
        GTEST_SKIP() << "the yardstick stands for a start over the database files";
    bench::seedBenchmarkDatabase(folder.businessDatabase());
    ui::useQuickerStyle();
    app::useProgramIcon();
    ASSERT_TRUE(app::showMainForm());
    const auto &program = ui::WindowRegistry::get<app::GeneralInformation1>();
    const std::unique_ptr<QWidget> yardstick = bench::buildSameForm();
    yardstick->show();

    const QStringList shown = describe(&program);
    const QStringList same = describe(yardstick.get());
    ASSERT_GT(shown.size(), 60);
    for (const QString &line : shown)
        EXPECT_TRUE(same.contains(line)) << "the yardstick lacks: " << line.toStdString();
    for (const QString &line : same)
        EXPECT_TRUE(shown.contains(line)) << "the program lacks: " << line.toStdString();
}

} // namespace
