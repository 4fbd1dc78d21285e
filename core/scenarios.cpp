#include "core/scenarios.h"
