#include "browser/WebEngineEnvironment.h"

#include <QByteArray>

#include <unistd.h>

namespace browser {

void prepareWebEngineEnvironment()
{
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArrayLiteral("1"));
}

} // namespace browser
