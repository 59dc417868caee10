#pragma once

#include "records/RecordFormController.h"

namespace app {

// The main form's records: one business per screen, in key order. It keeps the key of
// the business on screen, which every planning form is handed.
class BusinessInformationController : public records::RecordFormController
{
    Q_OBJECT

public:
    explicit BusinessInformationController(QObject *parent = nullptr);

    // 0 until a business with a key has been shown; then the last such business's key.
    qint64 businessInformationId() const { return m_businessInformationId; }

protected:
    QString query() const override;
    void moveCompleted() override;

private:
    qint64 m_businessInformationId = 0;
};

} // namespace app
