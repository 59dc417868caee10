#pragma once

class QMenuBar;
class QWidget;

namespace ui {

// F10 opens the first menu of `bar`, as on other desktops, wherever the focus is in
// `window`; the arrow keys then go through the menus.
void openMenuBarOnF10(QWidget *window, QMenuBar *bar);

} // namespace ui
