// The left-click feed: a point the script answers at a point or object prompt is a click of the
// left button in the drawing view, so the registered message filters see WM_LBUTTONDOWN and
// WM_LBUTTONUP at that point before the host takes the answer. The drawing view is the main
// window showing the plan view of the world at one pixel a drawing unit, world origin at the
// client origin, y upwards on the drawing and downwards on the screen. "%click x,y" clicks at the
// command prompt (a click that no filter takes selects the object there into the pickfirst set).
#pragma once

#include "host/ge/AcGePoint3d.h"
#include "host/rx/ads.h"
#include "host/win/WinTypes.h"

// The drawing point (world, z 0) under a client point of the drawing view.
bool acedCoordFromPixelToWorld(const POINT& ptIn, ads_point ptOut);
bool acedCoordFromPixelToWorld(int windnum, POINT ptIn, ads_point ptOut);
bool acedCoordFromWorldToPixel(int windnum, const ads_point ptIn, POINT& ptOut);
// The viewport number (2, the one model view) of a client point inside the drawing view, else 0.
int acedGetWinNum(int ptx, int pty);

namespace zhost {

POINT ViewPixelOf(const AcGePoint3d& world);
// Sends the button-down and button-up messages at the world point to the filters; true when a
// filter took one of them (the click is then swallowed).
bool FeedLeftClick(const AcGePoint3d& world);

}  // namespace zhost
