// chain_plan: builds a small dimensioned floor plan through the chain dimension's own operations
// and saves it as a host drawing. The demo then opens the drawing in zhost (with Korvex loaded,
// so the chains draw themselves) and exports it as DXF and SVG.
//
//   chain_plan APPDATA_DIR OUT.dwg
//
// APPDATA_DIR is the application-data folder whose zenkora settings hold the parameter
// descriptions (DimParam.ini); the chains take the default options found there.
#include <cstdio>
#include <string>

#include "acadobjects/Angles.h"
#include "frame/AppLifecycle.h"
#include "frame/ModuleHandles.h"
#include "host/db/AcDbArc.h"
#include "host/db/AcDbBlockTable.h"
#include "host/db/AcDbCircle.h"
#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/AcDbLine.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/AcDbPolyline.h"
#include "host/db/DwgFile.h"
#include "host/win/Files.h"
#include "host/win/Module.h"
#include "host/win/TextConv.h"
#include "proxy/QBdim.h"
#include "settings/GlobDimOptions.h"
#include "settings/IniFiles.h"

extern "C" const unsigned char zhostResourceScript[];
extern "C" const unsigned long zhostResourceScriptSize;

namespace {

AcDbObjectId Append(AcDbDatabase* db, AcDbEntity* entity) {
  AcDbBlockTableRecord* space = nullptr;
  AcDbObjectId id;
  if (acdbOpenObject(space, db->modelSpaceId(), AcDb::kForWrite) != Acad::eOk) {
    delete entity;
    return id;
  }
  if (space->appendAcDbEntity(id, entity) == Acad::eOk) {
    entity->close();
  } else {
    delete entity;
  }
  space->close();
  return id;
}

void Wall(AcDbDatabase* db, double x1, double y1, double x2, double y2) {
  Append(db, new AcDbLine(AcGePoint3d(x1, y1, 0), AcGePoint3d(x2, y2, 0)));
}

// The symbol type the next chain copies from the chain options.
void SetSymbol(int type) { pGlobDimOptions->dimSet.arrayInt.SetAtGrow(IND_I_LastType, static_cast<UINT>(type)); }

// Formats every segment text of a chain and lets the chain place them where they do not overlap.
void Layout(QBdim* chain) {
  for (int i = 1; i < chain->GetExtensions(); ++i) chain->RefreshDimText(i);
  chain->AdjustTextsAuto();
}

QBdim* NewChain(const AcGePoint3d& p1, const AcGePoint3d& p2, const AcGePoint3d& line, int type,
                AcDbObjectId arc = AcDbObjectId(), int subent = 0) {
  return new QBdim(p1, p2, line, type, nullptr, arc, subent, nullptr);
}

void BuildPlan(AcDbDatabase* db) {
  // The outline of a 12 m x 8 m room with a door opening, a bay window, a column, a niche and a
  // diagonal corner.
  Wall(db, 0, 0, 4, 0);
  Wall(db, 5, 0, 12, 0);
  Wall(db, 12, 0, 12, 6);
  Wall(db, 12, 6, 10, 8);
  Wall(db, 10, 8, 8, 8);
  Wall(db, 4, 8, 0, 8);
  Wall(db, 0, 8, 0, 5);
  Wall(db, 0, 2, 0, 0);
  AcDbObjectId bay = Append(db, new AcDbArc(AcGePoint3d(6, 8, 0), 2.0, 0.0, kPi));
  AcDbObjectId column = Append(db, new AcDbCircle(AcGePoint3d(8, 4, 0), AcGeVector3d::kZAxis, 0.4));
  AcDbPolyline* niche = new AcDbPolyline;
  niche->addVertexAt(0, AcGePoint2d(0, 1), 0.0);
  niche->addVertexAt(1, AcGePoint2d(0, 2), -1.0);  // a half circle out of the room
  niche->addVertexAt(2, AcGePoint2d(0, 5), 0.0);
  niche->addVertexAt(3, AcGePoint2d(0, 6), 0.0);
  AcDbObjectId nicheId = Append(db, niche);

  // Along the front: ticks, a door opening with a user text, a suffix, an appended note, the sum
  // and the chain label at both ends.
  SetSymbol(1);
  QBdim* front = NewChain(AcGePoint3d(0, 0, 0), AcGePoint3d(12, 0, 0), AcGePoint3d(0, -1.5, 0), DIMTYPE_HORIZONTAL);
  front->AddPointInput(AcGePoint3d(4, 0, 0), 0);
  front->AddPointInput(AcGePoint3d(5, 0, 0), 0);
  front->AddPointInput(AcGePoint3d(8, 0, 0), 0);
  front->arrayInt.SetAtGrow(IND_I_SumStatus, 1);
  front->arrayString.SetAtGrow(IND_S_DimDescription, L"3Achse A");
  Layout(front);
  front->SetUserText(2, L"T\u00fcr");
  front->SetSuffixText(3, L"LW");
  AppendingText note;
  note.strText = L"Br\u00fcstung 0.90";
  front->SetAppendingText(3, &note);
  Append(db, front);

  // Up the left side: dots, a prefix and a leader on the middle text.
  SetSymbol(2);
  QBdim* left = NewChain(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 8, 0), AcGePoint3d(-3.8, 0, 0), DIMTYPE_VERTICAL);
  left->AddPointInput(AcGePoint3d(0, 2, 0), 0);
  left->AddPointInput(AcGePoint3d(0, 5, 0), 0);
  Layout(left);
  left->SetPrefixText(2, L"ca.");
  left->SetLeader(2, 1);
  AcGePoint3d moved = left->GetPointExt2(2) + AcGeVector3d(-1.2, 0.6, 0);  // pulled aside by hand
  left->SetPointText(2, moved, 1);
  left->SetSymbolType(3, 0);  // no symbol at the top corner
  Append(db, left);

