// What the annotation entities (texts, multiline texts, block references, dimensions) share:
// their class registration with DXF names, the typed filing of one field, the lines of their
// LIST output, the plane frame of a normal and the deterministic text box.
#pragma once

#include <string>

#include "host/db/AcDbDwgFiler.h"
#include "host/db/AcDbObjectId.h"
#include "host/db/AcDbOpenObject.h"
#include "host/db/ObjectStub.h"
#include "host/ge/AcGeMatrix3d.h"
#include "host/ge/AcGePoint3d.h"
#include "host/ge/AcGeScale3d.h"
#include "host/ge/AcGeVector3d.h"
#include "host/rx/AcRxObject.h"

// A host class created at first use with its DXF name (the name drawing files and DXF use).
// The .cpp also forces the registration when the library loads, so a drawing file can create
// the class by name before any code touched it.
#define ZHOST_RX_HOST_DXF_MEMBERS(CLASS_NAME, PARENT_CLASS, MAKE, DXF_NAME)                    \
  AcRxClass* CLASS_NAME::desc() {                                                                \
    static zhost::ClassCache cache;                                                              \
    if (AcRxClass* found = cache.lookup(ZHOST_WIDEN(#CLASS_NAME))) return found;                 \
    zhost::RegisterClassOnce(ZHOST_WIDEN(#CLASS_NAME), PARENT_CLASS::desc(), 0, 0, 0, MAKE,      \
                             DXF_NAME, nullptr);                                                 \
    return cache.lookup(ZHOST_WIDEN(#CLASS_NAME));                                               \
  }                                                                                              \
  AcRxClass* CLASS_NAME::isA() const { return CLASS_NAME::desc(); }                              \
  void CLASS_NAME::rxInit() { CLASS_NAME::desc(); }                                              \
  [[maybe_unused]] static const bool zhostRegistered##CLASS_NAME = (CLASS_NAME::desc() != nullptr);

namespace zhost {

// One field out / in, chosen by its C++ type. Classes keep enumerations as Int16 fields, so a
// value read from a file is checked before it becomes an enumeration.
inline void FileOut(AcDbDwgFiler* f, double v) { f->writeDouble(v); }
inline void FileOut(AcDbDwgFiler* f, bool v) { f->writeBoolean(v); }
inline void FileOut(AcDbDwgFiler* f, Adesk::Int16 v) { f->writeInt16(v); }
inline void FileOut(AcDbDwgFiler* f, Adesk::Int32 v) { f->writeInt32(v); }
inline void FileOut(AcDbDwgFiler* f, const AcGePoint3d& v) { f->writePoint3d(v); }
inline void FileOut(AcDbDwgFiler* f, const AcGeVector3d& v) { f->writeVector3d(v); }
inline void FileOut(AcDbDwgFiler* f, const AcGeScale3d& v) { f->writeScale3d(v); }
inline void FileOut(AcDbDwgFiler* f, const std::wstring& v) { f->writeString(v); }
inline void FileOut(AcDbDwgFiler* f, const AcDbHardPointerId& v) { f->writeHardPointerId(v); }

inline void FileIn(AcDbDwgFiler* f, double& v) { f->readDouble(&v); }
inline void FileIn(AcDbDwgFiler* f, bool& v) { f->readBoolean(&v); }
inline void FileIn(AcDbDwgFiler* f, Adesk::Int16& v) { f->readInt16(&v); }
inline void FileIn(AcDbDwgFiler* f, Adesk::Int32& v) { f->readInt32(&v); }
inline void FileIn(AcDbDwgFiler* f, AcGePoint3d& v) { f->readPoint3d(&v); }
inline void FileIn(AcDbDwgFiler* f, AcGeVector3d& v) { f->readVector3d(&v); }
inline void FileIn(AcDbDwgFiler* f, AcGeScale3d& v) { f->readScale3d(&v); }
inline void FileIn(AcDbDwgFiler* f, std::wstring& v) { f->readString(v); }
inline void FileIn(AcDbDwgFiler* f, AcDbHardPointerId& v) { f->readHardPointerId(&v); }

// A class's own part of a record: its version number, then every field that `visit` hands to the
// filing function it is given (visit calls the class's forEachField).
template <class Visit>
Acad::ErrorStatus FileOutVersioned(AcDbDwgFiler* f, Adesk::Int16 version, Visit&& visit) {
  f->writeInt16(version);
  visit([f](const auto& field) { FileOut(f, field); });
  return f->filerStatus();
}

// Reads what FileOutVersioned wrote; any other version is a damaged record.
template <class Visit>
Acad::ErrorStatus FileInVersioned(AcDbDwgFiler* f, Adesk::Int16 version, Visit&& visit) {
  Adesk::Int16 filed = 0;
  f->readInt16(&filed);
  if (f->filerStatus() != Acad::eOk) return f->filerStatus();
  if (filed != version) return Acad::eDwgObjectImproperlyRead;
  visit([f](auto& field) { FileIn(f, field); });
  return f->filerStatus();
}

// An object for reading: the caller's own open object is read in place, any other is opened
// for read and closed again at the end.
template <class T>
class ReadAccess {
 public:
  explicit ReadAccess(AcDbObjectId id) {
    if (id.isNull()) return;
    AcDbObject* peeked = PeekObject(id);
    if (peeked && peeked->isReadEnabled()) {
      object_ = T::cast(peeked);
      return;
    }
    if (acdbOpenObject(object_, id, AcDb::kForRead) == Acad::eOk) opened_ = true;
  }
  ~ReadAccess() {
    if (opened_ && object_) object_->close();
  }
  ReadAccess(const ReadAccess&) = delete;
  ReadAccess& operator=(const ReadAccess&) = delete;
  T* get() const { return object_; }

 private:
  T* object_ = nullptr;
  bool opened_ = false;
};

// LIST lines in the manner of the entity's common part: each starts a new line, the label
// right-aligned to column 34, then the value.
void ListPoint(const wchar_t* label, const AcGePoint3d& pt);
void ListVector(const wchar_t* label, const AcGeVector3d& v);
void ListReal(const wchar_t* label, double value);
void ListAngle(const wchar_t* label, double radians);
void ListText(const wchar_t* label, const std::wstring& text);
// The name of a symbol-table record ("" for a null id or a record that cannot be read).
std::wstring SymbolName(AcDbObjectId id);

// The x and y axes of the plane of a normal (the arbitrary-axis rule).
void PlaneAxes(const AcGeVector3d& normal, AcGeVector3d& xAxis, AcGeVector3d& yAxis);
// The unit direction at an angle in the plane of a normal.
AcGeVector3d PlaneDirection(const AcGeVector3d& normal, double angle);
// The angle of a direction in the plane of a normal, in [0, 2pi).
double PlaneAngle(const AcGeVector3d& normal, const AcGeVector3d& dir);
// An angle brought into [0, 2pi).
double NormalizeAngle(double angle);
// The unit normal (0,0,1 for a zero vector).
AcGeVector3d UnitNormal(const AcGeVector3d& v);

// A text frame (direction at an angle in the plane of a normal) through a transformation, kept
// readable: a mirrored frame gets its direction or its up vector turned back, whichever lets
// the text read left to right. reversed: the direction was turned back (the text now runs
// from its far end). The scales are the lengths the transformation gives the unit direction
// and up vector. False for a transformation that flattens the frame.
struct TextFrameChange {
  double rotation = 0.0;
  AcGeVector3d normal{0, 0, 1};
  double heightScale = 1.0, widthScale = 1.0;
  bool reversed = false, mirrored = false;
};
bool TransformTextFrame(const AcGeMatrix3d& xform, const AcGeVector3d& normal, double rotation,
                        TextFrameChange& out);

// The deterministic width of a text line: height x characters x 0.6 x width factor (a later
// font layer brings real metrics).
double TextLineWidth(const std::wstring& text, double height, double widthFactor);
const double kCharWidthRatio = 0.6;

}  // namespace zhost
