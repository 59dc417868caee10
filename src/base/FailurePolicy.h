#pragma once

#include <QString>

#include <functional>
#include <initializer_list>

namespace base {

// How a handler meets a failing step.
enum class FailurePolicy {
    Report,         // stop at the first failure and hand its description to the sink
    IgnoreEachStep, // skip the failing step silently and run the next one
    EndSilently,    // stop at the first failure without a word
};

using Step = std::function<void()>;
using ErrorSink = std::function<void(const QString &description)>;

// Runs the steps of one handler in order under the policy. Returns true when every
// step ran through.
bool runSteps(FailurePolicy policy, std::initializer_list<Step> steps, const ErrorSink &report = {});

// The description of the failure a step throws, or an empty string when it ran through.
QString failureOf(const Step &step);

} // namespace base
