// Part of B's implementation: it includes A, whose implementation includes B, so B and A form a loop
// though neither header includes the other.
#include "sim/B.h"

#include "sim/A.h"
