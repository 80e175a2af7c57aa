#include "sim/A.h"

#include "sim/B.h"
