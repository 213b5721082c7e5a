// The drawing's system variables: CLAYER (a missing layer is refused), TEXTSIZE, TEXTSTYLE,
// DBMOD, CANNOSCALE with CANNOSCALEVALUE, ERRNO, PICKBOX, APERTURE, LASTPOINT, and DWGNAME
// following the current document.
#include <string>

#include "host/db/AcDbDatabase.h"
#include "host/db/AcDbHostApplicationServices.h"
#include "host/db/AcDbLayerTable.h"
#include "host/ed/SysVars.h"
#include "tests/host/edinput/InputSupport.h"

namespace {

std::wstring Text(const wchar_t* name) {
  resbuf rb;
  if (acedGetVar(name, &rb) != RTNORM || rb.restype != RTSTR) return L"<none>";
  std::wstring value = rb.resval.rstring;
  acutDelString(rb.resval.rstring);
  return value;
}

double Real(const wchar_t* name) {
  resbuf rb;
  if (acedGetVar(name, &rb) != RTNORM) return -1;
  return rb.restype == RTREAL ? rb.resval.rreal : rb.resval.rint;
}

int SetText(const wchar_t* name, const wchar_t* value) {
  resbuf rb;
  rb.restype = RTSTR;
  rb.resval.rstring = const_cast<wchar_t*>(value);
  return acedSetVar(name, &rb);
}

int SetReal(const wchar_t* name, double value) {
  resbuf rb;
  rb.restype = RTREAL;
  rb.resval.rreal = value;
  return acedSetVar(name, &rb);
}

int SetShort(const wchar_t* name, short value) {
  resbuf rb;
  rb.restype = RTSHORT;
  rb.resval.rint = value;
  return acedSetVar(name, &rb);
}

class DrawingVariables : public zktest::DrawingTest {};

TEST_F(DrawingVariables, CurrentLayerAndTextSettings) {
  EXPECT_EQ(Text(L"CLAYER"), L"0");
  EXPECT_EQ(SetText(L"CLAYER", L"MISSING"), RTERROR);
  AcDbLayerTable* table = nullptr;
  ASSERT_EQ(acdbHostApplicationServices()->workingDatabase()->getLayerTable(table, AcDb::kForWrite), Acad::eOk);
  AcDbLayerTableRecord* rec = new AcDbLayerTableRecord();
  rec->setName(L"Walls");
  ASSERT_EQ(table->add(rec), Acad::eOk);
  rec->close();
  table->close();
  EXPECT_EQ(SetText(L"clayer", L"walls"), RTNORM);
  EXPECT_EQ(Text(L"CLAYER"), L"Walls");

  EXPECT_EQ(Text(L"TEXTSTYLE"), L"Standard");
  EXPECT_EQ(SetText(L"TEXTSTYLE", L"Nope"), RTERROR);
  EXPECT_EQ(SetReal(L"TEXTSIZE", 3.5), RTNORM);
  EXPECT_DOUBLE_EQ(Real(L"TEXTSIZE"), 3.5);
  EXPECT_EQ(SetReal(L"TEXTSIZE", -1), RTERROR);
  EXPECT_EQ(Real(L"DBMOD"), 1) << "the drawing has changed";
}

TEST_F(DrawingVariables, AnnotationScale) {
  EXPECT_EQ(Text(L"CANNOSCALE"), L"1:1");
  EXPECT_DOUBLE_EQ(Real(L"CANNOSCALEVALUE"), 1.0);
  EXPECT_EQ(SetText(L"CANNOSCALE", L"1:50"), RTNORM);
  EXPECT_DOUBLE_EQ(Real(L"CANNOSCALEVALUE"), 0.02);
  EXPECT_EQ(SetText(L"CANNOSCALE", L"fifty"), RTERROR);
  EXPECT_EQ(SetText(L"CANNOSCALE", L"1:0"), RTERROR);
  EXPECT_EQ(SetReal(L"CANNOSCALEVALUE", 2), RTERROR) << "read-only";
  EXPECT_EQ(Text(L"CANNOSCALE"), L"1:50");
  // Each drawing has its own scale.
  acDocManagerPtr()->newDocument();
  EXPECT_EQ(Text(L"CANNOSCALE"), L"1:1");
}

TEST_F(DrawingVariables, EditorSettingsAndDrawingName) {
  EXPECT_DOUBLE_EQ(Real(L"PICKBOX"), 3);
  EXPECT_EQ(SetShort(L"PICKBOX", 60), RTERROR);
  EXPECT_EQ(SetShort(L"APERTURE", 0), RTERROR);
  EXPECT_EQ(SetShort(L"ERRNO", 0), RTNORM);
  EXPECT_DOUBLE_EQ(Real(L"ERRNO"), 0);
  resbuf pt;
  pt.restype = RTPOINT;
  pt.resval.rpoint[0] = 1;
  pt.resval.rpoint[1] = 2;
  pt.resval.rpoint[2] = 9;
  EXPECT_EQ(acedSetVar(L"LASTPOINT", &pt), RTNORM);
  resbuf got;
  ASSERT_EQ(acedGetVar(L"LASTPOINT", &got), RTNORM);
  EXPECT_EQ(got.restype, RT3DPOINT);
  EXPECT_DOUBLE_EQ(got.resval.rpoint[2], 0) << "a 2D point has no height";
  EXPECT_EQ(SetText(L"LASTPOINT", L"1,2"), RTERROR);

  std::wstring first = Text(L"DWGNAME");
  AcApDocument* second = acDocManagerPtr()->newDocument();
  EXPECT_EQ(Text(L"DWGNAME"), second->docTitle());
  EXPECT_NE(Text(L"DWGNAME"), first);
}

}  // namespace
