#include "documents/ui/DocumentWindows.h"

#include "documents/ui/ArticlesWindow.h"
#include "documents/ui/EditorWindow.h"
#include "documents/ui/ReportWindow.h"
#include "documents/ui/SelectTemplateWindow.h"

#include <QPointer>

namespace documents {

namespace {

// Top-level windows live until the program ends; a test may delete one to start afresh.
template<typename WindowType>
WindowType &singleInstance()
{
    static QPointer<WindowType> window;
    if (!window)
        window = new WindowType;
    return *window;
}

} // namespace

ReportWindow &reportWindow()
{
    return singleInstance<ReportWindow>();
}

ArticlesWindow &articlesWindow()
{
    return singleInstance<ArticlesWindow>();
}

SelectTemplateWindow &selectTemplateWindow()
{
    return singleInstance<SelectTemplateWindow>();
}

EditorWindow &editorWindow()
{
    return singleInstance<EditorWindow>();
}

} // namespace documents
