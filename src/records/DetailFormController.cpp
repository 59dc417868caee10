#include "records/DetailFormController.h"

#include "db/Recordset.h"
#include "db/schema/SchemaTables.h"

#include <QCoreApplication>

namespace records {

DetailFormController::DetailFormController(const DetailFormDefinition &definition, QObject *parent)
    : RecordFormController(definition.family, parent)
    , m_definition(definition)
{
}

QString DetailFormController::query() const
{
    return m_definition.selectText % QString::number(m_requestedBusiness) % m_definition.orderClause;
}

void DetailFormController::loaded()
{
    m_shownBusiness = m_requestedBusiness;
}

void DetailFormController::moveCompleted()
{
    const int count = primary().recordCount();
    // A business normally gets one row per single-record table.
    if (family() == RecordFamily::TextBoxes && count > 0)
        hideAdd();
    setStatus(QCoreApplication::translate("records::DetailForms", m_definition.statusText).arg(count));
}

void DetailFormController::writeBusinessKey()
{
    primary().setValue(db::tables::BusinessId, m_shownBusiness);
}

void DetailFormController::beforeStore()
{
    writeBusinessKey();
}

void DetailFormController::rowAdded()
{
    // A new row belongs to its business from the start, also when the grid stores it.
    writeBusinessKey();
}

void DetailFormController::followRequestedBusiness()
{
    if (!recordset() || m_requestedBusiness == m_shownBusiness || editFlag() || addFlag())
        return;
    dropUntouchedRow();
    if (recordset()->hasPendingChanges()) {
        // Typed changes are stored as leaving the row would store them.
        run({storing([this] { primary().update(); })});
        if (recordset()->hasPendingChanges())
            return;
    }
    load();
}

void DetailFormController::browsingResumed()
{
    if (m_requestedBusiness == m_shownBusiness)
        return;
    run({[this] { followRequestedBusiness(); }});
}

} // namespace records
