#include "core/floyd.h"
