// The acedGet* functions answered by script lines: valid answers, a wrong answer then a valid
// one, keywords, Enter and cancel; LASTPOINT and relative points.
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "host/ed/SysVars.h"
#include "host/ed/UserInput.h"
#include "tests/host/edinput/InputSupport.h"

namespace {

using zktest::WithAnswers;

const double kPi = 3.14159265358979323846;

struct Case {
  const char* name;
  std::function<int(double& value, std::wstring& text)> call;
  std::vector<std::wstring> lines;
  int status;
  double value;           // numbers and the x of points
  std::wstring text;      // keywords and strings
  std::wstring printed;   // a message that must appear ("" for none checked)
};

class UserInput : public zktest::DrawingTest {};

int Point(double& v, std::wstring&, int bits = 0, const wchar_t* kw = nullptr) {
  acedInitGet(bits, kw);
  ads_point p = {0, 0, 0};
  int rc = acedGetPoint(nullptr, L"\nPoint: ", p);
  v = p[0] * 100 + p[1] * 10 + p[2];  // one number that shows all three coordinates
  return rc;
}

int Keyword(int rc, std::wstring& text) {
  ACHAR buf[64] = L"";
  if (rc == RTKWORD) acedGetInput(buf);
  text = buf;
  return rc;
}

TEST_F(UserInput, AnswersAsATable) {
  ads_point base = {0, 0, 0};
  std::vector<Case> cases = {
      {"point x,y", [](double& v, std::wstring& t) { return Point(v, t); }, {L"1,2"}, RTNORM, 120, L"", L""},
      {"point x,y,z", [](double& v, std::wstring& t) { return Point(v, t); }, {L"1,2,3"}, RTNORM, 123, L"", L""},
      {"wrong then point", [](double& v, std::wstring& t) { return Point(v, t); }, {L"abc", L"4,5"}, RTNORM, 450, L"",
       L"Invalid point."},
      {"point keyword", [](double& v, std::wstring& t) { return Keyword(Point(v, t, 0, L"eXit Undo"), t); }, {L"x"},
       RTKWORD, 0, L"eXit", L""},
      {"point keyword spelled", [](double& v, std::wstring& t) { return Keyword(Point(v, t, 0, L"eXit Undo"), t); },
       {L"UND"}, RTKWORD, 0, L"Undo", L""},
      {"point enter", [](double& v, std::wstring& t) { return Point(v, t); }, {L""}, RTNONE, 0, L"", L""},
      {"point enter refused", [](double& v, std::wstring& t) { return Point(v, t, RSG_NONULL); }, {L"", L"1,1"},
       RTNORM, 110, L"", L""},
      {"point cancel", [](double& v, std::wstring& t) { return Point(v, t); }, {L"*cancel*"}, RTCAN, 0, L"", L""},
      {"point other text", [](double& v, std::wstring& t) { return Keyword(Point(v, t, RSG_OTHER), t); }, {L"hello"},
       RTKWORD, 0, L"hello", L""},
      {"input ends", [](double& v, std::wstring& t) { return Point(v, t); }, {}, RTCAN, 0, L"", L""},
      {"real", [](double& v, std::wstring&) { return acedGetReal(L"R: ", &v); }, {L"2.5"}, RTNORM, 2.5, L"", L""},
      {"real wrong", [](double& v, std::wstring&) { return acedGetReal(L"R: ", &v); }, {L"abc", L"-3e1"}, RTNORM, -30,
       L"", L"Requires numeric value."},
      {"real negative refused",
       [](double& v, std::wstring&) {
         acedInitGet(RSG_NONEG | RSG_NOZERO, nullptr);
         return acedGetReal(L"R: ", &v);
       },
       {L"-1", L"0", L"1"}, RTNORM, 1, L"", L"Value must be positive and nonzero."},
      {"real enter", [](double& v, std::wstring&) { return acedGetReal(L"R: ", &v); }, {L""}, RTNONE, 0, L"", L""},
      {"real cancel", [](double& v, std::wstring&) { return acedGetReal(L"R: ", &v); }, {L"*Cancel*"}, RTCAN, 0, L"",
       L""},
      {"real keyword",
       [](double& v, std::wstring& t) {
         acedInitGet(0, L"Auto");
         return Keyword(acedGetReal(L"R: ", &v), t);
       },
       {L"a"}, RTKWORD, 0, L"Auto", L""},
      {"int", [](double& v, std::wstring&) { int i = 0; int rc = acedGetInt(L"I: ", &i); v = i; return rc; }, {L"7"},
       RTNORM, 7, L"", L""},
      {"int not whole", [](double& v, std::wstring&) { int i = 0; int rc = acedGetInt(L"I: ", &i); v = i; return rc; },
       {L"2.5", L"3"}, RTNORM, 3, L"", L"Requires an integer value."},
      {"int out of range",
       [](double& v, std::wstring&) { int i = 0; int rc = acedGetInt(L"I: ", &i); v = i; return rc; },
       {L"40000", L"-5"}, RTNORM, -5, L"", L"Requires an integer between -32768 and 32767."},
      {"int text", [](double& v, std::wstring&) { int i = 0; int rc = acedGetInt(L"I: ", &i); v = i; return rc; },
       {L"x", L"1"}, RTNORM, 1, L"", L"Requires numeric value."},
      {"dist number", [&](double& v, std::wstring&) { return acedGetDist(base, L"D: ", &v); }, {L"5"}, RTNORM, 5, L"",
       L""},
      {"dist from base", [&](double& v, std::wstring&) { return acedGetDist(base, L"D: ", &v); }, {L"3,4"}, RTNORM, 5,
       L"", L""},
      {"dist two points", [](double& v, std::wstring&) { return acedGetDist(nullptr, L"D: ", &v); },
       {L"1,1", L"4,5"}, RTNORM, 5, L"", L""},
      {"dist wrong", [&](double& v, std::wstring&) { return acedGetDist(base, L"D: ", &v); }, {L"far", L"2"}, RTNORM, 2,
       L"", L"Requires numeric distance or two points."},
      {"angle degrees", [](double& v, std::wstring&) { return acedGetAngle(nullptr, L"A: ", &v); }, {L"90"}, RTNORM,
       kPi / 2, L"", L""},
      {"angle negative", [](double& v, std::wstring&) { return acedGetOrient(nullptr, L"A: ", &v); }, {L"-90"}, RTNORM,
       3 * kPi / 2, L"", L""},
      {"angle by point", [&](double& v, std::wstring&) { return acedGetAngle(base, L"A: ", &v); }, {L"0,2"}, RTNORM,
       kPi / 2, L"", L""},
      {"angle cancel", [](double& v, std::wstring&) { return acedGetAngle(nullptr, L"A: ", &v); }, {L"*cancel*"}, RTCAN,
       0, L"", L""},
      {"corner", [&](double& v, std::wstring&) { ads_point p; int rc = acedGetCorner(base, L"C: ", p); v = p[0]; return rc; },
       {L"9,9"}, RTNORM, 9, L"", L""},
      {"kword", [](double&, std::wstring& t) { ACHAR b[32]; acedInitGet(0, L"Yes No"); int rc = acedGetKword(L"K: ", b); t = rc == RTNORM ? b : L""; return rc; },
       {L"n"}, RTNORM, 0, L"No", L""},
      {"kword wrong", [](double&, std::wstring& t) { ACHAR b[32]; acedInitGet(0, L"Yes No"); int rc = acedGetKword(L"K: ", b); t = rc == RTNORM ? b : L""; return rc; },
       {L"maybe", L"YES"}, RTNORM, 0, L"Yes", L"Invalid option keyword."},
      {"kword enter", [](double&, std::wstring& t) { ACHAR b[32]; acedInitGet(0, L"Yes No"); int rc = acedGetKword(L"K: ", b); t = b; return rc; },
       {L""}, RTNONE, 0, L"", L""},
      {"kword cancel", [](double&, std::wstring&) { ACHAR b[32]; acedInitGet(0, L"Yes No"); return acedGetKword(L"K: ", b); },
       {L"*cancel*"}, RTCAN, 0, L"", L""},
      {"kword global name", [](double&, std::wstring& t) { ACHAR b[32]; acedInitGet(0, L"Ja Nein _Yes No"); int rc = acedGetKword(L"K: ", b); t = b; return rc; },
       {L"_no"}, RTNORM, 0, L"Nein", L""},
      {"string with blanks", [](double&, std::wstring& t) { ACHAR b[64]; int rc = acedGetString(1, L"S: ", b); t = b; return rc; },
       {L"hello world"}, RTNORM, 0, L"hello world", L""},
      {"string enter", [](double&, std::wstring& t) { ACHAR b[64] = L"x"; int rc = acedGetString(1, L"S: ", b); t = b; return rc; },
       {L""}, RTNORM, 0, L"", L""},
      {"string too long", [](double&, std::wstring&) { ACHAR b[4]; return acedGetString(1, L"S: ", b, 4); },
       {L"abcd"}, RTERROR, 0, L"", L""},
      {"string cancel", [](double&, std::wstring&) { ACHAR b[8]; return acedGetString(1, L"S: ", b, 8); },
       {L"*cancel*"}, RTCAN, 0, L"", L""},
  };
  for (Case& c : cases) {
    double value = 0;
    std::wstring text;
    int status = 0;
    std::wstring out = WithAnswers(c.lines, [&] { status = c.call(value, text); });
    EXPECT_EQ(status, c.status) << c.name;
    EXPECT_NEAR(value, c.value, 1e-9) << c.name;
    EXPECT_EQ(text, c.text) << c.name;
    if (!c.printed.empty()) {
      EXPECT_NE(out.find(c.printed), std::wstring::npos) << c.name << "\n" << out.c_str();
    }
  }
}

TEST_F(UserInput, StringEndingAtABlankLeavesTheRestAsTheNextAnswer) {
  std::wstring first, second;
  WithAnswers({L"hello big world"}, [&] {
    ACHAR b[64];
    ASSERT_EQ(acedGetString(0, L"S: ", b), RTNORM);
    first = b;
    ASSERT_EQ(acedGetString(1, L"S: ", b), RTNORM);
    second = b;
  });
  EXPECT_EQ(first, L"hello");
  EXPECT_EQ(second, L"big world");
}

TEST_F(UserInput, PointsSetLastPointAndRelativePointsUseIt) {
  ads_point p = {0, 0, 0};
  WithAnswers({L"10,20,5", L"@1,2", L"@3<90", L"@"}, [&] {
    ASSERT_EQ(acedGetPoint(nullptr, L"P: ", p), RTNORM);
    resbuf rb;
    ASSERT_EQ(acedGetVar(L"LASTPOINT", &rb), RTNORM);
    EXPECT_EQ(rb.restype, RT3DPOINT);
    EXPECT_DOUBLE_EQ(rb.resval.rpoint[1], 20);
    ASSERT_EQ(acedGetPoint(nullptr, L"P: ", p), RTNORM);
    EXPECT_DOUBLE_EQ(p[0], 11);
    EXPECT_DOUBLE_EQ(p[1], 22);
    EXPECT_DOUBLE_EQ(p[2], 5);
    ASSERT_EQ(acedGetPoint(nullptr, L"P: ", p), RTNORM);
    EXPECT_NEAR(p[0], 11, 1e-12);
    EXPECT_NEAR(p[1], 25, 1e-12);
    ads_point same = {0, 0, 0};
    ASSERT_EQ(acedGetPoint(nullptr, L"P: ", same), RTNORM);
    EXPECT_NEAR(same[1], 25, 1e-12);
  });
}

TEST_F(UserInput, InitGetAppliesToTheNextCallOnly) {
  WithAnswers({L"", L""}, [&] {
    ads_real r = 0;
    acedInitGet(RSG_NONULL, L"Auto");
    // Enter is refused by the first call until the script runs out (a cancel).
    EXPECT_EQ(acedGetReal(L"R: ", &r), RTCAN);
  });
  WithAnswers({L"", L"auto"}, [&] {
    ads_real r = 0;
    EXPECT_EQ(acedGetReal(L"R: ", &r), RTNONE);
    // The keyword of the earlier acedInitGet is gone: "auto" is a wrong number, then the input ends.
    EXPECT_EQ(acedGetReal(L"R: ", &r), RTCAN);
  });
}

TEST_F(UserInput, PromptsAndEchoesGoToTheCommandLine) {
  std::wstring out = WithAnswers({L"3,4"}, [] {
    ads_point p;
    acedGetPoint(nullptr, L"\nWhere: ", p);
  });
  EXPECT_NE(out.find(L"Where: 3,4"), std::wstring::npos) << out.c_str();
}

}  // namespace
