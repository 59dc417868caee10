#include "plan/PlanStore.h"
