#include "plan/StatementsCsv.h"
