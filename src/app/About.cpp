#include "app/About.h"

#include "db/EngineVersions.h"
#include "db/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace app {

QString programVersion()
{
    return QStringLiteral(TALLOWMERE_VERSION);
}

QString aboutText()
{
    return QCoreApplication::translate("app::About",
                                       "Tallowmere %1\n"
                                       "Small-business planning: businesses, their plans, reports and documents.\n"
                                       "\n"
                                       "Free software under the MIT licence.\n"
                                       "Copyright the Tallowmere authors.\n"
                                       "\n"
                                       "Qt %2\n"
                                       "SQLite %3\n"
                                       "\n"
                                       "Data folder: %4")
        .arg(programVersion(), QString::fromLatin1(qVersion()), db::sqliteVersion(),
             QDir::toNativeSeparators(db::ProgramFolder::path()));
}

} // namespace app
