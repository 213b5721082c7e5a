// AcGiViewportDraw lives with the other draw contexts.
#pragma once

#include "host/gi/AcGiWorldDraw.h"
