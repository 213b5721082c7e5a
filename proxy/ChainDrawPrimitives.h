// The drawing primitives of the add-on's entities (chains and height marks). Each primitive has
// two behaviours: given a world-draw context it draws through the context's geometry and traits;
// without one, given an entity set, it creates the equivalent entities of the drawing and
// appends them to the set (the caller owns them). With neither it does nothing. Each returns 1.
#pragma once

#include "host/db/AcDbArrays.h"
#include "host/db/AcDbObjectId.h"
#include "host/ge/AcGePoint3d.h"
#include "host/ge/AcGeVector3d.h"
#include "host/rx/AcadErrorStatus.h"

class AcGiTextStyle;
class AcGiWorldDraw;

// A polyline of the two points, or a line.
int DrawLine(AcGiWorldDraw* wd, AcDbVoidPtrArray* entitySet, const AcGePoint3d pts[2]);
int DrawLine(AcGiWorldDraw* wd, AcDbVoidPtrArray* entitySet, const AcGePoint3d& from, const AcGePoint3d& to);
// Filled: a filled polygon, or a solid of 3 or 4 points; otherwise the outline, as lines when
// exploded (the closing line first).
int DrawPolygon(AcGiWorldDraw* wd, AcDbVoidPtrArray* entitySet, const AcGePoint3d* pts, int count, bool filled);
// A filled triangle with its tip at `tip` and its body reaching `length` along dir.
int DrawArrowHead(AcGiWorldDraw* wd, AcDbVoidPtrArray* entitySet, const AcGePoint3d& tip, const AcGeVector3d& dir,
                  double length, double halfWidth);
// Two lines through centre, each reaching `size` to both sides, at ±45° to dir about normal.
int DrawCross(AcGiWorldDraw* wd, AcDbVoidPtrArray* entitySet, const AcGePoint3d& centre, double size,
              const AcGeVector3d& dir, const AcGeVector3d& normal);
// Exploded circles carry no fill.
int DrawCircle(AcGiWorldDraw* wd, AcDbVoidPtrArray* entitySet, const AcGePoint3d& centre, double radius,
               const AcGeVector3d& normal, bool filled);
int DrawArc3P(AcGiWorldDraw* wd, AcDbVoidPtrArray* entitySet, const AcGePoint3d& p1, const AcGePoint3d& p2,
              const AcGePoint3d& p3);
// A filled sector; exploded as a wide two-vertex polyline.
int DrawSector(AcGiWorldDraw* wd, AcDbVoidPtrArray* entitySet, const AcGePoint3d& centre, double radius,
               const AcGeVector3d& normal, const AcGeVector3d& startVector, double sweep);
int DrawXline(AcGiWorldDraw* wd, AcDbVoidPtrArray* entitySet, const AcGePoint3d& base, const AcGeVector3d& dir);
// A text reading along dir; with the global WipeOut switch on, drawn over a background mask.
// style may be null (the default line font).
int DrawTextItem(AcGiWorldDraw* wd, AcDbVoidPtrArray* entitySet, const AcGePoint3d& position,
                 const AcGeVector3d& normal, const AcGeVector3d& dir, const wchar_t* text, double height,
                 const AcGiTextStyle* style, AcDbObjectId styleId, int colorIndex);

// Copies the text style record `id` into the drawing style and loads it; the open status when
// the record cannot be read.
Acad::ErrorStatus LoadTextStyle(AcGiTextStyle& style, AcDbObjectId id);
