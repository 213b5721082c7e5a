// The drawing format at the byte level: items keep their types and values, and damaged or
// hostile bytes are refused with a message before anything is built from them.
#include <gtest/gtest.h>

#include <cstring>

#include "host/db/DrawingFormatReader.h"
#include "host/db/DrawingFormatWriter.h"
#include "tests/host/dbfile/DrawingBytes.h"

namespace {

using zhost::DrawingFormatReader;
using zhost::DrawingFormatWriter;
using zhost::FilerItem;
using zhost::FilerItemType;

FilerItem Item(FilerItemType type) {
  FilerItem item;
  item.type = type;
  return item;
}

// One item of every kind a file can hold, with values at the edges of their ranges.
std::vector<FilerItem> EveryKind() {
  std::vector<FilerItem> items;
  FilerItem b = Item(FilerItemType::kBoolean);
  b.i = b.u = 1;
  items.push_back(b);
  FilerItem i8 = Item(FilerItemType::kInt8);
  i8.i = -128;
  items.push_back(i8);
  FilerItem u8 = Item(FilerItemType::kUInt8);
  u8.u = 255;
  items.push_back(u8);
  FilerItem i16 = Item(FilerItemType::kInt16);
  i16.i = -32768;
  items.push_back(i16);
  FilerItem u16 = Item(FilerItemType::kUInt16);
  u16.u = 65535;
  items.push_back(u16);
  FilerItem i32 = Item(FilerItemType::kInt32);
  i32.i = -2147483647 - 1;
  items.push_back(i32);
  FilerItem u32 = Item(FilerItemType::kUInt32);
  u32.u = 0xFFFFFFFFu;
  items.push_back(u32);
  FilerItem i64 = Item(FilerItemType::kInt64);
  i64.i = INT64_MIN;
  items.push_back(i64);
  FilerItem u64 = Item(FilerItemType::kUInt64);
  u64.u = UINT64_MAX;
  items.push_back(u64);
  FilerItem d = Item(FilerItemType::kDouble);
  d.d[0] = -0.1;
  items.push_back(d);
  for (FilerItemType t : {FilerItemType::kPoint2d, FilerItemType::kVector2d}) {
    FilerItem p = Item(t);
    p.d[0] = 1e300, p.d[1] = -5e-324;
    items.push_back(p);
  }
  for (FilerItemType t : {FilerItemType::kPoint3d, FilerItemType::kVector3d, FilerItemType::kScale3d}) {
    FilerItem p = Item(t);
    p.d[0] = 1.5, p.d[1] = -2.25, p.d[2] = 3e-9;
    items.push_back(p);
  }
  FilerItem s = Item(FilerItemType::kString);
  s.s = L"Ma\u00dfe \u4e2d \U0001F600 \"x\"";
  items.push_back(s);
  items.push_back(Item(FilerItemType::kString));  // empty
  for (FilerItemType t : {FilerItemType::kBinaryChunk, FilerItemType::kBytes}) {
    FilerItem c = Item(t);
    c.bytes = {0, 1, 0xFF, 0x80};
    items.push_back(c);
  }
  for (FilerItemType t : {FilerItemType::kHandle, FilerItemType::kHardOwnershipId, FilerItemType::kSoftOwnershipId,
                          FilerItemType::kHardPointerId, FilerItemType::kSoftPointerId}) {
    FilerItem h = Item(t);
    h.handle = AcDbHandle(Adesk::UInt64(0x1234567890ABCDEFull));
    items.push_back(h);
  }
  return items;
}

bool SameItem(const FilerItem& a, const FilerItem& b) {
  return a.type == b.type && a.i == b.i && a.u == b.u && std::memcmp(a.d, b.d, sizeof a.d) == 0 && a.s == b.s &&
         a.bytes == b.bytes && a.handle == b.handle;
}

// A small file: two variables, two classes, three objects.
std::string SmallFile() {
  DrawingFormatWriter w;
  zhost::DrawingHeaderVariable seed;
  seed.name = L"HANDSEED";
  seed.value = Item(FilerItemType::kHandle);
  seed.value.handle = AcDbHandle(Adesk::UInt64(0x40));
  zhost::DrawingHeaderVariable extra;
  extra.name = L"PROJECTNAME";
  extra.value = Item(FilerItemType::kString);
  extra.value.s = L"Br\u00fccke";
  w.writeHeader({seed, extra});
  zhost::DrawingClassEntry a{L"AcDbDictionary", L"DICTIONARY", L"", 0, 0, 0, false};
  zhost::DrawingClassEntry b{L"ZkThing", L"ZKTHING", L"Zk app", 0x37F, 3, 1, true};
  w.writeClasses({a, b});
  std::wstring error;
  EXPECT_TRUE(w.writeObject(0, 0xC, 0, false, {}, error));
  EXPECT_TRUE(w.writeObject(1, 0x20, 0xC, true, EveryKind(), error));
  EXPECT_TRUE(w.writeObject(1, 0x21, 0xC, false, {Item(FilerItemType::kInt16)}, error));
  return w.finish();
}

// Reads every record; the message of the first failure, empty when all is well.
std::wstring ReadAll(const std::string& bytes) {
  DrawingFormatReader r;
  std::wstring error;
  std::vector<zhost::DrawingHeaderVariable> vars;
  std::vector<zhost::DrawingClassEntry> classes;
  if (!r.open(zktest::Bytes(bytes), bytes.size(), error) || !r.readHeader(vars, error) || !r.readClasses(classes, error))
    return error;
  zhost::DrawingObjectRecord rec;
  while (!r.atEndOfObjects()) {
    if (!r.nextObject(rec, error)) return error;
  }
  return L"";
}

TEST(DrawingFormat, RecordsAndEveryItemKindComeBackAsWritten) {
  const std::string bytes = SmallFile();
  DrawingFormatReader r;
  std::wstring error;
  ASSERT_TRUE(r.open(zktest::Bytes(bytes), bytes.size(), error)) << error;
  std::vector<zhost::DrawingHeaderVariable> vars;
  ASSERT_TRUE(r.readHeader(vars, error)) << error;
  ASSERT_EQ(2u, vars.size());
  EXPECT_EQ(L"HANDSEED", vars[0].name);
  EXPECT_EQ(0x40u, vars[0].value.handle.value());
  EXPECT_EQ(L"Br\u00fccke", vars[1].value.s);
  std::vector<zhost::DrawingClassEntry> classes;
  ASSERT_TRUE(r.readClasses(classes, error)) << error;
  ASSERT_EQ(2u, classes.size());
  EXPECT_EQ(L"ZkThing", classes[1].name);
  EXPECT_EQ(L"ZKTHING", classes[1].dxfName);
  EXPECT_EQ(L"Zk app", classes[1].appName);
  EXPECT_EQ(0x37F, classes[1].proxyFlags);
  EXPECT_EQ(3, classes[1].dwgVersion);
  EXPECT_EQ(1, classes[1].maintVersion);
  EXPECT_TRUE(classes[1].isEntity);
  EXPECT_FALSE(classes[0].isEntity);

  ASSERT_EQ(3u, r.objectCount());
  zhost::DrawingObjectRecord rec;
  ASSERT_TRUE(r.nextObject(rec, error)) << error;
  EXPECT_EQ(0xCu, rec.handle);
  EXPECT_TRUE(rec.items.empty());
  ASSERT_TRUE(r.nextObject(rec, error)) << error;
  EXPECT_EQ(1u, rec.classIndex);
  EXPECT_EQ(0x20u, rec.handle);
  EXPECT_EQ(0xCu, rec.owner);
  EXPECT_TRUE(rec.erased);
  const std::vector<FilerItem> expected = EveryKind();
  ASSERT_EQ(expected.size(), rec.items.size());
  for (size_t k = 0; k < expected.size(); ++k)
    EXPECT_TRUE(SameItem(expected[k], rec.items[k])) << zhost::FilerItemTypeName(expected[k].type);
  ASSERT_TRUE(r.nextObject(rec, error)) << error;
  EXPECT_FALSE(rec.erased);
  EXPECT_TRUE(r.atEndOfObjects());

  // A second pass sees the same records.
  r.rewindObjects();
  ASSERT_TRUE(r.nextObject(rec, error));
  EXPECT_EQ(0xCu, rec.handle);
}

TEST(DrawingFormat, AnAddressCannotBeWritten) {
  DrawingFormatWriter w;
  std::wstring error;
  EXPECT_FALSE(w.writeObject(0, 1, 0, false, {Item(FilerItemType::kAddress)}, error));
  EXPECT_NE(std::wstring::npos, error.find(L"address"));
  EXPECT_TRUE(w.writeObject(0, 1, 0, false, {}, error));
  const std::string bytes = w.finish();
  EXPECT_EQ(L"", ReadAll(bytes));
}

TEST(DrawingFormat, EveryTruncationIsRefused) {
  const std::string bytes = SmallFile();
  for (size_t n = 0; n < bytes.size(); ++n) EXPECT_NE(L"", ReadAll(bytes.substr(0, n))) << "length " << n;
  EXPECT_NE(L"", ReadAll(bytes + '\0'));
}

TEST(DrawingFormat, EveryBitFlipIsCaughtByTheChecksumOrTheFrame) {
  const std::string bytes = SmallFile();
  for (size_t at = 0; at < bytes.size(); ++at) {
    for (int bit = 0; bit < 8; ++bit) {
      std::string damaged = bytes;
      damaged[at] = static_cast<char>(damaged[at] ^ (1 << bit));
      EXPECT_NE(L"", ReadAll(damaged)) << "byte " << at << " bit " << bit;
    }
  }
}

TEST(DrawingFormat, ChecksumMismatchAndMagicAreNamed) {
  std::string bytes = SmallFile();
  std::string damaged = bytes;
  damaged[40] ^= 1;
  EXPECT_NE(std::wstring::npos, ReadAll(damaged).find(L"checksum"));
  damaged = bytes;
  damaged[1] = 'X';
  EXPECT_NE(std::wstring::npos, ReadAll(damaged).find(L"magic"));
  damaged = bytes;
  damaged[8] = 2;  // major version
  zktest::FixDrawingFrame(damaged);
  EXPECT_NE(std::wstring::npos, ReadAll(damaged).find(L"version"));
}

// Damage behind a valid checksum: what a hostile file does. Each case patches the small file
// at a field and must be refused with its message.
TEST(DrawingFormat, HostileValuesBehindAValidChecksumAreRefused) {
  const std::string bytes = SmallFile();
  const size_t objects = zktest::SectionBody(bytes, "OBJS");
  const size_t header = zktest::SectionBody(bytes, "HEAD");
  const size_t classes = zktest::SectionBody(bytes, "CLAS");
  const size_t secondRecord = objects + 4 + 4 + 25;  // count, first record's length and body
  struct Case {
    const char* what;
    size_t at;
    std::string value;
    const wchar_t* message;
  };
  const std::string huge("\xFF\xFF\xFF\x7F", 4);
  const Case cases[] = {
      {"object count", objects, huge, L"objects"},
      {"header count", header, huge, L"variables"},
      {"class count", classes, huge, L"classes"},
      {"record length", secondRecord, huge, L"truncated"},
      {"item count", secondRecord + 4 + 21, huge, L"items"},
      {"null handle", secondRecord + 4 + 4, std::string(8, '\0'), L"null handle"},
      {"unknown flags", secondRecord + 4 + 20, "\x02", L"flags"},
      {"unknown item tag", secondRecord + 4 + 25, "\x7F", L"unknown item type"},
      {"Boolean out of range", secondRecord + 4 + 26, "\x05", L"Boolean"},
      {"first class name length", classes + 4, huge, L"class 0"},
  };
  for (const Case& c : cases) {
    std::string damaged = bytes;
    damaged.replace(c.at, c.value.size(), c.value);
    zktest::FixDrawingFrame(damaged);
    const std::wstring error = ReadAll(damaged);
    EXPECT_NE(std::wstring::npos, error.find(c.message)) << c.what << ": " << std::string(error.begin(), error.end());
  }
}

TEST(DrawingFormat, MalformedUtf8IsRefused) {
  const struct {
    const char* bytes;
    size_t size;
    bool ok;
  } cases[] = {
      {"abc", 3, true},
      {"\xC3\xA4", 2, true},
      {"\xF0\x9F\x98\x80", 4, true},
      {"\xC3", 1, false},              // cut
      {"\xC0\x80", 2, false},          // overlong
      {"\xED\xA0\x80", 3, false},      // surrogate
      {"\xF4\x90\x80\x80", 4, false},  // above U+10FFFF
      {"\x80", 1, false},              // stray continuation
      {"\xE2\x28\xA1", 3, false},      // bad continuation
  };
  for (const auto& c : cases) {
    std::wstring text;
    EXPECT_EQ(c.ok, zhost::DecodeUtf8(reinterpret_cast<const unsigned char*>(c.bytes), c.size, text)) << c.bytes;
  }
}

TEST(DrawingFormat, ChecksumIsTheStandardCrc32) {
  const char* text = "123456789";
  EXPECT_EQ(0xCBF43926u, zhost::DrawingChecksum(reinterpret_cast<const unsigned char*>(text), 9));
}

}  // namespace