  // The diagonal corner: arrow heads, with a cross at its end.
  SetSymbol(4);
  QBdim* corner = NewChain(AcGePoint3d(12, 6, 0), AcGePoint3d(10, 8, 0), AcGePoint3d(12.8, 7.6, 0), DIMTYPE_ALIGNED);
  corner->SetSymbolType(1, 5);
  Layout(corner);
  Append(db, corner);

  // The bay window, the column and the niche: arc chains.
  SetSymbol(3);
  QBdim* bayChain = NewChain(AcGePoint3d(8, 8, 0), AcGePoint3d(4, 8, 0), AcGePoint3d(6, 10.8, 0), DIMTYPE_ARC, bay);
  bayChain->AddPointInput(AcGePoint3d(6, 10, 0), 0);
  Layout(bayChain);
  Append(db, bayChain);

  SetSymbol(1);
  QBdim* columnChain =
      NewChain(AcGePoint3d(8.4, 4, 0), AcGePoint3d(7.6, 4, 0), AcGePoint3d(8, 5.2, 0), DIMTYPE_ARC, column);
  Layout(columnChain);
  Append(db, columnChain);

  QBdim* nicheChain =
      NewChain(AcGePoint3d(0, 2, 0), AcGePoint3d(0, 5, 0), AcGePoint3d(-2.1, 3.5, 0), DIMTYPE_ARC, nicheId, 1);
  Layout(nicheChain);
  Append(db, nicheChain);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: chain_plan APPDATA_DIR OUT.dwg\n");
    return 2;
  }
  HINSTANCE module = zhost::RegisterStaticModule(zhost::FromUtf8(std::string(argv[0]) + ".arx"),
                                                 reinterpret_cast<const char*>(zhostResourceScript),
                                                 zhostResourceScriptSize);
  SetModuleInstance(module);
  zhost::SetAppDataFolder(zhost::FromUtf8(argv[1]));
  CGlobDimOptions* options = new CGlobDimOptions;
  pGlobDimOptions = options;
  options->LoadOptions();
  // Leaders are switched on as a user would in the palette, so that the zhost session that
  // shows the plan reads the switch from the settings file.
  WriteEntryToIni(GetIniFileName(), SECTION_GENERAL_INFO, L"LeadersShow", L"1");
  options->arrayOptInt.SetAtGrow(IND_OPT_B_LeadersShow, 1);
  OnkInitApp();
  if (!QBdim::desc()) QBdim::rxInit();

  AcDbDatabase* db = new AcDbDatabase(true, true);
  acdbHostApplicationServices()->setWorkingDatabase(db);
  BuildPlan(db);
  std::wstring error;
  Acad::ErrorStatus es = zhost::WriteDrawingFile(db, zhost::FromUtf8(argv[2]), error);
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  delete db;
  SetAppUnloaded();
  pGlobDimOptions = nullptr;
  delete options;
  QBdim::rxUninit();
  if (es != Acad::eOk) {
    std::fprintf(stderr, "chain_plan: cannot write %s: %s\n", argv[2], zhost::ToUtf8(error).c_str());
    return 1;
  }
  std::printf("chain_plan: wrote %s\n", argv[2]);
  return 0;
}
