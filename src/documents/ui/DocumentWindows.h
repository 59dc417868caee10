#pragma once

namespace documents {

class ArticlesWindow;
class EditorWindow;
class ReportWindow;
class SelectTemplateWindow;

// The one instance of each document window, made on first use (kept by ui::WindowRegistry). Set a window's public
// members, then call showWindow(). A load step that fails throws db::DbError and leaves
// the window unloaded; the caller shows the description (a failure never ends the program).
ReportWindow &reportWindow();
ArticlesWindow &articlesWindow();
SelectTemplateWindow &selectTemplateWindow();
EditorWindow &editorWindow();

} // namespace documents
