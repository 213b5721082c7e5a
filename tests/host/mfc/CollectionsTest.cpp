// The MFC collections: array growth and editing, the invalid-argument throws of MFC, and the
// string map's lookups and deterministic iteration.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "host/mfc/Collections.h"

namespace {

bool ThrowsInvalidArg(const std::function<void()>& f) {
  try {
    f();
  } catch (CInvalidArgException* e) {
    e->Delete();
    return true;
  } catch (CException* e) {
    e->Delete();
  } catch (...) {
  }
  return false;
}

std::vector<CString> Items(const CStringArray& a) { return std::vector<CString>(a.begin(), a.end()); }

TEST(Collections, StringArrayEditing) {
  CStringArray a;
  EXPECT_EQ(a.Add(L"b"), 0);
  EXPECT_EQ(a.Add(CString(L"d")), 1);
  a.InsertAt(0, L"a");
  a.InsertAt(2, L"c");
  EXPECT_EQ(Items(a), (std::vector<CString>{L"a", L"b", L"c", L"d"}));
  a.RemoveAt(1, 2);
  EXPECT_EQ(Items(a), (std::vector<CString>{L"a", L"d"}));
  a.SetAtGrow(4, L"e");
  EXPECT_EQ(a.GetSize(), 5);
  EXPECT_EQ(a[3], L"");
  a.SetAtGrow(0, a[4]);  // an element of the array itself
  EXPECT_EQ(a[0], L"e");
  a.ElementAt(1) = L"x";
  EXPECT_EQ(a.GetAt(1), L"x");

  CStringArray b;
  b.Copy(a);
  EXPECT_EQ(b.Append(a), 5);
  EXPECT_EQ(b.GetCount(), 10);
  b.InsertAt(12, L"far");  // beyond the end: grows
  EXPECT_EQ(b.GetSize(), 13);
  b.RemoveAll();
  EXPECT_TRUE(b.IsEmpty());
  EXPECT_EQ(b.GetUpperBound(), -1);
}

TEST(Collections, OutOfRangeThrowsInvalidArgument) {
  CStringArray s;
  s.Add(L"only");
  CUIntArray u;
  CArray<double, double> d;
  const CStringArray& cs = s;
  std::function<void()> cases[] = {
      [&] { s.GetAt(1); },          [&] { s.GetAt(-1); },      [&] { (void)cs[1]; },
      [&] { s[5] = L"x"; },          [&] { s.SetAt(1, L"x"); }, [&] { s.ElementAt(2); },
      [&] { s.RemoveAt(0, 2); },     [&] { s.RemoveAt(-1); },   [&] { s.InsertAt(-1, L"x"); },
      [&] { s.InsertAt(0, L"x", 0); }, [&] { s.SetAtGrow(-1, L"x"); }, [&] { s.SetSize(-1); },
      [&] { s.Append(s); },          [&] { u.GetAt(0); },       [&] { d[0] = 1.0; },
  };
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) EXPECT_TRUE(ThrowsInvalidArg(cases[i])) << "case " << i;
  EXPECT_EQ(s.GetSize(), 1);
  EXPECT_FALSE(ThrowsInvalidArg([&] { s.RemoveAt(1, 0); }));
}

TEST(Collections, NumberAndObjectArrays) {
  CUIntArray u;
  u.SetSize(3);
  EXPECT_EQ(u[0] + u[1] + u[2], 0u);
  u[1] = 7;
  u.InsertAt(1, 5, 2);
  EXPECT_EQ(u.GetSize(), 5);
  EXPECT_EQ(u[2], 5u);
  EXPECT_EQ(u[3], 7u);

  CObject one, two;
  CObArray o;
  o.Add(&one);
  o.SetAtGrow(2, &two);
  EXPECT_EQ(o[0], &one);
  EXPECT_EQ(o[1], nullptr);
  EXPECT_EQ(o[2], &two);
  o.RemoveAll();  // the objects are not the array's to delete
}

TEST(Collections, StringMap) {
  CMapStringToString m;
  m.InitHashTable(257);
  EXPECT_EQ(m.GetHashTableSize(), 257u);
  EXPECT_EQ(m.GetStartPosition(), nullptr);
  m.SetAt(L"1:100", L"DIM_1_100");
  m.SetAt(L"1:50", L"DIM_1_50");
  m[L"1:20"] = L"DIM_1_20";
  m.SetAt(L"1:50", L"DIM_HALF");
  EXPECT_EQ(m.GetCount(), 3);
  CString v;
  EXPECT_TRUE(m.Lookup(L"1:50", v));
  EXPECT_EQ(v, L"DIM_HALF");
  EXPECT_FALSE(m.Lookup(L"Layer", v));
  m.SetAt(L"Layer", L"a");
  EXPECT_FALSE(m.Lookup(L"LAYER", v));  // keys are case-sensitive
  EXPECT_EQ(m[L"new"], L"");             // operator[] creates an empty entry
  EXPECT_TRUE(m.RemoveKey(L"new"));
  EXPECT_FALSE(m.RemoveKey(L"new"));

  std::vector<CString> keys;
  CString key, value;
  for (POSITION pos = m.GetStartPosition(); pos;) {
    m.GetNextAssoc(pos, key, value);
    keys.push_back(key);
    if (key == L"1:20") m.RemoveKey(key);  // removing the entry just returned is safe
  }
  EXPECT_EQ(keys, (std::vector<CString>{L"1:100", L"1:20", L"1:50", L"Layer"}));
  EXPECT_EQ(m.GetSize(), 3);
  POSITION none = nullptr;
  EXPECT_TRUE(ThrowsInvalidArg([&] { m.GetNextAssoc(none, key, value); }));
  m.RemoveAll();
  EXPECT_TRUE(m.IsEmpty());
}

}  // namespace
