#include "base/FailurePolicy.h"

#include "base/Error.h"

#include <exception>

namespace base {

QString failureOf(const Step &step)
{
    try {
        step();
    } catch (const Error &error) {
        return error.description().isEmpty() ? QStringLiteral("Unknown error.") : error.description();
    } catch (const std::exception &error) {
        const QString what = QString::fromLocal8Bit(error.what());
        return what.isEmpty() ? QStringLiteral("Unknown error.") : what;
    }
    return {};
}

bool runSteps(FailurePolicy policy, std::initializer_list<Step> steps, const ErrorSink &report)
{
    bool allRan = true;
    for (const Step &step : steps) {
        const QString failure = failureOf(step);
        if (failure.isEmpty())
            continue;
        allRan = false;
        if (policy == FailurePolicy::IgnoreEachStep)
            continue;
        if (policy == FailurePolicy::Report && report)
            report(failure);
        return false;
    }
    return allRan;
}

} // namespace base
