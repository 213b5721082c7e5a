// The typed in-memory filer.
#include "host/db/MemoryFiler.h"

#include <cstdlib>
#include <cstring>

#include "host/rx/AcRxClass.h"

ZHOST_RX_HOST_MEMBERS(AcDbDwgFiler, AcRxObject, nullptr)

AcDbDwgFiler::~AcDbDwgFiler() = default;

namespace zhost {

const wchar_t* FilerItemTypeName(FilerItemType type) {
  switch (type) {
    case FilerItemType::kBoolean: return L"Boolean";
    case FilerItemType::kInt8: return L"Int8";
    case FilerItemType::kUInt8: return L"UInt8";
    case FilerItemType::kInt16: return L"Int16";
    case FilerItemType::kUInt16: return L"UInt16";
    case FilerItemType::kInt32: return L"Int32";
    case FilerItemType::kUInt32: return L"UInt32";
    case FilerItemType::kInt64: return L"Int64";
    case FilerItemType::kUInt64: return L"UInt64";
    case FilerItemType::kDouble: return L"Double";
    case FilerItemType::kPoint2d: return L"Point2d";
    case FilerItemType::kPoint3d: return L"Point3d";
    case FilerItemType::kVector2d: return L"Vector2d";
    case FilerItemType::kVector3d: return L"Vector3d";
    case FilerItemType::kScale3d: return L"Scale3d";
    case FilerItemType::kString: return L"String";
    case FilerItemType::kBinaryChunk: return L"BinaryChunk";
    case FilerItemType::kBytes: return L"Bytes";
    case FilerItemType::kHandle: return L"Handle";
    case FilerItemType::kHardOwnershipId: return L"HardOwnershipId";
    case FilerItemType::kSoftOwnershipId: return L"SoftOwnershipId";
    case FilerItemType::kHardPointerId: return L"HardPointerId";
    case FilerItemType::kSoftPointerId: return L"SoftPointerId";
    case FilerItemType::kAddress: return L"Address";
  }
  return L"?";
}

bool FilerItem::operator==(const FilerItem& o) const {
  return type == o.type && i == o.i && u == o.u && d[0] == o.d[0] && d[1] == o.d[1] && d[2] == o.d[2] &&
         s == o.s && bytes == o.bytes && id == o.id && handle == o.handle && address == o.address;
}

MemoryFiler::MemoryFiler(AcDb::FilerType type, AcDbDatabase* database) : type_(type), database_(database) {}
MemoryFiler::~MemoryFiler() = default;

const FilerItem* MemoryFiler::next(FilerItemType type) {
  if (status_ != Acad::eOk) return nullptr;
  if (pos_ >= items_.size()) {
    status_ = Acad::eEndOfFile;
    return nullptr;
  }
  const FilerItem& item = items_[pos_];
  if (item.type != type) {
    status_ = Acad::eWrongDataType;
    return nullptr;
  }
  ++pos_;
  return &item;
}

const FilerItem* MemoryFiler::takeItem() {
  if (pos_ >= items_.size()) return nullptr;
  return &items_[pos_++];
}

bool MemoryFiler::peekType(FilerItemType& type) const {
  if (pos_ >= items_.size()) return false;
  type = items_[pos_].type;
  return true;
}

Acad::ErrorStatus MemoryFiler::put(FilerItem item) {
  if (status_ != Acad::eOk) return status_;
  // Writing in the middle replaces what follows, as writing into a file would.
  if (pos_ < items_.size()) items_.resize(pos_);
  items_.push_back(std::move(item));
  pos_ = items_.size();
  return Acad::eOk;
}

namespace {

FilerItem Item(FilerItemType type) {
  FilerItem item;
  item.type = type;
  return item;
}

FilerItem IdItem(FilerItemType type, const AcDbObjectId& id) {
  FilerItem item = Item(type);
  item.id = id;
  item.handle = id.handle();
  return item;
}

FilerItem SignedItem(FilerItemType type, Adesk::Int64 v) {
  FilerItem item = Item(type);
  item.i = v;
  return item;
}

FilerItem UnsignedItem(FilerItemType type, Adesk::UInt64 v) {
  FilerItem item = Item(type);
  item.u = v;
  return item;
}

FilerItem CoordItem(FilerItemType type, double x, double y, double z) {
  FilerItem item = Item(type);
  item.d[0] = x;
  item.d[1] = y;
  item.d[2] = z;
  return item;
}

}  // namespace

#define ZHOST_ID_IO(NAME, TYPE, KIND)                                         \
  Acad::ErrorStatus MemoryFiler::read##NAME(TYPE* id) {                       \
    const FilerItem* item = next(FilerItemType::KIND);                        \
    if (!item) return status_;                                                \
    if (id) *id = item->id;                                                   \
    return Acad::eOk;                                                         \
  }                                                                           \
  Acad::ErrorStatus MemoryFiler::write##NAME(const TYPE& id) { return put(IdItem(FilerItemType::KIND, id)); }
