#include "app/BusinessInformationController.h"

#include "db/Recordset.h"

namespace app {

BusinessInformationController::BusinessInformationController(QObject *parent)
    : RecordFormController(records::RecordFamily::TextBoxes, parent)
{
}

QString BusinessInformationController::query() const
{
    return QStringLiteral(
        "select BusinessInformationId,BusinessInformationDate,BusninesName,BusinessAddressOne,BusinessAddressTwo,"
        "BusinessCity,BusinessState,BusinessZip,BusinessCounty,BusinessPhoneNumber,BusinessFaxNumber,"
        "BusinessWebSiteURL,BusinessEMailAddress from BusinessInformation Order by BusinessInformationId");
}

void BusinessInformationController::moveCompleted()
{
    db::Recordset &businesses = primary();
    setStatus(QStringLiteral("Business Currently In System: ") % QString::number(businesses.recordCount()));
    if (businesses.bof() || businesses.eof())
        return;
    // A new business has no key until it is stored: the key stays at the business before it.
    const QVariant key = businesses.value(QStringLiteral("BusinessInformationId"));
    if (key.isValid())
        m_businessInformationId = key.toLongLong();
}

} // namespace app
