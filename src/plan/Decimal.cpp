#include "plan/Decimal.h"
