#include "table/RecordFile.h"
