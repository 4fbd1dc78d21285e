#include "core/routes.h"
