#include "table/TextConversions.h"
