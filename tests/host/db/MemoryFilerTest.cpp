// The typed memory filer: every type round trips, a wrong type or a read past the end is an
// error that sticks and leaves the output alone.
#include <gtest/gtest.h>

#include "host/db/MemoryFiler.h"

TEST(MemoryFilerTest, EveryTypeRoundTrips) {
  zhost::MemoryFiler f;
  f.writeItem(true);
  f.writeItem(Adesk::Int8(-3));
  f.writeItem(Adesk::UInt8(200));
  f.writeItem(Adesk::Int16(-30000));
  f.writeItem(Adesk::UInt16(60000));
  f.writeItem(Adesk::Int32(-7));
  f.writeItem(Adesk::UInt32(4000000000u));
  f.writeItem(-(Adesk::Int64(1) << 40));
  f.writeItem(Adesk::UInt64(1) << 63);
  f.writeItem(2.5);
  f.writeItem(AcGePoint2d(1, 2));
  f.writeItem(AcGePoint3d(1, 2, 3));
  f.writeItem(AcGeVector3d(0, 0, 1));
  f.writeItem(AcGeScale3d(2, 3, 4));
  f.writeItem(L"Ma\u00df");
  f.writeItem(AcDbHandle(Adesk::UInt64(0x2F)));
  const char bytes[] = {1, 2, 3};
  f.writeBytes(bytes, 3);
  ASSERT_EQ(f.filerStatus(), Acad::eOk);
  EXPECT_EQ(f.items().size(), 17u);

  f.rewind();
  bool b = false;
  Adesk::Int8 i8 = 0;
  Adesk::UInt8 u8 = 0;
  Adesk::Int16 i16 = 0;
  Adesk::UInt16 u16 = 0;
  Adesk::Int32 i32 = 0;
  Adesk::UInt32 u32 = 0;
  Adesk::Int64 i64 = 0;
  Adesk::UInt64 u64 = 0;
  double d = 0;
  AcGePoint2d p2;
  AcGePoint3d p3;
  AcGeVector3d v3;
  AcGeScale3d s3;
  ACHAR* text = nullptr;
  AcDbHandle h;
  char back[3] = {0, 0, 0};
  f.readItem(&b);
  f.readItem(&i8);
  f.readItem(&u8);
  f.readItem(&i16);
  f.readItem(&u16);
  f.readItem(&i32);
  f.readItem(&u32);
  f.readItem(&i64);
  f.readItem(&u64);
  f.readItem(&d);
  f.readItem(&p2);
  f.readItem(&p3);
  f.readItem(&v3);
  f.readItem(&s3);
  f.readItem(&text);
  f.readItem(&h);
  f.readBytes(back, 3);
  ASSERT_EQ(f.filerStatus(), Acad::eOk);
  EXPECT_TRUE(b);
  EXPECT_EQ(i8, -3);
  EXPECT_EQ(u8, 200);
  EXPECT_EQ(i16, -30000);
  EXPECT_EQ(u16, 60000);
  EXPECT_EQ(i32, -7);
  EXPECT_EQ(u32, 4000000000u);
  EXPECT_EQ(i64, -(Adesk::Int64(1) << 40));
  EXPECT_EQ(u64, Adesk::UInt64(1) << 63);
  EXPECT_EQ(d, 2.5);
  EXPECT_EQ(p2.y, 2);
  EXPECT_EQ(p3.z, 3);
  EXPECT_EQ(v3.z, 1);
  EXPECT_EQ(s3.sz, 4);
  EXPECT_STREQ(text, L"Ma\u00df");
  acutDelString(text);
  EXPECT_EQ(h.text(), L"2F");
  EXPECT_EQ(back[2], 3);
  EXPECT_TRUE(f.atEnd());
}

TEST(MemoryFilerTest, WrongTypeAndEndAreErrorsThatStick) {
  zhost::MemoryFiler f;
  f.writeInt16(5);
  f.writeDouble(1.0);
  f.rewind();
  Adesk::Int32 wrong = 77;
  EXPECT_EQ(f.readInt32(&wrong), Acad::eWrongDataType);
  EXPECT_EQ(wrong, 77);
  Adesk::Int16 right = 0;
  EXPECT_EQ(f.readInt16(&right), Acad::eWrongDataType);  // the error sticks
  EXPECT_EQ(right, 0);
  f.resetFilerStatus();
  EXPECT_EQ(f.readInt16(&right), Acad::eOk);
  EXPECT_EQ(right, 5);
  double d = 0;
  EXPECT_EQ(f.readDouble(&d), Acad::eOk);
  ACHAR* text = nullptr;
  EXPECT_EQ(f.readString(&text), Acad::eEndOfFile);
  EXPECT_EQ(text, nullptr);
  EXPECT_EQ(f.filerStatus(), Acad::eEndOfFile);

  zhost::MemoryFiler bytes;
  const char data[4] = {1, 2, 3, 4};
  bytes.writeBytes(data, 4);
  bytes.rewind();
  char small[2] = {9, 9};
  EXPECT_EQ(bytes.readBytes(small, 2), Acad::eWrongDataType);  // a length that was not written
  EXPECT_EQ(small[0], 9);

  zhost::MemoryFiler file(AcDb::kFileFiler);
  EXPECT_EQ(file.writeAddress(&file), Acad::eNotApplicable);
}
