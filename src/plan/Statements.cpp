#include "plan/Statements.h"
