// The layer for an object and the layer-0 check.
#include "settings/LayerRules.h"

#include "acadobjects/DocumentServices.h"
#include "acadobjects/Messages.h"
#include "acadobjects/ServiceGuard.h"
#include "acadobjects/XDataRecords.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbEntity.h"
#include "host/db/AcDbLayerTable.h"
#include "host/db/AcDbOpenObject.h"
#include "proxy/QBdimHeight.h"
#include "frame/MainPalette.h"
#include "frame/ResourceString.h"
#include "settings/GlobDimOptions.h"
#include "ui/DlgMain.h"

namespace {

const int kLayer0Forbidden = 32947;

int KindOf(const AcDbEntity* object) {
  if (object && object->isKindOf(QBdimHeight::desc())) return MODE_HEIGHT;
  const int type = ObjectTypeCode(object);
  if (type == OBJECT_TYPE_TEXT || type == OBJECT_TYPE_MTEXT) return MODE_TEXT;
  return MODE_DIM;
}

// The layer for `scale` in the set of `mode`, with the option object's mode switched for it.
CString LayerForScaleInMode(const CString& scale, int mode) {
  if (!pGlobDimOptions) return CString();
  const int oldMode = pGlobDimOptions->iCurrentMode;
  pGlobDimOptions->iCurrentMode = mode;
  const CString layer = pGlobDimOptions->GetLayerForScale(scale);
  pGlobDimOptions->iCurrentMode = oldMode;
  return layer;
}

int DefaultColorInMode(const CString& layer, int mode) {
  if (!pGlobDimOptions) return 7;
  const int oldMode = pGlobDimOptions->iCurrentMode;
  pGlobDimOptions->iCurrentMode = mode;
  const int color = pGlobDimOptions->Layer2DefaultColor(layer);
  pGlobDimOptions->iCurrentMode = oldMode;
  return color;
}

AcDbObjectId ExistingLayer(AcDbDatabase* db, const CString& name) {
  AcDbLayerTable* table = nullptr;
  AcDbObjectId id;
  if (db->getLayerTable(table, AcDb::kForRead) != Acad::eOk) return id;
  if (table->getAt(name, id) != Acad::eOk) id.setNull();
  table->close();
  return id;
}

CString CurrentLayerName(AcDbDatabase* db) {
  AcDbLayerTableRecord* layer = nullptr;
  if (acdbOpenObject(layer, db->clayer(), AcDb::kForRead) != Acad::eOk) return CString();
  const CString name(layer->nameString().c_str());
  layer->close();
  return name;
}

}  // namespace

bool GetPaletteLayerBoxes(CPaletteLayerBoxes& boxes) {
  if (!dlgMyApp || !dlgMyApp->GetSafeHwnd()) return false;
  boxes.strLayer = dlgMyApp->GetBoxText(IDC_LAYER);
  // The entry for the current layer reads as an empty name.
  if (boxes.strLayer == GetResString(32832)) boxes.strLayer.Empty();
  boxes.strScale = dlgMyApp->GetBoxText(IDC_SCALE);
  boxes.iMode = dlgMyApp->m_iCurrentMode;
  return true;
}

AcDbObjectId GetLayerForObject(AcDbEntity* object, const CStringArray& optionStrings) {
  CPaletteLayerBoxes boxes;
  const bool palette = GetPaletteLayerBoxes(boxes);
  return GetLayerForObject(object, optionStrings, palette ? &boxes : nullptr);
}

AcDbObjectId GetLayerForObject(AcDbEntity* object, const CStringArray& optionStrings,
                               const CPaletteLayerBoxes* palette) {
  if (!palette) return AcDbObjectId();
  return GuardedService(L"GetLayerForObject", AcDbObjectId(), [&]() -> AcDbObjectId {
    const int kind = KindOf(object);
    AcDbDatabase* db = object && object->database() ? object->database() : CurDwg();
    if (!db) return AcDbObjectId();
    CString layer;
    if (!CGlobDimOptions::IsKeepMarker(palette->strLayer) && palette->iMode != MODE_ALL) {
      if (palette->strLayer.IsEmpty()) return db->clayer();
      layer = palette->strLayer;
    } else {
      CString scale = palette->strScale;
      if (scale.IsEmpty() || CGlobDimOptions::IsKeepMarker(scale))
        scale = optionStrings.GetSize() > 0 ? optionStrings[0] : CString();
      layer = LayerForScaleInMode(scale, kind);
    }
    if (layer.IsEmpty()) return AcDbObjectId();
    const AcDbObjectId existing = ExistingLayer(db, layer);
    if (!existing.isNull()) return existing;
    const int color = DefaultColorInMode(layer, kind);
    if (object) {
      SetLayer(db, object, layer, color);
    } else {
      CreateLayer(db, layer, color);
    }
    return ExistingLayer(db, layer);
  });
}

bool CheckForbidLayer0() {
  CPaletteLayerBoxes boxes;
  const bool palette = GetPaletteLayerBoxes(boxes);
  return CheckForbidLayer0(palette ? boxes.strLayer.GetString() : L"");
}

bool CheckForbidLayer0(const wchar_t* layerBoxText) {
  if (!pGlobDimOptions || pGlobDimOptions->GetInt(IND_I_ForbidLayer0) == 0) return true;
  CString layer(layerBoxText ? layerBoxText : L"");
  if (layer.IsEmpty()) {
    AcDbDatabase* db = CurDwg();
    if (!db) return true;
    layer = CurrentLayerName(db);
  }
  if (layer != L"0") return true;
  ShowMessageId(kLayer0Forbidden);
  return false;
}
