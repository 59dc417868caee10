#pragma once

#include <QString>

namespace plan::ui {

class ChartDrawing;

// Where the charts are drawn: the run-time module libtallowmere_charts.so, opened the
// first time a chart is shown or printed.
class ChartModule
{
public:
    // Throws base::Error naming the module's file when it cannot be loaded.
    static ChartDrawing &drawing();

    // Tests open another module in its place (one that is missing); an empty name
    // goes back to the real one.
    static void replaceModuleName(const QString &name);
};

} // namespace plan::ui
