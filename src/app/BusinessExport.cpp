#include "app/BusinessExport.h"

#include "base/Error.h"
#include "db/Connection.h"
#include "db/CsvWriter.h"
#include "db/ProgramFolder.h"
#include "db/Statement.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

namespace app {

qsizetype exportBusinesses(db::Connection &connection, const QString &filePath)
{
    const QString shown = QDir::toNativeSeparators(filePath);
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly))
        throw base::FileError(QCoreApplication::translate("app::BusinessExport", "%1 cannot be written: %2")
                                  .arg(shown, file.errorString()));
    file.write("\xEF\xBB\xBF");
    qsizetype count = 0;
    {
        db::Statement rows(connection,
                           QStringLiteral("SELECT * FROM BusinessInformation ORDER BY BusinessInformationId"));
        db::CsvWriter writer([&file](const QByteArray &text) { return file.write(text) == text.size(); },
                             db::CsvWriter::Cells::ForSpreadsheets);
        writer.writeHeader(rows);
        while (rows.step()) {
            writer.writeRow(rows);
            ++count;
        }
        if (!writer.finish()) {
            file.cancelWriting();
            throw base::FileError(QCoreApplication::translate("app::BusinessExport", "%1 could not be written: %2")
                                      .arg(shown, file.errorString()));
        }
    }
    if (!file.commit())
        throw base::FileError(QCoreApplication::translate("app::BusinessExport", "%1 could not be written: %2")
                                  .arg(shown, file.errorString()));
    return count;
}

qsizetype exportBusinesses(const QString &filePath)
{
    db::Connection connection;
    connection.open(db::ConnectionStrings::document());
    return exportBusinesses(connection, filePath);
}

} // namespace app
