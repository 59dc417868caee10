#pragma once

#include <QString>
#include <QUrl>

namespace browser {

// The address a person typed, as the web engine opens it: surrounding spaces dropped
// and "http://" put in front when it names no scheme ("www.sba.gov",
// "127.0.0.1:8080/page"). A "data:" address is taken as written, with its spaces and
// markup. Throws base::Error naming the address when it is empty or cannot be an
// address, and with refusalOf()'s text when it is refused.
QUrl webAddress(const QString &typed);

// Why a typed address is never opened, or an empty string when it may be: a
// "javascript:" address would run its script inside the page on screen, with that
// page's rights.
QString refusalOf(const QString &typed);

} // namespace browser
