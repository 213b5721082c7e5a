// Scale, layer and colour rules outside the option object: the unit texts of "AcadUnits" and the
// default colour of a layer when there may be no option object.
#pragma once

#include "host/mfc/CString.h"

// "1 m" 0.001, "1 cm" 0.1, "1 mm" 1.0, resource 7049 (inch) 0.0393701, resource 7050 (foot)
// 0.0032808; any other text 1.0.
double AcadUnitsText2Value(const wchar_t* text);
// The text of a value: 0.001 and 0.1 exactly, inch and foot within 1e-6, else "1 mm".
CString AcadUnitsValue2Text(double value);

// Layer2DefaultColor of the option object; 7 without one.
int GetLayerDefaultColor(const wchar_t* layer);
