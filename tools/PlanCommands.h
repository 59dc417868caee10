#pragma once

#include <optional>

// tallowmere-db's commands for financial plans and for bringing a database up to date.
namespace planCommands {

extern const char *const PlanHelp;
extern const char *const UpgradeHelp;

// `plan export|import|statements ...` with argv[1] == "plan": the exit status, or none
// when the arguments do not fit (the caller shows the usage). Failures are reported on
// standard error here.
std::optional<int> runPlan(int argc, char **argv);

// `upgrade DATABASE`.
std::optional<int> runUpgrade(int argc, char **argv);

} // namespace planCommands
