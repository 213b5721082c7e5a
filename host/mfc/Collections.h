// The MFC collections module code uses: arrays (Array.h) and the string map (MapStringToString.h).
#pragma once

#include "host/mfc/Array.h"
#include "host/mfc/MapStringToString.h"
