#pragma once

#include <QString>

#include <functional>
#include <initializer_list>

namespace records {

// How a handler meets a failing step.
enum class FailurePolicy {
    Report,         // stop at the first failure and show its description
    IgnoreEachStep, // skip the failing step silently and run the next one
};

using Step = std::function<void()>;
using ErrorSink = std::function<void(const QString &description)>;

// Runs the steps of one handler in order under the policy. Report hands the first
// failure's description to the sink and skips the remaining steps.
void runSteps(FailurePolicy policy, std::initializer_list<Step> steps, const ErrorSink &report);

} // namespace records
