#pragma once

#include "plan/Plan.h"

#include <QtGlobal>

#include <optional>

namespace db {
class Connection;
}

namespace plan {

// The plans of a business database, on either engine.
class PlanStore
{
public:
    explicit PlanStore(db::Connection &connection);

    // The business's plan; none when it has none. Throws PlanError naming the value
    // when a stored one is out of range (a file changed by another program).
    std::optional<Plan> load(qint64 businessId);
    bool hasPlan(qint64 businessId);
    // Replaces the business's plan, all or nothing. Throws PlanError (first fault of
    // the plan, or the database's refusal) and leaves the stored plan as it was. The
    // plans of businesses deleted since go with it.
    void save(qint64 businessId, const Plan &plan);
    // Removes the business's plan, if any (in the caller's transaction when one is open).
    void remove(qint64 businessId);

private:
    db::Connection &m_connection;
};

} // namespace plan
