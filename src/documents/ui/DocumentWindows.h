#pragma once

namespace documents {

class ArticlesWindow;
class EditorWindow;
class ReportWindow;
class SelectTemplateWindow;

// The one instance of each document window, made on first use (kept by ui::WindowRegistry). Set a window's public
// members, then call showWindow(); a load step that fails throws db::DbError after
// showing the reason, and the window stays unloaded.
ReportWindow &reportWindow();
ArticlesWindow &articlesWindow();
SelectTemplateWindow &selectTemplateWindow();
EditorWindow &editorWindow();

} // namespace documents
