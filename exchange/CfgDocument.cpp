#include "exchange/CfgDocument.h"
