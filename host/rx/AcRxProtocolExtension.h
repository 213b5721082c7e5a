// Protocol extensions: objects attached to a runtime class for another (protocol) class with
// AcRxClass::addX, found with queryX on the class or any object of it, removed with delX.
#pragma once

#include "host/rx/AcRxClass.h"
