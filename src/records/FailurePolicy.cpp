#include "records/FailurePolicy.h"

#include "db/DbError.h"

#include <exception>
#include <optional>

namespace records {

namespace {

// The description of the failure a step threw, or nothing when it ran through.
std::optional<QString> failureOf(const Step &step)
{
    try {
        step();
    } catch (const db::DbError &error) {
        return error.description();
    } catch (const std::exception &error) {
        return QString::fromLocal8Bit(error.what());
    }
    return std::nullopt;
}

} // namespace

void runSteps(FailurePolicy policy, std::initializer_list<Step> steps, const ErrorSink &report)
{
    for (const Step &step : steps) {
        const std::optional<QString> failure = failureOf(step);
        if (failure && policy == FailurePolicy::Report) {
            if (report)
                report(*failure);
            return;
        }
    }
}

} // namespace records
