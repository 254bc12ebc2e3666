#include "table/ValueCodes.h"
