#include "exchange/TextKind.h"
