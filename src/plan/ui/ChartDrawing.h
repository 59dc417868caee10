#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>

#include <vector>

class QPainter;
class QRectF;
class QWidget;

namespace plan::ui {

// A chart as plain values: what is drawn, not how.
struct ChartAxis
{
    QString title;
    double low = 0;
    double high = 0;
    // Ticks every so many units from zero; 0 leaves them to the drawing, tickCount of
    // them on round numbers that take in low and high.
    double tickInterval = 0;
    int tickCount = 5;
};

struct ChartLine
{
    QString name; // in the legend
    QList<QPointF> points;
    Qt::PenStyle style = Qt::SolidLine;
    QColor colour; // invalid: the theme's colour for the next line
};

struct ChartFigure
{
    QString title;
    ChartAxis x;
    ChartAxis y;
    std::vector<ChartLine> lines;
};

// What draws the charts: the real drawing lives in the run-time module
// libtallowmere_charts.so, which holds Qt Charts so that start-up does not load it.
// Only inline and pure virtual members, so the module needs nothing from the program
// but this header.
class ChartDrawing
{
public:
    virtual ~ChartDrawing() = default;
    // A new, empty chart view, a child of parent.
    virtual QWidget *newView(QWidget *parent) = 0;
    // Shows the figure in a view made by newView, in the dark theme or the light one.
    virtual void show(QWidget *view, const ChartFigure &figure, bool dark) = 0;
    // Draws the figure in its light colours into target, laid out at a screen's size
    // and scaled, so that its text stays text.
    virtual void paint(QPainter &painter, const QRectF &target, const ChartFigure &figure) = 0;
};

} // namespace plan::ui

// The module's one export: its drawing, which lives as long as the module.
extern "C" {
using TallowmereChartDrawing = plan::ui::ChartDrawing *(*)();
}

#define TALLOWMERE_CHART_DRAWING_SYMBOL "tallowmere_chart_drawing"
