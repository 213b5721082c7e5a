// Checking and reading the bytes of a drawing file.
#include "host/db/DrawingFormatReader.h"

#include <cstring>

#include "host/win/WideFormat.h"

namespace zhost {

namespace df = drawing_format;

namespace {

// A bounded little-endian cursor over data[pos, end).
struct Cursor {
  const unsigned char* data;
  size_t pos, end;

  size_t left() const { return end - pos; }
  bool u8(uint8_t& v) {
    if (left() < 1) return false;
    v = data[pos++];
    return true;
  }
  bool u16(uint16_t& v) {
    if (left() < 2) return false;
    v = static_cast<uint16_t>(data[pos] | (data[pos + 1] << 8));
    pos += 2;
    return true;
  }
  bool u32(uint32_t& v) {
    if (left() < 4) return false;
    v = 0;
    for (int k = 3; k >= 0; --k) v = (v << 8) | data[pos + k];
    pos += 4;
    return true;
  }
  bool u64(uint64_t& v) {
    if (left() < 8) return false;
    v = 0;
    for (int k = 7; k >= 0; --k) v = (v << 8) | data[pos + k];
    pos += 8;
    return true;
  }
  bool f64(double& d) {
    uint64_t bits;
    if (!u64(bits)) return false;
    std::memcpy(&d, &bits, sizeof d);
    return true;
  }
  bool text(std::wstring& s) {
    uint32_t n;
    if (!u32(n) || n > left()) return false;
    if (!DecodeUtf8(data + pos, n, s)) return false;
    pos += n;
    return true;
  }
  bool blob(std::vector<uint8_t>& bytes) {
    uint32_t n;
    if (!u32(n) || n > left()) return false;
    bytes.assign(data + pos, data + pos + n);
    pos += n;
    return true;
  }
};

std::wstring At(size_t offset) { return FormatWide(L" (at byte %llu)", static_cast<unsigned long long>(offset)); }

bool Fail(std::wstring& error, const std::wstring& text) {
  error = text;
  return false;
}

}  // namespace

bool ReadDrawingItem(const unsigned char* data, size_t& pos, size_t end, FilerItem& item, std::wstring& error) {
  Cursor c{data, pos, end};
  const size_t start = pos;
  uint8_t tag;
  if (!c.u8(tag)) return Fail(error, L"an object's items end early" + At(start));
  item = FilerItem();
  item.type = static_cast<FilerItemType>(tag);
  bool ok = true;
  uint8_t b = 0;
  uint16_t w = 0;
  uint32_t l = 0;
  uint64_t q = 0;
  switch (item.type) {
    case FilerItemType::kBoolean:
      ok = c.u8(b);
      if (ok && b > 1) return Fail(error, L"a Boolean item holds a value other than 0 or 1" + At(start));
      item.i = b;
      item.u = b;
      break;
    case FilerItemType::kInt8: ok = c.u8(b); item.i = static_cast<int8_t>(b); break;
    case FilerItemType::kUInt8: ok = c.u8(b); item.u = b; break;
    case FilerItemType::kInt16: ok = c.u16(w); item.i = static_cast<int16_t>(w); break;
    case FilerItemType::kUInt16: ok = c.u16(w); item.u = w; break;
    case FilerItemType::kInt32: ok = c.u32(l); item.i = static_cast<int32_t>(l); break;
    case FilerItemType::kUInt32: ok = c.u32(l); item.u = l; break;
    case FilerItemType::kInt64: ok = c.u64(q); item.i = static_cast<int64_t>(q); break;
    case FilerItemType::kUInt64: ok = c.u64(q); item.u = q; break;
    case FilerItemType::kDouble: ok = c.f64(item.d[0]); break;
    case FilerItemType::kPoint2d:
    case FilerItemType::kVector2d: ok = c.f64(item.d[0]) && c.f64(item.d[1]); break;
    case FilerItemType::kPoint3d:
    case FilerItemType::kVector3d:
    case FilerItemType::kScale3d: ok = c.f64(item.d[0]) && c.f64(item.d[1]) && c.f64(item.d[2]); break;
    case FilerItemType::kString:
      if (!c.text(item.s)) return Fail(error, L"a String item is longer than its object or no valid UTF-8" + At(start));
      break;
    case FilerItemType::kBinaryChunk:
    case FilerItemType::kBytes:
      if (!c.blob(item.bytes)) return Fail(error, L"a binary item is longer than its object" + At(start));
      break;
    case FilerItemType::kHandle:
    case FilerItemType::kHardOwnershipId:
    case FilerItemType::kSoftOwnershipId:
    case FilerItemType::kHardPointerId:
    case FilerItemType::kSoftPointerId:
      ok = c.u64(q);
      item.handle = AcDbHandle(q);
      break;
    default:
      return Fail(error, FormatWide(L"unknown item type %u", static_cast<unsigned>(tag)) + At(start));
  }
  if (!ok) return Fail(error, std::wstring(L"a ") + FilerItemTypeName(item.type) + L" item runs past its object" + At(start));
  pos = c.pos;
  return true;
}

bool DrawingFormatReader::open(const unsigned char* data, size_t size, std::wstring& error) {
  data_ = data;
  size_ = size;
  if (size < sizeof df::kMagic || std::memcmp(data, df::kMagic, sizeof df::kMagic) != 0)
    return Fail(error, L"not a drawing file of this program (bad magic)");
  if (size < df::kFileHeaderSize + df::kTrailerSize)
    return Fail(error, L"the drawing file is truncated (shorter than its header and trailer)");
  Cursor c{data, sizeof df::kMagic, size};
  uint16_t major = 0;
  uint32_t flags = 0, sections = 0, reserved = 0;
  uint64_t length = 0;
  c.u16(major);
  c.u16(minor_);
  c.u32(flags);
  c.u64(length);
  c.u32(sections);
  c.u32(reserved);
  if (major != df::kVersionMajor)
    return Fail(error, FormatWide(L"unsupported drawing file version %u.%u (this program reads version %u)",
                                  unsigned(major), unsigned(minor_), unsigned(df::kVersionMajor)));
  if (length != size)
    return Fail(error, FormatWide(L"the drawing file is %s: its header gives %llu bytes, the file has %llu",
                                  length > size ? L"truncated" : L"longer than written",
                                  static_cast<unsigned long long>(length), static_cast<unsigned long long>(size)));
  const size_t trailer = size - df::kTrailerSize;
  Cursor t{data, trailer + 4, size};
  uint32_t crc = 0;
  uint64_t trailerLength = 0;
  t.u32(crc);
  t.u64(trailerLength);
  if (std::memcmp(data + trailer, df::kTrailerTag, 4) != 0 || trailerLength != size)
    return Fail(error, L"the drawing file has no valid trailer (truncated or damaged)");
  if (DrawingChecksum(data, trailer + 4) != crc) return Fail(error, L"checksum mismatch: the drawing file is damaged");
  if (flags != 0 || reserved != 0 || sections != df::kSectionCount)
    return Fail(error, L"the drawing file's header has unknown flags or section counts");

  // The sections must tile the space between the file header and the trailer exactly.
  const char* tags[] = {df::kHeaderTag, df::kClassesTag, df::kObjectsTag};
  Section* parts[] = {&header_, &classes_, &objects_};
  Cursor s{data, df::kFileHeaderSize, trailer};
  for (int k = 0; k < 3; ++k) {
    const size_t at = s.pos;
    uint64_t bodyLength = 0;
    if (s.left() < df::kSectionHeaderSize || std::memcmp(data + s.pos, tags[k], 4) != 0)
      return Fail(error, std::wstring(L"the drawing file lacks its ") + (k == 0 ? L"header" : k == 1 ? L"class" : L"object") +
                             L" section" + At(at));
    s.pos += 4;
    s.u64(bodyLength);
    if (bodyLength > s.left()) return Fail(error, L"a section of the drawing file is longer than the file" + At(at));
    parts[k]->begin = s.pos;
    parts[k]->end = s.pos + static_cast<size_t>(bodyLength);
    s.pos = parts[k]->end;
  }
  if (s.pos != trailer) return Fail(error, L"unknown data between the sections and the trailer of the drawing file");

  Cursor o{data, objects_.begin, objects_.end};
  if (!o.u32(objectCount_)) return Fail(error, L"the object section is empty" + At(objects_.begin));
  if (objectCount_ > o.left() / (4 + df::kObjectRecordFixedSize))
    return Fail(error, FormatWide(L"the drawing file claims %u objects, more than its size can hold", objectCount_));
  firstObject_ = o.pos;
  rewindObjects();
  return true;
}

bool DrawingFormatReader::readHeader(std::vector<DrawingHeaderVariable>& variables, std::wstring& error) {
  variables.clear();
  Cursor c{data_, header_.begin, header_.end};
  uint32_t count = 0;
  if (!c.u32(count)) return Fail(error, L"the header section is empty");
  // A variable takes at least a name length and an item.
  if (count > c.left() / (4 + df::kMinItemSize))
    return Fail(error, FormatWide(L"the header claims %u variables, more than its size can hold", count));
  variables.reserve(count);
  for (uint32_t k = 0; k < count; ++k) {
    DrawingHeaderVariable v;
    const size_t at = c.pos;
    if (!c.text(v.name)) return Fail(error, L"a header variable's name is damaged" + At(at));
    if (!ReadDrawingItem(data_, c.pos, c.end, v.value, error)) return false;
    variables.push_back(std::move(v));
  }
  if (c.left() != 0) return Fail(error, L"unknown data after the header variables" + At(c.pos));
  return true;
}

bool DrawingFormatReader::readClasses(std::vector<DrawingClassEntry>& classes, std::wstring& error) {
  classes.clear();
  Cursor c{data_, classes_.begin, classes_.end};
  uint32_t count = 0;
  if (!c.u32(count)) return Fail(error, L"the class section is empty");
  constexpr size_t kMinClass = 3 * 4 + 3 * 4 + 1;
  if (count > c.left() / kMinClass)
    return Fail(error, FormatWide(L"the class list claims %u classes, more than its size can hold", count));
  classes.reserve(count);
  for (uint32_t k = 0; k < count; ++k) {
    DrawingClassEntry e;
    const size_t at = c.pos;
    uint32_t flags = 0, dwg = 0, maint = 0;
    uint8_t entity = 0;
    if (!c.text(e.name) || !c.text(e.dxfName) || !c.text(e.appName) || !c.u32(flags) || !c.u32(dwg) || !c.u32(maint) ||
        !c.u8(entity) || entity > 1 || e.name.empty())
      return Fail(error, FormatWide(L"class %u of the class list is damaged", k) + At(at));
    e.proxyFlags = static_cast<int32_t>(flags);
    e.dwgVersion = static_cast<int32_t>(dwg);
    e.maintVersion = static_cast<int32_t>(maint);
    e.isEntity = entity == 1;
    classes.push_back(std::move(e));
  }
  if (c.left() != 0) return Fail(error, L"unknown data after the class list" + At(c.pos));
  return true;
}

void DrawingFormatReader::rewindObjects() {
  objectPos_ = firstObject_;
  objectsRead_ = 0;
}

bool DrawingFormatReader::nextObject(DrawingObjectRecord& record, std::wstring& error) {
  if (atEndOfObjects()) return Fail(error, L"no more objects in the drawing file");
  Cursor c{data_, objectPos_, objects_.end};
  const size_t at = c.pos;
  uint32_t length = 0;
  if (!c.u32(length) || length > c.left() || length < df::kObjectRecordFixedSize)
    return Fail(error, FormatWide(L"object %u of the drawing file is truncated", objectsRead_) + At(at));
  const size_t end = c.pos + length;
  Cursor r{data_, c.pos, end};
  uint8_t flags = 0;
  uint32_t items = 0;
  r.u32(record.classIndex);
  r.u64(record.handle);
  r.u64(record.owner);
  r.u8(flags);
  r.u32(items);
  if (flags & ~df::kObjectErased) return Fail(error, L"an object has unknown flags" + At(at));
  if (record.handle == 0) return Fail(error, L"an object has the null handle" + At(at));
  if (items > r.left() / df::kMinItemSize)
    return Fail(error, FormatWide(L"an object claims %u items, more than its record can hold", items) + At(at));
  record.erased = (flags & df::kObjectErased) != 0;
  record.items.clear();
  record.items.resize(items);
  for (uint32_t k = 0; k < items; ++k) {
    if (!ReadDrawingItem(data_, r.pos, end, record.items[k], error)) return false;
  }
  if (r.pos != end) return Fail(error, L"an object's record holds more than its items" + At(at));
  if (++objectsRead_ == objectCount_ && end != objects_.end)
    return Fail(error, L"unknown data after the last object" + At(end));
  objectPos_ = end;
  return true;
}

}  // namespace zhost
