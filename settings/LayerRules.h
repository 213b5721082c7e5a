// The layer rules of new and updated objects: the layer an object goes on (from the palette's
// layer box, or from the scale through the "Scale2Layer" map) and the "ForbidLayer0" check.
// The palette's box texts are parameters, so the rules can be asked with or without a palette.
#pragma once

#include "host/db/AcDbObjectId.h"
#include "host/mfc/CString.h"
#include "host/mfc/Collections.h"

class AcDbEntity;

// What the main palette shows that the layer rules read.
struct CPaletteLayerBoxes {
  CString strLayer;  // the layer box text
  CString strScale;  // the scale box text
  int iMode = 0;     // the palette's mode (m_iCurrentMode)
};

// The palette's box texts; false while no palette with these boxes exists.
bool GetPaletteLayerBoxes(CPaletteLayerBoxes& boxes);

// The layer for `object` (a chain, height mark, text or dimension) whose option strings are
// `optionStrings` (entry 0: its "Scale"), with the palette's boxes as they are now. Null id
// without a palette: the object's layer is not changed. A layer that does not exist yet is
// created (colour from Layer2DefaultColor in the object's mode) and the object put on it.
AcDbObjectId GetLayerForObject(AcDbEntity* object, const CStringArray& optionStrings);
// The same rule for given box texts (null: no palette).
AcDbObjectId GetLayerForObject(AcDbEntity* object, const CStringArray& optionStrings,
                               const CPaletteLayerBoxes* palette);

// False (after the message box of string resource 32947) when "ForbidLayer0" is on in the current
// mode and the layer that would be used is "0": the palette's layer box text, or the current
// layer when that text is empty (there is no palette: the current layer).
bool CheckForbidLayer0();
bool CheckForbidLayer0(const wchar_t* layerBoxText);
