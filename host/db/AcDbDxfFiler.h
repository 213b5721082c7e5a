// AcDbDxfFiler: the group-code stream through which an object files itself as DXF
// (dxfOutFields/dxfInFields), and zhost::MemoryDxfFiler, a simple in-memory one (the DXF export
// writes its groups out as text; tests read them back).
#pragma once

#include <string>
#include <vector>

#include "host/db/AcDb.h"
#include "host/db/AcDbHandle.h"
#include "host/db/AcDbObjectId.h"
#include "host/ge/AcGePoint2d.h"
#include "host/ge/AcGePoint3d.h"
#include "host/ge/AcGeScale3d.h"
#include "host/ge/AcGeVector3d.h"
#include "host/rx/AcRxObject.h"
#include "host/rx/AcadErrorStatus.h"
#include "host/rx/adesk.h"
#include "host/rx/ads.h"

class AcDbDatabase;

class AcDbDxfFiler : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDxfFiler);
  ~AcDbDxfFiler() override;

  virtual Acad::ErrorStatus filerStatus() const = 0;
  virtual AcDb::FilerType filerType() const = 0;
  virtual void setFilerStatus(Acad::ErrorStatus status) = 0;
  virtual void resetFilerStatus() = 0;
  virtual AcDbDatabase* database() const { return nullptr; }
  // Decimal places of reals (-1: full precision).
  virtual int precision() const { return -1; }
  virtual void setPrecision(int) {}

  // Reading: the next group into rb (its value owned by rb: a string or chunk that the caller
  // frees as a resbuf value, i.e. free()); eEndOfFile at the end.
  virtual Acad::ErrorStatus readItem(resbuf* rb) = 0;
  Acad::ErrorStatus readResBuf(resbuf* rb) { return readItem(rb); }
  // The group just read is read again by the next readItem.
  virtual Acad::ErrorStatus pushBackItem() = 0;
  virtual bool atEOF() = 0;
  // True (and the marker consumed) when the next group is "100 <name>".
  virtual bool atSubclassData(const ACHAR* subClassName) = 0;
  // True at the start of extended data (a 1001 group) or the end.
  virtual bool atExtendedData() = 0;
  virtual bool atEndOfObject() = 0;

  // Writing.
  virtual Acad::ErrorStatus writeItem(const resbuf& rb) = 0;
  Acad::ErrorStatus writeResBuf(const resbuf& rb) { return writeItem(rb); }
  virtual Acad::ErrorStatus writeObjectId(AcDb::DxfCode code, const AcDbObjectId& id) = 0;
  virtual Acad::ErrorStatus writeString(AcDb::DxfCode code, const ACHAR* value) = 0;
  virtual Acad::ErrorStatus writeBool(AcDb::DxfCode code, bool value) = 0;
  virtual Acad::ErrorStatus writeInt8(AcDb::DxfCode code, Adesk::Int8 value) = 0;
  virtual Acad::ErrorStatus writeInt16(AcDb::DxfCode code, Adesk::Int16 value) = 0;
  virtual Acad::ErrorStatus writeInt32(AcDb::DxfCode code, Adesk::Int32 value) = 0;
  virtual Acad::ErrorStatus writeInt64(AcDb::DxfCode code, Adesk::Int64 value) = 0;
  virtual Acad::ErrorStatus writeUInt16(AcDb::DxfCode code, Adesk::UInt16 value) = 0;
  virtual Acad::ErrorStatus writeUInt32(AcDb::DxfCode code, Adesk::UInt32 value) = 0;
  virtual Acad::ErrorStatus writeDouble(AcDb::DxfCode code, double value, int precision = -1) = 0;
  virtual Acad::ErrorStatus writePoint2d(AcDb::DxfCode code, const AcGePoint2d& value, int precision = -1) = 0;
  virtual Acad::ErrorStatus writePoint3d(AcDb::DxfCode code, const AcGePoint3d& value, int precision = -1) = 0;
  virtual Acad::ErrorStatus writeVector3d(AcDb::DxfCode code, const AcGeVector3d& value, int precision = -1) = 0;
  virtual Acad::ErrorStatus writeScale3d(AcDb::DxfCode code, const AcGeScale3d& value, int precision = -1) = 0;
  virtual Acad::ErrorStatus writeBytes(AcDb::DxfCode code, const void* buffer, Adesk::UIntPtr length) = 0;
  virtual Acad::ErrorStatus writeAcDbHandle(AcDb::DxfCode code, const AcDbHandle& value) = 0;
  // Embedded objects and subclass markers.
  Acad::ErrorStatus writeSubclassMarker(const ACHAR* name) { return writeString(AcDb::kDxfSubclass, name); }

  Acad::ErrorStatus writeItem(AcDb::DxfCode code, const AcDbObjectId& v) { return writeObjectId(code, v); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, const ACHAR* v) { return writeString(code, v); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, bool v) { return writeBool(code, v); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, Adesk::Int8 v) { return writeInt8(code, v); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, Adesk::Int16 v) { return writeInt16(code, v); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, Adesk::Int32 v) { return writeInt32(code, v); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, Adesk::Int64 v) { return writeInt64(code, v); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, Adesk::UInt16 v) { return writeUInt16(code, v); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, Adesk::UInt32 v) { return writeUInt32(code, v); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, double v, int prec = -1) { return writeDouble(code, v, prec); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, const AcGePoint2d& v, int prec = -1) { return writePoint2d(code, v, prec); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, const AcGePoint3d& v, int prec = -1) { return writePoint3d(code, v, prec); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, const AcGeVector3d& v, int prec = -1) { return writeVector3d(code, v, prec); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, const AcGeScale3d& v, int prec = -1) { return writeScale3d(code, v, prec); }
  Acad::ErrorStatus writeItem(AcDb::DxfCode code, const AcDbHandle& v) { return writeAcDbHandle(code, v); }
};

