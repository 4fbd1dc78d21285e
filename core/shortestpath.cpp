#include "core/shortestpath.h"