ZHOST_ID_IO(HardOwnershipId, AcDbHardOwnershipId, kHardOwnershipId)
ZHOST_ID_IO(SoftOwnershipId, AcDbSoftOwnershipId, kSoftOwnershipId)
ZHOST_ID_IO(HardPointerId, AcDbHardPointerId, kHardPointerId)
ZHOST_ID_IO(SoftPointerId, AcDbSoftPointerId, kSoftPointerId)
#undef ZHOST_ID_IO

#define ZHOST_SIGNED_IO(NAME, TYPE, KIND)                                      \
  Acad::ErrorStatus MemoryFiler::read##NAME(TYPE* value) {                     \
    const FilerItem* item = next(FilerItemType::KIND);                         \
    if (!item) return status_;                                                 \
    if (value) *value = static_cast<TYPE>(item->i);                            \
    return Acad::eOk;                                                          \
  }                                                                            \
  Acad::ErrorStatus MemoryFiler::write##NAME(TYPE value) { return put(SignedItem(FilerItemType::KIND, value)); }
ZHOST_SIGNED_IO(Int64, Adesk::Int64, kInt64)
ZHOST_SIGNED_IO(Int32, Adesk::Int32, kInt32)
ZHOST_SIGNED_IO(Int16, Adesk::Int16, kInt16)
ZHOST_SIGNED_IO(Int8, Adesk::Int8, kInt8)
#undef ZHOST_SIGNED_IO

#define ZHOST_UNSIGNED_IO(NAME, TYPE, KIND)                                    \
  Acad::ErrorStatus MemoryFiler::read##NAME(TYPE* value) {                     \
    const FilerItem* item = next(FilerItemType::KIND);                         \
    if (!item) return status_;                                                 \
    if (value) *value = static_cast<TYPE>(item->u);                            \
    return Acad::eOk;                                                          \
  }                                                                            \
  Acad::ErrorStatus MemoryFiler::write##NAME(TYPE value) { return put(UnsignedItem(FilerItemType::KIND, value)); }
ZHOST_UNSIGNED_IO(UInt64, Adesk::UInt64, kUInt64)
ZHOST_UNSIGNED_IO(UInt32, Adesk::UInt32, kUInt32)
ZHOST_UNSIGNED_IO(UInt16, Adesk::UInt16, kUInt16)
ZHOST_UNSIGNED_IO(UInt8, Adesk::UInt8, kUInt8)
#undef ZHOST_UNSIGNED_IO

Acad::ErrorStatus MemoryFiler::readBoolean(Adesk::Boolean* value) {
  const FilerItem* item = next(FilerItemType::kBoolean);
  if (!item) return status_;
  if (value) *value = item->u != 0;
  return Acad::eOk;
}

Acad::ErrorStatus MemoryFiler::writeBoolean(Adesk::Boolean value) {
  return put(UnsignedItem(FilerItemType::kBoolean, value ? 1 : 0));
}

Acad::ErrorStatus MemoryFiler::readDouble(double* value) {
  const FilerItem* item = next(FilerItemType::kDouble);
  if (!item) return status_;
  if (value) *value = item->d[0];
  return Acad::eOk;
}

Acad::ErrorStatus MemoryFiler::writeDouble(double value) { return put(CoordItem(FilerItemType::kDouble, value, 0, 0)); }

#define ZHOST_COORD_IO(NAME, TYPE, KIND, X, Y, Z, MAKE)                                  \
  Acad::ErrorStatus MemoryFiler::read##NAME(TYPE* value) {                              \
    const FilerItem* item = next(FilerItemType::KIND);                                  \
    if (!item) return status_;                                                          \
    if (value) *value = MAKE;                                                           \
    return Acad::eOk;                                                                   \
  }                                                                                     \
  Acad::ErrorStatus MemoryFiler::write##NAME(const TYPE& value) {                       \
    return put(CoordItem(FilerItemType::KIND, value.X, value.Y, Z));                    \
  }
#define ZHOST_D0 item->d[0]
#define ZHOST_D1 item->d[1]
#define ZHOST_D2 item->d[2]
ZHOST_COORD_IO(Point2d, AcGePoint2d, kPoint2d, x, y, 0, (AcGePoint2d(ZHOST_D0, ZHOST_D1)))
ZHOST_COORD_IO(Point3d, AcGePoint3d, kPoint3d, x, y, value.z, (AcGePoint3d(ZHOST_D0, ZHOST_D1, ZHOST_D2)))
ZHOST_COORD_IO(Vector2d, AcGeVector2d, kVector2d, x, y, 0, (AcGeVector2d(ZHOST_D0, ZHOST_D1)))
ZHOST_COORD_IO(Vector3d, AcGeVector3d, kVector3d, x, y, value.z, (AcGeVector3d(ZHOST_D0, ZHOST_D1, ZHOST_D2)))
ZHOST_COORD_IO(Scale3d, AcGeScale3d, kScale3d, sx, sy, value.sz, (AcGeScale3d(ZHOST_D0, ZHOST_D1, ZHOST_D2)))
#undef ZHOST_D0
#undef ZHOST_D1
#undef ZHOST_D2
#undef ZHOST_COORD_IO

