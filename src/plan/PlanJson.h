#pragma once

#include "plan/Plan.h"

#include <QByteArray>

namespace plan {

// A plan as JSON (README, "Financial plans"): amounts, quantities and percents as
// decimal strings, months and terms as integers.
QByteArray planToJson(const Plan &plan);

// Reads such a file; throws PlanError naming the first fault (bad JSON, a missing or
// unknown field, a value of the wrong type or out of range), with `source` (a file
// name) in the message.
Plan planFromJson(const QByteArray &json, const QString &source);

} // namespace plan
