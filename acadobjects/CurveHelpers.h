// Geometry helpers of the chain dimension: tolerant line and circle intersections, clamping of
// points on a stretch, the measured arc of a curve entity and the conversions between geometric
// arcs and drawing arcs, and the projection of a point onto a plane.
#pragma once

#include "host/ge/AcGeCircArc3d.h"
#include "host/ge/AcGeCurve3d.h"
#include "host/ge/AcGeLinearEnt3d.h"
#include "host/ge/AcGePoint3d.h"
#include "host/ge/AcGeVector3d.h"

class AcDbArc;
class AcDbEntity;
class AcDbPolyline;

// The intersection of two lines: with the default tolerance first, then with equal point and
// vector tolerances of k * 1e-5 (k = 1 ... 100). Without one the cause (parallel lines or not)
// goes to the trace log.
bool MyIntersect(const AcGeLinearEnt3d& line1, const AcGeLinearEnt3d& line2, AcGePoint3d& p);

// The intersections of the full circle of `arc` (same centre, normal and radius) with the line,
// retried with tolerances of k * 0.0001 (k = 1 ... 100). One intersection is stored in both points.
// Returns the count (0, 1 or 2).
int IntersectCircleLine(const AcGeCircArc3d& arc, const AcGeLinearEnt3d& line, AcGePoint3d& p1, AcGePoint3d& p2);

// The intersection of the circle of `arc` with the line that lies nearer to `nearPoint`; with a
// curve given and two different intersections, the one that lies on the curve (tolerance 0.001)
// wins when only one of them does.
bool MyIntersect(const AcGeCircArc3d& arc, const AcGeLinearEnt3d& line, AcGePoint3d& p,
                 const AcGePoint3d& nearPoint, const AcGeCurve3d* curve = nullptr);

// Projects p onto the line a->b and clamps it to the stretch from `ra` after a to `rb` before b
// (the end at b wins when the stretch is shorter than ra + rb). Returns 0 when a equals b.
int SetBoundaryPoint(AcGePoint3d& p, const AcGePoint3d& a, double ra, const AcGePoint3d& b, double rb);

// Moves p by r along the line ref->p, away from ref. Returns 0 (p unchanged) when p equals ref.
int SetExtendPoint(AcGePoint3d& p, const AcGePoint3d& ref, double r);

// The arc of a drawing arc, of a full circle, or of segment `subent` of a lightweight polyline, as
// a new arc (the caller deletes it); null for anything else.
AcGeCircArc3d* Curve2GeArc(const AcDbEntity* entity, int subent);
// Arc segment `subent` of a lightweight polyline, running from the segment's start to its end;
// null for a line segment, an index outside the open segments or an unreadable segment.
AcGeCircArc3d* Polyline2GeArc(const AcDbPolyline* pline, int subent);
// The arc that a curve offers between two of its points, as a new arc (null when there is none).
AcGeCircArc3d* ArcBetweenPoints(const AcDbEntity* entity, const AcGePoint3d& p1, const AcGePoint3d& p2);

// A new drawing arc (not in a database) with the arc's centre, normal, radius and angles.
AcDbArc* GeArc2DbArc(const AcGeCircArc3d& arc);

// The orthogonal projection of p onto the plane through planePoint with that normal; p itself
// for a zero normal.
AcGePoint3d ProjectToPlane(const AcGePoint3d& p, const AcGePoint3d& planePoint, const AcGeVector3d& normal);
