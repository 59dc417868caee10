#include "app/BusinessInformationController.h"

#include "db/Recordset.h"
#include "db/schema/SchemaTables.h"
#include "plan/PlanStore.h"

#include <QCoreApplication>

namespace app {

BusinessInformationController::BusinessInformationController(QObject *parent)
    : RecordFormController(records::RecordFamily::TextBoxes, parent)
{
}

const char *const BusinessInformationController::Query
    = "select BusinessInformationId,BusinessInformationDate,BusninesName,BusinessAddressOne,BusinessAddressTwo,"
      "BusinessCity,BusinessState,BusinessZip,BusinessCounty,BusinessPhoneNumber,BusinessFaxNumber,"
      "BusinessWebSiteURL,BusinessEMailAddress from BusinessInformation Order by BusinessInformationId";

QString BusinessInformationController::query() const
{
    return QLatin1String(Query);
}

void BusinessInformationController::moveCompleted()
{
    db::Recordset &businesses = primary();
    setStatus(QCoreApplication::translate("app::BusinessInformationController", "Business Currently In System: %1")
                  .arg(businesses.recordCount()));
    if (businesses.bof() || businesses.eof())
        return;
    // A new business has no key until it is stored: the key stays at the business before it.
    const QVariant key = businesses.value(db::tables::BusinessInformation::Id);
    if (key.isValid())
        m_businessInformationId = key.toLongLong();
}

namespace {
constexpr int KeyColumn = 0;
}

void BusinessInformationController::deleteRow()
{
    const std::optional<qint64> key = currentKey();
    // The business first: were its deletion refused, its plan would still be there.
    RecordFormController::deleteRow();
    if (key)
        plan::PlanStore(connection()).remove(*key);
}

std::optional<qint64> BusinessInformationController::currentKey() const
{
    const db::Recordset *rows = recordset();
    if (!rows || !rows->isOpen() || rows->bof() || rows->eof())
        return std::nullopt;
    const QVariant key = rows->valueAt(rows->currentIndex(), KeyColumn);
    return key.isValid() ? std::optional<qint64>(key.toLongLong()) : std::nullopt;
}

std::optional<int> BusinessInformationController::rowOf(qint64 key) const
{
    // The rows stand in key order, a new row without a key last: a binary search reads
    // only the rows it looks at.
    const db::Recordset &rows = primary();
    const auto keyAt = [&rows](int row) { return rows.valueAt(row, KeyColumn); };
    int low = 0;
    int high = rows.recordCount();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const QVariant found = keyAt(middle);
        if (!found.isValid() || found.toLongLong() >= key)
            high = middle;
        else
            low = middle + 1;
    }
    if (low < rows.recordCount() && keyAt(low).isValid() && keyAt(low).toLongLong() == key)
        return low;
    return std::nullopt;
}

bool BusinessInformationController::moveToBusiness(qint64 key)
{
    if (!recordset() || !recordset()->isOpen())
        return false;
    const std::optional<int> row = rowOf(key);
    if (!row)
        return false;
    run({leaving([this, row] { primary().moveTo(*row); })});
    return true;
}

} // namespace app
