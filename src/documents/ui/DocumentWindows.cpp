#include "documents/ui/DocumentWindows.h"

#include "documents/ui/ArticlesWindow.h"
#include "documents/ui/EditorWindow.h"
#include "documents/ui/ReportWindow.h"
#include "documents/ui/SelectTemplateWindow.h"
#include "ui/WindowRegistry.h"

namespace documents {

ReportWindow &reportWindow()
{
    return ui::WindowRegistry::get<ReportWindow>();
}

ArticlesWindow &articlesWindow()
{
    return ui::WindowRegistry::get<ArticlesWindow>();
}

SelectTemplateWindow &selectTemplateWindow()
{
    return ui::WindowRegistry::get<SelectTemplateWindow>();
}

EditorWindow &editorWindow()
{
    return ui::WindowRegistry::get<EditorWindow>();
}

} // namespace documents
