#include "table/TableLocator.h"
