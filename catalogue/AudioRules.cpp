#include "catalogue/AudioRules.h"
