#pragma once

#include <QString>
#include <QUrl>

namespace browser {

// The address a person typed, as the web engine opens it: surrounding spaces dropped
// and "http://" put in front when it names no scheme ("www.sba.gov",
// "127.0.0.1:8080/page"). Throws base::Error naming the address when it is empty or
// cannot be an address.
QUrl webAddress(const QString &typed);

} // namespace browser
