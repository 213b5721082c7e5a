// Writing the bytes of a drawing file.
#include "host/db/DrawingFormatWriter.h"

#include <cstring>

#include "host/db/AcDbObjectId.h"

namespace zhost {

namespace df = drawing_format;

namespace {

void PutU8(std::string& out, uint8_t v) { out += static_cast<char>(v); }
void PutU16(std::string& out, uint16_t v) {
  for (int k = 0; k < 2; ++k) out += static_cast<char>((v >> (8 * k)) & 0xFF);
}
void PutU32(std::string& out, uint32_t v) {
  for (int k = 0; k < 4; ++k) out += static_cast<char>((v >> (8 * k)) & 0xFF);
}
void PutU64(std::string& out, uint64_t v) {
  for (int k = 0; k < 8; ++k) out += static_cast<char>((v >> (8 * k)) & 0xFF);
}
void PatchU32(std::string& out, size_t at, uint32_t v) {
  for (int k = 0; k < 4; ++k) out[at + k] = static_cast<char>((v >> (8 * k)) & 0xFF);
}
void PatchU64(std::string& out, size_t at, uint64_t v) {
  for (int k = 0; k < 8; ++k) out[at + k] = static_cast<char>((v >> (8 * k)) & 0xFF);
}
void PutDouble(std::string& out, double d) {
  uint64_t bits;
  std::memcpy(&bits, &d, sizeof bits);
  PutU64(out, bits);
}
void PutText(std::string& out, const std::wstring& text) {
  std::string utf8;
  AppendUtf8(utf8, text);
  PutU32(out, static_cast<uint32_t>(utf8.size()));
  out += utf8;
}
void PutBlob(std::string& out, const std::vector<uint8_t>& bytes) {
  PutU32(out, static_cast<uint32_t>(bytes.size()));
  out.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// The handle an id item refers to: its id's handle while it has one (what dwgOutFields filed),
// else the handle kept with the item (items read from a file and kept by a proxy).
uint64_t ReferencedHandle(const FilerItem& item) {
  return item.id.isNull() ? item.handle.value() : item.id.handle().value();
}

}  // namespace

DrawingFormatWriter::DrawingFormatWriter() {
  out_.append(reinterpret_cast<const char*>(df::kMagic), sizeof df::kMagic);
  PutU16(out_, df::kVersionMajor);
  PutU16(out_, df::kVersionMinor);
  PutU32(out_, 0);  // flags
  PutU64(out_, 0);  // file length, patched by finish()
  PutU32(out_, df::kSectionCount);
  PutU32(out_, 0);  // reserved
}

void DrawingFormatWriter::beginSection(const char tag[4]) {
  out_.append(tag, 4);
  sectionStart_ = out_.size();
  PutU64(out_, 0);
}

void DrawingFormatWriter::endSection() {
  PatchU64(out_, sectionStart_, out_.size() - sectionStart_ - 8);
}

void DrawingFormatWriter::writeHeader(const std::vector<DrawingHeaderVariable>& variables) {
  if (stage_ != 0) return;
  beginSection(df::kHeaderTag);
  PutU32(out_, static_cast<uint32_t>(variables.size()));
  std::wstring ignored;
  for (const DrawingHeaderVariable& v : variables) {
    PutText(out_, v.name);
    AppendItem(out_, v.value, ignored);
  }
  endSection();
  stage_ = 1;
}

void DrawingFormatWriter::writeClasses(const std::vector<DrawingClassEntry>& classes) {
  if (stage_ == 0) writeHeader({});
  if (stage_ != 1) return;
  beginSection(df::kClassesTag);
  PutU32(out_, static_cast<uint32_t>(classes.size()));
  for (const DrawingClassEntry& c : classes) {
    PutText(out_, c.name);
    PutText(out_, c.dxfName);
    PutText(out_, c.appName);
    PutU32(out_, static_cast<uint32_t>(c.proxyFlags));
    PutU32(out_, static_cast<uint32_t>(c.dwgVersion));
    PutU32(out_, static_cast<uint32_t>(c.maintVersion));
    PutU8(out_, c.isEntity ? 1 : 0);
  }
  endSection();
  beginSection(df::kObjectsTag);
  objectCountAt_ = out_.size();
  PutU32(out_, 0);
  stage_ = 2;
}

bool DrawingFormatWriter::writeObject(uint32_t classIndex, uint64_t handle, uint64_t owner, bool erased,
                                      const std::vector<FilerItem>& items, std::wstring& error) {
  if (stage_ < 2) writeClasses({});
  if (stage_ != 2) {
    error = L"the drawing file is already finished";
    return false;
  }
  std::string body;
  PutU32(body, classIndex);
  PutU64(body, handle);
  PutU64(body, owner);
  PutU8(body, erased ? df::kObjectErased : 0);
  PutU32(body, static_cast<uint32_t>(items.size()));
  for (const FilerItem& item : items) {
    if (!AppendItem(body, item, error)) return false;
  }
  PutU32(out_, static_cast<uint32_t>(body.size()));
  out_ += body;
  ++objectCount_;
  return true;
}

std::string DrawingFormatWriter::finish() {
  if (stage_ < 2) writeClasses({});
  if (stage_ != 2) return std::string();
  PatchU32(out_, objectCountAt_, objectCount_);
  endSection();
  out_.append(df::kTrailerTag, 4);
  out_.append(12, '\0');  // checksum and length, set by SealDrawingFrame
  SealDrawingFrame(out_);
  stage_ = 3;
  return std::move(out_);
}

bool DrawingFormatWriter::AppendItem(std::string& out, const FilerItem& item, std::wstring& error) {
  if (item.type != FilerItemType::kAddress) PutU8(out, static_cast<uint8_t>(item.type));
  switch (item.type) {
    case FilerItemType::kBoolean: PutU8(out, (item.i != 0 || item.u != 0) ? 1 : 0); return true;
    case FilerItemType::kInt8: PutU8(out, static_cast<uint8_t>(item.i)); return true;
    case FilerItemType::kUInt8: PutU8(out, static_cast<uint8_t>(item.u)); return true;
    case FilerItemType::kInt16: PutU16(out, static_cast<uint16_t>(item.i)); return true;
    case FilerItemType::kUInt16: PutU16(out, static_cast<uint16_t>(item.u)); return true;
    case FilerItemType::kInt32: PutU32(out, static_cast<uint32_t>(item.i)); return true;
    case FilerItemType::kUInt32: PutU32(out, static_cast<uint32_t>(item.u)); return true;
    case FilerItemType::kInt64: PutU64(out, static_cast<uint64_t>(item.i)); return true;
    case FilerItemType::kUInt64: PutU64(out, item.u); return true;
    case FilerItemType::kDouble: PutDouble(out, item.d[0]); return true;
    case FilerItemType::kPoint2d:
    case FilerItemType::kVector2d:
      PutDouble(out, item.d[0]);
      PutDouble(out, item.d[1]);
      return true;
    case FilerItemType::kPoint3d:
    case FilerItemType::kVector3d:
    case FilerItemType::kScale3d:
      for (double d : item.d) PutDouble(out, d);
      return true;
    case FilerItemType::kString: PutText(out, item.s); return true;
    case FilerItemType::kBinaryChunk:
    case FilerItemType::kBytes: PutBlob(out, item.bytes); return true;
    case FilerItemType::kHandle: PutU64(out, item.handle.value()); return true;
    case FilerItemType::kHardOwnershipId:
    case FilerItemType::kSoftOwnershipId:
    case FilerItemType::kHardPointerId:
    case FilerItemType::kSoftPointerId: PutU64(out, ReferencedHandle(item)); return true;
    case FilerItemType::kAddress: break;
  }
  error = L"an object filed a memory address, which a drawing file cannot hold";
  return false;
}

}  // namespace zhost
