// acadErrorStatusText: the name of a result code ("eOk", "eInvalidInput" ...), for traces and
// messages; a value without a name gives "eUnknownErrorStatus".
#pragma once

#include "host/rx/AcadErrorStatus.h"
#include "host/rx/ads.h"

const ACHAR* acadErrorStatusText(Acad::ErrorStatus es);
