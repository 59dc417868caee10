#pragma once

#include "records/DetailFormDefinition.h"
#include "records/RecordFormController.h"

namespace records {

// A record form over the rows of one business. It keeps apart the business it is
// asked to show (the key the main form hands over) and the business whose rows it
// holds, so a key handed over mid-edit never moves rows to another business.
class DetailFormController : public RecordFormController
{
    Q_OBJECT

public:
    explicit DetailFormController(const DetailFormDefinition &definition, QObject *parent = nullptr);

    void setRequestedBusiness(qint64 businessInformationId) { m_requestedBusiness = businessInformationId; }
    qint64 requestedBusiness() const { return m_requestedBusiness; }
    // The business whose rows the form holds and whose key Update writes.
    qint64 shownBusiness() const { return m_shownBusiness; }

    // Loads the requested business's rows unless an edit or added row is pending; then
    // the form follows once Update or Cancel has finished it. Throws db::DbError when
    // the new load fails.
    void followRequestedBusiness();

protected:
    QString query() const override;
    void moveCompleted() override;
    void beforeStore() override;
    void rowAdded() override;
    void browsingResumed() override;
    void loaded() override;

private:
    void writeBusinessKey();

    const DetailFormDefinition &m_definition;
    qint64 m_requestedBusiness = 0;
    qint64 m_shownBusiness = 0;
};

} // namespace records
