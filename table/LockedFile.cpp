#include "table/LockedFile.h"
