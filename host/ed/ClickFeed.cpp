// Clicks of the script as mouse messages for the registered filters, the drawing view's pixel
// mapping, and the "%click" directive.
#include "host/ed/ClickFeed.h"

#include <cmath>
#include <vector>

#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/ed/CommandLine.h"
#include "host/ed/CommandProcessor.h"
#include "host/ed/HitTest.h"
#include "host/ed/SelectionSet.h"
#include "host/ed/UcsTransform.h"
#include "host/ed/UserInput.h"
#include "host/ed/WinMsgFilter.h"
#include "host/win/WinMessages.h"
#include "host/win/Window.h"

namespace {

const int kModelViewport = 2;
const WPARAM kLeftButton = 0x0001;  // MK_LBUTTON

LONG Round(double v) { return static_cast<LONG>(std::lround(v)); }

bool SendToFilters(UINT message, WPARAM keys, const POINT& client) {
  MSG msg;
  msg.hwnd = zhost::MainWindow();
  msg.message = message;
  msg.wParam = keys;
  msg.lParam = MAKELPARAM(static_cast<WORD>(client.x), static_cast<WORD>(client.y));
  msg.pt = client;
  ClientToScreen(msg.hwnd, &msg.pt);
  return zhost::FilterMessage(&msg);
}

// A click that no filter took at the command prompt: the object there joins the pickfirst set.
void SelectAt(const AcGePoint3d& world) {
  AcDbDatabase* db = acdbHostApplicationServices() ? acdbHostApplicationServices()->workingDatabase() : nullptr;
  if (!db) return;
  std::vector<AcDbObjectId> hits = zhost::HitEntities(db->currentSpaceId(), world, zhost::PickAperture());
  if (hits.empty()) return;
  std::vector<AcDbObjectId> ids;
  resbuf* gset = nullptr;
  resbuf* pset = nullptr;
  if (acedSSGetFirst(&gset, &pset) == RTNORM && pset) {
    if (const std::vector<AcDbObjectId>* current = zhost::SelectionSetIds(pset->resval.rlname)) ids = *current;
    acedSSFree(pset->resval.rlname);
  }
  if (gset) acutRelRb(gset);
  if (pset) acutRelRb(pset);
  for (AcDbObjectId id : ids)
    if (id == hits.front()) return;
  ids.push_back(hits.front());
  ads_name ss = {0, 0};
  if (zhost::NewSelectionSet(ids, ss) != RTNORM) return;
  acedSSSetFirst(ss, nullptr);
  acedSSFree(ss);
}

// "%click x,y": a left click (UCS point) in the drawing view at the command prompt.
void ClickDirective(const std::wstring& args) {
  ads_point p = {0, 0, 0};
  if (!zhost::ParsePoint(args, p)) {
    zhost::PrintLine(L"%click expects a point x,y or x,y,z, not \"" + args + L"\".");
    return;
  }
  AcGePoint3d world = zhost::UcsToWorld(AcGePoint3d(p[0], p[1], p[2]));
  if (zhost::FeedLeftClick(world)) return;
  SelectAt(world);
}

[[maybe_unused]] const bool registered =
    (zhost::CommandProcessor::instance().addDirective(L"click", ClickDirective), true);

}  // namespace

namespace zhost {

POINT ViewPixelOf(const AcGePoint3d& world) {
  POINT pixel;
  pixel.x = Round(world.x);
  pixel.y = Round(-world.y);
  return pixel;
}

bool FeedLeftClick(const AcGePoint3d& world) {
  POINT client = ViewPixelOf(world);
  bool taken = SendToFilters(WM_LBUTTONDOWN, kLeftButton, client);
  taken = SendToFilters(WM_LBUTTONUP, 0, client) || taken;
  return taken;
}

}  // namespace zhost

bool acedCoordFromPixelToWorld(const POINT& ptIn, ads_point ptOut) {
  if (!ptOut) return false;
  ptOut[0] = ptIn.x;
  ptOut[1] = -static_cast<double>(ptIn.y);
  ptOut[2] = 0;
  return true;
}

bool acedCoordFromPixelToWorld(int windnum, POINT ptIn, ads_point ptOut) {
  if (windnum != kModelViewport) return false;
  return acedCoordFromPixelToWorld(ptIn, ptOut);
}

bool acedCoordFromWorldToPixel(int windnum, const ads_point ptIn, POINT& ptOut) {
  if (windnum != kModelViewport || !ptIn) return false;
  ptOut = zhost::ViewPixelOf(AcGePoint3d(ptIn[0], ptIn[1], ptIn[2]));
  return true;
}

int acedGetWinNum(int, int) {
  // The one model view fills the drawing view: every client point is in it.
  return kModelViewport;
}
