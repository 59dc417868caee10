#include "plan/PlanJson.h"
