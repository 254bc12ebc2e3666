#include "table/VehicleAudioRecord.h"
