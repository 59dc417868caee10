#include "BenchmarkDatabase.h"

#include "db/Connection.h"
#include "db/Schema.h"

namespace bench {

void seedBenchmarkDatabase(const QString &file, int businesses, int templates)
{
    db::Connection connection;
    connection.openFile(file);
    connection.executeScript(
        QStringLiteral(
            "BEGIN;"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
            "INSERT INTO BusinessInformation (BusninesName, BusinessAddressOne, BusinessCity, BusinessState, "
            "BusinessZip, BusinessCounty, BusinessPhoneNumber, BusinessFaxNumber, BusinessWebSiteURL, "
            "BusinessEMailAddress) "
            "SELECT 'Business ' || i, i || ' Main Street', 'Springfield', 'IL', '62701', 'Sangamon', '555 0100', "
            "'555 0101', 'http://example.com/' || i, 'owner' || i || '@example.com' FROM n;"
            "DELETE FROM ARTICLESOFINCORPORATION;"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %2) "
            "INSERT INTO ARTICLESOFINCORPORATION (ReportName, Info) "
            "SELECT 'template ' || i, 'Text of template ' || i FROM n WHERE %2 > 0;"
            "COMMIT;")
            .arg(businesses)
            .arg(templates));
    connection.close();
}

void createBenchmarkDatabase(const QString &file, int businesses, int templates)
{
    db::Schema::createBusinessDatabase(file);
    seedBenchmarkDatabase(file, businesses, templates);
}

} // namespace bench
