// zhost::MemoryFiler: the host's typed in-memory filer. Every item is kept with its type tag, so
// a read of the wrong type or past the end is noticed: the read fails with eWrongDataType or
// eEndOfFile, sets filerStatus() and leaves its output alone; later reads return the same status
// until resetFilerStatus(). Undo, clone and the drawing-file reader/writer use it: the file code
// turns items() into bytes and back (ids as handles, resolved in the target database).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/db/AcDbDwgFiler.h"

namespace zhost {

enum class FilerItemType : uint8_t {
  kBoolean = 1,
  kInt8,
  kUInt8,
  kInt16,
  kUInt16,
  kInt32,
  kUInt32,
  kInt64,
  kUInt64,
  kDouble,
  kPoint2d,
  kPoint3d,
  kVector2d,
  kVector3d,
  kScale3d,
  kString,
  kBinaryChunk,  // readBChunk/writeBChunk (ads_binary)
  kBytes,        // readBytes/writeBytes
  kHandle,
  kHardOwnershipId,
  kSoftOwnershipId,
  kHardPointerId,
  kSoftPointerId,
  kAddress,
};

// The name of a type ("Int16", "HardPointerId" ...), for diagnostics and file dumps.
const wchar_t* FilerItemTypeName(FilerItemType type);

// One filed value. Integers (and Boolean) are in i (signed) or u (unsigned), doubles and the
// coordinates of points, vectors and scales in d, strings in s, binary data in bytes, ids in id
// (with the referenced handle in handle, which the file reader uses before the ids exist),
// handles in handle, addresses in address.
struct FilerItem {
  FilerItemType type = FilerItemType::kInt32;
  Adesk::Int64 i = 0;
  Adesk::UInt64 u = 0;
  double d[3] = {0, 0, 0};
  std::wstring s;
  std::vector<uint8_t> bytes;
  AcDbObjectId id;
  AcDbHandle handle;
  const void* address = nullptr;

  bool isId() const {
    return type == FilerItemType::kHardOwnershipId || type == FilerItemType::kSoftOwnershipId ||
           type == FilerItemType::kHardPointerId || type == FilerItemType::kSoftPointerId;
  }
  bool operator==(const FilerItem& o) const;
  bool operator!=(const FilerItem& o) const { return !(*this == o); }
};

class MemoryFiler : public AcDbDwgFiler {
 public:
  explicit MemoryFiler(AcDb::FilerType type = AcDb::kCopyFiler, AcDbDatabase* database = nullptr);
  ~MemoryFiler() override;

  Acad::ErrorStatus filerStatus() const override { return status_; }
  AcDb::FilerType filerType() const override { return type_; }
  void setFilerType(AcDb::FilerType type) { type_ = type; }
  void setFilerStatus(Acad::ErrorStatus status) override { status_ = status; }
  void resetFilerStatus() override { status_ = Acad::eOk; }
  AcDbDatabase* database() const override { return database_; }
  void setDatabase(AcDbDatabase* database) { database_ = database; }

