#include "plan/ui/ChartModule.h"

#include "base/Error.h"
#include "base/Module.h"
#include "plan/ui/ChartDrawing.h"

#include <QCoreApplication>

namespace plan::ui {

namespace {

QString &replacedName()
{
    static QString name;
    return name;
}

} // namespace

ChartDrawing &ChartModule::drawing()
{
    const QString name = replacedName().isEmpty() ? QStringLiteral("tallowmere_charts") : replacedName();
    const auto drawingOf
        = reinterpret_cast<TallowmereChartDrawing>(base::Module::symbol(name, TALLOWMERE_CHART_DRAWING_SYMBOL));
    ChartDrawing *drawing = drawingOf();
    if (!drawing)
        throw base::Error(
            QCoreApplication::translate("plan::ui::ChartModule", "The program part %1 (%2) draws no charts.")
                .arg(name, base::Module::filePath(name)));
    return *drawing;
}

void ChartModule::replaceModuleName(const QString &name)
{
    replacedName() = name;
}

} // namespace plan::ui