namespace zhost {

// One DXF group: the code and its value as text exactly as a DXF file carries it (reals with up
// to 16 significant digits in the C locale, handles and ids as hexadecimal handles; a point is
// three groups: code, code+10, code+20).
struct DxfGroup {
  int code = 0;
  std::wstring value;
};

class MemoryDxfFiler : public AcDbDxfFiler {
 public:
  explicit MemoryDxfFiler(AcDb::FilerType type = AcDb::kFileFiler, AcDbDatabase* database = nullptr);
  ~MemoryDxfFiler() override;

  Acad::ErrorStatus filerStatus() const override { return status_; }
  AcDb::FilerType filerType() const override { return type_; }
  void setFilerStatus(Acad::ErrorStatus status) override { status_ = status; }
  void resetFilerStatus() override { status_ = Acad::eOk; }
  AcDbDatabase* database() const override { return database_; }

  Acad::ErrorStatus readItem(resbuf* rb) override;
  Acad::ErrorStatus pushBackItem() override;
  bool atEOF() override { return pos_ >= groups_.size(); }
  bool atSubclassData(const ACHAR* subClassName) override;
  bool atExtendedData() override;
  bool atEndOfObject() override;

  Acad::ErrorStatus writeItem(const resbuf& rb) override;
  Acad::ErrorStatus writeObjectId(AcDb::DxfCode code, const AcDbObjectId& id) override;
  Acad::ErrorStatus writeString(AcDb::DxfCode code, const ACHAR* value) override;
  Acad::ErrorStatus writeBool(AcDb::DxfCode code, bool value) override;
  Acad::ErrorStatus writeInt8(AcDb::DxfCode code, Adesk::Int8 value) override;
  Acad::ErrorStatus writeInt16(AcDb::DxfCode code, Adesk::Int16 value) override;
  Acad::ErrorStatus writeInt32(AcDb::DxfCode code, Adesk::Int32 value) override;
  Acad::ErrorStatus writeInt64(AcDb::DxfCode code, Adesk::Int64 value) override;
  Acad::ErrorStatus writeUInt16(AcDb::DxfCode code, Adesk::UInt16 value) override;
  Acad::ErrorStatus writeUInt32(AcDb::DxfCode code, Adesk::UInt32 value) override;
  Acad::ErrorStatus writeDouble(AcDb::DxfCode code, double value, int precision = -1) override;
  Acad::ErrorStatus writePoint2d(AcDb::DxfCode code, const AcGePoint2d& value, int precision = -1) override;
  Acad::ErrorStatus writePoint3d(AcDb::DxfCode code, const AcGePoint3d& value, int precision = -1) override;
  Acad::ErrorStatus writeVector3d(AcDb::DxfCode code, const AcGeVector3d& value, int precision = -1) override;
  Acad::ErrorStatus writeScale3d(AcDb::DxfCode code, const AcGeScale3d& value, int precision = -1) override;
  Acad::ErrorStatus writeBytes(AcDb::DxfCode code, const void* buffer, Adesk::UIntPtr length) override;
  Acad::ErrorStatus writeAcDbHandle(AcDb::DxfCode code, const AcDbHandle& value) override;
  using AcDbDxfFiler::writeItem;

  const std::vector<DxfGroup>& groups() const { return groups_; }
  std::vector<DxfGroup>& groups() { return groups_; }
  void rewind() {
    pos_ = 0;
    status_ = Acad::eOk;
  }
  // Text of a real as the filer writes it.
  static std::wstring RealText(double value, int precision = -1);

 private:
  Acad::ErrorStatus put(int code, std::wstring value);

  AcDb::FilerType type_;
  AcDbDatabase* database_;
  Acad::ErrorStatus status_ = Acad::eOk;
  std::vector<DxfGroup> groups_;
  size_t pos_ = 0;
  size_t lastStart_ = 0;
  bool canPushBack_ = false;
};

}  // namespace zhost
