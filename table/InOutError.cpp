#include "table/InOutError.h"
