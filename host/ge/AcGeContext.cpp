// The default geometric tolerance: equalPoint 1e-10, equalVector 1e-12.
#include "host/ge/AcGeContext.h"

AcGeTol AcGeContext::gTol;
