#pragma once

#include <QUrl>

namespace app {

// The page of business-resource links: on the maker's web host when the build names
// one, else the copy that ships next to the program.
QUrl businessResourcesUrl();

inline constexpr auto BusinessResourcesPage = "BusineeResources.html";

} // namespace app
