#pragma once

#include <QIcon>

namespace records {

enum class NavigationDirection {
    First,
    Previous,
    Next,
    Last
};

// The 16 x 16 images of the navigation buttons: a triangle pointing the way, with a
// bar in front of it for First and Last.
QIcon navigationIcon(NavigationDirection direction);

} // namespace records