Acad::ErrorStatus MemoryFiler::readString(ACHAR** value) {
  const FilerItem* item = next(FilerItemType::kString);
  if (!item) return status_;
  if (value) *value = acutNewString(item->s.c_str());
  return Acad::eOk;
}

Acad::ErrorStatus MemoryFiler::writeString(const ACHAR* value) {
  FilerItem item = Item(FilerItemType::kString);
  item.s = value ? value : L"";
  return put(std::move(item));
}

Acad::ErrorStatus MemoryFiler::readString(std::wstring& value) {
  const FilerItem* item = next(FilerItemType::kString);
  if (!item) return status_;
  value = item->s;
  return Acad::eOk;
}

Acad::ErrorStatus MemoryFiler::writeString(const std::wstring& value) {
  FilerItem item = Item(FilerItemType::kString);
  item.s = value;
  return put(std::move(item));
}

Acad::ErrorStatus MemoryFiler::readBChunk(ads_binary* value) {
  const FilerItem* item = next(FilerItemType::kBinaryChunk);
  if (!item) return status_;
  if (!value) return Acad::eOk;
  value->clen = static_cast<short>(item->bytes.size());
  value->buf = nullptr;
  if (!item->bytes.empty()) {
    value->buf = static_cast<char*>(std::malloc(item->bytes.size()));
    std::memcpy(value->buf, item->bytes.data(), item->bytes.size());
  }
  return Acad::eOk;
}

Acad::ErrorStatus MemoryFiler::writeBChunk(const ads_binary& value) {
  FilerItem item = Item(FilerItemType::kBinaryChunk);
  if (value.clen < 0) return status_ = Acad::eInvalidInput;
  if (value.clen > 0 && value.buf) item.bytes.assign(value.buf, value.buf + value.clen);
  return put(std::move(item));
}

Acad::ErrorStatus MemoryFiler::readAcDbHandle(AcDbHandle* value) {
  const FilerItem* item = next(FilerItemType::kHandle);
  if (!item) return status_;
  if (value) *value = item->handle;
  return Acad::eOk;
}

Acad::ErrorStatus MemoryFiler::writeAcDbHandle(const AcDbHandle& value) {
  FilerItem item = Item(FilerItemType::kHandle);
  item.handle = value;
  return put(std::move(item));
}

Acad::ErrorStatus MemoryFiler::readBytes(void* buffer, Adesk::UIntPtr length) {
  if (status_ != Acad::eOk) return status_;
  if (pos_ < items_.size() && items_[pos_].type == FilerItemType::kBytes && items_[pos_].bytes.size() != length)
    return status_ = Acad::eWrongDataType;
  const FilerItem* item = next(FilerItemType::kBytes);
  if (!item) return status_;
  if (buffer && length) std::memcpy(buffer, item->bytes.data(), length);
  return Acad::eOk;
}

Acad::ErrorStatus MemoryFiler::writeBytes(const void* buffer, Adesk::UIntPtr length) {
  FilerItem item = Item(FilerItemType::kBytes);
  if (length && !buffer) return status_ = Acad::eInvalidInput;
  const uint8_t* p = static_cast<const uint8_t*>(buffer);
  if (length) item.bytes.assign(p, p + length);
  return put(std::move(item));
}

Acad::ErrorStatus MemoryFiler::readAddress(void** value) {
  if (type_ == AcDb::kFileFiler && status_ == Acad::eOk) return status_ = Acad::eNotApplicable;
  const FilerItem* item = next(FilerItemType::kAddress);
  if (!item) return status_;
  if (value) *value = const_cast<void*>(item->address);
  return Acad::eOk;
}

Acad::ErrorStatus MemoryFiler::writeAddress(const void* value) {
  if (type_ == AcDb::kFileFiler && status_ == Acad::eOk) return status_ = Acad::eNotApplicable;
  FilerItem item = Item(FilerItemType::kAddress);
  item.address = value;
  return put(std::move(item));
}

Acad::ErrorStatus MemoryFiler::seek(Adesk::Int64 offset, int method) {
  Adesk::Int64 base = method == 0 ? 0 : method == 1 ? static_cast<Adesk::Int64>(pos_) : static_cast<Adesk::Int64>(items_.size());
  Adesk::Int64 target = base + offset;
  if (target < 0 || target > static_cast<Adesk::Int64>(items_.size())) return Acad::eInvalidInput;
  pos_ = static_cast<size_t>(target);
  return Acad::eOk;
}

}  // namespace zhost
