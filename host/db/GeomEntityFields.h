// The field tables of the host's geometric entities: each class declares its filed values once
// (LIST label, DXF group code, kind, member) and the functions here file them out and in, write
// them as DXF groups and list them, so no class repeats those four lists by hand.
#pragma once

#include <vector>

#include "host/db/AcDb.h"
#include "host/db/AcDbDwgFiler.h"
#include "host/db/AcDbDxfFiler.h"
#include "host/ed/CommandLine.h"
#include "host/ge/AcGeMatrix3d.h"
#include "host/ge/AcGePoint3d.h"
#include "host/ge/AcGeVector3d.h"
#include "host/rx/AcRxObject.h"
#include "host/rx/AcadErrorStatus.h"

namespace zhost {

// The host class of a geometric entity with its constructor and DXF name (files create it by
// either name). The macro below also registers the class when the library loads, so a drawing
// file can create it before any code touched it.
AcRxClass* GeomEntityClass(ClassCache& cache, const wchar_t* name, AcRxClass* parent, AcRxObject* (*create)(),
                           const wchar_t* dxfName);

// The normal of a plane after xform (kept on the side a reflection maps it to), and the angle of
// a direction in the plane's own coordinates (arbitrary-axis rule).
AcGeVector3d TransformedNormal(const AcGeMatrix3d& xform, const AcGeVector3d& normal);
double AngleInPlane(const AcGeVector3d& normal, const AcGeVector3d& dir);

enum class GeomFieldKind { kPoint, kVector, kDistance, kAngle };

template <class C>
struct GeomField {
  const wchar_t* label;  // LIST label; null: filed but not listed
  AcDb::DxfCode dxf;
  GeomFieldKind kind;
  AcGePoint3d C::*point;
  AcGeVector3d C::*vector;
  double C::*real;
  // For a value inside a member (a non-capturing lambda giving its address) instead of a member.
  void* (*ref)(C&) = nullptr;
  // Listed only when it differs from its default (0, or +Z for a normal).
  bool listIfSet = false;

