// The run-time module that holds Qt Charts: the plan's charts as Qt Charts draws them.
#include "base/ModuleExport.h"
#include "plan/ui/ChartDrawing.h"

#include <QChart>
#include <QChartView>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

namespace {

using plan::ui::ChartAxis;
using plan::ui::ChartFigure;
using plan::ui::ChartLine;

QValueAxis *newAxis(const ChartAxis &described)
{
    auto *axis = new QValueAxis;
    axis->setTitleText(described.title);
    axis->setLabelFormat(QStringLiteral("%.0f"));
    axis->setRange(described.low, described.high);
    if (described.tickInterval > 0) {
        axis->setTickType(QValueAxis::TicksDynamic);
        axis->setTickAnchor(0);
        axis->setTickInterval(described.tickInterval);
    } else {
        axis->setTickCount(described.tickCount);
        axis->applyNiceNumbers();
    }
    return axis;
}

QChart *newChart(const ChartFigure &figure, bool dark)
{
    auto *chart = new QChart;
    // The theme first: it gives each line added after it its colour.
    chart->setTheme(dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart->setTitle(figure.title);
    // Axis amounts written the user's way: "125.000" in German.
    chart->setLocalizeNumbers(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    QValueAxis *x = newAxis(figure.x);
    QValueAxis *y = newAxis(figure.y);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (const ChartLine &line : figure.lines) {
        auto *series = new QLineSeries;
        series->setName(line.name);
        series->append(line.points);
        chart->addSeries(series);
        series->attachAxis(x);
        series->attachAxis(y);
        if (line.style != Qt::SolidLine || line.colour.isValid()) {
            QPen pen = series->pen();
            pen.setStyle(line.style);
            if (line.colour.isValid())
                pen.setColor(line.colour);
            series->setPen(pen);
        }
    }
    return chart;
}

class QtChartDrawing final : public plan::ui::ChartDrawing
{
public:
    QWidget *newView(QWidget *parent) override
    {
        auto *view = new QChartView(parent);
        view->setRenderHint(QPainter::Antialiasing);
        return view;
    }

    void show(QWidget *view, const ChartFigure &figure, bool dark) override
    {
        auto *chartView = qobject_cast<QChartView *>(view);
        if (!chartView)
            return;
        // The view lets go of the chart it had without deleting it.
        QChart *previous = chartView->chart();
        chartView->setChart(newChart(figure, dark));
        delete previous;
    }

    void paint(QPainter &painter, const QRectF &target, const ChartFigure &figure) override
    {
        if (target.isEmpty())
            return;
        QGraphicsScene scene;
        QChart *chart = newChart(figure, false);
        scene.addItem(chart); // the scene deletes it
        chart->resize(1000, 1000 * target.height() / target.width());
        scene.render(&painter, target, chart->geometry());
    }
};

} // namespace

TALLOWMERE_MODULE_EXPORT plan::ui::ChartDrawing *tallowmere_chart_drawing()
{
    static QtChartDrawing drawing;
    return &drawing;
}
