#pragma once

#include <memory>

class QWidget;

namespace bench {

// The main form as the program shows it over the benchmark database (its first
// business, its count, its hundred templates), built from the form's own layout
// constants and widget helpers but without its data layer, settings or logic: no
// database, no settings file, no signal wired to an action. It is the start-up
// yardstick, the least a program must do to show this very window.
//
// Needs the application's style set (ui::useQuickerStyle) and the program's icon, as
// the program sets them. The window is placed as a first start places it, not shown.
std::unique_ptr<QWidget> buildSameForm();

} // namespace bench
