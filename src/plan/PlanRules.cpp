#include "plan/PlanRules.h"
