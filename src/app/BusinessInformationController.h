#pragma once

#include "records/RecordFormController.h"

#include <optional>

namespace app {

// The main form's records: one business per screen, in key order. It keeps the key of
// the business on screen, which every planning form is handed.
class BusinessInformationController : public records::RecordFormController
{
    Q_OBJECT

public:
    // The businesses, in key order.
    static const char *const Query;

    explicit BusinessInformationController(QObject *parent = nullptr);

    // 0 until a business with a key has been shown; then the last such business's key.
    qint64 businessInformationId() const { return m_businessInformationId; }

    // Moves to the business with this key as any move does (a changed row is stored
    // first; failures are reported). False when the form holds no such business.
    bool moveToBusiness(qint64 key);
    // The key of the row on screen; nothing on a new row or without a row.
    std::optional<qint64> currentKey() const;

protected:
    QString query() const override;
    void moveCompleted() override;
    void deleteRow() override;

private:
    std::optional<int> rowOf(qint64 key) const;

    qint64 m_businessInformationId = 0;
};

} // namespace app
