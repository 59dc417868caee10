#include "app/Templates.h"

#include "base/TextFile.h"
#include "db/Connection.h"
#include "db/ProgramFolder.h"
#include "db/Recordset.h"
#include "db/TextConventions.h"
#include "db/schema/SchemaTables.h"

#include <QFileInfo>

namespace app {

QString templateCaption(const QString &reportName)
{
    QString caption = reportName.toLower();
    if (!caption.isEmpty())
        caption[0] = caption[0].toUpper();
    return caption;
}

QString templateNameForFile(const QString &filePath)
{
    return QFileInfo(filePath).fileName().remove(QStringLiteral(".txt"), Qt::CaseSensitive).toLower();
}

QString templateTextFromLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += QStringLiteral("\r\n") % db::trimSpaces(line);
    return text;
}

void storeTemplate(db::Connection &connection, const QString &name, const QString &text)
{
    db::Recordset templates;
    templates.open(QStringLiteral("select ReportName,Info from ARTICLESOFINCORPORATION"), connection,
                   db::CursorType::Static, db::LockType::Optimistic);
    templates.addNew();
    templates.setValue(db::tables::Templates::Info, text);
    templates.setValue(db::tables::Templates::ReportName, name);
    templates.update();
}

void storeTemplateFile(const QString &filePath)
{
    const QString text = templateTextFromLines(base::readTextFileLines(filePath));
    db::Connection connection;
    connection.open(db::ConnectionStrings::document());
    storeTemplate(connection, templateNameForFile(filePath), text);
}

} // namespace app