  AcGePoint3d& pointOf(const C& o) const {
    return ref ? *static_cast<AcGePoint3d*>(ref(const_cast<C&>(o))) : const_cast<C&>(o).*point;
  }
  AcGeVector3d& vectorOf(const C& o) const {
    return ref ? *static_cast<AcGeVector3d*>(ref(const_cast<C&>(o))) : const_cast<C&>(o).*vector;
  }
  double& realOf(const C& o) const {
    return ref ? *static_cast<double*>(ref(const_cast<C&>(o))) : const_cast<C&>(o).*real;
  }
};

template <class C>
GeomField<C> PointField(const wchar_t* label, AcDb::DxfCode dxf, AcGePoint3d C::*m) {
  return {label, dxf, GeomFieldKind::kPoint, m, nullptr, nullptr, nullptr};
}
template <class C>
GeomField<C> VectorField(const wchar_t* label, AcDb::DxfCode dxf, AcGeVector3d C::*m) {
  return {label, dxf, GeomFieldKind::kVector, nullptr, m, nullptr, nullptr};
}
template <class C>
GeomField<C> DistanceField(const wchar_t* label, AcDb::DxfCode dxf, double C::*m) {
  return {label, dxf, GeomFieldKind::kDistance, nullptr, nullptr, m, nullptr};
}
template <class C>
GeomField<C> VectorRefField(const wchar_t* label, AcDb::DxfCode dxf, void* (*ref)(C&)) {
  return {label, dxf, GeomFieldKind::kVector, nullptr, nullptr, nullptr, ref};
}
template <class C>
GeomField<C> DistanceRefField(const wchar_t* label, AcDb::DxfCode dxf, void* (*ref)(C&)) {
  return {label, dxf, GeomFieldKind::kDistance, nullptr, nullptr, nullptr, ref};
}
template <class C>
GeomField<C> ListedIfSet(GeomField<C> field) {
  field.listIfSet = true;
  return field;
}
// Filed in radians, listed in degrees.
template <class C>
GeomField<C> AngleField(const wchar_t* label, AcDb::DxfCode dxf, double C::*m) {
  return {label, dxf, GeomFieldKind::kAngle, nullptr, nullptr, m, nullptr};
}

// LIST lines: the label right-aligned in the column of the common part, then the value.
namespace geom {
void ListPoint(const wchar_t* label, const AcGePoint3d& p);
void ListVector(const wchar_t* label, const AcGeVector3d& v);
void ListDistance(const wchar_t* label, double value);
void ListAngle(const wchar_t* label, double radians);
}  // namespace geom

template <class C>
void WriteFields(const C& obj, AcDbDwgFiler* f, const std::vector<GeomField<C>>& table) {
  for (const GeomField<C>& field : table) {
    switch (field.kind) {
      case GeomFieldKind::kPoint:
        f->writePoint3d(field.pointOf(obj));
        break;
      case GeomFieldKind::kVector:
        f->writeVector3d(field.vectorOf(obj));
        break;
      default:
        f->writeDouble(field.realOf(obj));
        break;
    }
  }
}

// Reads into a copy first, so a failed read leaves the object as it was.
template <class C>
Acad::ErrorStatus ReadFields(C& obj, AcDbDwgFiler* f, const std::vector<GeomField<C>>& table) {
  std::vector<AcGePoint3d> points;
  std::vector<AcGeVector3d> vectors;
  std::vector<double> reals;
  for (const GeomField<C>& field : table) {
    switch (field.kind) {
      case GeomFieldKind::kPoint:
        points.emplace_back(field.pointOf(obj));
        f->readPoint3d(&points.back());
        break;
      case GeomFieldKind::kVector:
        vectors.emplace_back(field.vectorOf(obj));
        f->readVector3d(&vectors.back());
        break;
      default:
        reals.push_back(field.realOf(obj));
        f->readDouble(&reals.back());
        break;
    }
  }
  if (f->filerStatus() != Acad::eOk) return f->filerStatus();
  size_t ip = 0, iv = 0, ir = 0;
  for (const GeomField<C>& field : table) {
    switch (field.kind) {
      case GeomFieldKind::kPoint:
        field.pointOf(obj) = points[ip++];
        break;
      case GeomFieldKind::kVector:
        field.vectorOf(obj) = vectors[iv++];
        break;
      default:
        field.realOf(obj) = reals[ir++];
        break;
    }
  }
  return Acad::eOk;
}

// keep: only the fields it accepts (all when null).
template <class C>
void WriteDxfFields(const C& obj, AcDbDxfFiler* f, const std::vector<GeomField<C>>& table,
                    bool (*keep)(const GeomField<C>&) = nullptr) {
  for (const GeomField<C>& field : table) {
    if (keep && !keep(field)) continue;
    switch (field.kind) {
      case GeomFieldKind::kPoint:
        f->writePoint3d(field.dxf, field.pointOf(obj));
        break;
      case GeomFieldKind::kVector:
        f->writeVector3d(field.dxf, field.vectorOf(obj));
        break;
      case GeomFieldKind::kAngle:
        f->writeDouble(field.dxf, field.realOf(obj) * 57.29577951308232);
        break;
      default:
        f->writeDouble(field.dxf, field.realOf(obj));
        break;
    }
  }
}

template <class C>
void ListFields(const C& obj, const std::vector<GeomField<C>>& table) {
  for (const GeomField<C>& field : table) {
    if (!field.label) continue;
    if (field.listIfSet && field.kind == GeomFieldKind::kVector && field.vectorOf(obj) == AcGeVector3d::kZAxis)
      continue;
    if (field.listIfSet && field.kind != GeomFieldKind::kVector && field.kind != GeomFieldKind::kPoint &&
        field.realOf(obj) == 0.0)
      continue;
    switch (field.kind) {
      case GeomFieldKind::kPoint:
        geom::ListPoint(field.label, field.pointOf(obj));
        break;
      case GeomFieldKind::kVector:
        geom::ListVector(field.label, field.vectorOf(obj));
        break;
      case GeomFieldKind::kAngle:
        geom::ListAngle(field.label, field.realOf(obj));
        break;
      default:
        geom::ListDistance(field.label, field.realOf(obj));
        break;
    }
  }
}

}  // namespace zhost

#define ZHOST_GEOM_ENTITY_MEMBERS(CLASS_NAME, PARENT_CLASS, DXF_NAME)                                           \
  static AcRxObject* zhostMake##CLASS_NAME() { return new CLASS_NAME(); }                                       \
  AcRxClass* CLASS_NAME::desc() {                                                                               \
    static zhost::ClassCache cache;                                                                             \
    return zhost::GeomEntityClass(cache, ZHOST_WIDEN(#CLASS_NAME), PARENT_CLASS::desc(), zhostMake##CLASS_NAME, \
                                  DXF_NAME);                                                                    \
  }                                                                                                             \
  AcRxClass* CLASS_NAME::isA() const { return CLASS_NAME::desc(); }                                             \
  void CLASS_NAME::rxInit() { CLASS_NAME::desc(); }                                                             \
  [[maybe_unused]] static const bool zhostRegistered##CLASS_NAME = (CLASS_NAME::desc() != nullptr);
