// System variables through acedGetVar/acedSetVar and LISP.
#include <gtest/gtest.h>

#include <cstdlib>

#include "host/ed/SysVars.h"
#include "tests/host/ed/EdTestSupport.h"

namespace {

resbuf Short(short v) {
  resbuf rb{};
  rb.restype = RTSHORT;
  rb.resval.rint = v;
  return rb;
}

TEST(SysVars, ReadAndWriteWithTypeAndRangeChecks) {
  resbuf rb{};
  ASSERT_EQ(acedGetVar(L"tilemode", &rb), RTNORM);
  EXPECT_EQ(rb.restype, RTSHORT);
  EXPECT_EQ(rb.resval.rint, 1);
  resbuf zero = Short(0);
  EXPECT_EQ(acedSetVar(L"TILEMODE", &zero), RTNORM);
  ASSERT_EQ(acedGetVar(L"TILEMODE", &rb), RTNORM);
  EXPECT_EQ(rb.resval.rint, 0);
  resbuf bad = Short(5);
  EXPECT_EQ(acedSetVar(L"TILEMODE", &bad), RTERROR) << "out of range";
  resbuf text{};
  text.restype = RTSTR;
  text.resval.rstring = const_cast<ACHAR*>(L"1");
  EXPECT_EQ(acedSetVar(L"TILEMODE", &text), RTERROR) << "wrong type";
  resbuf one = Short(1);
  EXPECT_EQ(acedSetVar(L"TILEMODE", &one), RTNORM);

  ASSERT_EQ(acedGetVar(L"CVPORT", &rb), RTNORM);
  EXPECT_EQ(rb.resval.rint, 2);
  EXPECT_EQ(acedGetVar(L"NOSUCHVAR", &rb), RTERROR);
  EXPECT_EQ(acedSetVar(L"NOSUCHVAR", &one), RTERROR);
  EXPECT_EQ(acedGetVar(L"CMDNAMES", nullptr), RTERROR);

  resbuf names{};
  names.restype = RTSTR;
  names.resval.rstring = const_cast<ACHAR*>(L"X");
  EXPECT_EQ(acedSetVar(L"CMDNAMES", &names), RTERROR) << "read-only";
  ASSERT_EQ(acedGetVar(L"CMDNAMES", &rb), RTNORM);
  EXPECT_EQ(rb.restype, RTSTR);
  std::free(rb.resval.rstring);
}

TEST(SysVars, SdiTakesZeroOrOne) {
  resbuf rb{};
  resbuf one = Short(1), zero = Short(0), two = Short(2);
  EXPECT_EQ(acedSetVar(L"SDI", &two), RTERROR);
  EXPECT_EQ(acedSetVar(L"SDI", &one), RTNORM);
  ASSERT_EQ(acedGetVar(L"SDI", &rb), RTNORM);
  EXPECT_EQ(rb.resval.rint, 1);
  EXPECT_EQ(acedSetVar(L"SDI", &zero), RTNORM);
}

TEST(SysVars, LispGetvarAndSetvar) {
  std::wstring out = zktest::RunLines({L"(setvar \"CVPORT\" 3)", L"(getvar \"cvport\")", L"(getvar \"nosuch\")",
                                       L"(setvar \"CMDNAMES\" \"x\")", L"(setvar \"CVPORT\" 2)"});
  EXPECT_TRUE(zktest::Contains(out, L"(getvar \"cvport\")\n3"));
  EXPECT_TRUE(zktest::Contains(out, L"(getvar \"nosuch\")\nnil"));
  EXPECT_TRUE(zktest::Contains(out, L"; error: the system variable \"CMDNAMES\" refuses"));
}

}  // namespace