  Acad::ErrorStatus readHardOwnershipId(AcDbHardOwnershipId* id) override;
  Acad::ErrorStatus writeHardOwnershipId(const AcDbHardOwnershipId& id) override;
  Acad::ErrorStatus readSoftOwnershipId(AcDbSoftOwnershipId* id) override;
  Acad::ErrorStatus writeSoftOwnershipId(const AcDbSoftOwnershipId& id) override;
  Acad::ErrorStatus readHardPointerId(AcDbHardPointerId* id) override;
  Acad::ErrorStatus writeHardPointerId(const AcDbHardPointerId& id) override;
  Acad::ErrorStatus readSoftPointerId(AcDbSoftPointerId* id) override;
  Acad::ErrorStatus writeSoftPointerId(const AcDbSoftPointerId& id) override;
  Acad::ErrorStatus readString(ACHAR** value) override;
  Acad::ErrorStatus writeString(const ACHAR* value) override;
  Acad::ErrorStatus readString(std::wstring& value) override;
  Acad::ErrorStatus writeString(const std::wstring& value) override;
  Acad::ErrorStatus readBChunk(ads_binary* value) override;
  Acad::ErrorStatus writeBChunk(const ads_binary& value) override;
  Acad::ErrorStatus readAcDbHandle(AcDbHandle* value) override;
  Acad::ErrorStatus writeAcDbHandle(const AcDbHandle& value) override;
  Acad::ErrorStatus readInt64(Adesk::Int64* value) override;
  Acad::ErrorStatus writeInt64(Adesk::Int64 value) override;
  Acad::ErrorStatus readInt32(Adesk::Int32* value) override;
  Acad::ErrorStatus writeInt32(Adesk::Int32 value) override;
  Acad::ErrorStatus readInt16(Adesk::Int16* value) override;
  Acad::ErrorStatus writeInt16(Adesk::Int16 value) override;
  Acad::ErrorStatus readInt8(Adesk::Int8* value) override;
  Acad::ErrorStatus writeInt8(Adesk::Int8 value) override;
  Acad::ErrorStatus readUInt64(Adesk::UInt64* value) override;
  Acad::ErrorStatus writeUInt64(Adesk::UInt64 value) override;
  Acad::ErrorStatus readUInt32(Adesk::UInt32* value) override;
  Acad::ErrorStatus writeUInt32(Adesk::UInt32 value) override;
  Acad::ErrorStatus readUInt16(Adesk::UInt16* value) override;
  Acad::ErrorStatus writeUInt16(Adesk::UInt16 value) override;
  Acad::ErrorStatus readUInt8(Adesk::UInt8* value) override;
  Acad::ErrorStatus writeUInt8(Adesk::UInt8 value) override;
  Acad::ErrorStatus readBoolean(Adesk::Boolean* value) override;
  Acad::ErrorStatus writeBoolean(Adesk::Boolean value) override;
  Acad::ErrorStatus readDouble(double* value) override;
  Acad::ErrorStatus writeDouble(double value) override;
  Acad::ErrorStatus readPoint2d(AcGePoint2d* value) override;
  Acad::ErrorStatus writePoint2d(const AcGePoint2d& value) override;
  Acad::ErrorStatus readPoint3d(AcGePoint3d* value) override;
  Acad::ErrorStatus writePoint3d(const AcGePoint3d& value) override;
  Acad::ErrorStatus readVector2d(AcGeVector2d* value) override;
  Acad::ErrorStatus writeVector2d(const AcGeVector2d& value) override;
  Acad::ErrorStatus readVector3d(AcGeVector3d* value) override;
  Acad::ErrorStatus writeVector3d(const AcGeVector3d& value) override;
  Acad::ErrorStatus readScale3d(AcGeScale3d* value) override;
  Acad::ErrorStatus writeScale3d(const AcGeScale3d& value) override;
  Acad::ErrorStatus readBytes(void* buffer, Adesk::UIntPtr length) override;
  Acad::ErrorStatus writeBytes(const void* buffer, Adesk::UIntPtr length) override;
  // Refused (eNotApplicable, status set) by a filer of type kFileFiler.
  Acad::ErrorStatus readAddress(void** value) override;
  Acad::ErrorStatus writeAddress(const void* value) override;

  // Positions count items.
  Acad::ErrorStatus seek(Adesk::Int64 offset, int method) override;
  Adesk::Int64 tell() const override { return static_cast<Adesk::Int64>(pos_); }
  void rewind() {
    pos_ = 0;
    status_ = Acad::eOk;
  }
  bool atEnd() const { return pos_ >= items_.size(); }

  // Raw access: the file code, proxies and tests.
  const std::vector<FilerItem>& items() const { return items_; }
  std::vector<FilerItem>& items() { return items_; }
  // The next item without type check (null at the end); the position moves past it.
  const FilerItem* takeItem();
  // The type of the next item (false at the end).
  bool peekType(FilerItemType& type) const;
  void append(const FilerItem& item) { items_.push_back(item); }
  void clear() {
    items_.clear();
    pos_ = 0;
    status_ = Acad::eOk;
  }

 private:
  // The next item if it has the type; sets the status otherwise.
  const FilerItem* next(FilerItemType type);
  Acad::ErrorStatus put(FilerItem item);

  AcDb::FilerType type_;
  AcDbDatabase* database_;
  Acad::ErrorStatus status_ = Acad::eOk;
  std::vector<FilerItem> items_;
  size_t pos_ = 0;
};

// A filer that accepts every write and forgets it (the undo filer while recording is off).
class NullFiler : public MemoryFiler {
 public:
  NullFiler() : MemoryFiler(AcDb::kUndoFiler) {}
  // Writes are forgotten at once.
  void forget() { clear(); }
};

}  // namespace zhost
