// Curve pieces: the straight and circular pieces (in world coordinates) that a host curve entity
// consists of, the intersections between two such piece lists, and the parameter arithmetic of
// a chain of pieces where piece i runs over the parameters i..i+1 (the polylines).
#pragma once

#include <vector>

#include "host/db/AcDb.h"
#include "host/ge/AcGeCircArc3d.h"
#include "host/ge/AcGeLineSeg3d.h"
#include "host/ge/AcGePoint2d.h"
#include "host/ge/AcGePoint3d.h"
#include "host/ge/AcGePoint3dArray.h"
#include "host/ge/AcGeVector3d.h"
#include "host/rx/AcadErrorStatus.h"

namespace zhost {

struct CurvePiece {
  bool isArc = false;
  bool unbounded = false;  // an infinite line through seg's start along seg's vector
  AcGeLineSeg3d seg;
  AcGeCircArc3d arc;
  // For an arc piece: runs from the arc's end to its start (a clockwise polyline bulge).
  bool reversed = false;

  static CurvePiece line(const AcGePoint3d& a, const AcGePoint3d& b);
  static CurvePiece circArc(const AcGeCircArc3d& arc, bool reversed = false);

  AcGePoint3d startPoint() const;
  AcGePoint3d endPoint() const;
  double length() const;
  // t in 0..1 from the piece's start to its end.
  AcGePoint3d pointAt(double t) const;
  AcGeVector3d derivAt(double t) const;  // d point / d t
  double paramOf(const AcGePoint3d& p) const;
  AcGePoint3d closestPointTo(const AcGePoint3d& p) const;
};

// Appends the intersection points of the two lists; an extended list of one line becomes its
// infinite line, an extended list of one arc its full circle. Points that two piece pairs share
// (a vertex where two polyline segments meet) appear once.
void IntersectPieces(const std::vector<CurvePiece>& a, bool extendA, const std::vector<CurvePiece>& b, bool extendB,
                     AcGePoint3dArray& points);

// The chain arithmetic (pieces must not be empty unless said).
AcGePoint3d ChainPointAt(const std::vector<CurvePiece>& pieces, double param);
AcGeVector3d ChainDerivAt(const std::vector<CurvePiece>& pieces, double param);
double ChainDistAt(const std::vector<CurvePiece>& pieces, double param);
double ChainParamAtDist(const std::vector<CurvePiece>& pieces, double dist);
// The parameter of the chain point nearest p, and that point.
double ChainClosest(const std::vector<CurvePiece>& pieces, const AcGePoint3d& p, AcGePoint3d& nearest);
double ChainLength(const std::vector<CurvePiece>& pieces);

// A polyline segment from a to b (in the plane's own coordinates) with the bulge (tan of a
// quarter of the included angle, positive counter-clockwise), in world coordinates.
CurvePiece BulgeSegment(const AcGePoint2d& a, const AcGePoint2d& b, double bulge, double elevation,
                        const AcGeVector3d& normal);

// Adds the world box of the arc (its end points and the axis extremes it passes).
void AddArcExtents(const AcGeCircArc3d& arc, AcGePoint3dArray& points);

}  // namespace zhost
